#pragma once
// A circuit named in words: the long option names of corvane-trace (--zo, --source ...) and
// their keyword values, which a shared link of the page uses as well. A value is checked as a
// typed entry is: the same number rules and the same limits.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "entry/limits.h"
#include "sim/model.h"

namespace entry {

struct NumberOption {
    const char* name;       // the option, without "--"
    const char* parameter;  // the model field, whose entry limits apply
    sim::Value sim::Model::*field;
    const char* unit;
    const char* help;
};

struct ChoiceOption {
    const char* name;
    std::string sim::Model::*field;
    std::array<const char*, 6> keywords;
    const char* help;
};

std::span<const NumberOption> NumberOptions();
std::span<const ChoiceOption> ChoiceOptions();

// The wavelengths that may lie on the line, as the window keeps frequency and length.
inline constexpr double kFewestCycles = 0.01, kMostCycles = 20;

// A limit as a refusal shows it: a whole one with all its digits (10^12, held as 999999995904,
// does not read "1e+12"), others by their shortest single-precision text.
std::string LimitText(float limit);

// A number read as the entry reads it and held to `limits`: the number, or why not, after the
// text as typed ("0 is below the minimum 1", "abc is not a number").
struct CheckedNumber {
    std::optional<double> value;
    std::string refusal;
};
CheckedNumber CheckNumber(std::string_view typed, const Limits& limits);

// Frequency, length and phase velocity together must put kFewestCycles to kMostCycles
// wavelengths on the line. Nothing when they do; else which of the three to blame (the frequency
// if it was given, else the length, else the phase velocity) and why, after its value as typed.
struct CyclesRefusal {
    const char* option;  // "frequency", "length" or "phase-velocity"
    std::string refusal;
};
std::optional<CyclesRefusal> CheckCycles(const sim::Model& model, bool frequencyGiven,
                                         bool lengthGiven, std::string_view typed);

}  // namespace entry
