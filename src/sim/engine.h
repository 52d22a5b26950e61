#pragma once
// The engine: run start, the tick of the line, the source and the load end.
//
// Every value the entries accept keeps the engine finite:
//  - 100 % attenuation is total loss: e = 0, a wave dies one point after it leaves the source.
//    99.9999 % is an ordinary, very lossy line.
//  - A load reactance of -1e-300 ohm (or smaller, where the derived capacitance overflows)
//    is a short across R2: the capacitance is held at 1e200 pF, which keeps its charge for the
//    whole run. +1e-300 ohm is an inductance of almost nothing: R2 alone.
//  - R = 0 is a short and R = 1e10 ohm practically open, at either end; an ideal source into
//    a short (or an inductor) ramps its current as the circuit does, without limit but finite.
//  - The largest L and C, the shortest line and the lowest frequency only rescale time.

#include <cstdint>
#include <functional>
#include <string>

#include "sim/model.h"

namespace sim {

// Derives every normalised quantity from the parameters at the start of a run and resets the
// counters (SourceTicks, ElapsedTicks, StepMode). `cascaded` is the line type; a cascade copies
// Zo1 into Zo so that everything is relative to the reference impedance. The window adds its own
// steps (status line, plot scale, timer interval) around this.
void PrepareRun(Model& m, bool cascaded);

// The attenuation constant (nepers per transit time) of an attenuation in % per line length.
// 100 % is total loss: the constant is +inf and StepFactor gives exactly 0, so a wave dies after
// one step and nothing becomes nan. The run start and the attenuation entry both use it.
double AttenuationConstantOf(double attenuationPercent, double stepTime);

// e, the amplitude factor of one step: exp(-AttenuationConstant × StepTime), 0 for total loss.
double StepFactor(const Model& m);

// Puts the line at rest: every present voltage and current 0.
void ResetLine(Model& m);

// Sets SourceVoltage for this tick from the source keyword and the source clock.
void SourceValue(Model& m, const std::string& source);

// Sets the load coefficients D, A, B, P, Q for the present LoadType. "Resistor" sets c = 0,
// "Inductor" r2 = 0 (until the next run start); "Impedance" derives LoadCapacitance (negative
// reactance, held at most 1e200 pF: a short at every frequency) or LoadInductance (positive).
void LoadBoundary(Model& m);

// Called after every point of a tick; the window processes pending events there.
// It may change parameters; the tick stays well defined: the loop keeps its own counter, e is
// fixed for the tick, every other quantity is read afresh at the next point. A hook that
// restarts the run (PrepareRun, ResetLine) lets this tick finish on the reset level 0, and
// level 1 then holds a mixture of the old run and the new one. Whether that is shifted in is
// the caller's choice: the window drops such a tick (no ShiftLine, no CountTick), so the new
// run's first tick starts from the line at rest.
using PointHook = std::function<void()>;

// Source value, then the 201 points from the source end to the load end into level 1.
void AdvanceLine(Model& m, const PointHook& afterEachPoint = {});

// Copies level 1 into level 0 point by point, handing each new value to `visit(i, v, i_)`
// first, so the window builds its trace points in the same pass.
template <class Visit>
void ShiftLine(Model& m, Visit&& visit) {
    for (int i = 0; i <= kLastPoint; ++i) {
        m.PointIndex = i;
        visit(i, m.LineVoltage[1][i], m.LineCurrent[1][i]);
        m.LineVoltage[0][i] = m.LineVoltage[1][i];
        m.LineCurrent[0][i] = m.LineCurrent[1][i];
    }
}

// The end of a tick: ElapsedTicks + 1, then SourceTicks + 1.
void CountTick(Model& m);

// A whole tick without drawing: AdvanceLine, ShiftLine, CountTick.
void Tick(Model& m, const PointHook& afterEachPoint = {});

// AdvanceLine without a hook, from level `present` into the other level; returns that level.
int AdvanceFrom(Model& m, int present);

// `ticks` whole ticks without a hook or drawing, for a long run: the two levels take turns as
// the present line instead of level 1 being copied into level 0 at every tick (the copy costs
// a fifth of a tick). `afterTick(V, I)` sees the present voltages and currents after each tick
// has been counted. At the end both levels hold the present line, as after as many Ticks.
template <class AfterTick>
void RunTicks(Model& m, std::int64_t ticks, AfterTick&& afterTick) {
    int present = 0;
    for (std::int64_t t = 0; t < ticks; ++t) {
        present = AdvanceFrom(m, present);
        CountTick(m);
        afterTick(m.LineVoltage[present], m.LineCurrent[present]);
    }
    m.LineVoltage[1 - present] = m.LineVoltage[present];
    m.LineCurrent[1 - present] = m.LineCurrent[present];
}

}  // namespace sim
