#pragma once
// What every fuzz target asserts: a broken property aborts, so libFuzzer keeps the input.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// Nothing a user reads may say "nan" or "inf", in any letter case.
inline bool ReadsNonFinite(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

}  // namespace fuzz
