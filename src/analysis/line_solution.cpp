#include "analysis/line_solution.h"

#include <cmath>

namespace analysis {

namespace {

// The forward and the backward wave on line k at `x`, as Travel gives a factor of a distance:
// beyond the line's start the forward wave is continued backwards in distance.
struct Waves {
    Complex forward, backward;
};

Waves WavesOn(const Circuit& c, const LineSolution& s, std::size_t k, double x) {
    const Segment& line = c.segments[k];
    const double u = x - line.start;
    const Complex back = s.farGamma[k] * Travel(c, s.beta, line.length);
    const Complex there = u >= 0 ? Travel(c, s.beta, u) : 1.0 / Travel(c, s.beta, -u);
    const double rest = line.length - u;
    const Complex toEnd = rest >= 0 ? Travel(c, s.beta, rest) : 1.0 / Travel(c, s.beta, -rest);
    return {s.forward[k] * there, s.forward[k] * back * toEnd};
}

std::size_t LineAt(const Circuit& c, double x) {
    std::size_t k = 0;
    while (k + 1 < c.segments.size() && x >= c.segments[k + 1].start) ++k;
    return k;
}

}  // namespace

LineSolution SolveLine(const Circuit& c, Complex loadGamma, double beta) {
    const std::size_t n = c.segments.size();
    LineSolution s;
    s.beta = beta;
    s.farGamma.assign(n, loadGamma);
    s.forward.assign(n, 0);
    // From the load toward the source: each line turns the Γ at its far end into the Γ at its
    // near end, and a junction turns that into the Γ at the far end of the line before it.
    std::vector<Complex> nearGamma(n);
    for (std::size_t k = n; k-- > 0;) {
        const Complex t = Travel(c, beta, c.segments[k].length);
        nearGamma[k] = s.farGamma[k] * t * t;
        if (k == 0) break;
        const double rho = Reflection(c.segments[k - 1].z0, c.segments[k].z0);
        s.farGamma[k - 1] = (rho + nearGamma[k]) / (1.0 + rho * nearGamma[k]);
    }
    s.inputGamma = nearGamma[0];
    // The source: Vs = V(0) + R1 I(0) with V(0) = V+ (1 + Γin) and Z0 I(0) = V+ (1 - Γin).
    const double r1 = c.r1 / c.segments[0].z0;
    const Complex divisor = (1.0 + s.inputGamma) + r1 * (1.0 - s.inputGamma);
    s.settles = divisor != 0.0;
    if (!s.settles) return s;
    s.forward[0] = c.peak / divisor;
    // Through each junction: the part of the arriving wave that passes, plus the part of the
    // returning wave that the junction sends back toward the load.
    for (std::size_t k = 1; k < n; ++k) {
        const double z1 = c.segments[k - 1].z0, z2 = c.segments[k].z0;
        const Complex arriving = s.forward[k - 1] * Travel(c, beta, c.segments[k - 1].length);
        s.forward[k] = Transmission(z1, z2) * arriving / (1.0 - Reflection(z2, z1) * nearGamma[k]);
    }
    return s;
}

Complex VoltageAt(const Circuit& c, const LineSolution& s, double x) {
    const Waves w = WavesOn(c, s, LineAt(c, x), x);
    return w.forward + w.backward;
}

Complex CurrentAt(const Circuit& c, const LineSolution& s, double x) {
    const std::size_t k = LineAt(c, x);
    const Waves w = WavesOn(c, s, k, x);
    return (w.forward - w.backward) / c.segments[k].z0;
}

std::optional<Complex> InputImpedance(const Circuit& c, const LineSolution& s) {
    if (s.inputGamma == 1.0) return std::nullopt;
    return c.segments[0].z0 * (1.0 + s.inputGamma) / (1.0 - s.inputGamma);
}

double SlopeOfSquare(const Circuit& c, const LineSolution& s, std::size_t k, double x) {
    // The forward wave falls as exp(-γx), the backward one rises: dV/dx = γ (backward - forward).
    const double alpha = -std::log(c.lossFactor) / c.length;
    const Complex gamma(alpha, s.beta);
    const Waves w = WavesOn(c, s, k, x);
    const Complex v = w.forward + w.backward, dv = gamma * (w.backward - w.forward);
    return 2 * (std::conj(v) * dv).real();
}

double MagnitudeOn(const Circuit& c, const LineSolution& s, std::size_t k, double x) {
    const Waves w = WavesOn(c, s, k, x);
    return std::abs(w.forward + w.backward);
}

}  // namespace analysis
