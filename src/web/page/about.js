// The about box: the dark red band, the program's name and credit lines, and OK, built from
// the program's tables the first time About shows it and after it was closed. Its elements
// carry their names as data-name: the main window has a Picture1, a Label1 and a Label2 too.
const About = {
  panel: null,

  build() {
    const tables = Bridge.dialogTables().about;
    const { panel, client } = Panel.make("frmAbout", tables.caption, tables.width, tables.height, {
      escape: About.ok,
      close: About.close,
    });
    panel.style.fontFamily = `"${tables.family}", "Liberation Serif", serif`;
    const band = Panel.place(document.createElement("div"), tables.band.place);
    band.dataset.name = "Picture1";
    band.style.background = tables.band.color;
    client.append(band);
    for (const line of tables.lines) {
      const label = Panel.place(document.createElement("div"), line.place);
      label.dataset.name = line.name;
      label.className += " label";
      label.textContent = line.text;
      Object.assign(label.style, { fontSize: `${line.centipoints / 100}pt`, fontWeight: line.bold ? "bold" : "normal" });
      client.append(label);
    }
    const ok = Panel.place(document.createElement("button"), tables.okPlace);
    Object.assign(ok, { id: "cmdOK", type: "button", textContent: tables.ok });
    ok.dataset.name = "cmdOK";
    ok.addEventListener("click", About.ok);
    client.append(ok);
    About.panel = panel;
  },

  show() {
    if (!About.panel) About.build();
    Panel.show(About.panel, document.getElementById("cmdOK"));
  },

  ok() {
    Page.event(Bridge.aboutOk);
  },

  hide() {
    Panel.hide(About.panel);
  },

  // Closed as through its frame: the next About builds a fresh box.
  close() {
    Page.event(Bridge.aboutClosed);
    About.discard();
  },

  discard() {
    About.panel = Panel.discard(About.panel);
  },
};
