#pragma once

#include <span>

class QWidget;

namespace app {

// One row of the tooltip table: the object name of a main-window element and its text.
struct ToolTipRow {
    const char* element;
    const char* text;
};

// Every tooltip of the main window, in the order they are set. The texts are exact, blanks and
// literal ampersands included. The three option buttons that choose the held parameter are named
// "optParameter(0)" to "optParameter(2)".
std::span<const ToolTipRow> ToolTipTable();

// Sets the tooltip of every element of the table, found by object name among the descendants of
// form1, whether it is hidden or greyed at the moment. An element that is not found is skipped:
// the table describes the full window, and a window built in stages may not have every element yet.
void SpecifyToolTips(QWidget& form1);

}  // namespace app
