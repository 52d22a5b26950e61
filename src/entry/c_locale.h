#pragma once
// Numbers as text with the point as the decimal separator, whatever locale the user's
// environment sets: the window sets the C library's locale from it at start-up, and a German one
// would otherwise turn ".5" into ",5" in every label and refuse "2.5" when typed.

#include <string>

namespace entry {

// snprintf of one number with a printf format ("%.2f", "%.3E"...).
std::string PrintNumber(const char* format, double x);

// strtod: the number at the start of `text`; *end is where reading stopped.
double ReadNumber(const char* text, char** end);

}  // namespace entry
