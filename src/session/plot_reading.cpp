// Reading the plot: the vertical zoom, the meter, the choice of traces and the envelope.
// These handlers only change the scale, the step mode, the pointer, the back colour and the
// status line; the traces themselves are drawn by the tick, or by RedrawPlot while halted.

#include "display/plot_colours.h"
#include "session/session.h"

namespace session {

// While the timer runs the next tick draws at the new scale; halted, the step on screen is
// drawn again at once. The refused click at a limit goes through here as well, unchanged.
void Session::ShowZoom() {
    if (!timerRunning_) RedrawPlot();
    UpdateDisplay("TickMarks", 0, 0);
}

void Session::RedrawPlot() {
    view_.PlotCleared();
    display::MapLastStep(model_, Scale(), VoltagePoints, CurrentPoints);
    view_.TracesDrawn(store_.Get("chkVoltage", Flag::Checked),
                      store_.Get("chkCurrent", Flag::Checked), VoltagePoints, CurrentPoints);
}

// A reading halts a free run after the tick that is due, as Step does, so the plot can be read
// at rest. Before the first run there is no scale to read against: the status line keeps its
// text, but the pointer and the step mode change as for any reading (Simulate clears the step
// mode again).
void Session::Picture1_MouseDown(MouseButton button, int x, int y) {
    if (!store_.Get("chkMeter", Flag::Checked) || button != MouseButton::Left) return;
    view_.PointerChanged(Pointer::Cross);
    model_.StepMode = true;
    UpdateDisplay("Meter", static_cast<float>(x), static_cast<float>(y));
}

// With the meter off, letting go of any button brings back the tick readout, for instance after
// the elapsed time of a Step; with the meter on the reading stays.
void Session::Picture1_MouseUp(MouseButton, int, int) {
    if (!store_.Get("chkMeter", Flag::Checked)) UpdateDisplay("TickMarks", 0, 0);
}

// Nothing is redrawn: the next tick, Step or zoom draws the traces now chosen.
void Session::chkTrace_Click() { view_.PlotCleared(); }

// A new back colour starts from an empty plot; the envelope then grows on green.
void Session::chkEnvelope_Click() {
    view_.PlotBackColourChanged(store_.Get("chkEnvelope", Flag::Checked)
                                    ? display::kEnvelopeBackColour
                                    : display::kPlotBackColour);
}

}  // namespace session
