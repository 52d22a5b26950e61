#include "entry/limits.h"

#include "entry/coupling.h"
#include "entry/entry_commands.h"

namespace entry {

std::optional<Limits> LimitsOf(std::string_view parameter) {
    const EntryCommand* row = EntryCommandOf(parameter);
    if (!row) return std::nullopt;
    return Limits{row->min, row->max, row->nonNegativeOnly};
}

std::optional<Limits> LimitsOf(std::string_view parameter, const sim::Model& model) {
    const EntryCommand* row = EntryCommandOf(parameter);
    if (!row) return std::nullopt;
    const EntryRequest request = RequestFor(*row, model);
    return Limits{request.min, request.max, request.nonNegativeOnly};
}

bool WithinLimits(double x, const Limits& limits) {
    if (limits.nonNegativeOnly && x < 0) return false;
    return x <= static_cast<double>(limits.max) && x >= static_cast<double>(limits.min);
}

}  // namespace entry
