#pragma once
// The settled sine on the line: the standing-wave ratio of each line and where the voltage
// envelope has its maxima and minima.

#include <optional>
#include <vector>

#include "analysis/line_solution.h"

namespace analysis {

// |Γ| of 1 to rounding: a short, an open or a pure reactance, seen through any length of line
// without loss (the ratio would be above 2·10^12, and only from rounding).
bool WhollyReflected(Complex gamma);

// (1 + |Γ|) / (1 - |Γ|) at the far end of line k (its load end, where a lossy line's ratio is
// largest); nothing when |Γ| is 1 to rounding (a short, an open, a pure reactance): the ratio
// is infinite.
std::optional<double> Vswr(const LineSolution& s, std::size_t k);

struct Extreme {
    double position = 0;  // m from the source end
    double height = 0;    // V, the peak of the settled sine there
};

struct Extremes {
    std::vector<Extreme> maxima, minima;  // from the source end on
};

// The interior maxima and minima of the envelope |V| along the whole line (an end of the line
// counts when the envelope turns there, as at an open end); a line without a standing wave (a
// matched one, or total loss) has none.
Extremes EnvelopeExtremes(const Circuit& c, const LineSolution& s);

}  // namespace analysis
