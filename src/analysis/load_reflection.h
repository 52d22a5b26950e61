#pragma once
// The load end: the coefficient a step meets there at first and the one it ends with, and the
// load's reflection of a sine at the source frequency, each relative to the line that ends at
// the load. The loads are those the engine models: "Impedance" with a negative reactance is a
// capacitance in parallel with R2, with a positive one an inductance in series with it.

#include "analysis/circuit.h"

namespace analysis {

struct StepReflection {
    double first = 0;  // the instant a front arrives: a capacitor is a short, an inductor open
    double final = 0;  // once it has settled (DC): a capacitor open, an inductor a short
};

StepReflection LoadStepReflection(const Circuit& c);

// Γ of the load at the source frequency. A short is exactly -1.
Complex LoadReflectionAt(const Circuit& c);

}  // namespace analysis
