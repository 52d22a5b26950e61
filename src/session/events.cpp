// The user's events, delivered by element name. A toolkit refuses an event on an element that
// is greyed or hidden, or that lies in a greyed or hidden frame or menu, and a check box reports
// only a change; the same rules are applied here, so every view gets them without its toolkit.

#include <algorithm>
#include <span>

#include "entry/entry_commands.h"
#include "entry/presets.h"
#include "session/control_state.h"
#include "session/session.h"

namespace session {
namespace {

template <typename Handler>
struct HandlerRow {
    std::string_view element;
    Handler handler;
};

using Clicked = void (Session::*)();
using Changed = void (Session::*)(int);

// The elements whose handlers live in the session; the others' events only change their flags.
constexpr HandlerRow<Clicked> kClickHandlers[] = {
    {"cmdSimulate", &Session::cmdSimulate_Click}, {"cmdStop", &Session::cmdStop_Click},
    {"cmdStep", &Session::cmdStep_Click},         {"cmdContinue", &Session::cmdContinue_Click},
    {"cmdZoomIn", &Session::cmdZoomIn_Click},     {"cmdZoomOut", &Session::cmdZoomOut_Click},
    {"cmdCancel", &Session::ExitProgram},         {"mnuExit", &Session::ExitProgram},
    {"mnuHelpText", &Session::mnuHelpText_Click}, {"mnuAboutCorvane", &Session::mnuAboutCorvane_Click},
};
constexpr HandlerRow<Clicked> kToggleHandlers[] = {
    {"chkVoltage", &Session::chkTrace_Click},
    {"chkCurrent", &Session::chkTrace_Click},
    {"chkEnvelope", &Session::chkEnvelope_Click},
};
constexpr HandlerRow<Changed> kChangeHandlers[] = {
    {"sldSpeedControl", &Session::sldSpeedControl_Change},
};

template <typename Handler>
Handler HandlerOf(std::span<const HandlerRow<Handler>> rows, std::string_view name) {
    // std::find_if, not the ranges form: emscripten's C++ library has no std::ranges::find.
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const HandlerRow<Handler>& r) { return r.element == name; });
    return row == rows.end() ? nullptr : row->handler;
}

}  // namespace

// The entry buttons and the preset and mode items are found in the entry's own tables.
void Session::Click(std::string_view name) {
    if (!Accepts(name)) return;
    if (const Clicked handler = HandlerOf<Clicked>(kClickHandlers, name))
        (this->*handler)();
    else if (entry::FindPreset(name))
        PresetItem_Click(name);
    else if (entry::FindEntryCommand(name))
        EntryButton_Click(name);
    else
        ModeItem_Click(name);
}

// The new state is in the store before the handler runs, so the handler reads it. An option
// button's handler runs for the one that became selected, not for the one that lost it.
void Session::Toggle(std::string_view name, bool checked) {
    if (!Accepts(name) || store_.Get(name, Flag::Checked) == checked) return;
    store_.Set(name, Flag::Checked, checked);
    if (const Clicked handler = HandlerOf<Clicked>(kToggleHandlers, name)) (this->*handler)();
    if (!checked) return;
    if (HeldIndex(store_) >= 0 && name == HeldOption(HeldIndex(store_))) optParameter_Click();
    LoadOption_Click(name);  // nothing for a name that is no load option
}

void Session::Change(std::string_view name, int value) {
    if (!Accepts(name)) return;
    if (const Changed handler = HandlerOf<Changed>(kChangeHandlers, name)) (this->*handler)(value);
}

void Session::PlotPress(MouseButton button, int x, int y) {
    if (Accepts("Picture1")) Picture1_MouseDown(button, x, y);
}

void Session::PlotRelease(MouseButton button, int x, int y) {
    if (Accepts("Picture1")) Picture1_MouseUp(button, x, y);
}

bool Session::Accepts(std::string_view name) const {
    return store_.Usable(name) && !questions_.Pending() && !ending_;
}

}  // namespace session
