// The help window and the about box, both non-modal: whether each is shown and which topic the
// help window reads. Quit Help and the about box's OK only hide their window, which keeps what it
// showed; a window closed through its frame is gone, and Help Text then opens a fresh one.

#include "help/topics.h"
#include "session/session.h"

namespace session {

void Session::mnuHelpText_Click() {
    helpShown_ = true;
    view_.HelpShown();
}

void Session::tvwHelpTree_NodeClick(std::string_view title) {
    if (!helpShown_ || !help::TopicTitled(title)) return;
    helpTopic_ = std::string(title);
    view_.HelpTopicShown(helpTopic_);
}

void Session::cmdQuit_Click() {
    if (!helpShown_) return;
    helpShown_ = false;
    view_.HelpHidden();
}

void Session::HelpClosed() {
    helpShown_ = false;
    helpTopic_.clear();
}

void Session::mnuAboutCorvane_Click() {
    aboutShown_ = true;
    view_.AboutShown();
}

void Session::cmdOK_Click() {
    if (!aboutShown_) return;
    aboutShown_ = false;
    view_.AboutHidden();
}

}  // namespace session
