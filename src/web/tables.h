#pragma once
// What the page builds itself from and what it must show, as JSON: the window's tables with
// places in pixels, and the state the session holds of every element.

#include <string>

namespace session {
class Session;
}

namespace web {

// {"client":{width,height},"elements":[…],"larger":[…],"largerCentipoints","menus":[…],
// "schematic":[…]}: every element in reading order with its kind, caption, container, place
// (pixels of its container), text colour, typeface, tooltip and accessible name; the labels set
// larger at start-up and their size; every menu and item in order; the schematic in twips.
std::string WindowTables();

// {"name":{"enabled","visible","checked","caption"},…} for every element, menu, menu item and
// named schematic piece, as the session holds them now; plus "timer":{running,interval}. The
// session tells the status line's text without keeping it: `statusText` is the text last told,
// empty before the first, when the label still shows its caption.
std::string WindowState(const session::Session& session, const std::string& statusText);

}  // namespace web
