#include "analysis/standing_wave.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace analysis {

namespace {
// |Γ| this close to 1 is 1.
constexpr double kWholeReflection = 1 - 1e-12;
// Points per wavelength of the search for turns of the envelope, and bisection halvings.
constexpr int kSearchSteps = 64;
constexpr int kHalvings = 200;
}  // namespace

bool WhollyReflected(Complex gamma) { return std::abs(gamma) >= kWholeReflection; }

std::optional<double> Vswr(const LineSolution& s, std::size_t k) {
    if (WhollyReflected(s.farGamma[k])) return std::nullopt;
    const double g = std::abs(s.farGamma[k]);
    return (1 + g) / (1 - g);
}

Extremes EnvelopeExtremes(const Circuit& c, const LineSolution& s) {
    Extremes found;
    if (c.lossFactor == 0 || s.beta == 0 || !s.settles) return found;
    const double wavelength = 2 * std::numbers::pi / s.beta;
    const double step = wavelength / kSearchSteps, tolerance = 1e-9 * wavelength;
    for (std::size_t k = 0; k < c.segments.size(); ++k) {
        if (s.farGamma[k] == 0.0) continue;  // a single travelling wave: no turns
        const Segment& line = c.segments[k];
        // The waves continued a little beyond the line's ends, so that a turn exactly at an
        // end is found as a change of sign inside the searched stretch.
        const double from = line.start - wavelength / 8,
                     to = line.start + line.length + wavelength / 8;
        const auto slope = [&](double x) { return SlopeOfSquare(c, s, k, x); };
        double x0 = from, s0 = slope(x0);
        const int steps = static_cast<int>(std::ceil((to - from) / step));
        for (int i = 1; i <= steps; ++i) {
            const double x1 = std::min(to, from + i * step), s1 = slope(x1);
            if ((s0 > 0 && s1 <= 0) || (s0 < 0 && s1 >= 0)) {
                double lo = x0, hi = x1;
                for (int h = 0; h < kHalvings && lo < hi; ++h) {
                    const double mid = lo + (hi - lo) / 2;
                    if (mid == lo || mid == hi) break;
                    ((slope(mid) > 0) == (s0 > 0) ? lo : hi) = mid;
                }
                const double x = lo + (hi - lo) / 2;
                if (x >= line.start - tolerance && x <= line.start + line.length + tolerance) {
                    const double at = std::clamp(x, line.start, line.start + line.length);
                    auto& list = s0 > 0 ? found.maxima : found.minima;
                    const bool twice = std::any_of(list.begin(), list.end(), [&](const Extreme& e) {
                        return std::fabs(e.position - at) <= tolerance;
                    });
                    if (!twice) list.push_back({at, MagnitudeOn(c, s, k, at)});
                }
            }
            x0 = x1, s0 = s1;
        }
    }
    const auto byPosition = [](const Extreme& a, const Extreme& b) {
        return a.position < b.position;
    };
    std::sort(found.maxima.begin(), found.maxima.end(), byPosition);
    std::sort(found.minima.begin(), found.minima.end(), byPosition);
    return found;
}

}  // namespace analysis
