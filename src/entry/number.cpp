#include "entry/number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace entry {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// from_chars understands "inf", "nan" and (with other formats) hexadecimal; a teaching
// program only wants digits, a point, an exponent and a sign.
bool HasOnlyNumberCharacters(std::string_view text) {
    for (char c : text) {
        bool ok =
            (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // A second sign ("+-5", "--5") is not a number.
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    if (!HasOnlyNumberCharacters(text)) return std::nullopt;

    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is as good as zero (1e-400); too large would read as infinite.
        auto exponent = text.find_first_of("eE");
        bool tiny = exponent != std::string_view::npos && exponent + 1 < text.size() &&
                    text[exponent + 1] == '-';
        if (!tiny) return std::nullopt;
        value = 0;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace entry
