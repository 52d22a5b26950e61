#pragma once
// The range each typed parameter accepts, taken from the entry-command table.

#include <optional>
#include <string_view>

#include "sim/model.h"

namespace entry {

struct Limits {
    float min;
    float max;
    bool nonNegativeOnly;
};

// `parameter` is the sim::Model field name ("Zo", "Frequency", ...). The maxima of frequency
// and length follow the other two coupled values; here they are the largest float.
std::optional<Limits> LimitsOf(std::string_view parameter);

// How a number fares against the limits, checked in the entry's order: the sign first, so a
// negative number never reads "below the minimum", then the maximum, then the minimum. Both
// ends are inclusive.
enum class LimitCheck { Within, Negative, AboveMaximum, BelowMinimum };
LimitCheck CheckLimits(double x, const Limits& limits);

}  // namespace entry
