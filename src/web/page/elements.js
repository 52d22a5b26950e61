// The window's elements built from the element table: each an HTML element whose id is its
// name, at its place, with its caption, typeface, colour and tooltip.
const Elements = {
  // By name: the placed box, the control that carries the id and the flags (a check box's
  // input inside its label), and what shows the caption.
  byName: new Map(),

  build(tables, client) {
    client.style.width = `${tables.client.width}px`;
    client.style.height = `${tables.client.height}px`;
    for (const row of tables.elements) {
      if (row.kind === "timer") continue;
      const parent = row.container ? document.getElementById(row.container) : client;
      const element = Elements.make(row);
      const box = element.box;
      box.classList.add("element", row.kind);
      Object.assign(box.style, {
        left: `${row.left}px`,
        top: `${row.top}px`,
        width: `${row.width}px`,
        height: `${row.height}px`,
        fontFamily: `"${row.family}", "Liberation Sans Narrow", "DejaVu Sans", sans-serif`,
        fontSize: `${row.centipoints / 100}pt`,
        fontWeight: row.bold ? "bold" : "normal",
      });
      if (row.color) box.style.color = row.color;
      if (row.tooltip) box.title = row.tooltip;
      if (row.accessibleName) element.control.setAttribute("aria-label", row.accessibleName);
      parent.append(box);
      Elements.byName.set(row.name, element);
    }
  },

  // The resistance labels a little larger, before their first text.
  enlarge(tables) {
    for (const name of tables.larger)
      Elements.byName.get(name).box.style.fontSize = `${tables.largerCentipoints / 100}pt`;
  },

  make(row) {
    const create = (tag, id) => Object.assign(document.createElement(tag), id ? { id } : {});
    switch (row.kind) {
      case "button": {
        const button = create("button", row.name);
        button.type = "button";
        button.addEventListener("click", () => Page.event(() => Bridge.click(row.name)));
        return { box: button, control: button, caption: button };
      }
      case "checkBox":
      case "option": {
        const input = create("input", row.name);
        input.type = row.kind === "option" ? "radio" : "checkbox";
        // The option buttons of a frame are one group, as on the desktop: Tab stops at the
        // selected one and the arrow keys move the selection. The program still decides what
        // every box shows: its reports clear the one that was selected.
        if (row.kind === "option") input.name = row.container;
        input.addEventListener("change", () => Page.event(() => Bridge.toggle(row.name, input.checked)));
        const caption = create("span");
        caption.className = "caption";
        const label = create("label");
        label.className = "choice";
        label.append(input, caption);
        return { box: label, control: input, caption };
      }
      case "frame": {
        const frame = create("div", row.name);
        frame.setAttribute("role", "group");
        const caption = create("span", `${row.name}.caption`);
        caption.className = "caption";
        frame.setAttribute("aria-labelledby", caption.id);
        frame.append(caption);
        return { box: frame, control: frame, caption };
      }
      case "slider": {
        const slider = create("input", row.name);
        Object.assign(slider, { type: "range", min: 1, max: 10 });
        slider.addEventListener("input", () =>
          Page.event(() => Bridge.change(row.name, Number(slider.value))));
        return { box: slider, control: slider, caption: null };
      }
      case "plot": {
        const canvas = Plot.make(row);
        return { box: canvas, control: canvas, caption: null };
      }
      default: {
        const label = create("div", row.name);
        if (row.kind === "statusLabel") label.setAttribute("aria-live", "polite");
        return { box: label, control: label, caption: label };
      }
    }
  },

  // A line break is carriage return + line feed (or the reverse): one break on the page.
  setCaption(name, text) {
    const caption = Elements.byName.get(name)?.caption;
    if (caption) caption.textContent = text.replace(/\r/g, "");
  },

  // One flag of an element, menu or schematic piece as the program holds it.
  setFlag(name, which, on) {
    const single = Menus.byName.get(name) || Schematic.byName.get(name);
    // A menu of the bar is greyed at its title, which then cannot open it.
    const title = single?.classList?.contains("menu") ? single.querySelector("button") : single;
    const { box, control } = Elements.byName.get(name) || { box: single, control: title };
    if (!control) return;
    if (which === "visible") {
      if (box instanceof SVGElement) box.style.display = on ? "" : "none";
      else box.hidden = !on;
    } else if (which === "enabled") {
      // Controls are disabled; labels, frames and menus say so to the reader and look greyed.
      if ("disabled" in control) control.disabled = !on;
      else control.setAttribute("aria-disabled", String(!on));
    } else if (which === "checked") {
      if (control.tagName === "INPUT") control.checked = on;
      else if (control.getAttribute("role") === "menuitemcheckbox")
        control.setAttribute("aria-checked", String(on));
    }
  },
};
