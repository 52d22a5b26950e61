// Reading the plot: the vertical zoom, the meter, the choice of traces and the envelope.
// These handlers only change the scale, the step mode, the pointer, the back colour and the
// status line; the traces themselves are drawn by the tick, or by RedrawPlot while halted.

#include <QCheckBox>
#include <QPushButton>

#include "app/form1.h"
#include "app/plot_area.h"
#include "display/plot_colours.h"
#include "display/zoom.h"
#include "paint/trace_drawing.h"

namespace app {

void Form1::WirePlotReading() {
    cmdZoomIn = qobject_cast<QPushButton*>(Element(QStringLiteral("cmdZoomIn")));
    cmdZoomOut = qobject_cast<QPushButton*>(Element(QStringLiteral("cmdZoomOut")));
    chkMeter = qobject_cast<QCheckBox*>(Element(QStringLiteral("chkMeter")));
    connect(cmdZoomIn, &QPushButton::clicked, this, &Form1::cmdZoomIn_Click);
    connect(cmdZoomOut, &QPushButton::clicked, this, &Form1::cmdZoomOut_Click);
    connect(Picture1, &PlotArea::MousePressed, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &PlotArea::MouseReleased, this, &Form1::Picture1_MouseUp);
    // Every change of a box, by the mouse, Space or a screen reader's toggle, runs its handler
    // once; the program itself never sets these boxes after they are created.
    connect(chkVoltage, &QCheckBox::toggled, this, &Form1::chkTrace_Click);
    connect(chkCurrent, &QCheckBox::toggled, this, &Form1::chkTrace_Click);
    connect(chkEnvelope, &QCheckBox::toggled, this, &Form1::chkEnvelope_Click);
}

void Form1::cmdZoomIn_Click() {
    session_.ZoomFactor = display::ZoomIn(Dialogs(), session_.ZoomFactor);
    ShowZoom();
}

void Form1::cmdZoomOut_Click() {
    session_.ZoomFactor = display::ZoomOut(Dialogs(), session_.ZoomFactor);
    ShowZoom();
}

// While the timer runs the next tick draws at the new scale; halted, the step on screen is
// drawn again at once. The refused click at a limit goes through here as well, unchanged.
void Form1::ShowZoom() {
    if (!session_.TimerRunning()) RedrawPlot();
    session_.UpdateDisplay("TickMarks", 0, 0);
}

void Form1::RedrawPlot() {
    paint::RedrawPlot(Picture1->Picture(), session_.Model(), session_.Scale(),
                      session_.Store().Get("chkVoltage", Flag::Checked),
                      session_.Store().Get("chkCurrent", Flag::Checked), session_.VoltagePoints,
                      session_.CurrentPoints);
}

// A reading halts a free run after the tick that is due, as Step does, so the plot can be read
// at rest. Before the first run there is no scale to read against: the status line keeps its
// text, but the pointer and the step mode change as for any reading (Simulate clears the step
// mode again).
void Form1::Picture1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    if (!session_.Store().Get("chkMeter", Flag::Checked) || button != Qt::LeftButton) return;
    PointerChanged(session::Pointer::Cross);
    session_.Model().StepMode = true;
    session_.UpdateDisplay("Meter", float(x), float(y));
}

// With the meter off, letting go of any button brings back the tick readout, for instance after
// the elapsed time of a Step; with the meter on the reading stays.
void Form1::Picture1_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    if (!session_.Store().Get("chkMeter", Flag::Checked)) session_.UpdateDisplay("TickMarks", 0, 0);
}

// Nothing is redrawn: the next tick, Step or zoom draws the traces now chosen.
void Form1::chkTrace_Click() { Picture1->Clear(); }

// A new back colour starts from an empty plot; the envelope then grows on green.
void Form1::chkEnvelope_Click() {
    Picture1->SetBackColor(QColor(session_.Store().Get("chkEnvelope", Flag::Checked)
                                      ? display::kEnvelopeBackColour
                                      : display::kPlotBackColour));
}

}  // namespace app
