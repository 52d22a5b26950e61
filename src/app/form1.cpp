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
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
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
    store_.SetListener([this](std::string_view name, Flag flag, bool) { ShowFlag(name, flag); });
    BuildElements();
    BuildMenus();
    BuildSchematic();
    WireHandlers();
    Startup();
}

Form1::~Form1() = default;

QWidget* Form1::Element(const QString& name) const { return widgets_.value(name, nullptr); }

QAction* Form1::MenuItem(const QString& name) const { return actions_.value(name, nullptr); }

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
