#include "app/help_windows.h"

#include <QPointer>

#include "app/about_box.h"
#include "app/help_window.h"

namespace app {
namespace {

// The one help window and the one about box, if they exist. QPointer forgets a window that has
// been deleted.
QPointer<HelpWindow> helpWindow;
QPointer<AboutBox> aboutBox;

void BringToFront(QWidget& window) {
    if (window.isMinimized()) window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

// Whatever the main window is, the windows it opened leave with it.
void TieTo(QWidget* mainWindow, QWidget& window) {
    if (mainWindow != nullptr) {
        QObject::connect(mainWindow, &QObject::destroyed, &window, &QObject::deleteLater);
    }
}

}  // namespace

void ShowHelp(QWidget* mainWindow, session::Session& session) {
    // A window closed through its frame is waiting to be deleted; the user asked for a fresh one.
    if (helpWindow == nullptr || helpWindow->IsDiscarded()) {
        helpWindow = new HelpWindow(session);
        TieTo(mainWindow, *helpWindow);
    }
    BringToFront(*helpWindow);
}

void ShowAbout(QWidget* mainWindow, session::Session& session) {
    if (aboutBox == nullptr || aboutBox->IsDiscarded()) {
        aboutBox = new AboutBox(mainWindow, session);
        TieTo(mainWindow, *aboutBox);
    }
    BringToFront(*aboutBox);
}

void ShowHelpTopic(const QString& title) {
    if (helpWindow != nullptr) helpWindow->ShowTopic(title);
}

void HideHelp() {
    if (helpWindow != nullptr) helpWindow->hide();
}

void HideAbout() {
    if (aboutBox != nullptr) aboutBox->ReturnToMainWindow();
}

void CloseAll() {
    delete helpWindow.data();
    delete aboutBox.data();
}

}  // namespace app
