// The session's shared procedures that are not part of one handler: the status line and Exit.

#include "session/session.h"

#include "display/status_text.h"

namespace session {

display::PlotScale Session::Scale() const {
    return display::PlotScaleOf(model_, PlotHalfWidth, PlotHalfHeight, ZoomFactor);
}

// The status line is written only by the handlers that ask for a readout, never by the ticks.
// Before the first run the tick readout uses the present peak voltage, and a meter reading
// (which has no scale to read against yet) leaves the line as it is.
void Session::UpdateDisplay(std::string_view mode, float x, float y) {
    const display::StatusInputs in =
        display::StatusInputsOf(model_, Scale(), store_.Get("chkVoltage", Flag::Checked),
                                store_.Get("chkCurrent", Flag::Checked));
    if (const auto text = display::UpdateDisplayText(mode, in, x, y)) {
        captions_.insert_or_assign("lblDisplay", *text);
        view_.StatusTextChanged(*text);
    }
}

void Session::ShowPointer(Pointer shape) {
    pointer_ = shape;
    view_.PointerChanged(shape);
}

// A question waiting for its answer is withdrawn with the entry that asked it; one being shown by
// a modal dialog right now goes when the session does, as that entry is still on the stack.
void Session::ExitProgram() {
    if (ending_) return;
    ending_ = true;
    if (!questions_.Asking()) asking_.reset();
    StopTimer();
    view_.ProgramEnded();
}

}  // namespace session
