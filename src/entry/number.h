#pragma once
// Reading what the user typed as a number.

#include <optional>
#include <string_view>

namespace entry {

// A plain decimal or scientific number with an optional sign and surrounding blanks
// ("  -1.5e3 "), read without regard to the locale. Anything else, and anything that would
// read as infinite or not-a-number, is not a number.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace entry
