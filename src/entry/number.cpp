#include "entry/number.h"

#include <cctype>
#include <cmath>
#include <string>

#include "entry/c_locale.h"

namespace entry {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

size_t DigitsAt(std::string_view text, size_t at) {
    size_t n = 0;
    while (at + n < text.size() && std::isdigit(static_cast<unsigned char>(text[at + n]))) ++n;
    return n;
}

// Digits with at most one point and at least one digit, then optionally an exponent: "e" or
// "E", an optional sign and at least one digit. No sign in front (the caller takes it), no
// hexadecimal, no "inf" or "nan": the texts strtod would read beyond these are not numbers here.
bool IsDecimal(std::string_view text) {
    size_t at = DigitsAt(text, 0);
    size_t digits = at;
    if (at < text.size() && text[at] == '.') {
        const size_t fraction = DigitsAt(text, at + 1);
        digits += fraction;
        at += 1 + fraction;
    }
    if (digits == 0) return false;
    if (at == text.size()) return true;
    if (text[at] != 'e' && text[at] != 'E') return false;
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const size_t exponent = DigitsAt(text, at);
    return exponent > 0 && at + exponent == text.size();
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsDecimal(text)) return std::nullopt;

    // strtod rounds correctly in both C libraries we build with. Too small to hold reads as 0
    // (1e-400), as good as zero; too large reads as infinite and is refused.
    const std::string digits(text);
    char* end = nullptr;
    const double value = ReadNumber(digits.c_str(), &end);
    if (end != digits.c_str() + digits.size() || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace entry
