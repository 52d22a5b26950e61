// The Help menu: both windows are non-modal, so a run goes on while they are open. Exit needs
// nothing of its own here: it closes every window of the program.
#include <QAction>

#include "app/form1.h"
#include "app/help_windows.h"

namespace app {

void Form1::mnuHelpText_Click() { app::ShowHelp(this); }

void Form1::mnuAboutCorvane_Click() { app::ShowAbout(this); }

void Form1::WireHelp() {
    connect(MenuItem(QStringLiteral("mnuHelpText")), &QAction::triggered, this,
            &Form1::mnuHelpText_Click);
    connect(MenuItem(QStringLiteral("mnuAboutCorvane")), &QAction::triggered, this,
            &Form1::mnuAboutCorvane_Click);
}

}  // namespace app
