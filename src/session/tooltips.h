#pragma once

#include <span>

namespace session {

// One row of the tooltip table: the object name of a main-window element and its text.
struct ToolTipRow {
    const char* element;
    const char* text;
};

// Every tooltip of the main window, in the order they are set. The texts are exact, blanks and
// literal ampersands included. The three option buttons that choose the held parameter are named
// "optParameter(0)" to "optParameter(2)".
std::span<const ToolTipRow> ToolTipTable();

}  // namespace session
