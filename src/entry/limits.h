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
// and length follow the other two coupled values; without a model they are the largest float,
// with a model they are computed from it as the entry computes them.
std::optional<Limits> LimitsOf(std::string_view parameter);
std::optional<Limits> LimitsOf(std::string_view parameter, const sim::Model& model);

// True when `x` passes the limits as the entry checks them (both ends inclusive).
bool WithinLimits(double x, const Limits& limits);

}  // namespace entry
