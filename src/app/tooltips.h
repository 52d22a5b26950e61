#pragma once

class QWidget;

namespace app {

// Sets the tooltip of every element of the tooltip table, found by object name among the
// descendants of form1, whether it is hidden or greyed at the moment. An element that is not found
// is skipped: the table describes the full window, and a window built in stages may not have every
// element yet.
void SpecifyToolTips(QWidget& form1);

}  // namespace app
