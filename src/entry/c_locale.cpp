#include "entry/c_locale.h"

#include <locale.h>

#include <cstdio>
#include <cstdlib>

namespace entry {

namespace {

// Switches this thread to the C locale for as long as it lives; other threads and the window's
// own locale are left as they are.
class CLocaleScope {
  public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
        return c;
    }
    locale_t previous_;
};

}  // namespace

std::string PrintNumber(const char* format, double x) {
    const CLocaleScope c;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, x);
    return buffer;
}

double ReadNumber(const char* text, char** end) {
    const CLocaleScope c;
    return std::strtod(text, end);
}

}  // namespace entry
