#pragma once
// The engine: run start, the tick of the line, the source and the load end.

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
// restarts the run (PrepareRun, ResetLine) lets this tick finish on the reset level 0; the
// points already computed before the restart still reach level 1 and are shifted in.
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

}  // namespace sim
