// The user's events, delivered by element name. A toolkit refuses an event on an element that
// is greyed or hidden, or that lies in a greyed or hidden frame or menu, and a check box reports
// only a change; the same rules are applied here, so every view gets them without its toolkit.

#include <algorithm>
#include <span>

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

void Session::Click(std::string_view name) {
    if (!store_.Usable(name)) return;
    if (const Clicked handler = HandlerOf<Clicked>(kClickHandlers, name)) (this->*handler)();
}

// The new state is in the store before the handler runs, so the handler reads it.
void Session::Toggle(std::string_view name, bool checked) {
    if (!store_.Usable(name) || store_.Get(name, Flag::Checked) == checked) return;
    store_.Set(name, Flag::Checked, checked);
    if (const Clicked handler = HandlerOf<Clicked>(kToggleHandlers, name)) (this->*handler)();
}

void Session::Change(std::string_view name, int value) {
    if (!store_.Usable(name)) return;
    if (const Changed handler = HandlerOf<Changed>(kChangeHandlers, name)) (this->*handler)(value);
}

void Session::PlotPress(MouseButton button, int x, int y) {
    if (store_.Usable("Picture1")) Picture1_MouseDown(button, x, y);
}

void Session::PlotRelease(MouseButton button, int x, int y) {
    if (store_.Usable("Picture1")) Picture1_MouseUp(button, x, y);
}

}  // namespace session
