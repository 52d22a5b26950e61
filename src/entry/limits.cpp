#include "entry/limits.h"

#include "entry/entry_commands.h"

namespace entry {

std::optional<Limits> LimitsOf(std::string_view parameter) {
    const EntryCommand* row = EntryCommandOf(parameter);
    if (!row) return std::nullopt;
    return Limits{row->min, row->max, row->nonNegativeOnly};
}

LimitCheck CheckLimits(double x, const Limits& limits) {
    if (limits.nonNegativeOnly && x < 0) return LimitCheck::Negative;
    if (x > static_cast<double>(limits.max)) return LimitCheck::AboveMaximum;
    if (x < static_cast<double>(limits.min)) return LimitCheck::BelowMinimum;
    return LimitCheck::Within;
}

}  // namespace entry
