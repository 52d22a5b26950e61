#pragma once
// One user's running program: the element store, the engine's model, the plot's scale and trace
// points, and the run with its timer, driven by the handlers of the run's elements and by the
// tick. A view (the desktop window, a page) is told of every change through session::View and
// forwards what the user does to the handlers here.
//
//   session.cpp      construction, the status line (UpdateDisplay), Exit
//   run_control.cpp  Simulate, Stop, Step, Continue, the speed slider
//   tick.cpp         the tick of Timer1

#include <cstdint>
#include <functional>
#include <string_view>

#include "display/trace_points.h"
#include "session/element_store.h"
#include "session/view.h"
#include "sim/model.h"

namespace session {

class Session {
  public:
    // `view` is told of every change from now on; it must outlive the session's use.
    explicit Session(View& view) : view_(view) {}

    ElementStore& Store() { return store_; }
    const ElementStore& Store() const { return store_; }
    sim::Model& Model() { return model_; }
    const sim::Model& Model() const { return model_; }

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
    void StartTimer(int interval);
    void StopTimer();
    // Switching on a timer that already runs keeps its rhythm.
    void SwitchOnTimer();

    View& view_;
    ElementStore store_;
    sim::Model model_ = sim::StartValues();
    bool timerRunning_ = false;
    int speed_ = 0;  // the slider's value, as last reported
    int interval_ = 0;
    bool tickRunning_ = false;
    std::uint64_t runStarts_ = 0;  // counts Simulate clicks; a tick notices a restart in it
    bool ending_ = false;
};

}  // namespace session
