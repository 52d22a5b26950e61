// The number parser on any text: no crash, and an accepted text is a finite number whose
// labels are short and read no nan or inf.

#include <cmath>
#include <cstdint>
#include <string_view>

#include "entry/format_value.h"
#include "entry/number.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto number = entry::ParseNumber(text);
    if (!number) return 0;
    fuzz::Require(std::isfinite(*number), "an accepted text is finite");
    // As a computed value (not typed) its label takes one of the short forms, or for a value
    // whole in single precision the general conversion of up to 15 digits.
    const std::string label = entry::FormatValue(sim::Value(*number));
    fuzz::Require(!label.empty() && label.size() <= 24, "a label is short");
    fuzz::Require(!fuzz::ReadsNonFinite(label), "a label reads no nan or inf");
    const std::string general = entry::GeneralText(*number);
    fuzz::Require(general.size() <= 24, "the general conversion is short");
    fuzz::Require(entry::ParseNumber(general).has_value(), "the general conversion reads back");
    return 0;
}
