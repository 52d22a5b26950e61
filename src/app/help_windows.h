#pragma once

class QString;
class QWidget;

namespace session {
class Session;
}

namespace app {

// What the main window's Help menu and Exit call. Both windows are top-level windows of their own
// (not kept above the main window), created on first use and discarded when the main window goes.

// Help Text: creates the help window on first use (or after it was closed through its frame) and
// otherwise shows it as it was left, in front.
void ShowHelp(QWidget* mainWindow, session::Session& session);
void ShowHelpTopic(const QString& title);
void HideHelp();

// About: shows the one about box in front, creating it if there is none.
void ShowAbout(QWidget* mainWindow, session::Session& session);
void HideAbout();

// Exit: closes and discards the help window and the about box at once, whatever their state.
void CloseAll();

}  // namespace app
