// The menu bar built from the menu table: a title per menu that opens its list of items while
// it has the focus; separators; check marks on the items that carry one.
const Menus = {
  byName: new Map(),

  // "&Control": the letter after the ampersand is the access letter, shown underlined.
  caption(text) {
    const fragment = document.createDocumentFragment();
    const at = text.indexOf("&");
    if (at < 0) {
      fragment.append(text);
      return fragment;
    }
    const letter = document.createElement("u");
    letter.textContent = text.charAt(at + 1);
    fragment.append(text.slice(0, at), letter, text.slice(at + 2));
    return fragment;
  },

  build(tables, bar) {
    let list = null;
    for (const row of tables.menus) {
      if (row.topLevel) {
        // To a screen reader the bar holds the titles, each a menu item that opens its menu.
        const menu = document.createElement("div");
        menu.className = "menu";
        menu.id = row.name;
        menu.setAttribute("role", "none");
        const title = document.createElement("button");
        title.type = "button";
        title.setAttribute("role", "menuitem");
        title.setAttribute("aria-haspopup", "menu");
        title.append(Menus.caption(row.caption));
        list = document.createElement("div");
        list.setAttribute("role", "menu");
        list.id = `${row.name}.items`;
        title.setAttribute("aria-owns", list.id);
        menu.append(title, list);
        bar.append(menu);
        Menus.byName.set(row.name, menu);
        continue;
      }
      if (row.caption === "-") {
        const separator = document.createElement("hr");
        separator.id = row.name;
        list.append(separator);
        Menus.byName.set(row.name, separator);
        continue;
      }
      const item = document.createElement("button");
      item.type = "button";
      item.id = row.name;
      item.setAttribute("role", row.checkable ? "menuitemcheckbox" : "menuitem");
      if (row.checkable) item.setAttribute("aria-checked", "false");
      item.append(Menus.caption(row.caption));
      // The menu closes first, as a menu does, then the item's handler runs.
      item.addEventListener("click", () => {
        item.blur();
        Page.event(() => Bridge.click(row.name));
      });
      list.append(item);
      Menus.byName.set(row.name, item);
    }
  },

  // Alt and a menu's access letter opens that menu (pressed again, the next menu with the same
  // letter); in an open menu the arrow keys move between
  // its items (Up, Down) and to the menus beside it (Left, Right), Escape closes it.
  setUpKeys() {
    document.addEventListener("keydown", (e) => {
      const usable = (b) => !b.disabled && !b.closest("[hidden]");
      const titles = [...document.querySelectorAll("#menubar > .menu > button")].filter(usable);
      if (e.altKey && !e.ctrlKey && e.key.length === 1) {
        const matching = titles.filter((t) => t.querySelector("u")?.textContent.toLowerCase() === e.key.toLowerCase());
        if (!matching.length) return;
        e.preventDefault();
        const open = matching.indexOf(document.activeElement?.closest(".menu")?.querySelector(":scope > button"));
        matching[(open + 1) % matching.length].focus();
        return;
      }
      const menu = document.activeElement?.closest("#menubar > .menu");
      if (!menu) return;
      const title = menu.querySelector(":scope > button");
      const items = [...menu.querySelectorAll("[role=menu] > button")].filter(usable);
      const at = items.indexOf(document.activeElement);
      const step = { ArrowDown: 1, ArrowUp: -1 }[e.key];
      const beside = { ArrowRight: 1, ArrowLeft: -1 }[e.key];
      if (step && items.length) items[(at + step + items.length + (at < 0 && step < 0 ? 1 : 0)) % items.length].focus();
      else if (beside && titles.length) titles[(titles.indexOf(title) + beside + titles.length) % titles.length].focus();
      else if (e.key === "Escape") document.activeElement.blur();
      else return;
      e.preventDefault();
    });
  },
};
