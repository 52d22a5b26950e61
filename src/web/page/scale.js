// The whole window at one scale that fits the page, as an enlarged desktop window is: the
// designed layout made smaller for a phone and larger for a big screen, keeping its shape. The
// help window and the about box stand inside it (panel.js), at the same scale. With ?embed in the address the page
// shows the window alone, without the page's margin and background.
const Scale = {
  factor: 1,

  start() {
    if (new URLSearchParams(location.search).has("embed")) document.body.classList.add("embed");
    document.getElementById("Form1").tabIndex = -1;  // where the focus returns from a panel
    Scale.fit();
    addEventListener("resize", Scale.fit);
  },

  fit() {
    const form = document.getElementById("Form1");
    const margin = parseFloat(getComputedStyle(document.body).getPropertyValue("--page-margin")) || 0;
    // The designed size: a transform leaves the layout box as it was.
    const width = form.offsetWidth;
    const height = form.offsetHeight;
    // The link bar under the window stays on the screen with it, as wide as the window.
    const bar = document.getElementById("linkBar");
    // Twice: a scroll bar that comes or goes with the new size changes the room, and so does
    // the link bar's height, which wraps to the window's width.
    for (let pass = 0; pass < 2; ++pass) {
      const room = document.documentElement;
      const under = bar && !bar.hidden ? bar.offsetHeight + margin : 0;
      const s = Math.min((room.clientWidth - 2 * margin) / width, (innerHeight - 2 * margin - under) / height);
      Scale.factor = s;
      form.style.transform = `scale(${s})`;
      // The box the window takes on the page is its scaled size.
      form.style.marginRight = `${margin + width * (s - 1)}px`;
      form.style.marginBottom = `${margin + height * (s - 1)}px`;
      document.body.style.setProperty("--window-width", `${width * s - 4}px`);
    }
    // Enlarged, the plot is drawn at the nearest whole ratio of canvas pixels to its own and
    // shown without blending; made smaller, it stays at its designed size and is smoothed so
    // that no trace drops out.
    Plot.setRatio(Math.max(1, Math.round(Scale.factor * devicePixelRatio)));
    Plot.canvas.style.imageRendering = Scale.factor > 1 ? "pixelated" : "auto";
    for (const panel of document.querySelectorAll(".panel:not([hidden])")) Panel.keepOnPage(panel);
  },
};
