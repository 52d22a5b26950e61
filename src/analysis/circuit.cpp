#include "analysis/circuit.h"

#include <algorithm>
#include <cmath>

namespace analysis {

Circuit CircuitOf(const sim::Model& m, bool cascaded) {
    Circuit c;
    c.model = &m;
    c.cascaded = cascaded;
    c.r1 = m.SourceResistance;
    c.peak = m.PeakVoltage;
    c.length = m.LineLength;
    c.vp = 300 * m.PhaseVelocity / 100;
    c.delayNs = 1000 * c.length / c.vp;
    // The engine loses (1 - Attenuation/100) of a wave's amplitude over the whole line; 100 %
    // (the entry's maximum) is total loss.
    c.lossFactor = std::clamp(1 - m.Attenuation / 100, 0.0, 1.0);
    c.frequencyMHz = m.Frequency;
    if (cascaded) {
        c.segments = {{m.Zo1, 0, c.length / 2}, {m.Zo2, c.length / 2, c.length / 2}};
    } else {
        c.segments = {{m.Zo, 0, c.length}};
    }
    return c;
}

Complex Travel(const Circuit& c, double beta, double metres) {
    const double kept = std::pow(c.lossFactor, metres / c.length);
    return std::polar(kept, -beta * metres);
}

double Reflection(double from, double to) { return (to - from) / (to + from); }

double Transmission(double from, double to) { return 2 * to / (to + from); }

}  // namespace analysis
