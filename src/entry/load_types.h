#pragma once
// The six load option buttons: which load terminates the line, which entry buttons and labels
// are usable for it, and which preset menu is shown.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "entry/effects.h"

namespace entry {

struct LoadTypeRow {
    std::string_view option;                  // the option button
    std::string_view keyword;                 // the LoadType the engine reads
    std::array<std::string_view, 4> enabled;  // buttons and labels enabled; "" pads the row
    std::string_view menu;                    // the one load preset menu shown
};

std::span<const LoadTypeRow> LoadTypes();
const LoadTypeRow* LoadTypeOfOption(std::string_view option);
const LoadTypeRow* LoadTypeOfKeyword(std::string_view keyword);

// The six load menus, in the order they are hidden.
inline constexpr std::array<std::string_view, 6> kLoadMenus = {
    "mnuRLoad", "mnuCLoad", "mnuLLoad", "mnuZLoad", "mnuRCLoad", "mnuRLLoad"};

// What the window does, in this order, when a load type is chosen:
//   1. SetControlState(disableStep)              — every load button and label greyed;
//   2. hide every menu of kLoadMenus             — HideLoadMenus;
//   3. erase every load symbol, then draw `keyword` (if it is one of the six);
//   4. enable every name of `enable`, show `menu` (both empty for an unknown type).
struct LoadSelection {
    ControlStep disableStep{"Disable", "Load"};
    std::vector<std::string> enable;
    std::string menu;
    bool known = false;
};
LoadSelection SelectLoadType(std::string_view keyword);

}  // namespace entry
