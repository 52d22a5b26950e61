// The run without any window: Simulate, the ticks, Step, Continue, Stop, the slider and Exit,
// with events delivered in the middle of a tick through the tick's hook at a chosen point. A
// view that records what it is told stands in for the window.

#include <functional>
#include <string>

#include "check.h"
#include "session_fixture.h"

namespace sessiontest {
namespace {

using session::Flag;

// The run states, each told apart by the timer, the step mode and the Display group.
std::string Observe(const Run& r) {
    const bool on = r.view.running;
    if (!r.s.Store().Get("cmdStep", Flag::Enabled)) return on ? "stopping" : "set-up";
    return !on ? "halted" : r.s.Model().StepMode ? "pending" : "free";
}

// An event by its first word, as the user or the clock gives it.
void Deliver(Run& r, const std::string& act) {
    session::Session& s = r.s;
    const std::function<void()> handlers[] = {
        [&] { s.cmdSimulate_Click(); },
        [&] { s.cmdStep_Click(); },
        [&] { s.cmdContinue_Click(); },
        [&] { s.cmdStop_Click(); },
        [&] { s.Timer1_Timer(); },
        [&] { s.ExitProgram(); },
        [&] { s.sldSpeedControl_Change(10); },
    };
    const char* const names[] = {"Simulate", "Step", "Continue", "Stop", "tick", "Exit", "Speed"};
    for (std::size_t i = 0; i < std::size(names); ++i)
        if (act == names[i]) handlers[i]();
}

const std::string kTicks = "Tick Mark= \r\n.5V\r\n   or \r\n10 mA";
const std::string kAt4 = "Elapsed Time = \r\n.4 ns";

struct Transition {
    const char* from;
    const char* event;  // "X at n": X delivered by the tick's hook after point n of 0 .. 200
    const char* to;
    int elapsed;  // ElapsedTicks afterwards
    std::string status;
    const char* reports;  // what the view is told, in order, while the event is handled
};

// Ticks never rewrite the status line; a timer already running is not started again.
const Transition kTransitions[] = {
    {"set-up", "Simulate", "free", 0, kTicks, "status start40"},  // the start-up speed
    {"free", "tick", "free", 3, kTicks, "begin draw"},
    {"free", "Step", "pending", 2, kAt4, "status"},
    {"free", "Stop", "stopping", 0, kTicks, ""},
    {"free", "Continue", "free", 2, kTicks, "status arrow"},
    {"free", "Speed", "free", 2, kTicks, "interval20"},
    {"pending", "tick", "halted", 3, kAt4, "begin draw stop"},
    {"pending", "Continue", "free", 2, kTicks, "status arrow"},
    {"halted", "Step", "pending", 3, "Elapsed Time = \r\n.6 ns", "start200 status"},
    {"halted", "Continue", "free", 3, kTicks, "start200 status arrow"},
    {"halted", "Speed", "halted", 3, kAt4, "interval20"},
    {"halted", "Stop", "set-up", 0, kAt4, ""},
    {"halted", "Simulate", "free", 0, kTicks, "status start200"},
    {"stopping", "tick", "set-up", 1, kTicks, "begin draw stop"},  // the tick due still runs
    // In the middle of the third tick: Step and Stop make that tick the last, even after its
    // last point; a tick asked for then is skipped; Continue keeps the run going.
    {"free", "Step at 0", "halted", 3, kAt4, "begin status draw stop"},
    {"free", "Step at 200", "halted", 3, kAt4, "begin status draw stop"},
    {"free", "Stop at 100", "set-up", 1, kTicks, "begin draw stop"},
    {"free", "tick at 100", "free", 3, kTicks, "begin draw"},
    {"pending", "Continue at 100", "free", 3, kTicks, "begin status arrow draw"},
    // After Exit the tick is neither drawn nor counted; a restart drops the tick, and the line
    // starts from rest.
    {"free", "Exit at 0", "halted", 2, kTicks, "begin stop end"},
    {"free", "Simulate at 100", "free", 0, kTicks, "begin stop status start200"},
};

}  // namespace

void RunStates() {
    for (const Transition& t : kTransitions) {
        const std::string row = std::string(t.from) + " + " + t.event + ": ";
        Run r;
        Bring(r, t.from);
        Check(Observe(r) == t.from, row + "brought to " + Observe(r));
        r.view.reports.clear();
        const std::string event = t.event;
        const std::size_t at = event.find(" at ");
        if (at == std::string::npos) {
            Deliver(r, event);
        } else {
            const int point = std::stoi(event.substr(at + 4));
            int calls = 0;
            bool inTick = false;
            r.s.Timer1_Timer([&] {
                if (calls++ != point) return;
                inTick = r.s.TickRunning();
                Deliver(r, event.substr(0, at));
            });
            Check(inTick, row + "delivered outside the tick");
        }
        Check(Observe(r) == t.to, row + "ends " + Observe(r));
        Check(r.s.TimerRunning() == r.view.running, row + "the view's timer against the session's");
        Check(r.s.Model().ElapsedTicks == t.elapsed,
              row + "ElapsedTicks " + std::to_string(r.s.Model().ElapsedTicks));
        Check(r.view.status == t.status, row + "status " + r.view.status);
        Check(r.view.Reports() == t.reports, row + "reports " + r.view.Reports());
        Check(!r.s.TickRunning(), row + "a tick still running");
    }
    // A restart in the middle of a tick leaves the line at rest for the new run's first tick.
    Run r;
    Bring(r, "free");
    r.s.Timer1_Timer([&] {
        if (r.s.Model().PointIndex == 150) r.s.cmdSimulate_Click();
    });
    bool atRest = true;
    for (double v : r.s.Model().LineVoltage[0]) atRest = atRest && v == 0;
    Check(atRest, "a restart in a tick: the dropped tick shifted its points in");
}

// The interval is 200 / s ms, a half to the even neighbour; the slider's last value sets the
// next run's. Exit stops the timer for good, and a tick it interrupts delivers no more events.
void IntervalAndExit() {
    const int intervals[] = {200, 100, 67, 50, 40, 33, 29, 25, 22, 20};
    for (int s = 1; s <= 10; ++s) {
        Run r;
        r.s.sldSpeedControl_Change(s);
        r.s.cmdSimulate_Click();
        Check(r.view.interval == intervals[s - 1] && r.s.TimerInterval() == intervals[s - 1],
              "interval at speed " + std::to_string(s) + ": " + std::to_string(r.view.interval));
    }
    Run r;
    Bring(r, "free");
    r.s.ExitProgram();
    r.view.reports.clear();
    r.s.ExitProgram();
    r.s.Timer1_Timer();
    Check(r.view.Reports().empty() && !r.view.running,
          "after Exit: nothing more is told, no tick runs: " + r.view.Reports());
    Run e;
    Bring(e, "free");
    int calls = 0;
    e.s.Timer1_Timer([&] {
        if (calls++ == 0) e.s.ExitProgram();
    });
    Check(calls == 1, "events delivered after Exit in a tick: " + std::to_string(calls));
}

}  // namespace sessiontest
