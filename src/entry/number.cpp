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

    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // The general format reads no hexadecimal; "inf" and "nan" it does read, and the finiteness
    // test below refuses them. Anything else that is no number stops the parse before the end.
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
