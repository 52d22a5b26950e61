// Setting up a circuit: start-up, the entry buttons and preset menu items, the held parameter,
// the load option buttons and the four mode items. The entry library does the arithmetic and
// says what must change; this file applies it to the store, the captions and the view.

#include <algorithm>
#include <array>

#include "entry/entry_commands.h"
#include "entry/load_types.h"
#include "entry/presets.h"
#include "session/control_state.h"
#include "session/element_table.h"
#include "session/session.h"

namespace session {
namespace {

struct Step {
    const char* action;
    const char* group;
};

// Normal and Advanced mode, single and cascaded line: each a fixed sequence of control groups
// and one check mark. The mode and the line type live only in these marks, and no choice
// touches a parameter's value.
struct ModeRow {
    std::string_view item;      // the menu item, which gets the check mark at the end
    std::array<Step, 3> steps;  // in order; a null action ends the sequence early
};

constexpr std::array<ModeRow, 4> kModes{{
    {"mnuNormal", {{{"Disable", "Advanced"}, {"Unchecked", "Control"}, {nullptr, nullptr}}}},
    // The held parameter's controls stay greyed in Advanced mode.
    {"mnuAdvanced",
     {{{"Enable", "Advanced"}, {"Unchecked", "Control"}, {"Disable", "FixedParameter"}}}},
    {"mnuSingleLine",
     {{{"Enable", "SingleLine"}, {"Disable", "Cascade"}, {"Unchecked", "LineType"}}}},
    {"mnuCascadedLine",
     {{{"Disable", "SingleLine"}, {"Enable", "Cascade"}, {"Unchecked", "LineType"}}}},
}};

constexpr int kStartSpeed = 5;

}  // namespace

void Session::Startup() {
    model_ = sim::StartValues();
    store_.Set(HeldOption(1), Flag::Checked, true);  // cycles per length held, by no handler
    SetControlState(store_, "Disable", "Advanced");
    for (const entry::LabelText& label : entry::StartUpLabels(model_))
        SetCaption(label.label, label.text);
    model_.LoadType = "Resistor";
    view_.LoadShown(model_.LoadType);
    model_.SourceType = "DC";
    SetControlState(store_, "Disable", "Display");
    model_.StepMode = false;
    ZoomFactor = 1;
    view_.SliderMoved(kStartSpeed);
    // The interval follows even if the slider already stood there.
    sldSpeedControl_Change(kStartSpeed);
}

void Session::EntryButton_Click(std::string_view name) {
    StartAsking(ApplyWhenAnswered(
        entry::RunEntryCommand(std::string(name), model_, questions_, CouplingNow())));
}

void Session::PresetItem_Click(std::string_view item) {
    StartAsking(
        ApplyWhenAnswered(entry::ApplyPreset(std::string(item), model_, questions_, CouplingNow())));
}

// Which button became selected does not matter: the held parameter is read back from the store.
void Session::optParameter_Click() {
    SetControlState(store_, "Enable", "Combo");
    SetControlState(store_, "Disable", "FixedParameter");
}

void Session::LoadOption_Click(std::string_view option) {
    const entry::LoadTypeRow* row = entry::LoadTypeOfOption(option);
    if (!row) return;
    model_.LoadType = std::string(row->keyword);
    SelectLoadType(row->keyword);
}

void Session::SelectLoadType(std::string_view loadType) {
    const entry::LoadSelection selection = entry::SelectLoadType(loadType);
    SetControlState(store_, selection.disableStep.action, selection.disableStep.group);
    for (std::string_view menu : entry::kLoadMenus) store_.Set(menu, Flag::Visible, false);
    view_.LoadShown(std::string(loadType));
    for (const std::string& name : selection.enable) store_.Set(name, Flag::Enabled, true);
    if (!selection.menu.empty()) store_.Set(selection.menu, Flag::Visible, true);
}

void Session::ModeItem_Click(std::string_view item) {
    for (const ModeRow& row : kModes) {
        if (item != row.item) continue;
        entry::Effects effects;
        for (const Step& step : row.steps)
            if (step.action) effects.controlSteps.push_back({step.action, step.group});
        effects.checkItem = std::string(row.item);
        ApplyEffects(effects);
        return;
    }
}

void Session::ApplyEffects(const entry::Effects& effects) {
    for (const entry::ControlStep& step : effects.controlSteps)
        SetControlState(store_, step.action, step.group);
    for (const entry::LabelText& label : effects.labels) SetCaption(label.label, label.text);
    if (!effects.checkItem.empty()) store_.Set(effects.checkItem, Flag::Checked, true);
}

// The recomputation follows the buttons' own enabled flags, not what a greyed frame makes of
// them, so a halted run (every coupled button greyed) recomputes nothing.
entry::CouplingState Session::CouplingNow() const {
    entry::CouplingState state;
    state.buttons.cyclesEnabled = store_.Get("cmdCycles_Len", Flag::Enabled);
    state.buttons.frequencyEnabled = store_.Get("cmdF", Flag::Enabled);
    state.buttons.lengthEnabled = store_.Get("cmdLength", Flag::Enabled);
    state.heldIndex = HeldIndex(store_);
    state.timerEnabled = timerRunning_;
    return state;
}

std::string Session::Caption(std::string_view name) const {
    if (const auto shown = captions_.find(name); shown != captions_.end()) return shown->second;
    const auto rows = ElementTable();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const ElementRow& r) { return r.name == name; });
    return row == rows.end() ? std::string() : std::string(row->caption);
}

void Session::SetCaption(std::string_view name, std::string text) {
    const std::string& shown = captions_.insert_or_assign(std::string(name), std::move(text)).first->second;
    view_.CaptionChanged(std::string(name), shown);
}

}  // namespace session
