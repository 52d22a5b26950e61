// The tick of Timer1: one time step of the line, drawn.

#include <QCheckBox>
#include <QCoreApplication>
#include <QTimer>

#include "app/form1.h"
#include "app/plot_area.h"
#include "paint/trace_drawing.h"
#include "sim/engine.h"

namespace app {

display::PlotScale Form1::Scale() const {
    return display::PlotScaleOf(model_, PlotHalfWidth, PlotHalfHeight, ZoomFactor);
}

void Form1::Timer1_Timer() {
    // An interval that elapses while a tick processes events is skipped, never nested.
    if (tickRunning_ || ending_) return;
    tickRunning_ = true;
    const std::uint64_t run = runStarts_;

    paint::BeginTickDrawing(Picture1->Picture(), store_.Get("chkEnvelope", Flag::Checked),
                            store_.Get("chkVoltage", Flag::Checked),
                            store_.Get("chkCurrent", Flag::Checked), VoltagePoints, CurrentPoints);
    sim::AdvanceLine(model_, [this] {
        // Exit in the middle of a tick: finish the arithmetic without serving more events.
        if (!ending_) QCoreApplication::processEvents();
    });
    // Simulate clicked during the tick has put the line at rest for a fresh run: the points
    // this tick computed belong to the old run, so they are dropped, and the next tick is the
    // new run's first.
    if (!ending_ && run == runStarts_) {
        // The scale is read after the points, so a zoom made during the tick applies to it.
        const display::PlotScale scale = Scale();
        sim::ShiftLine(model_, [&](int i, double volts, double current) {
            display::StoreTracePoint(scale, i, volts, current, VoltagePoints, CurrentPoints);
        });
        paint::DrawTraces(Picture1->Picture(), store_.Get("chkVoltage", Flag::Checked),
                          store_.Get("chkCurrent", Flag::Checked), VoltagePoints, CurrentPoints);
        sim::CountTick(model_);
        // Read once, at the very end: a Step or Stop clicked during the tick makes it the last.
        if (model_.StepMode) Timer1->stop();
    }
    tickRunning_ = false;
}

}  // namespace app
