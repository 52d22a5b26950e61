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

// Puts the line at rest: every present voltage and current 0.
void ResetLine(Model& m);

// Sets SourceVoltage for this tick from the source keyword and the source clock.
void SourceValue(Model& m, const std::string& source);

// Sets the load coefficients D, A, B, P, Q for the present LoadType.
void LoadBoundary(Model& m);

// Called after every point of a tick; the window processes pending events there.
// It may change parameters; the tick stays well defined.
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
