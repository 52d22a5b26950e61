#pragma once
// One user's running program: the element store, the engine's model, the plot's scale and trace
// points, and the run with its timer, driven by the handlers of the run's elements and by the
// tick. A view (the desktop window, a page) is told of every change through session::View and
// forwards what the user does to the handlers here.
//
//   session.cpp      construction, the status line (UpdateDisplay), Exit
//   run_control.cpp  Simulate, Stop, Step, Continue, the speed slider
//   tick.cpp         the tick of Timer1
//   plot_reading.cpp the vertical zoom, the meter, the trace check boxes and the envelope
//   setup.cpp        start-up, the entry buttons, presets, held parameter, load types, modes
//   asking.cpp       the entry running as a coroutine, its questions and their answers
//   events.cpp       the user's events by element name, refused on an element not usable now

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "display/trace_points.h"
#include "entry/coupling.h"
#include "entry/effects.h"
#include "entry/task.h"
#include "session/element_store.h"
#include "session/questions.h"
#include "session/view.h"
#include "sim/model.h"

namespace session {

// The mouse button of a press or release on the plot.
enum class MouseButton { Left, Right, Middle };

class Session {
  public:
    // `view` is told of every change from now on; it must outlive the session's use.
    explicit Session(View& view) : view_(view) {}

    ElementStore& Store() { return store_; }
    const ElementStore& Store() const { return store_; }
    sim::Model& Model() { return model_; }
    const sim::Model& Model() const { return model_; }

    // ---- the user's events by element name (events.cpp) ----
    // Each runs the element's handler, unless the user cannot use the element now (greyed
    // itself or by its frame, hidden, or in a hidden menu): then the event is ignored, as a
    // real toolkit ignores it, and while a question waits for its answer, as a modal box refuses
    // them. A check box or option button that already shows `checked`, like a name without a
    // handler, runs nothing; an option button runs its handler when it becomes selected. `x`
    // and `y` are pixels of the plot's inner area.
    void Click(std::string_view name);
    void Toggle(std::string_view name, bool checked);
    void Change(std::string_view name, int value);
    void PlotPress(MouseButton button, int x, int y);
    void PlotRelease(MouseButton button, int x, int y);

    // ---- questions (asking.cpp) ----
    // The input box or message box waiting for its answer, or null.
    const entry::Question* PendingQuestion() const { return questions_.Pending(); }
    // The answer to the pending question (the typed text, "" for Cancel or a message's OK); the
    // entry that asked goes on from where it stopped.
    void Answer(std::string text);

    // ---- setting up a circuit (setup.cpp) ----
    // The start-up sequence, once; the view shows the window before it.
    void Startup();
    void EntryButton_Click(std::string_view name);  // the checked entry of the button's parameter
    void PresetItem_Click(std::string_view item);   // the "Enter ..." items included
    void optParameter_Click();                      // another held parameter selected
    void LoadOption_Click(std::string_view option);  // another load option selected
    void ModeItem_Click(std::string_view item);      // Normal, Advanced, Single/Cascaded Line
    // Nothing is recomputed: the next run start derives the load's quantities afresh.
    void SelectLoadType(std::string_view loadType);
    // Control steps, then label captions, then the check mark, in this order.
    void ApplyEffects(const entry::Effects& effects);
    // The coupled buttons' own enabled flags, the held parameter and the timer, as they are now.
    entry::CouplingState CouplingNow() const;
    // A captioned element's text: as last set, else as the element table creates it.
    std::string Caption(std::string_view name) const;
    void mnuHelpText_Click() { view_.HelpShown(); }
    void mnuAboutCorvane_Click() { view_.AboutShown(); }

    // ---- run control ----
    void cmdSimulate_Click();
    void cmdStop_Click();
    void cmdStep_Click();
    void cmdContinue_Click();
    void sldSpeedControl_Change(int value);
    // One tick of Timer1. `afterEachPoint` runs after each of the 201 points and may deliver
    // pending events, whose handlers then run in the middle of the tick; without it events wait
    // for the tick to end. A tick asked for while one runs is skipped, never nested.
    void Timer1_Timer(const std::function<void()>& afterEachPoint = {});
    bool TimerRunning() const { return timerRunning_; }
    int TimerInterval() const { return interval_; }
    bool TickRunning() const { return tickRunning_; }
    // Interval of Timer1 for a slider value: 200 / s ms, a half to the even neighbour.
    static int IntervalFor(int speed);

    // ---- reading the plot (plot_reading.cpp) ----
    void cmdZoomIn_Click();
    void cmdZoomOut_Click();
    // Draws the samples of the last completed step again at the present zoom, wiping an envelope.
    void RedrawPlot();
    void Picture1_MouseDown(MouseButton button, int x, int y);
    void Picture1_MouseUp(MouseButton button, int x, int y);
    void chkTrace_Click();  // chkVoltage and chkCurrent
    void chkEnvelope_Click();

    // ---- the status line and the plot's scale ----
    void UpdateDisplay(std::string_view mode, float x, float y);
    display::PlotScale Scale() const;
    double ZoomFactor = 1;
    float PlotHalfWidth = 0, PlotHalfHeight = 0;  // taken from the plot at run start
    display::TracePoints VoltagePoints{}, CurrentPoints{};

    // Ends the program at once, whatever is going on: no further tick. A tick in the middle of
    // its points stops delivering events and draws nothing more.
    void ExitProgram();
    bool Ending() const { return ending_; }

  private:
    // The user can use the element now, and no question waits for its answer.
    bool Accepts(std::string_view name) const;
    // Runs an entry (or a zoom) that may ask questions; it goes on at each answer. One at a time:
    // the events that start one are refused while another waits.
    void StartAsking(entry::Task<> asking);
    entry::Task<> ApplyWhenAnswered(entry::Task<std::optional<entry::Effects>> entry);
    entry::Task<> Zoom(bool in);
    void SetCaption(std::string_view name, std::string text);
    void StartTimer(int interval);
    void StopTimer();
    // Switching on a timer that already runs keeps its rhythm.
    void SwitchOnTimer();
    void ShowZoom();

    View& view_;
    ElementStore store_;
    sim::Model model_ = sim::StartValues();
    bool timerRunning_ = false;
    int speed_ = 0;  // the slider's value, as last reported
    int interval_ = 0;
    bool tickRunning_ = false;
    std::uint64_t runStarts_ = 0;  // counts Simulate clicks; a tick notices a restart in it
    bool ending_ = false;
    std::map<std::string, std::string, std::less<>> captions_;
    Questions questions_{view_};
    std::optional<entry::Task<>> asking_;  // the entry waiting for an answer
};

}  // namespace session
