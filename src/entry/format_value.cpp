#include "entry/format_value.h"

#include <cmath>
#include <cstdlib>

#include "entry/c_locale.h"

namespace entry {

namespace {

// Never show "inf" or "nan" to a user; a sum that overflowed is shown as infinite.
std::string NonFiniteText(double x) {
    if (std::isnan(x)) return "0";
    return x < 0 ? "-∞" : "∞";
}

// "###.##": two decimals at most, trailing zeros dropped but the point kept, and no digit
// before the point of a fraction.
std::string FixedPattern(double x) {
    std::string text = PrintNumber("%.2f", x);
    while (text.back() == '0') text.pop_back();
    bool negative = text.front() == '-';
    std::string digits = negative ? text.substr(1) : text;
    if (digits.rfind("0.", 0) == 0) digits.erase(0, 1);
    return negative ? "-" + digits : digits;
}

// "#.0##E-##": one digit before the point, one to three decimals, the exponent without a
// plus sign or leading zeros.
std::string ScientificPattern(double x) {
    const std::string text = PrintNumber("%.3E", x);
    auto e = text.find('E');
    std::string mantissa = text.substr(0, e);
    int exponent = std::atoi(text.c_str() + e + 1);
    while (mantissa.back() == '0' && mantissa[mantissa.size() - 2] != '.') mantissa.pop_back();
    return mantissa + "E" + std::to_string(exponent);
}

}  // namespace

std::string GeneralText(double x) {
    if (!std::isfinite(x)) return NonFiniteText(x);
    if (x == 0) return "0";  // also for -0
    return PrintNumber("%.15G", x);
}

std::string FormatValue(const sim::Value& value) {
    const double x = value.number;
    if (!std::isfinite(x)) return NonFiniteText(x);
    if (x == 0) return "0";
    const float magnitude = static_cast<float>(std::fabs(x));
    const float smallest = 0.01f;
    const float largest = 1000.0f;
    if (magnitude < smallest || magnitude > largest) return ScientificPattern(x);
    const float single = static_cast<float>(x);
    if (single == std::nearbyint(single)) {
        return value.isTyped() ? value.typed : GeneralText(x);
    }
    return FixedPattern(x);
}

}  // namespace entry
