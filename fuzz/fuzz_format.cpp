// FormatValue and the general conversion on every double, including nan, the infinities and
// the subnormals: short texts that never read nan or inf.

#include <cstdint>
#include <cstring>

#include "entry/format_value.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    const std::string general = entry::GeneralText(x);
    fuzz::Require(!general.empty() && general.size() <= 24, "the general conversion is short");
    fuzz::Require(!fuzz::ReadsNonFinite(general), "the general conversion reads no nan or inf");
    const std::string label = entry::FormatValue(sim::Value(x));
    fuzz::Require(!label.empty() && label.size() <= 24, "a label is short");
    fuzz::Require(!fuzz::ReadsNonFinite(label), "a label reads no nan or inf");
    return 0;
}
