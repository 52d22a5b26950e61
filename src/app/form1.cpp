// The main window.
//
// How a user's action travels through the program:
//
//   click / menu / slider / timer
//     → a handler of Form1 (run_control.cpp, and the handler files of later concepts)
//     → SetControlState switches whole groups of elements (control_state.cpp);
//       entry handlers change the parameters in Model() and rewrite their value labels
//     → Simulate derives the run's quantities (sim::PrepareRun) and starts Timer1
//     → each Timer1 tick advances the line point by point, processing pending events after
//       every point, and builds the trace points while it shifts the line (tick.cpp)
//     → the traces are drawn as polylines on Picture1, the status line is written only by
//       the handlers that ask for it (status_line.cpp).

#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "app/client_area.h"
#include "app/plot_area.h"
#include "app/qt_dialogs.h"

namespace app {

Form1::Form1(std::unique_ptr<entry::Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)) {
    if (!dialogs_) dialogs_ = std::make_unique<QtDialogs>(this);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Corvane"));
    dpi_ = logicalDpiX();
    BuildElements();
    BuildMenus();
    BuildSchematic();
    WireHandlers();
    Startup();
}

Form1::~Form1() = default;

QWidget* Form1::Element(const QString& name) const { return widgets_.value(name, nullptr); }

QAction* Form1::MenuItem(const QString& name) const { return actions_.value(name, nullptr); }

bool Form1::FlagOf(const QString& name, Flag flag) const {
    if (QAction* action = MenuItem(name)) {
        switch (flag) {
            case Flag::Enabled:
                return action->property(kEnabledFlag).toBool();
            case Flag::Visible:
                return action->isVisible();
            case Flag::Checked:
                return action->isChecked();
        }
    }
    if (QWidget* widget = Element(name)) {
        switch (flag) {
            // Qt marks an element greyed by its own flag with WA_ForceDisabled; WA_Disabled
            // alone comes from a greyed container.
            case Flag::Enabled:
                return !widget->testAttribute(Qt::WA_ForceDisabled);
            case Flag::Visible:
                return !widget->isHidden();
            case Flag::Checked:
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    return button->isChecked();
                }
                return false;
        }
    }
    if (flag == Flag::Enabled) {
        if (auto* timer = qobject_cast<QTimer*>(others_.value(name, nullptr))) {
            return timer->isActive();
        }
    }
    return false;
}

void Form1::SetFlag(const QString& name, Flag flag, bool on) {
    if (QAction* action = MenuItem(name)) {
        switch (flag) {
            case Flag::Enabled:
                action->setProperty(kEnabledFlag, on);
                action->setEnabled(on);
                return;
            case Flag::Visible:
                action->setVisible(on);
                return;
            case Flag::Checked:
                action->setChecked(on);
                return;
        }
    }
    if (QWidget* widget = Element(name)) {
        switch (flag) {
            case Flag::Enabled:
                widget->setEnabled(on);
                return;
            case Flag::Visible:
                widget->setVisible(on);
                return;
            case Flag::Checked:
                if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    button->setChecked(on);
                }
                return;
        }
    }
}

void Form1::SurfaceChanged() { client->update(); }

// The handlers of each concept are connected here, once, before start-up shows the window.
void Form1::WireHandlers() {
    WireRunControl();
    WireEntry();
    WireLoadTypes();
    WireModes();
    WirePlotReading();
    WireHelp();
    SetUpKeyboard();
    connect(cmdCancel, &QPushButton::clicked, this, &Form1::ExitProgram);
    connect(mnuExit, &QAction::triggered, this, &Form1::ExitProgram);
}

// Exit ends the program at once, whatever is going on: no further tick, every window closed.
// A tick that is in the middle of its points when Exit is chosen stops processing events and
// draws nothing more; the event loop then ends.
void Form1::ExitProgram() {
    if (ending_) return;
    ending_ = true;
    Timer1->stop();
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

// Closing the window through its frame ends the program as Exit does, with its other windows.
void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    ExitProgram();
}

}  // namespace app
