// The element store and the control groups without any window: what SetControlState switches,
// written out from the window's description rather than read from the group table, and the rules
// of option buttons, containers, check marks and change reports. The run's groups are in
// run_test.cpp.

#include <string>
#include <utility>
#include <vector>

#include "check.h"
#include "session/control_state.h"
#include "session/element_store.h"

namespace {

using session::ElementStore;
using session::Flag;
using sessiontest::Check;

using Change = std::pair<std::string, Flag>;

// The changes a store reports while `act` runs on it.
template <typename Act>
std::vector<Change> ChangesOf(ElementStore& store, Act act) {
    std::vector<Change> changes;
    store.SetListener([&](std::string_view name, Flag flag, bool) {
        changes.emplace_back(std::string(name), flag);
    });
    act();
    store.SetListener(nullptr);
    return changes;
}

std::vector<Change> Rows(Flag flag, const std::vector<std::string>& names) {
    std::vector<Change> rows;
    for (const std::string& name : names) rows.emplace_back(name, flag);
    return rows;
}

std::string Text(const std::vector<Change>& changes) {
    std::string text;
    for (const auto& [name, flag] : changes) text += name + "/" + std::to_string(int(flag)) + " ";
    return text;
}

struct GroupRow {
    const char* group;
    std::vector<Change> members;  // in the order they are set
};

// Every member of a group is switched on, then off: switching off reports each member once, in
// the group's order, and nothing else.
void ControlGroups() {
    const auto E = Flag::Enabled, V = Flag::Visible, C = Flag::Checked;
    auto advanced =
        Rows(E, {"frameAdvPar", "cmdF", "cmdCycles_Len", "cmdLength", "cmdVp", "cmdAttn", "cmdPW",
                 "cmdPS", "lblF", "lblCycles_Len", "lblLength", "lblVp", "lblAttn", "lblPW",
                 "lblPS", "optParameter(0)", "optParameter(1)", "optParameter(2)"});
    for (const Change& menu : Rows(V, {"mnuAttn", "mnuCycles"})) advanced.push_back(menu);
    const std::vector<GroupRow> groups{
        {"Load", Rows(E, {"cmdLu", "cmdCu", "cmdR2", "cmdX2", "lblL", "lblC", "lblR2", "lblX2"})},
        {"Advanced", advanced},
        {"Display", Rows(E, {"cmdStep", "cmdContinue", "cmdZoomIn", "cmdZoomOut", "lblDisplay"})},
        {"SimulationStatic",
         Rows(E, {"cmdZo",           "cmdZo1",          "cmdZo2",        "optResistor",
                  "optInductor",     "optCapacitor",    "optParallelRC", "optSeriesRL",
                  "optImpedance",    "mnuZo",           "mnuLineType",   "cmdF",
                  "cmdCycles_Len",   "cmdLength",       "cmdVp",         "lblF",
                  "lblCycles_Len",   "lblLength",       "lblVp",         "optParameter(0)",
                  "optParameter(1)", "optParameter(2)", "mnuNormal",     "mnuAdvanced"})},
        {"Combo", Rows(E, {"cmdF", "cmdCycles_Len", "cmdLength", "cmdVp", "lblF", "lblCycles_Len",
                           "lblLength", "lblVp", "mnuCycles"})},
        {"Frequency", Rows(E, {"cmdF", "lblF"})},
        {"Cycles/LineLength", Rows(E, {"cmdCycles_Len", "lblCycles_Len", "mnuCycles"})},
        {"Length", Rows(E, {"cmdLength", "lblLength"})},
        {"Control", Rows(C, {"mnuNormal", "mnuAdvanced"})},
        {"Source", Rows(C, {"mnuDC", "mnuSine", "mnuCosine", "mnuSinglePulse", "mnuPulseTrain",
                            "mnuSourceOff"})},
        {"LineType", Rows(C, {"mnuSingleLine", "mnuCascadedLine"})},
        {"SingleLine", Rows(V, {"cmdZo", "lblZo", "Line20", "Line21", "mnuZo"})},
        {"Cascade", Rows(V, {"cmdZo1", "cmdZo2", "lblZo1", "lblZo2", "Shape4", "Shape5"})},
    };
    for (const GroupRow& row : groups) {
        ElementStore store;
        const bool checks = row.members.front().second == Flag::Checked;
        session::SetControlState(store, checks ? "Checked" : "Enable", row.group);
        const auto off = ChangesOf(store, [&] {
            session::SetControlState(store, checks ? "Unchecked" : "Disable", row.group);
        });
        Check(off == row.members, std::string(row.group) + ": " + Text(off));
    }
    // The held parameter's group, whatever the action: the button, the label, for cycles per
    // length the menu.
    for (int held = 0; held < session::kHeldOptions; ++held) {
        ElementStore store;
        session::SetControlState(store, "Enable", "Combo");
        store.Set(session::HeldOption(held), Flag::Checked, true);
        const auto fixed =
            ChangesOf(store, [&] { session::SetControlState(store, "Enable", "FixedParameter"); });
        Check(fixed == groups[5 + held].members, "FixedParameter " + std::to_string(held));
    }
    // Any other word is off, and any other group changes nothing.
    ElementStore store;
    Check(ChangesOf(store, [&] { session::SetControlState(store, "enable", "Display"); }).empty(),
          "a word in other letter case acts as off");
    Check(ChangesOf(store, [&] { session::SetControlState(store, "Enable", "Displays"); }).empty(),
          "an unknown group changes nothing");
}

// Selecting an option button takes the selection from the other one of its container, which is
// reported first; another container keeps its own; the selection is never simply taken away.
void OptionButtons() {
    ElementStore store;
    const auto changes = ChangesOf(store, [&] { store.Set("optInductor", Flag::Checked, true); });
    Check(changes ==
              std::vector<Change>{{"optResistor", Flag::Checked}, {"optInductor", Flag::Checked}},
          "selection moves within Frame1: " + Text(changes));
    Check(store.Get("optParameter(1)", Flag::Checked), "frameAdvPar keeps its selection");
    store.Set("optInductor", Flag::Checked, false);
    Check(store.Get("optInductor", Flag::Checked), "a selection is lost only to another option");
    store.Set("optParameter(2)", Flag::Checked, true);
    Check(session::HeldIndex(store) == 2 && store.Get("optInductor", Flag::Checked),
          "frameAdvPar's change leaves Frame1 alone");
}

// An element is usable only while it and its frame, or its menu, are enabled and visible.
void Containers() {
    ElementStore store;
    store.Set("cmdAttn", Flag::Enabled, true);
    Check(store.Get("cmdAttn", Flag::Enabled) && !store.Usable("cmdAttn"),
          "a greyed frame blocks an enabled button, which keeps its own flag");
    store.Set("frameAdvPar", Flag::Enabled, true);
    Check(store.Usable("cmdAttn"), "the enabled frame lets it through");
    store.Set("frameAdvPar", Flag::Visible, false);
    Check(!store.Usable("cmdAttn"), "a hidden frame blocks it");
    Check(!store.Usable("mnu10attn"), "an item of a hidden menu is not usable");
    store.Set("mnuAttn", Flag::Visible, true);
    Check(store.Usable("mnu10attn"), "the shown menu lets its item through");
    store.Set("mnuAttn", Flag::Enabled, false);
    Check(!store.Usable("mnu10attn") && store.Get("mnu10attn", Flag::Enabled),
          "a greyed menu blocks its item");
    Check(!store.Usable("cmdZo1"), "a hidden button is not usable");
}

// A change is reported once: setting a flag to the value it has reports nothing.
void ChangesReportedOnce() {
    ElementStore store;
    Check(ChangesOf(store, [&] { session::SetControlState(store, "Disable", "Display"); }).empty(),
          "greying greyed elements reports nothing");
    Check(
        ChangesOf(store, [&] { session::SetControlState(store, "Enable", "Display"); }).size() == 5,
        "enabling them reports each once");
    Check(ChangesOf(store, [&] { session::SetControlState(store, "Enable", "Display"); }).empty(),
          "enabling them again reports nothing");
}

// Only check boxes, option buttons and checkable menu items carry a check mark.
void CheckMarks() {
    ElementStore store;
    const std::vector<std::pair<const char*, bool>> rows{
        {"mnuSine", true},      {"chkMeter", true}, {"mnu10attn", false},
        {"cmdSimulate", false}, {"mnuAttn", false}, {"Line20", false},
    };
    for (const auto& [name, carries] : rows) {
        store.Set(name, Flag::Checked, true);
        Check(store.Get(name, Flag::Checked) == carries, std::string("check mark of ") + name);
    }
    store.Set("mnuSine", Flag::Checked, false);
    Check(!store.Get("mnuSine", Flag::Checked), "a menu item's mark comes off again");
    Check(store.Get("mnuDC", Flag::Checked), "menu items are not exclusive: the caller clears");
}

// The window's state after start-up, as its description gives it: "e" enabled, "v" visible,
// "c" checked or selected.
void StartUpState() {
    const std::vector<std::pair<const char*, const char*>> rows{
        {"cmdR1", "ev"},
        {"cmdZo", "ev"},
        {"cmdZo1", "e"},
        {"lblZo2", "e"},
        {"cmdSimulate", "ev"},
        {"cmdStep", "v"},
        {"cmdZoomOut", "v"},
        {"lblDisplay", "v"},
        {"chkMeter", "ev"},
        {"chkVoltage", "evc"},
        {"chkCurrent", "ev"},
        {"chkEnvelope", "ev"},
        {"cmdLu", "v"},
        {"lblL", "v"},
        {"cmdR2", "ev"},
        {"lblR2", "ev"},
        {"cmdCu", "v"},
        {"cmdX2", "v"},
        {"optResistor", "evc"},
        {"optInductor", "ev"},
        {"optImpedance", "ev"},
        {"frameAdvPar", "v"},
        {"optParameter(0)", "v"},
        {"optParameter(1)", "vc"},
        {"optParameter(2)", "v"},
        {"cmdF", "v"},
        {"lblPS", "v"},
        {"Shape4", "e"},
        {"Line21", "ev"},
        {"mnuNormal", "evc"},
        {"mnuAdvanced", "ev"},
        {"mnuDC", "evc"},
        {"mnuSine", "ev"},
        {"mnuAttn", "e"},
        {"mnu0attn", "evc"},
        {"mnuCycles", "e"},
        {"mnuLLoad", "e"},
        {"mnuCLoad", "e"},
        {"mnuRCLoad", "e"},
        {"mnuRLLoad", "e"},
        {"mnuZLoad", "e"},
        {"mnuSingleLine", "evc"},
        {"mnuCascadedLine", "ev"},
        {"mnuZo", "ev"},
    };
    const ElementStore store;
    for (const auto& [name, flags] : rows) {
        std::string shown;
        if (store.Get(name, Flag::Enabled)) shown += "e";
        if (store.Get(name, Flag::Visible)) shown += "v";
        if (store.Get(name, Flag::Checked)) shown += "c";
        Check(shown == flags, std::string(name) + " starts " + shown + ", not " + flags);
    }
}

}  // namespace

int main() {
    ControlGroups();
    OptionButtons();
    Containers();
    ChangesReportedOnce();
    CheckMarks();
    StartUpState();
    sessiontest::RunStates();
    sessiontest::IntervalAndExit();
    sessiontest::MeterReadings();
    sessiontest::ReleaseRestoresTheReadout();
    sessiontest::ZoomButtons();
    sessiontest::TraceBoxesAndEnvelope();
    sessiontest::UnusableElementsIgnored();
    sessiontest::SetUpRows();
    sessiontest::EveryEntryCommand();
    sessiontest::ChangesReachTheNextTick();
    sessiontest::ExitWithAQuestionWaiting();
    sessiontest::TabStops();
    sessiontest::HelpAndAbout();
    sessiontest::LinkRoundTrip();
    sessiontest::LinkRefusals();
    const int failures = sessiontest::failures;
    std::printf("%s: %d failures\n", failures ? "FAILED" : "passed", failures);
    return failures ? 1 : 0;
}
