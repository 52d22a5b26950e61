// The help window: the topic tree, the text pane and Quit Help, built from the program's
// tables the first time Help Text shows it and after it was closed. A node's click goes to the
// program; the pane shows the topic the program reports, its title larger than its text.
const Help = {
  panel: null,

  build() {
    const tables = Bridge.dialogTables().help;
    const { panel, client } = Panel.make("frmHelp", tables.caption, tables.width, tables.height, {
      escape: Help.quit,
      close: Help.close,
    });
    panel.style.fontFamily = `"${tables.family}", "Liberation Serif", serif`;
    panel.style.setProperty("--help-points", `${tables.centipoints / 100}pt`);
    const label = Panel.place(document.createElement("div"), tables.places.lblSelectTopic);
    label.id = "lblSelectTopic";
    label.textContent = tables.selectTopic;
    const tree = Panel.place(Help.tree(tables.topics), tables.places.tvwHelpTree);
    const pane = Panel.place(document.createElement("div"), tables.places.rtfHelpDisplay);
    pane.id = "rtfHelpDisplay";
    pane.tabIndex = 0;
    pane.setAttribute("role", "document");
    pane.setAttribute("aria-label", "Help text");
    pane.dataset.titlePoints = tables.titleCentipoints / 100;
    pane.dataset.textPoints = tables.textCentipoints / 100;
    const quit = Panel.place(document.createElement("button"), tables.places.cmdQuit);
    Object.assign(quit, { id: "cmdQuit", type: "button", textContent: tables.quit });
    quit.addEventListener("click", Help.quit);
    client.append(label, tree, pane, quit);
    Help.panel = panel;
  },

  // The five top-level topics, collapsed, each with its children in order.
  tree(topics) {
    const tree = document.createElement("ul");
    tree.id = "tvwHelpTree";
    tree.setAttribute("role", "tree");
    tree.setAttribute("aria-labelledby", "lblSelectTopic");
    const groups = [];
    topics.forEach((topic, i) => {
      const item = document.createElement("li");
      item.setAttribute("role", "treeitem");
      item.setAttribute("aria-level", topic.parent ? "2" : "1");
      item.tabIndex = i === 0 ? 0 : -1;
      item.dataset.title = topic.title;
      const twisty = document.createElement("span");
      twisty.className = "twisty";
      twisty.setAttribute("aria-hidden", "true");
      const title = document.createElement("span");
      title.className = "title";
      title.textContent = topic.title;
      item.append(twisty, title);
      if (topic.parent) {
        groups[topic.parent - 1].append(item);
        return;
      }
      const group = document.createElement("ul");
      group.setAttribute("role", "group");
      item.append(group);
      item.setAttribute("aria-expanded", "false");
      twisty.addEventListener("click", (e) => {
        e.stopPropagation();
        Help.expand(item, item.getAttribute("aria-expanded") !== "true");
      });
      groups.push(group);
      tree.append(item);
    });
    tree.addEventListener("click", (e) => {
      const item = e.target.closest("[role=treeitem]");
      if (item) Help.nodeClick(item);
    });
    tree.addEventListener("keydown", Help.key);
    return tree;
  },

  nodeClick(item) {
    Help.focus(item);
    Page.event(() => Bridge.helpNode(item.dataset.title));
  },

  expand(item, open) {
    if (item.hasAttribute("aria-expanded")) item.setAttribute("aria-expanded", String(open));
  },

  // The tree takes one Tab stop: the node last moved to.
  focus(item) {
    for (const other of Help.panel.querySelectorAll("[role=treeitem]")) other.tabIndex = -1;
    item.tabIndex = 0;
    item.focus();
  },

  // Up and Down move between the nodes on show, Right opens a node or goes into it, Left
  // closes it or goes up to its parent, Enter reads the node as a click does.
  key(e) {
    const item = e.target.closest("[role=treeitem]");
    if (!item) return;
    const shown = [...Help.panel.querySelectorAll("[role=treeitem]")].filter((i) => i.checkVisibility());
    const at = shown.indexOf(item);
    const open = item.getAttribute("aria-expanded");
    const parent = item.parentElement.closest("[role=treeitem]");
    const moves = {
      ArrowDown: () => shown[at + 1] && Help.focus(shown[at + 1]),
      ArrowUp: () => shown[at - 1] && Help.focus(shown[at - 1]),
      Home: () => Help.focus(shown[0]),
      End: () => Help.focus(shown[shown.length - 1]),
      ArrowRight: () => (open === "false" ? Help.expand(item, true) : open && shown[at + 1] && Help.focus(shown[at + 1])),
      ArrowLeft: () => (open === "true" ? Help.expand(item, false) : parent && Help.focus(parent)),
      Enter: () => Help.nodeClick(item),
    };
    if (!moves[e.key]) return;
    e.preventDefault();
    moves[e.key]();
  },

  show() {
    if (!Help.panel) Help.build();
    Panel.show(Help.panel, Help.panel.querySelector("#tvwHelpTree [tabindex='0']"));
  },

  // The pane: the topic's text as the program gives it, the title at the larger size.
  showTopic(title) {
    const pane = document.getElementById("rtfHelpDisplay");
    const text = Bridge.topicText(title).replace(/\r/g, "");
    const at = text.indexOf(title);
    const run = (piece, points) =>
      Object.assign(document.createElement("span"), { textContent: piece, style: `font-size: ${points}pt` });
    pane.replaceChildren(
      run(text.slice(0, at), pane.dataset.textPoints),
      run(title, pane.dataset.titlePoints),
      run(text.slice(at + title.length), pane.dataset.textPoints),
    );
    pane.scrollTop = 0;
    for (const item of Help.panel.querySelectorAll("[role=treeitem]"))
      item.setAttribute("aria-selected", String(item.dataset.title === title));
  },

  quit() {
    Page.event(Bridge.helpQuit);
  },

  hide() {
    Panel.hide(Help.panel);
  },

  // Closed as through its frame: the window is gone, and the next Help Text builds a fresh one.
  close() {
    Page.event(Bridge.helpClosed);
    Help.discard();
  },

  discard() {
    Help.panel = Panel.discard(Help.panel);
  },
};
