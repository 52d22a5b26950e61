// Run control: Simulate starts a run; Stop, Step and Continue work only through Timer1, the
// step mode and the control groups; the slider sets the tick interval.

#include <cmath>

#include "session/control_state.h"
#include "session/session.h"
#include "sim/engine.h"

namespace session {

int Session::IntervalFor(int speed) { return static_cast<int>(std::nearbyint(200.0 / speed)); }

void Session::StartTimer(int interval) {
    timerRunning_ = true;
    view_.TimerStarted(interval);
}

void Session::StopTimer() {
    if (!timerRunning_) return;
    timerRunning_ = false;
    view_.TimerStopped();
}

void Session::SwitchOnTimer() {
    if (!timerRunning_) StartTimer(interval_);
}

void Session::cmdSimulate_Click() {
    SetControlState(store_, "Disable", "SimulationStatic");
    SetControlState(store_, "Enable", "Display");
    StopTimer();
    ++runStarts_;
    // The engine's part of the run start, then the window's: the status line for the new scale,
    // the plot's half sizes (single precision), the tick interval.
    sim::PrepareRun(model_, store_.Get("mnuCascadedLine", Flag::Checked));
    UpdateDisplay("TickMarks", 0, 0);
    PlotHalfWidth = static_cast<float>(view_.PlotInnerWidth()) / 2;
    PlotHalfHeight = static_cast<float>(view_.PlotInnerHeight()) / 2;
    sim::ResetLine(model_);
    interval_ = IntervalFor(speed_);
    StartTimer(interval_);
}

// Stop leaves the timer alone: a tick that is due still runs, finds the step mode set and
// switches the timer off.
void Session::cmdStop_Click() {
    model_.StepMode = true;
    model_.ElapsedTicks = 0;
    SetControlState(store_, "Disable", "Display");
    SetControlState(store_, "Enable", "SimulationStatic");
    if (!store_.Get("mnuAdvanced", Flag::Checked)) {
        SetControlState(store_, "Disable", "Advanced");
    } else {
        SetControlState(store_, "Enable", "Combo");
        SetControlState(store_, "Disable", "FixedParameter");
    }
}

// The status line shows the time of the state on screen, before the step this click starts.
void Session::cmdStep_Click() {
    model_.StepMode = true;
    SwitchOnTimer();
    UpdateDisplay("ElapsedTime", 0, 0);
}

void Session::cmdContinue_Click() {
    model_.StepMode = false;
    SwitchOnTimer();
    UpdateDisplay("TickMarks", 0, 0);
    ShowPointer(Pointer::Arrow);  // a meter reading leaves a cross-hair
}

// Reported on every change of value, and once at start-up whatever the slider stood at.
void Session::sldSpeedControl_Change(int value) {
    speed_ = value;
    interval_ = IntervalFor(value);
    view_.TimerIntervalChanged(interval_);
}

}  // namespace session
