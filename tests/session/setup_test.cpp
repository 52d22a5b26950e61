// Setting up a circuit in the session: an entry with its questions, presets, load types, modes
// and line type, and changes made during a run. Every row runs twice: answered at once, as the
// desktop's modal dialogs answer, and answered later, with a tick and a refused click delivered
// while the question waits; both must end in the same state.

#include <algorithm>
#include <set>
#include <sstream>

#include "check.h"
#include "session/element_table.h"
#include "session/menu_table.h"
#include "session/reading_order.h"
#include "entry/entry_commands.h"
#include "session/schematic_table.h"
#include "session_fixture.h"

namespace sessiontest {
namespace {

using session::Flag;

// "name:flag" of every flag that is on, over every named element, menu and schematic piece.
std::set<std::string> Flags(const session::Session& s) {
    std::vector<std::string> names;
    for (const auto& row : session::ElementTable()) names.push_back(row.name);
    for (const auto& row : session::MenuTable()) names.push_back(row.name);
    for (const auto& row : session::SchematicTable())
        if (*row.name) names.push_back(row.name);
    std::set<std::string> on;
    for (const std::string& name : names) {
        if (s.Store().Get(name, Flag::Enabled)) on.insert(name + ":enabled");
        if (s.Store().Get(name, Flag::Visible)) on.insert(name + ":visible");
        if (s.Store().Get(name, Flag::Checked)) on.insert(name + ":checked");
    }
    return on;
}

// The flags that differ, sorted, as "a:enabled b:visible".
std::string Changes(const std::set<std::string>& before, const std::set<std::string>& after) {
    std::vector<std::string> changed;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(changed));
    std::string text;
    for (const std::string& c : changed) text += (text.empty() ? "" : " ") + c;
    return text;
}

// "enabled: a b visible: c" → "a:enabled b:enabled c:visible", sorted.
std::string Expect(const std::string& text) {
    std::istringstream words(text);
    std::set<std::string> out;
    std::string word, flag;
    while (words >> word) word.ends_with(':') ? void(flag = word.substr(0, word.size() - 1))
                                              : void(out.insert(word + ':' + flag));
    std::string joined;
    for (const std::string& w : out) joined += (joined.empty() ? "" : " ") + w;
    return joined;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, '|');)
        if (!part.empty()) parts.push_back(part);
    return parts;
}

// Each step in turn: an option button or check box is selected, any other name clicked; "run"
// and "halt" bring a run one tick in, free or halted; "stop" is Stop and the tick due.
void Activate(Run& r, const std::string& steps) {
    for (const std::string& step : Split(steps)) {
        if (step == "run" || step == "halt") {
            r.s.sldSpeedControl_Change(1);
            r.s.Click("cmdSimulate");
            if (step == "halt") r.s.Click("cmdStep");
            r.s.Timer1_Timer();
        } else if (step == "stop") {
            r.s.Click("cmdStop");
            r.s.Timer1_Timer();
        } else if (step.starts_with("opt") || step.starts_with("chk")) {
            r.s.Toggle(step, true);
        } else {
            r.s.Click(step);
        }
    }
}

// What the user does first, then the choice, the flags it changes, the answer typed,
// "label=caption" of the labels that change, and the titles of the questions asked.
struct SetUp {
    const char *before, *choice, *flags, *typed = "", *labels = "", *titles = "";
};
const SetUp kSetUps[] = {
    {"", "cmdR1", "", "75", "lblR1=75 Ω", "Source Resistance"},
    {"", "cmdR2", "", "-100", "lblR2=50 Ω", "Load Resistance|Negative Entry"},
    {"", "cmdZo", "", "0.5", "lblZo=50 Ω", "Characteristic Impedance |Below Minimum "},
    {"", "cmdPeakVoltage", "", "3x", "lblPeakVoltage=1 Volts", "Peak Source Voltage|Invalid Entry"},
    {"", "mnuEnterR1", "", "", "lblR1=50 Ω", "Source Resistance"},  // cancelled
    {"mnuAdvanced|optParameter(2)", "cmdF", "", "50", "lblF=50 MHz|lblCycles_Len=2 ~/len",
     "Frequency"},
    {"mnuAdvanced|optParameter(2)", "cmdF", "", "1e9", "lblF=100 MHz|lblCycles_Len=4 ~/len",
     "Frequency|Above Maximum "},
    {"", "mnuSine", "checked: mnuDC mnuSine"},
    {"", "mnuInfiniteOhmsR1", "", "", "lblR1= ∞ Ω"},
    {"mnuAdvanced", "mnu10attn", "", "", "lblAttn=10 %"},  // "0%" keeps its mark
    // With the length held, a cycles preset (its note first) recomputes the frequency, during a
    // free run through a short lift of the run's greyed state; halted, it changes the cycles
    // only. Either way the flags are left as they were.
    {"mnuAdvanced|optParameter(2)", "mnu1Cycle", "", "",
     "lblCycles_Len=1 Cycles/LineLength|lblF=25 MHz", "Cycles/Length "},
    {"mnuAdvanced|optParameter(2)|run", "mnu1Cycle", "", "",
     "lblCycles_Len=1 Cycles/LineLength|lblF=25 MHz", "Cycles/Length "},
    {"mnuAdvanced|optParameter(2)|halt", "mnu1Cycle", "", "", "lblCycles_Len=1 Cycles/LineLength",
     "Cycles/Length "},
    {"", "mnuCascadedLine",
     "visible: Line20 Line21 Shape4 Shape5 cmdZo cmdZo1 cmdZo2 lblZo lblZo1 lblZo2 mnuZo "
     "checked: mnuSingleLine mnuCascadedLine"},
    {"", "mnuCascadedLine|mnuSingleLine", ""},
    // Advanced keeps the held cycles greyed: their button and label do not change, their menu is
    // shown greyed.
    {"", "mnuAdvanced",
     "enabled: frameAdvPar cmdF cmdLength cmdVp cmdAttn cmdPW cmdPS lblF lblLength lblVp lblAttn "
     "lblPW lblPS optParameter(0) optParameter(1) optParameter(2) mnuCycles visible: mnuAttn "
     "mnuCycles checked: mnuNormal mnuAdvanced"},
    {"", "mnuAdvanced|mnuNormal", "enabled: mnuCycles"},
    // Another held parameter: only the newly held one is greyed, and the one that lost the
    // selection runs nothing.
    {"mnuAdvanced", "optParameter(0)",
     "enabled: cmdCycles_Len lblCycles_Len mnuCycles cmdF lblF checked: optParameter(1) "
     "optParameter(0)"},
    // A load option: exactly its menu on the bar, its buttons usable, its symbol drawn.
    {"optResistor", "optCapacitor",
     "enabled: cmdR2 lblR2 cmdCu lblC visible: mnuRLoad mnuCLoad checked: optResistor "
     "optCapacitor"},
    {"optParallelRC", "optInductor",
     "enabled: cmdR2 lblR2 cmdCu lblC cmdLu lblL visible: mnuRCLoad mnuLLoad checked: "
     "optParallelRC optInductor"},
    {"optSeriesRL", "optImpedance",
     "enabled: cmdLu lblL cmdX2 lblX2 visible: mnuRLLoad mnuZLoad checked: optSeriesRL "
     "optImpedance"},
    // Stop gives back exactly the set-up the run took away, in either mode and whichever
    // parameter is held; halted or running, and with a Step in between.
    {"", "run|stop", ""},
    {"mnuAdvanced", "halt|stop", ""},
    {"mnuAdvanced|optParameter(0)", "run|cmdStep|stop", ""},
    {"mnuAdvanced|optParameter(2)|mnuCascadedLine", "run|stop", ""},
    {"mnuAdvanced|optParameter(2)|mnuCascadedLine", "halt|stop", ""},
    {"mnuAdvanced|optParameter(2)|mnuCascadedLine", "run|cmdStep|stop", ""},
};

// One row in a fresh, started session; its flags, captions, questions, model and load symbol.
std::string Outcome(const SetUp& row, bool later) {
    Run r;
    r.s.Startup();
    Activate(r, row.before);
    const auto start = Flags(r.s);
    r.view.answers = {row.typed};
    r.view.titles.clear();
    r.view.written.clear();
    r.view.answerLater = later;
    Activate(r, row.choice);
    // While a question waits the run goes on and the window's events are refused.
    while (r.s.PendingQuestion()) {
        r.s.Timer1_Timer();
        r.s.Click("mnuCascadedLine");
        r.s.Toggle("chkCurrent", false);
        r.view.Later();
    }
    std::ostringstream out;
    out << Changes(start, Flags(r.s)) << "\n";
    for (const std::string& written : r.view.written) out << written << "|";
    out << "\n";
    for (const std::string& title : r.view.titles) out << title << "|";
    out << "\n" << r.view.load << " " << r.s.Model().SourceResistance.number << " "
        << r.s.Model().Frequency.number << " " << r.s.Model().LineLength.number;
    return out.str();
}

}  // namespace

void SetUpRows() {
    for (const SetUp& row : kSetUps) {
        const std::string name = std::string(row.before) + " → " + row.choice + ": ";
        const std::string now = Outcome(row, false);
        const std::string later = Outcome(row, true);
        Check(now == later, name + "answered later differs:\n" + now + "\n--\n" + later);
        std::istringstream lines(now);
        std::string flags, labels, titles;
        std::getline(lines, flags);
        std::getline(lines, labels);
        std::getline(lines, titles);
        Check(flags == Expect(row.flags), name + "flags " + flags);
        std::string wanted;
        for (const std::string& label : Split(row.labels)) wanted += label + "|";
        Check(labels == wanted, name + "labels " + labels);
        Check(titles == (*row.titles ? std::string(row.titles) + "|" : ""), name + "titles " + titles);
    }
}

// Every entry command and its menu twin, with an accepted and a refused answer: answered later
// it ends as answered at once, and it asks its own question. Each is tried where it is usable.
void EveryEntryCommand() {
    const char* const where[] = {"",
                                 "mnuAdvanced|optParameter(0)",
                                 "mnuAdvanced|optParameter(2)",
                                 "mnuCascadedLine",
                                 "optImpedance",
                                 "optParallelRC",
                                 "optSeriesRL",
                                 "optCapacitor",
                                 "optInductor",
                                 "mnuAdvanced"};
    std::vector<std::string> names;
    for (const entry::EntryCommand& c : entry::EntryCommands()) {
        names.emplace_back(c.name);
        if (!c.menuTwin.empty()) names.emplace_back(c.menuTwin);
    }
    for (const std::string& name : names) {
        const char* before = nullptr;
        for (const char* steps : where) {
            Run probe;
            probe.s.Startup();
            Activate(probe, steps);
            if (probe.s.Store().Usable(name)) {
                before = steps;
                break;
            }
        }
        Check(before != nullptr, name + " is usable somewhere");
        if (!before) continue;
        for (const char* typed : {"7", "-1e30"}) {
            const SetUp row{before, name.c_str(), "", typed};
            const std::string now = Outcome(row, false), later = Outcome(row, true);
            Check(now == later, name + " " + typed + ": answered later differs");
            Check(now.find(entry::FindEntryCommand(name)->title) != std::string::npos,
                  name + " asks its question: " + now);
        }
    }
}

// A change made while a run is halted is what the next step computes with; the start-up draws
// the resistor and a load option the new symbol.
void ChangesReachTheNextTick() {
    Run r;
    r.s.Startup();
    Check(r.view.load == "Resistor" && r.view.slider == 5, "start-up: " + r.view.load);
    r.view.answers = {"100"};
    Activate(r, "halt|cmdR2|mnu3volts|cmdStep");
    r.s.Timer1_Timer();
    Check(r.s.Model().NormLoadResistance == 2.0, "R2 / Zo");
    Check(r.s.Model().LineVoltage[0][0] == 1.5, "half of 3 V into a matched line");
}

// Tab stops at the usable elements in reading order; an option group is one stop, at its
// selected button, wherever the selection went. The run greys the set-up and adds its own buttons.
void TabStops() {
    const struct {
        const char *steps, *stops;
    } rows[] = {
        {"", "optResistor cmdR2 cmdR1 cmdPeakVoltage cmdZo cmdSimulate cmdStop cmdCancel chkMeter "
             "chkVoltage chkCurrent chkEnvelope sldSpeedControl"},
        {"mnuAdvanced|optParameter(2)|mnuCascadedLine|optSeriesRL",
         "cmdLu cmdR2 optSeriesRL cmdR1 cmdZo1 cmdZo2 cmdPeakVoltage cmdSimulate cmdStop cmdCancel "
         "cmdF cmdCycles_Len optParameter(2) cmdVp cmdAttn cmdPW cmdPS chkMeter chkVoltage "
         "chkCurrent chkEnvelope sldSpeedControl"},
        {"mnuAdvanced|optParameter(2)|mnuCascadedLine|optSeriesRL|run",
         "cmdLu cmdR2 cmdR1 cmdPeakVoltage cmdSimulate cmdStop cmdCancel cmdAttn cmdPW cmdPS "
         "cmdStep cmdContinue cmdZoomIn cmdZoomOut chkMeter chkVoltage chkCurrent chkEnvelope "
         "sldSpeedControl"},
    };
    for (const auto& row : rows) {
        Run r;
        r.s.Startup();
        Activate(r, row.steps);
        std::string stops;
        for (const std::string& stop : session::TabStops(r.s.Store()))
            stops += (stops.empty() ? "" : " ") + stop;
        Check(stops == row.stops, std::string(row.steps) + ": " + stops);
    }
}

// The help window reads the clicked topic and keeps it when hidden; closed through its frame it is
// gone, and with it the topic. Hidden, it takes no clicks. The about box comes and goes.
void HelpAndAbout() {
    Run r;
    r.s.Startup();
    r.view.reports.clear();
    r.s.Click("mnuHelpText");
    r.s.tvwHelpTree_NodeClick("Menus");
    r.s.tvwHelpTree_NodeClick("no such topic");
    r.s.cmdQuit_Click();
    r.s.tvwHelpTree_NodeClick("V");
    r.s.Click("mnuHelpText");
    Check(r.s.HelpShown() && r.s.HelpTopic() == "Menus", "help kept: " + r.s.HelpTopic());
    r.s.HelpClosed();
    Check(!r.s.HelpShown() && r.s.HelpTopic().empty(), "closed through its frame");
    r.s.Click("mnuAboutCorvane");
    r.s.cmdOK_Click();
    r.s.cmdOK_Click();
    Check(r.view.Reports() == "help topic Menus help hidden help about about hidden",
          "help and about: " + r.view.Reports());
}

// Exit while a question waits ends the program: no answer reaches the entry, nothing changes.
void ExitWithAQuestionWaiting() {
    Run r;
    r.s.Startup();
    r.view.answerLater = true;
    r.view.answers = {"75"};
    r.s.Click("cmdR1");
    Check(r.s.PendingQuestion() != nullptr, "the input box waits");
    r.s.Click("mnuExit");  // refused: the box is modal
    Check(!r.s.Ending(), "Exit refused while the box waits");
    r.s.ExitProgram();      // the window is closed
    r.view.Later();
    Check(r.s.Ending() && !r.s.PendingQuestion(), "ended with no question");
    Check(r.s.Model().SourceResistance.number == 50 && r.view.captions["lblR1"] == "50 Ω",
          "nothing entered after Exit");
}

}  // namespace sessiontest
