#pragma once
// Numbers as the labels, prompts and the status line show them.

#include <string>

#include "sim/model.h"

namespace entry {

// The general conversion: up to 15 significant digits, no trailing zeros or trailing point,
// a leading zero before the point of a fraction (0.19999999999999998 reads 0.2, 50 reads 50).
// Very large or small magnitudes take an exponent form such as 1E+15 or 1E-05.
std::string GeneralText(double x);

// The short label form: 0; a whole number as it is (a typed value as typed, e.g. 050);
// other values between 0.01 and 1000 in magnitude as "###.##" (.5, 3.14, 2.); the rest as
// "#.0##E-##" (5.0E-3, 1.235E5).
std::string FormatValue(const sim::Value& value);

}  // namespace entry
