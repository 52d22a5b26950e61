#pragma once
// The settled line: forward and backward waves on each line for a source of one frequency
// (0 for DC), given the load's reflection. On a line of impedance Z0 starting at `start`, at
// u metres into it, V = V+ (t(u) + Γ t(length) t(length - u)) and Z0·I = V+ (t(u) - Γ t(length)
// t(length - u)), t being the wave's factor over a distance and Γ the reflection looking toward
// the load at the line's far end. Written with t of forward distances only, total loss stays 0.

#include <optional>
#include <vector>

#include "analysis/circuit.h"

namespace analysis {

struct LineSolution {
    double beta = 0;                // rad/m, 0 for DC
    std::vector<Complex> farGamma;  // Γ at the far end of each line, looking toward the load
    std::vector<Complex> forward;   // V+ at the start of each line, V
    Complex inputGamma;             // Γ at the source end, looking into line 1
    // False when the line never settles: an ideal source (R1 = 0) into a short, with no loss in
    // between, drives an ever-growing current. The reflections hold all the same; the waves
    // (forward) are then 0 and mean nothing.
    bool settles = true;
};

LineSolution SolveLine(const Circuit& c, Complex loadGamma, double beta);

// Voltage and current (A) at `x` metres from the source end; at a junction, the line nearer
// the load.
Complex VoltageAt(const Circuit& c, const LineSolution& s, double x);
Complex CurrentAt(const Circuit& c, const LineSolution& s, double x);

// The impedance seen at the source end, looking into the line; nothing for an ideal open.
std::optional<Complex> InputImpedance(const Circuit& c, const LineSolution& s);

// d|V|²/dx on line `k` at `x`, which may lie beyond its ends (the same waves continued).
double SlopeOfSquare(const Circuit& c, const LineSolution& s, std::size_t k, double x);

// |V| on line `k` at `x`, continued beyond its ends in the same way.
double MagnitudeOn(const Circuit& c, const LineSolution& s, std::size_t k, double x);

}  // namespace analysis
