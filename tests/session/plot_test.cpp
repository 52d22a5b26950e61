// Reading the plot without any window: the meter, the release after a press, the zoom buttons,
// the trace and envelope boxes, and the refusal of events on elements the user cannot use now.

#include <string>

#include "check.h"
#include "session/control_state.h"
#include "session_fixture.h"

namespace sessiontest {
namespace {

using session::Flag;
using session::MouseButton;
using session::Pointer;

const std::string kTicks = "Tick Mark= \r\n.5V\r\n   or \r\n10 mA";

struct Reading {
    bool run;     // three ticks of a free run first
    bool zoomIn;  // Zoom In first
    MouseButton button;
    int x, y;             // in the plot's 389 × 221 pixels
    std::string reading;  // "" leaves the status line as it was
};

// The zero line lies between rows 110 and 111, so row 110 reads half a row above it; the last
// column reads inside the line.
const Reading kReadings[] = {
    {true, false, MouseButton::Left, 194, 110, "Voltage =\r\n9.05E-3V\r\n Distance = 4.79 m"},
    {true, false, MouseButton::Left, 0, 0, "Voltage =\r\n2V\r\n Distance = 0 m"},
    {true, true, MouseButton::Left, 0, 0, "Voltage =\r\n1V\r\n Distance = 0 m"},
    {true, false, MouseButton::Left, 388, 220, "Voltage =\r\n-1.98V\r\n Distance = 9.58 m"},
    {true, false, MouseButton::Right, 0, 0, ""},
    {true, false, MouseButton::Middle, 0, 0, ""},
    {false, false, MouseButton::Left, 0, 0, ""},  // before any run: no scale to read against
};

// A zoom button in a run state: the factor after it, the status line and what the view is told.
struct Zoom {
    const char* state;
    double from;
    const char* button;
    double to;
    std::string status;
    const char* reports;
};

// Halted, the step on screen is drawn again at once; running, the next tick draws it. A click
// refused at a limit still redraws and writes the readout. Before a run both buttons are greyed.
const Zoom kZooms[] = {
    {"halted", 1, "cmdZoomIn", 2, "Tick Mark= \r\n.25V\r\n   or \r\n5 mA", "clear draw status"},
    {"halted", 1, "cmdZoomOut", 0.5, "Tick Mark= \r\n1V\r\n   or \r\n20 mA", "clear draw status"},
    {"free", 1, "cmdZoomIn", 2, "Tick Mark= \r\n.25V\r\n   or \r\n5 mA", "status"},
    {"halted", 32, "cmdZoomIn", 32, "Tick Mark= \r\n.02V\r\n   or \r\n.31 mA",
     "message clear draw status"},
    {"free", 1.0 / 32, "cmdZoomOut", 1.0 / 32, "Tick Mark= \r\n16V\r\n   or \r\n320 mA",
     "message status"},
    {"set-up", 1, "cmdZoomIn", 1, "", ""},
};

}  // namespace

// A press with the meter on: the reading, the cross-hair and the step mode; a reading during a
// free run halts it after exactly one more tick, and the cross-hair stays until Continue, which
// is greyed before a run.
void MeterReadings() {
    for (const Reading& r : kReadings) {
        const std::string row = "press at " + std::to_string(r.x) + "," + std::to_string(r.y) +
                                (r.run ? "" : " before a run") + ": ";
        Run m;
        if (r.run) {
            Bring(m, "free");
            m.s.Timer1_Timer();
        }
        if (r.zoomIn) m.s.Click("cmdZoomIn");
        m.s.Toggle("chkMeter", true);
        const std::string before = m.view.status;
        m.s.PlotPress(r.button, r.x, r.y);
        const bool reads = r.button == MouseButton::Left;
        Check(m.view.status == (r.reading.empty() ? before : r.reading), row + m.view.status);
        Check(m.view.pointer == (reads ? Pointer::Cross : Pointer::Arrow), row + "pointer");
        Check(m.s.Model().StepMode == reads, row + "step mode");
        if (r.run) m.s.Timer1_Timer();
        Check(m.view.running == (r.run && !reads), row + "timer");
        Check(m.s.Model().ElapsedTicks == (r.run ? 4 : 0), row + "ticks");
        m.s.Click("cmdContinue");
        Check(m.view.pointer == (r.run || !reads ? Pointer::Arrow : Pointer::Cross),
              row + "pointer after Continue");
    }
}

// With the meter off, releasing a button on the plot brings back the tick readout that a Step
// replaced; with the meter on a reading stays after the release.
void ReleaseRestoresTheReadout() {
    Run r;
    Bring(r, "halted");
    const std::string step = r.view.status;
    r.s.PlotPress(MouseButton::Right, 100, 50);
    Check(r.view.status == step, "a press without the meter keeps " + step);
    r.s.PlotRelease(MouseButton::Right, 100, 50);
    Check(r.view.status == kTicks, "the release without the meter: " + r.view.status);
    r.s.Toggle("chkMeter", true);
    r.s.PlotPress(MouseButton::Left, 100, 50);
    const std::string reading = r.view.status;
    r.s.PlotRelease(MouseButton::Left, 100, 50);
    Check(reading.starts_with("Voltage =") && r.view.status == reading,
          "the release with the meter: " + r.view.status);
}

void ZoomButtons() {
    for (const Zoom& z : kZooms) {
        const std::string row = std::string(z.state) + " " + z.button + ": ";
        Run r;
        Bring(r, z.state);
        r.s.ZoomFactor = z.from;
        r.view.reports.clear();
        r.view.status.clear();
        r.s.Click(z.button);
        Check(r.s.ZoomFactor == z.to, row + "factor " + std::to_string(r.s.ZoomFactor));
        Check(r.view.status == z.status, row + "status " + r.view.status);
        Check(r.view.Reports() == z.reports, row + "reports " + r.view.Reports());
        const bool refused = std::string(z.reports).starts_with("message");
        Check(r.view.messages.size() == (refused ? 1u : 0u) &&
                  (!refused || r.view.messages[0] == "Zoomed Out!: You have reached the Zoom's "
                                                     "limit.  48"),
              row + "message box");
    }
}

// A trace box empties the plot until the next step, which draws what is now chosen; the
// envelope box gives a new back colour, and the ticks paint their old traces over in white.
// The meter box only changes what a press does. A box changed to what it shows runs nothing.
void TraceBoxesAndEnvelope() {
    struct Row {
        const char* box;
        bool checked;
        const char* reports;
        bool envelope, voltage, current;  // at the next tick
    };
    const Row rows[] = {
        {"chkCurrent", true, "clear", false, true, true},
        {"chkVoltage", false, "clear", false, false, false},
        {"chkEnvelope", true, "green", true, true, false},
        {"chkEnvelope", false, "white", false, true, false},
        {"chkMeter", true, "", false, true, false},
        {"chkVoltage", true, "", false, true, false},
    };
    for (const Row& row : rows) {
        const std::string name = std::string(row.box) + (row.checked ? " on: " : " off: ");
        Run r;
        Bring(r, "halted");
        if (!row.checked) r.s.Toggle(row.box, true);
        r.view.reports.clear();
        r.s.Toggle(row.box, row.checked);
        Check(r.s.Store().Get(row.box, Flag::Checked) == row.checked, name + "not checked");
        Check(r.view.Reports() == row.reports, name + "reports " + r.view.Reports());
        r.s.Click("cmdStep");
        r.s.Timer1_Timer();
        Check(r.view.envelope == row.envelope && r.view.voltage == row.voltage &&
                  r.view.current == row.current,
              name + "the next tick's drawing");
    }
}

// An event on an element the user cannot use now changes nothing: greyed itself, greyed by its
// frame, hidden, or in a hidden menu. The same event is taken once the element is usable.
void UnusableElementsIgnored() {
    using S = session::Session;
    struct Row {
        const char* what;
        void (*unusable)(S&);  // from start-up to where the element cannot be used
        void (*usable)(S&);    // then what makes it usable again
        void (*event)(S&);
        bool (*took)(const S&);  // whether the event had its effect
    };
    const Row rows[] = {
        {"Stop hidden during a run",
         [](S& s) {
             s.cmdSimulate_Click();
             s.Store().Set("cmdStop", Flag::Visible, false);
         },
         [](S& s) { s.Store().Set("cmdStop", Flag::Visible, true); },
         [](S& s) { s.Click("cmdStop"); },
         [](const S& s) { return !s.Store().Get("cmdStep", Flag::Enabled); }},
        {"Step greyed before a run", [](S&) {}, [](S& s) { s.cmdSimulate_Click(); },
         [](S& s) { s.Click("cmdStep"); }, [](const S& s) { return s.Model().StepMode; }},
        {"an option in the greyed Advanced frame", [](S&) {},
         [](S& s) { session::SetControlState(s.Store(), "Enable", "Advanced"); },
         [](S& s) { s.Toggle("optParameter(2)", true); },
         [](const S& s) { return s.Store().Get("optParameter(2)", Flag::Checked); }},
        {"a hidden plot",
         [](S& s) {
             s.cmdSimulate_Click();
             s.Toggle("chkMeter", true);
             s.Store().Set("Picture1", Flag::Visible, false);
         },
         [](S& s) { s.Store().Set("Picture1", Flag::Visible, true); },
         [](S& s) { s.PlotPress(MouseButton::Left, 0, 0); },
         [](const S& s) { return s.Model().StepMode; }},
        {"a hidden slider", [](S& s) { s.Store().Set("sldSpeedControl", Flag::Visible, false); },
         [](S& s) { s.Store().Set("sldSpeedControl", Flag::Visible, true); },
         [](S& s) {
             s.Change("sldSpeedControl", 10);
             s.cmdSimulate_Click();
         },
         [](const S& s) { return s.TimerInterval() == 20; }},
        {"an item of the hidden Attn menu", [](S&) {},
         [](S& s) { s.Store().Set("mnuAttn", Flag::Visible, true); },
         [](S& s) { s.Toggle("mnu0attn", false); },
         [](const S& s) { return !s.Store().Get("mnu0attn", Flag::Checked); }},
    };
    for (const Row& row : rows) {
        for (bool usable : {false, true}) {
            Run r;
            row.unusable(r.s);
            if (usable) row.usable(r.s);
            row.event(r.s);
            Check(row.took(r.s) == usable,
                  std::string(row.what) + (usable ? ": refused once usable" : ": not ignored"));
        }
    }
}

}  // namespace sessiontest
