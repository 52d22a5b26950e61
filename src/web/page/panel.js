// A window of the program's own beside the main window: not modal, moved by its title bar,
// closed through its close button as through a window's frame, and left with Escape. It lives
// inside the main window's box, so that it stands at the page's scale (scale.js) and the menus
// drop down in front of it; it comes to the front of the others when shown or touched. Its
// place is in pixels of the designed main window.
const Panel = {
  front: 100,

  // The panel and the client area its elements are placed in, `width` by `height` pixels at the
  // designed size. `escape` is what Escape does, `close` what the close button does.
  make(id, caption, width, height, { escape, close }) {
    const create = (tag, className) => Object.assign(document.createElement(tag), { className });
    const panel = create("section", "panel");
    panel.id = id;
    panel.hidden = true;
    panel.tabIndex = -1;
    panel.setAttribute("role", "dialog");
    panel.setAttribute("aria-modal", "false");
    const bar = create("div", "titlebar");
    const title = create("span", "caption");
    title.id = `${id}.caption`;
    title.textContent = caption;
    panel.setAttribute("aria-labelledby", title.id);
    const closer = create("button", "close");
    closer.type = "button";
    closer.textContent = "\u00d7";
    closer.setAttribute("aria-label", "Close");
    closer.addEventListener("click", close);
    bar.append(title, closer);
    const client = create("div", "client");
    Object.assign(client.style, { width: `${width}px`, height: `${height}px` });
    panel.append(bar, client);
    panel.addEventListener("keydown", (e) => {
      if (e.key !== "Escape") return;
      e.preventDefault();
      escape();
    });
    panel.addEventListener("pointerdown", () => Panel.raise(panel));
    Panel.movableBy(panel, bar);
    document.getElementById("Form1").append(panel);
    return { panel, client };
  },

  // An element of the panel at its place in the client area.
  place(element, place) {
    element.classList.add("element");
    Object.assign(element.style, {
      left: `${place.left}px`,
      top: `${place.top}px`,
      width: `${place.width}px`,
      height: `${place.height}px`,
    });
    return element;
  },

  // Shown in front, with the focus, so that Escape reaches it. A panel shown for the first time
  // stands a little below and right of the main window's top left corner.
  show(panel, focus) {
    if (panel.hidden && !panel.style.left) Panel.moveTo(panel, 40, 40);
    panel.hidden = false;
    Panel.keepOnPage(panel);
    Panel.raise(panel);
    (focus || panel).focus();
  },

  // Hidden, keeping what it holds; the main window takes the focus back.
  // A panel closed as through its frame is gone; the focus goes back to the main window.
  // Returns what the panel's owner then holds: none.
  discard(panel) {
    panel?.remove();
    document.getElementById("Form1").focus();
    return null;
  },

  hide(panel) {
    panel.hidden = true;
    document.getElementById("Form1").focus();
  },

  raise(panel) {
    panel.style.zIndex = String(++Panel.front);
  },

  moveTo(panel, left, top) {
    panel.style.left = `${left}px`;
    panel.style.top = `${top}px`;
  },

  // Within the page's width where it fits, and never above or left of the page, so that its
  // title bar can always be taken hold of again.
  keepOnPage(panel) {
    const form = document.getElementById("Form1").getBoundingClientRect();
    const s = Scale.factor;
    const pageLeft = -(form.left + scrollX) / s;
    const pageRight = (document.documentElement.clientWidth - form.left) / s - panel.offsetWidth;
    const left = Math.max(pageLeft, Math.min(parseFloat(panel.style.left), pageRight));
    Panel.moveTo(panel, left, Math.max(-(form.top + scrollY) / s, parseFloat(panel.style.top)));
  },

  // Moved with the pointer, which moves in the page's pixels.
  movableBy(panel, bar) {
    let from = null;
    bar.addEventListener("pointerdown", (e) => {
      if (e.button !== 0 || e.target.closest("button")) return;
      from = { x: e.clientX, y: e.clientY, left: parseFloat(panel.style.left), top: parseFloat(panel.style.top) };
      bar.setPointerCapture(e.pointerId);
    });
    bar.addEventListener("pointermove", (e) => {
      if (!from) return;
      const s = Scale.factor;
      Panel.moveTo(panel, from.left + (e.clientX - from.x) / s, from.top + (e.clientY - from.y) / s);
      Panel.keepOnPage(panel);
    });
    const drop = () => (from = null);
    bar.addEventListener("pointerup", drop);
    bar.addEventListener("pointercancel", drop);
  },
};
