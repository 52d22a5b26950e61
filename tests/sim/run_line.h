#pragma once
// Small helpers shared by the engine tests: a run from rest, and checks over the whole line.

#include <cmath>

#include "sim/engine.h"

namespace simtest {

// Starts a run from rest, as the Simulate button does.
inline void StartRun(sim::Model& m, bool cascaded = false) {
    sim::PrepareRun(m, cascaded);
    sim::ResetLine(m);
}

inline void RunTicks(sim::Model& m, long ticks) {
    for (long t = 0; t < ticks; ++t) sim::Tick(m);
}

// The largest magnitude of any voltage or current on the line, or inf if any is not finite.
inline double LargestMagnitude(const sim::Model& m) {
    double largest = 0;
    for (int level = 0; level < 2; ++level) {
        for (int i = 0; i <= sim::kLastPoint; ++i) {
            for (double x : {m.LineVoltage[level][i], m.LineCurrent[level][i]}) {
                if (!std::isfinite(x)) return INFINITY;
                largest = std::fmax(largest, std::fabs(x));
            }
        }
    }
    return largest;
}

}  // namespace simtest
