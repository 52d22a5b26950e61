// The load end: the five coefficients that close the line at point 200.
//
// Every row is the trapezoidal rule over one step for the load's circuit equation, joined with
// the invariant arriving on the line that ends at the load, V/z2 + I = K. Each row keeps
// D = P/z2 + Q, so the new load state always honours that invariant. The reactive rows carry
// their memory in the present load voltage and current through A and B.

#include <algorithm>
#include <cmath>

#include "sim/engine.h"

namespace sim {

namespace {

// A capacitance derived from a reactance near 0 (down to -1e-300 ohm, or a denormal that makes
// it infinite) is a short circuit at every frequency the program offers. Beyond 1e200 pF it
// would overflow D and A (r2 and z2 reach 1e10 each) and turn the load update into inf/inf, so
// it is held there: a capacitor that large keeps its charge for far longer than any run, which
// is exactly what an infinite one does.
constexpr double kLargestDerivedCapacitance = 1e200;  // pF

LoadCoefficients Resistor(const Model& m) {
    const double dt = m.dt, z2 = m.NormZ2, r2 = m.NormLoadResistance, c = m.NormLoadCapacitance;
    LoadCoefficients k;
    k.D = dt * (z2 + r2) + r2 * (c * (z2 * 2));
    k.A = 0;
    k.B = 0;
    k.P = dt * (z2 * r2);
    k.Q = z2 * (dt + c * (r2 * 2));
    return k;
}

LoadCoefficients Capacitor(const Model& m) {
    const double dt = m.dt, z2 = m.NormZ2, c = m.NormLoadCapacitance;
    LoadCoefficients k;
    k.D = dt + c * (z2 * 2);
    k.A = z2 * (c * 2);
    k.B = z2 * dt;
    k.P = k.B;
    k.Q = z2 * (c * 2);
    return k;
}

// R2 in parallel with C. A carries the factor z2 like every other row: without it the rule is
// the trapezoidal one only for a single line, and behind a cascade with Zo2 < Zo1 the load
// voltage grows without bound. For z2 = 1 the factor changes no bit.
LoadCoefficients ParallelRC(const Model& m) {
    const double dt = m.dt, z2 = m.NormZ2, r2 = m.NormLoadResistance, c = m.NormLoadCapacitance;
    LoadCoefficients k;
    k.D = dt * (z2 + r2) + r2 * (c * (z2 * 2));
    k.A = z2 * (r2 * (c * 2) - dt);
    k.B = dt * (z2 * r2);
    k.P = k.B;
    k.Q = z2 * (dt + c * (r2 * 2));
    return k;
}

// R2 in series with L; with r2 = 0 this is the plain inductor.
LoadCoefficients SeriesRL(const Model& m) {
    const double dt = m.dt, z2 = m.NormZ2, r2 = m.NormLoadResistance, l = m.NormLoadInductance;
    LoadCoefficients k;
    k.D = dt * (z2 + r2) + l * 2;
    k.A = z2 * (-dt);
    k.B = z2 * (dt * r2 - l * 2);
    k.P = z2 * (dt * r2 + l * 2);
    k.Q = -k.A;
    return k;
}

// R2 + jX2 at the source frequency: a negative reactance is a capacitance in parallel with R2,
// a positive one an inductance in series with it, 0 the resistor alone.
LoadCoefficients Impedance(Model& m) {
    const double x = m.LoadReactance;
    if (x < 0) {
        const double pF = 1000000 / (std::fabs(x) * (m.Frequency * kTwoPi));
        m.LoadCapacitance = std::min(pF, kLargestDerivedCapacitance);
        m.NormLoadCapacitance = 1e-6 * (((m.Zo * m.Vp) / m.LineLength) * m.LoadCapacitance);
        return ParallelRC(m);
    }
    if (x > 0) {
        // X2 <= 1e10 ohm and f >= 0.01 MHz keep this finite; a tiny X2 gives l near 0, the
        // resistor alone.
        m.LoadInductance = x / (m.Frequency * kTwoPi);
        m.NormLoadInductance = (m.Vp / (m.LineLength * m.Zo)) * m.LoadInductance;
        return SeriesRL(m);
    }
    m.NormLoadCapacitance = 0;
    return Resistor(m);
}
}  // namespace

void LoadBoundary(Model& m) {
    const std::string& type = m.LoadType;
    if (type == "Capacitor") {
        m.Load = Capacitor(m);
    } else if (type == "Resistor") {
        m.NormLoadCapacitance = 0;  // stays 0 until the next run start
        m.Load = Resistor(m);
    } else if (type == "Inductor") {
        m.NormLoadResistance = 0;  // stays 0 until the next run start
        m.Load = SeriesRL(m);
    } else if (type == "ParallelRC") {
        m.Load = ParallelRC(m);
        if (m.NormLoadCapacitance == 0) m.Load.A = m.Load.B = 0;
    } else if (type == "SeriesRL") {
        m.Load = SeriesRL(m);
        if (m.NormLoadInductance == 0) m.Load.A = m.Load.B = 0;
    } else if (type == "Impedance") {
        m.Load = Impedance(m);
    }
    // Any other keyword keeps the coefficients of the previous tick.
}

}  // namespace sim
