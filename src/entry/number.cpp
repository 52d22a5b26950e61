#include "entry/number.h"

#include <algorithm>
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

// The power of ten of the leading digit of the number a text denotes: "1000e-10" gives -7,
// "0.00125" gives -3, "1" then 400 zeros then "e-10" gives 390. The text is one from_chars has
// read whole (digits, an optional point, an optional exponent). All zeros give 0.
long long LeadingPower(std::string_view text) {
    const size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long power = 0;
    if (const size_t first = mantissa.find_first_of("123456789"); first < point) {
        power = static_cast<long long>(point - first) - 1;
    } else if (first != std::string_view::npos) {
        power = -static_cast<long long>(first - point);
    }
    if (e == std::string_view::npos) return power;
    std::string_view exponent = text.substr(e + 1);
    const bool down = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
        exponent.remove_prefix(1);
    // An exponent beyond any text's digits decides alone; clamp it so the sum cannot overflow.
    constexpr long long kFar = 1'000'000'000'000'000;
    long long magnitude = kFar;
    const auto [end, error] =
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), magnitude);
    if (error != std::errc() || magnitude > kFar) magnitude = kFar;
    return power + (down ? -magnitude : magnitude);
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
        // Too small to hold is as good as zero (1e-400); too large would read as infinite. Which
        // of the two is decided by the size the text denotes, not by the exponent's sign alone.
        if (LeadingPower(text) >= 0) return std::nullopt;
        value = 0;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace entry
