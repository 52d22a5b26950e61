#pragma once
// The lattice (bounce) diagram of a DC step: when fronts reach the two ends of the line and by
// how much each changes the voltage there, losses included. A reactive load answers a front
// with its first coefficient, so the steps are those of the jump; what follows a jump there
// is the load's charging, which a step does not describe.

#include <vector>

#include "analysis/circuit.h"

namespace analysis {

struct Front {
    double timeNs = 0;  // after the source is switched on
    double step = 0;    // V, the change of the voltage at that end
};

struct Fronts {
    std::vector<Front> source, load;  // the first few at each end, in time order
};

// At most `count` fronts at each end, among those within `halfTransits` half transits.
Fronts FirstFronts(const Circuit& c, double loadFirstGamma, int count = 4, int halfTransits = 64);

}  // namespace analysis
