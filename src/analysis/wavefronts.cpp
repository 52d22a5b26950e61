#include "analysis/wavefronts.h"

#include <cmath>

namespace analysis {

Fronts FirstFronts(const Circuit& c, double loadFirstGamma, int count, int halfTransits) {
    // Every front crosses half of the line in half a transit, so the diagram is a grid in
    // steps of half a transit: the waves leaving each end of each half at the same instant.
    // A single line is two halves with nothing between them.
    const double z1 = c.segments.front().z0, z2 = c.segments.back().z0;
    const double gammaSource = Reflection(z1, c.r1);
    const double g12 = Reflection(z1, z2), t12 = Transmission(z1, z2);
    const double g21 = Reflection(z2, z1), t21 = Transmission(z2, z1);
    const double half = std::sqrt(c.lossFactor), halfNs = c.delayNs / 2;
    Fronts fronts;
    // Leaving: toward the load on each half, and toward the source.
    double out1 = c.peak * z1 / (c.r1 + z1), back1 = 0, out2 = 0, back2 = 0;
    if (out1 != 0) fronts.source.push_back({0, out1});
    for (int k = 1; k <= halfTransits; ++k) {
        const double atSource = back1 * half, atLoad = out2 * half;
        const double intoJunction = out1 * half, backToJunction = back2 * half;
        out1 = gammaSource * atSource;
        back1 = g12 * intoJunction + t21 * backToJunction;
        out2 = t12 * intoJunction + g21 * backToJunction;
        back2 = loadFirstGamma * atLoad;
        const auto note = [&](std::vector<Front>& at, double arriving, double gamma) {
            if (arriving != 0 && static_cast<int>(at.size()) < count)
                at.push_back({k * halfNs, (1 + gamma) * arriving});
        };
        note(fronts.source, atSource, gammaSource);
        note(fronts.load, atLoad, loadFirstGamma);
    }
    return fronts;
}

}  // namespace analysis
