// A set-up carried in a link: made by one session, opened by another, it gives the same set-up;
// refused values are named one message each and keep their values, the rest apply, whether the
// messages are answered at once or later.

#include <random>
#include <set>

#include "check.h"
#include "entry/circuit_options.h"
#include "entry/number.h"
#include "entry/presets.h"
#include "session/element_table.h"
#include "session/menu_table.h"
#include "session_fixture.h"

namespace sessiontest {
namespace {

// A caption's value: its number read as a typed one (".5" and "0.5" alike), or its text. The
// units a label shows depend on how the value came (an entry, a preset, a recomputation), which a
// link does not carry.
std::string ValueOf(const std::string& caption) {
    const std::string first =
        caption.substr(0, caption.find_first_not_of("0123456789.eE+-", caption.find_first_not_of(' ')));
    const auto x = entry::ParseNumber(first);
    return x ? std::to_string(*x) : caption;
}

// Everything a user sees of a set-up: values, choices, what can be used, what is checked, and
// captions. (An element's own enabled flag inside a greyed frame depends on how the user got
// there; that it cannot be used does not.)
std::string SetUpOf(const session::Session& s) {
    std::string seen = s.Model().SourceType + " " + s.Model().LoadType + " ";
    for (const entry::NumberOption& o : entry::NumberOptions())
        seen += std::to_string((s.Model().*o.field).number) + " ";
    seen += std::to_string(s.Model().CyclesPerLength) + "\n";
    for (const auto& row : session::MenuTable())
        if (s.Store().Get(row.name, session::Flag::Checked)) seen += std::string(row.name) + " ";
    for (const auto& row : session::ElementTable()) {
        if (s.Store().Get(row.name, session::Flag::Checked)) seen += std::string(row.name) + " ";
        if (s.Store().Usable(row.name)) seen += "e" + std::string(row.name);
        seen += "=" + ValueOf(s.Caption(row.name)) + "\n";
    }
    return seen;
}

const char* const kItems[] = {"mnuAdvanced",  "mnuNormal",     "mnuCascadedLine", "mnuSingleLine",
                              "optParameter(0)", "optParameter(2)", "optParameter(1)",
                              "optCapacitor", "optInductor",   "optParallelRC",   "optSeriesRL",
                              "optImpedance", "optResistor"};
const char* const kEntries[] = {"cmdR1", "cmdR2", "cmdZo", "cmdZo1", "cmdZo2", "cmdPeakVoltage",
                                "cmdCu", "cmdLu", "cmdX2", "cmdF",  "cmdLength", "cmdCycles_Len",
                                "cmdVp", "cmdAttn", "cmdPW", "cmdPS"};
const char* const kTyped[] = {"75", "0.5", "1e3", "-20", "2.5", "33.3", "7", "120", "0", "19.99"};

}  // namespace

// Random set-ups made by clicks, presets and typed entries; each one's link opened in a new
// session gives what the first shows, and makes the same link again.
void LinkRoundTrip() {
    std::mt19937 random(20261207);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    std::vector<std::string> presets;
    for (const entry::Preset& p : entry::Presets()) presets.emplace_back(p.item);
    for (int round = 0; round < 300; ++round) {
        Run made;
        made.s.Startup();
        for (int event = 0; event < 12; ++event) {
            made.view.answers = {kTyped[pick(std::size(kTyped))]};
            const std::size_t kind = pick(3);
            if (kind == 0) {
                const std::string item = kItems[pick(std::size(kItems))];
                item.starts_with("opt") ? made.s.Toggle(item, true) : made.s.Click(item);
            }
            if (kind == 1) made.s.Click(presets[pick(presets.size())]);
            if (kind == 2) made.s.Click(kEntries[pick(std::size(kEntries))]);
        }
        const std::string link = made.s.SetupLink();
        Run opened;
        opened.s.Startup();
        opened.s.OpenLink("#" + link);
        Check(opened.view.messages.empty(), "a made link is refused: " + link);
        const std::string want = SetUpOf(made.s), got = SetUpOf(opened.s);
        if (want != got) {
            std::size_t at = 0;
            while (at < want.size() && want[at] == got[at]) ++at;
            Check(false, "round " + std::to_string(round) + " " + link + "\n differs at: " +
                             want.substr(at, 60) + "\n opened:     " + got.substr(at, 60));
        }
        Check(opened.s.SetupLink() == link, "made again: " + opened.s.SetupLink());
        // And the same run: 40 ticks from Simulate leave the same line.
        for (Run* r : {&made, &opened}) {
            r->s.Click("cmdSimulate");
            for (int tick = 0; tick < 40; ++tick) r->s.Timer1_Timer();
        }
        Check(made.s.Model().LineVoltage == opened.s.Model().LineVoltage &&
                  made.s.Model().LineCurrent == opened.s.Model().LineCurrent,
              "round " + std::to_string(round) + " runs differently: " + link);
    }
}

// Each refused value in a message of its own, named with its limit; the rest apply. Answered
// later, the same; the command line of corvane-trace says the same circuit.
void LinkRefusals() {
    const std::string link =
        "#zo=0&load=Capacitor&frequency=abc&bogus=1&held=sideways&source=Pulse%20Train"
        "&load-capacitance=47&mode=sideways";
    const std::vector<std::string> messages{
        "Set-up Link: mode: sideways is not one of normal, advanced 48",
        "Set-up Link: zo: 0 is below the minimum 1 48",
        "Set-up Link: frequency: abc is not a number 48",
        "Set-up Link: bogus: is no setting of Corvane 48",
        "Set-up Link: held: sideways is not one of frequency, cycles, length 48"};
    for (bool later : {false, true}) {
        Run r;
        r.s.Startup();
        r.view.answerLater = later;
        r.s.OpenLink(link);
        while (r.s.PendingQuestion()) {
            r.s.Timer1_Timer();
            r.view.Later();
        }
        Check(r.view.messages == messages, "refusals: " + std::to_string(r.view.messages.size()));
        Check(r.s.Model().Zo.number == 50 && r.s.Model().LoadType == "Capacitor" &&
                  r.s.Model().LoadCapacitance.number == 47 &&
                  r.s.Model().SourceType == "Pulse Train" && r.s.Caption("lblC") == "47 pF",
              "the rest applied");
        Check(r.s.TraceCommand() ==
                  "corvane-trace --source='Pulse Train' --load=Capacitor --load-capacitance=47",
              r.s.TraceCommand());
    }
    Run r;
    r.s.Startup();
    r.s.OpenLink("frequency=1000&zo=75&cascade&pulse-width=2.5");
    Check(r.view.messages ==
              std::vector<std::string>{"Set-up Link: frequency: 1000 is above the maximum 500 "
                                       "(the line holds at most 20 wavelengths) 48"},
          "a frequency beyond the line's wavelengths");
    Check(r.s.Model().Frequency.number == 100 && r.s.Model().Zo.number == 75 &&
              r.s.SetupLink() == "zo=75&pulse-width=2&cascade",
          "refused frequency, a pulse width rounded half to even: " + r.s.SetupLink());
}

}  // namespace sessiontest
