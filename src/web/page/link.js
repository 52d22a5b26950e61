// The bar under the window: the present set-up as a link to share and as the corvane-trace
// command of the same circuit, both as the program writes them. A page opened with "?embed"
// (for an iframe in a course page) shows the window alone.
const LinkBar = {
  setUp() {
    const embedded = new URLSearchParams(location.search).has("embed");
    document.getElementById("linkBar").hidden = embedded;
    document.getElementById("copyLink").addEventListener("click", () => LinkBar.copy());
    const width = document.getElementById("Form1").getBoundingClientRect().width;
    document.body.style.setProperty("--window-width", `${width - 4}px`);
  },

  // The address of this page with the set-up as its fragment, without any earlier fragment.
  address() {
    const fragment = Bridge.setupLink();
    return location.href.split("#")[0] + (fragment ? "#" + fragment : "");
  },

  update() {
    document.getElementById("setupLink").href = LinkBar.address();
    document.getElementById("traceCommand").value = Bridge.traceCommand();
  },

  // The clipboard refuses a page that is not in front or not trusted; the link is then left
  // selected in the command field's place for the user to copy.
  async copy() {
    const address = LinkBar.address();
    const status = document.getElementById("copyStatus");
    try {
      await navigator.clipboard.writeText(address);
      status.textContent = "Copied.";
    } catch {
      const field = document.getElementById("traceCommand");
      field.value = address;
      field.select();
      status.textContent = "Press Ctrl+C to copy the selected link.";
    }
  },
};
