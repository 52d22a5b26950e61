// The window's elements built from the element table: each an HTML element whose id is its
// name, at its place, with its caption, typeface, colour and tooltip.
const Elements = {
  // The element that carries the flags of a name (a check box's input, not its label).
  byName: new Map(),

  build(tables, client) {
    client.style.width = `${tables.client.width}px`;
    client.style.height = `${tables.client.height}px`;
    for (const row of tables.elements) {
      if (row.kind === "timer") continue;
      const parent = row.container ? document.getElementById(row.container) : client;
      const [box, control] = Elements.make(row);
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
      if (row.accessibleName) control.setAttribute("aria-label", row.accessibleName);
      parent.append(box);
      Elements.byName.set(row.name, control);
    }
  },

  // The resistance labels a little larger, before their first text.
  enlarge(tables) {
    for (const name of tables.larger)
      Elements.byName.get(name).style.fontSize = `${tables.largerCentipoints / 100}pt`;
  },

  // The outer box that is placed, and the element that carries the id and the flags.
  make(row) {
    switch (row.kind) {
      case "button": {
        const button = document.createElement("button");
        button.id = row.name;
        button.type = "button";
        button.addEventListener("click", () => Page.event(() => Bridge.click(row.name)));
        return [button, button];
      }
      case "checkBox":
      case "option": {
        const label = document.createElement("label");
        label.className = "choice";
        const input = document.createElement("input");
        input.type = row.kind === "option" ? "radio" : "checkbox";
        input.id = row.name;
        // The session decides what the box shows: its reports set the mark, and a change it
        // refuses is undone from its state.
        input.addEventListener("change", () =>
          Page.event(() => Bridge.toggle(row.name, input.checked), row.name));
        const caption = document.createElement("span");
        caption.className = "caption";
        label.append(input, caption);
        return [label, input];
      }
      case "frame": {
        const frame = document.createElement("div");
        frame.id = row.name;
        frame.setAttribute("role", "group");
        const caption = document.createElement("span");
        caption.className = "caption";
        caption.id = `${row.name}.caption`;
        frame.setAttribute("aria-labelledby", caption.id);
        frame.append(caption);
        return [frame, frame];
      }
      case "slider": {
        const slider = document.createElement("input");
        slider.type = "range";
        slider.id = row.name;
        slider.min = 1;
        slider.max = 10;
        slider.addEventListener("input", () =>
          Page.event(() => Bridge.change(row.name, Number(slider.value))));
        return [slider, slider];
      }
      case "plot":
        return Plot.make(row);
      default: {
        const label = document.createElement("div");
        label.id = row.name;
        if (row.kind === "statusLabel") label.setAttribute("aria-live", "polite");
        return [label, label];
      }
    }
  },

  // The caption as the user reads it: a label's text, a button's, a box's or a frame's.
  setCaption(name, text) {
    const element = Elements.byName.get(name);
    if (!element) return;
    // A line break is carriage return + line feed (or the reverse): one break on the page.
    const shown = text.replace(/\r/g, "");
    const caption =
      element.tagName === "INPUT" && element.type !== "range"
        ? element.parentElement.querySelector(".caption")
        : element.classList.contains("frame")
          ? element.querySelector(".caption")
          : element;
    if (element.tagName !== "INPUT" || element.type !== "range") caption.textContent = shown;
  },

  // One flag of an element as the session holds it.
  setFlag(name, which, on) {
    const element = Elements.byName.get(name) || Menus.byName.get(name) || Schematic.byName.get(name);
    if (!element) return;
    const box = element.tagName === "INPUT" && element.type !== "range" ? element.parentElement : element;
    if (which === "visible") {
      if (box instanceof SVGElement) box.style.display = on ? "" : "none";
      else box.hidden = !on;
    } else if (which === "enabled") {
      if ("disabled" in element && element.tagName !== "DIV") element.disabled = !on;
      else element.setAttribute("aria-disabled", String(!on));
      box.classList.toggle("greyed", !on);
    } else if (which === "checked") {
      if (element.tagName === "INPUT") element.checked = on;
      else if (element.getAttribute("role") === "menuitemcheckbox")
        element.setAttribute("aria-checked", String(on));
    }
  },
};
