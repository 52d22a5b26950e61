#pragma once
// The input and message boxes of the session, answered by the user through modal Qt dialogs.

#include "entry/dialogs.h"

class QWidget;

namespace app {

// Shows the question as a modal dialog (QInputDialog or QMessageBox) over `owner` and returns the
// answer: the typed text, or "" for Cancel and for a message box's OK.
std::string AskModally(QWidget* owner, const entry::Question& question);

}  // namespace app
