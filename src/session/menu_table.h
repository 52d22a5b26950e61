#pragma once
// The menu bar as data: every menu and item with its name, caption and start state.

#include <span>

namespace session {

enum MenuFlag : unsigned {
    kMenuPlain = 0,
    kMenuHidden = 1u << 0,     // a hidden menu is absent from the menu bar
    kMenuCheckable = 1u << 1,  // the item can carry a check mark
    kMenuChecked = 1u << 2,
};

struct MenuRow {
    bool topLevel;        // a menu of the bar; the items that follow belong to it
    const char* name;     // object name of the action
    const char* caption;  // "&" marks the access letter; "-" makes a separator
    unsigned start = kMenuPlain;
};

// The menus from left to right, each followed by its items in order.
std::span<const MenuRow> MenuTable();

}  // namespace session
