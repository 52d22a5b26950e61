#pragma once
// The numbers behind the picture, one quantity a row, each under a name that stays the same
// from release to release (corvane-trace --report prints them; the manual page lists them).
// A quantity that does not apply to the circuit is not there.

#include <string>
#include <string_view>
#include <vector>

#include "sim/model.h"

namespace analysis {

// How an infinite quantity is written (the ratio of a short, the return loss of a match):
// a word, never the "inf" of a number conversion.
inline constexpr std::string_view kInfiniteText = "infinite";

struct Quantity {
    std::string name;
    double value = 0;       // +infinity for an infinite quantity; never nan
    std::string_view unit;  // empty for a ratio
};

// From the parameters and the line type alone; the model is not changed and needs no run.
std::vector<Quantity> Report(const sim::Model& m, bool cascaded);

}  // namespace analysis
