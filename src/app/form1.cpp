// The main window.
//
// How a user's action travels through the program:
//
//   click / menu / slider / timer
//     → a handler of the session, by the element's name (run control, entry, presets, load
//       types, modes, zoom, meter, trace boxes, help, the tick)
//     → SetControlState switches whole groups of elements (control_state.cpp);
//       entry handlers change the parameters in Model() and rewrite their value labels, asking
//       their questions through modal dialogs (QuestionAsked)
//     → Simulate derives the run's quantities (sim::PrepareRun) and starts Timer1
//     → each Timer1 tick advances the line point by point, processing pending events after
//       every point, and builds the trace points while it shifts the line (session/tick.cpp)
//     → the session reports the traces to draw, the timer and the status line to the window
//       (run_view.cpp); the status line is written only by the handlers that ask for it.

#include "app/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "app/client_area.h"
#include "app/help_windows.h"
#include "app/plot_area.h"
#include "app/qt_dialogs.h"

namespace app {

Form1::Form1(Answerer answerer, QWidget* parent)
    : QMainWindow(parent), answerer_(std::move(answerer)) {
    if (!answerer_)
        answerer_ = [this](const entry::Question& question) { return AskModally(this, question); };
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Corvane"));
    dpi_ = logicalDpiX();
    session_.Store().SetListener(
        [this](std::string_view name, Flag flag, bool) { ShowFlag(name, flag); });
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
    WirePlotReading();
    SetUpKeyboard();
}

// A modal dialog: the answer is given before the session's question returns, and the run goes
// on behind the dialog meanwhile.
void Form1::QuestionAsked(const entry::Question& question) {
    session_.Answer(answerer_(question));
}

void Form1::HelpShown() { ShowHelp(this); }

void Form1::AboutShown() { ShowAbout(this); }

// Closing the window through its frame ends the program as Exit does, with its other windows.
void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.ExitProgram();
}

}  // namespace app
