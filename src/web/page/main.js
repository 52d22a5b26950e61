// The page: the window built from the program's tables, shown in the state the program holds,
// then started; afterwards every user event goes to the program and its reports are shown.
const Page = {
  // Runs one call into the program and shows what it reports.
  event(call) {
    call();
    Page.showReports();
  },

  showReports() {
    for (const record of Bridge.reports()) Reports.show(record);
    LinkBar.update();
  },

  showState(state) {
    for (const [name, held] of Object.entries(state)) {
      if (!("enabled" in held)) continue;  // Timer1: no element
      for (const which of ["enabled", "visible", "checked"]) Elements.setFlag(name, which, held[which]);
      if (held.caption) Elements.setCaption(name, held.caption);
    }
  },

  start() {
    const tables = Bridge.tables();
    const client = document.getElementById("client");
    Elements.build(tables, client);
    Menus.build(tables, document.getElementById("menubar"));
    Menus.setUpKeys();
    Schematic.build(tables, client);
    Dialogs.setUp();
    Page.showState(Bridge.state());
    Plot.show();
    Elements.enlarge(tables);
    Scale.start();
    LinkBar.setUp();
    Bridge.startup();
    // A shared set-up in the address is applied as the user would type it, after start-up.
    if (location.hash.length > 1) Bridge.openLink(location.hash);
    Page.showReports();
    document.body.dataset.ready = "true";
  },

  // Exit: the window goes. The program has stopped its timer and refuses whatever comes now.
  end() {
    document.getElementById("Form1").hidden = true;
    document.getElementById("ended").hidden = false;
    // A new program from the same address, with the set-up it was opened with.
    document.getElementById("startAgain").addEventListener("click", () => location.reload());
    document.getElementById("startAgain").focus();
    Help.discard();
    About.discard();
  },
};

var Module = { onRuntimeInitialized: () => Page.start() };
