#pragma once
// Form1, the main window: the whole application from start-up to Exit.
//
// The window is built from three tables (elements, menus, schematic pieces) and then driven by
// the handlers of its elements. The run (its handlers, the tick, the timer's state, the status
// line) lives in the Qt-free session; the window is its view. Each concept has its own source
// file:
//   form1.cpp          construction, element access, Exit
//   form1_layout.cpp   widgets, menus and schematic built from their tables
//   form1.cpp          also the questions (modal dialogs) and the help windows shown
//   startup.cpp        the start-up around the session's own: larger labels, show, tooltips
//   element_flags.cpp  the flags of named elements, read from the session's store and shown
//   run_view.cpp       the slider and Timer1 wired to the session; the timer, the status line,
//                      the captions, the pointer and the traces as the session reports them
//   plot_reading.cpp   the plot's presses forwarded; clears, back colours
//   load_type.cpp      the load symbol
// Every button click, menu item and box change goes to the session by the element's name
// (form1_layout.cpp, element_flags.cpp); the session decides what it does.

#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <string_view>

#include "display/trace_points.h"
#include "entry/dialogs.h"
#include "session/control_state.h"
#include "session/element_store.h"
#include "session/session.h"
#include "session/view.h"
#include "sim/model.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTimer;

namespace app {

class PlotArea;

using session::Flag;
using session::kHeldOptions;
QString HeldOption(int index);

class Form1 : public QMainWindow, public session::View {
    Q_OBJECT
  public:
    // Answers an input box or a message box before it returns: the typed text, "" for Cancel.
    using Answerer = std::function<std::string(const entry::Question&)>;
    // Runs the whole start-up and shows the window. `answerer` answers the session's questions;
    // without one the window asks the user through modal Qt dialogs.
    explicit Form1(Answerer answerer = {}, QWidget* parent = nullptr);
    ~Form1() override;

    // ---- elements by name (widgets, schematic pieces, menus and menu items, Timer1) ----
    QWidget* Element(const QString& name) const;
    QAction* MenuItem(const QString& name) const;  // a top-level menu gives its bar entry
    // The element's own flag, whatever its container's state (a greyed frame does not change
    // the enabled flag of what it contains). Unknown names read false and are not written. The
    // flags live in the session's store; the widgets only show them.
    bool FlagOf(const QString& name, Flag flag) const;
    void SetFlag(const QString& name, Flag flag, bool on);

    // ---- shared procedures ----
    void SetControlState(const QString& action, const QString& group);
    // The selected optParameter, looked at in index order; -1 when none is selected.
    int HeldIndex() const;

    // ---- the session: the run, the status line, the plot's scale and trace points ----
    session::Session& Session() { return session_; }
    const session::Session& Session() const { return session_; }
    // The tick as the desktop runs it: pending events are delivered after every point.
    void Timer1_Timer();

    // ---- state the window shows ----
    sim::Model& Model() { return session_.Model(); }
    const sim::Model& Model() const { return session_.Model(); }

    // The window's own drawing surface (the load symbol), in designed pixels of the client
    // area; its pixel ratio is the layout scale times the screen's.
    QImage& Surface() { return surface_; }
    void SurfaceChanged();

    // ---- the layout at any window size (form1_scale.cpp) ----
    // The client area at the designed size, in pixels.
    QSize DesignedClientSize() const;
    // The factor the designed layout is shown at: 1 at the designed size.
    double WindowScale() const { return scale_; }
    // Every element, font, schematic piece and the plot at scale s.
    void Relayout(double s);

    // ---- elements the code uses ----
    QWidget* client = nullptr;
    QPushButton *cmdSimulate = nullptr, *cmdStop = nullptr, *cmdCancel = nullptr;
    QPushButton *cmdStep = nullptr, *cmdContinue = nullptr;
    QLabel* lblDisplay = nullptr;
    PlotArea* Picture1 = nullptr;
    QTimer* Timer1 = nullptr;
    QSlider* sldSpeedControl = nullptr;
    QCheckBox *chkVoltage = nullptr, *chkCurrent = nullptr, *chkEnvelope = nullptr;
    QAction *mnuAdvanced = nullptr, *mnuCascadedLine = nullptr, *mnuExit = nullptr;

    // plot_reading.cpp: the zoom buttons and the meter box, read by the tests
    QPushButton *cmdZoomIn = nullptr, *cmdZoomOut = nullptr;
    QCheckBox* chkMeter = nullptr;

    // ---- session::View: Timer1, the status line, the pointer and the traces (run_view.cpp),
    // the plot's clears and back colour and the message boxes (plot_reading.cpp) ----
    void TimerStarted(int interval) override;
    void TimerStopped() override;
    void TimerIntervalChanged(int interval) override;
    void StatusTextChanged(const std::string& text) override;
    void CaptionChanged(const std::string& name, const std::string& text) override;
    void SliderMoved(int value) override;
    void PointerChanged(session::Pointer shape) override;
    int PlotInnerWidth() const override;
    int PlotInnerHeight() const override;
    void TickDrawingBegun(bool envelope, bool voltage, bool current,
                          const display::TracePoints& voltagePoints,
                          const display::TracePoints& currentPoints) override;
    void TracesDrawn(bool voltage, bool current, const display::TracePoints& voltagePoints,
                     const display::TracePoints& currentPoints) override;
    // plot_reading.cpp
    void PlotCleared() override;
    void PlotBackColourChanged(display::Rgb colour) override;
    // load_type.cpp
    void LoadShown(const std::string& loadType) override;
    // form1.cpp
    void QuestionAsked(const entry::Question& question) override;
    void HelpShown() override;
    void AboutShown() override;
    void ProgramEnded() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // keyboard.cpp: Return and Enter on a focused button
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // element_flags.cpp: the store's flags on the widgets, and the user's choices into the store
    void ShowStartFlags(const QString& name);
    void ShowFlag(std::string_view name, Flag flag);
    void ElementToggled(bool on);
    void BuildElements();
    void BuildMenus();
    void BuildSchematic();
    void WireHandlers();
    void WireRunControl();
    void Startup();
    void PaintLoad(const QString& loadType, bool eraseFirst);
    void WirePlotReading();
    // keyboard.cpp: the Tab order, the screen reader's names, the option buttons' focus
    void SetUpKeyboard();
    void OptionFocus(bool selected);
    void FitToHost(QSize size);
    QImage NewSurface(double s) const;

    session::Session session_{*this};
    Answerer answerer_;
    QHash<QString, QWidget*> widgets_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QObject*> others_;  // Timer1
    QImage surface_;
    QString shownLoad_;  // the load symbol on the surface, drawn again at a new scale
    double scale_ = 1;
    double dpi_ = 96;
};

}  // namespace app
