// The tick of Timer1: one time step of the line, drawn.

#include "session/session.h"
#include "sim/engine.h"

namespace session {

void Session::Timer1_Timer(const std::function<void()>& afterEachPoint) {
    // An interval that elapses while a tick delivers events is skipped, never nested.
    if (tickRunning_ || ending_) return;
    tickRunning_ = true;
    const std::uint64_t run = runStarts_;

    view_.TickDrawingBegun(store_.Get("chkEnvelope", Flag::Checked),
                           store_.Get("chkVoltage", Flag::Checked),
                           store_.Get("chkCurrent", Flag::Checked), VoltagePoints, CurrentPoints);
    // Without a hook the engine calls nothing per point. Exit in the middle of a tick: finish
    // the arithmetic without delivering more events.
    const auto deliver = [&] {
        if (!ending_) afterEachPoint();
    };
    sim::AdvanceLine(model_, afterEachPoint ? sim::PointHook(deliver) : sim::PointHook());
    // Simulate clicked during the tick has put the line at rest for a fresh run: the points
    // this tick computed belong to the old run, so they are dropped, and the next tick is the
    // new run's first.
    if (!ending_ && run == runStarts_) {
        // The scale is read after the points, so a zoom made during the tick applies to it.
        const display::PlotScale scale = Scale();
        sim::ShiftLine(model_, [&](int i, double volts, double current) {
            display::StoreTracePoint(scale, i, volts, current, VoltagePoints, CurrentPoints);
        });
        view_.TracesDrawn(store_.Get("chkVoltage", Flag::Checked),
                          store_.Get("chkCurrent", Flag::Checked), VoltagePoints, CurrentPoints);
        sim::CountTick(model_);
        // Read once, at the very end: a Step or Stop clicked during the tick makes it the last.
        if (model_.StepMode) StopTimer();
    }
    tickRunning_ = false;
}

}  // namespace session
