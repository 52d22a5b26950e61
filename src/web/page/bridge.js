// The program behind the page: one session compiled to WebAssembly. Every call goes in by
// element name; what changed comes back as reports (see reports.js).
const Bridge = {
  tables: () => JSON.parse(Module.ccall("corvane_tables", "string", [], [])),
  state: () => JSON.parse(Module.ccall("corvane_state", "string", [], [])),
  reports: () => JSON.parse(Module.ccall("corvane_reports", "string", [], [])),
  startup: () => Module.ccall("corvane_startup", null, [], []),
  click: (name) => Module.ccall("corvane_click", null, ["string"], [name]),
  toggle: (name, on) => Module.ccall("corvane_toggle", null, ["string", "number"], [name, on ? 1 : 0]),
  change: (name, value) => Module.ccall("corvane_change", null, ["string", "number"], [name, value]),
  press: (button, x, y) => Module.ccall("corvane_press", null, ["number", "number", "number"], [button, x, y]),
  release: (button, x, y) => Module.ccall("corvane_release", null, ["number", "number", "number"], [button, x, y]),
  tick: () => Module.ccall("corvane_tick", null, [], []),
  setPlotRatio: (ratio) => Module.ccall("corvane_set_plot_ratio", null, ["number"], [ratio]),
  answer: (text) => Module.ccall("corvane_answer", null, ["string"], [text]),
  openLink: (fragment) => Module.ccall("corvane_open_link", null, ["string"], [fragment]),
  setupLink: () => Module.ccall("corvane_setup_link", "string", [], []),
  traceCommand: () => Module.ccall("corvane_trace_command", "string", [], []),
  dialogTables: () => JSON.parse(Module.ccall("corvane_dialog_tables", "string", [], [])),
  topicText: (title) => Module.ccall("corvane_topic_text", "string", ["string"], [title]),
  helpNode: (title) => Module.ccall("corvane_help_node", null, ["string"], [title]),
  helpQuit: () => Module.ccall("corvane_help_quit", null, [], []),
  helpClosed: () => Module.ccall("corvane_help_closed", null, [], []),
  aboutOk: () => Module.ccall("corvane_about_ok", null, [], []),
  aboutClosed: () => Module.ccall("corvane_about_closed", null, [], []),
  // The plot's R, G, B, A bytes, copied out of the module's memory.
  plotPixels() {
    const width = Module.ccall("corvane_plot_width", "number", [], []);
    const height = Module.ccall("corvane_plot_height", "number", [], []);
    const at = Module.ccall("corvane_plot_rgba", "number", [], []);
    const bytes = new Uint8ClampedArray(Module.HEAPU8.buffer, at, width * height * 4);
    return new ImageData(new Uint8ClampedArray(bytes), width, height);
  },
};
