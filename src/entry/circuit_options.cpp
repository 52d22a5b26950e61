#include "entry/circuit_options.h"

#include <cmath>

#include "entry/c_locale.h"
#include "entry/number.h"

namespace entry {
namespace {

using sim::Model;

// clang-format off
constexpr std::array kNumberOptions = {
    NumberOption{"peak-voltage", "PeakVoltage", &Model::PeakVoltage, "V", "peak voltage of the source"},
    NumberOption{"source-resistance", "SourceResistance", &Model::SourceResistance, "ohm", "source resistance R1"},
    NumberOption{"zo", "Zo", &Model::Zo, "ohm", "characteristic impedance of the single line"},
    NumberOption{"zo1", "Zo1", &Model::Zo1, "ohm", "characteristic impedance of line 1 of a cascade"},
    NumberOption{"zo2", "Zo2", &Model::Zo2, "ohm", "characteristic impedance of line 2 of a cascade"},
    NumberOption{"load-resistance", "LoadResistance", &Model::LoadResistance, "ohm", "load resistance R2"},
    NumberOption{"load-capacitance", "LoadCapacitance", &Model::LoadCapacitance, "pF", "load capacitance C"},
    NumberOption{"load-inductance", "LoadInductance", &Model::LoadInductance, "uH", "load inductance L"},
    NumberOption{"load-reactance", "LoadReactance", &Model::LoadReactance, "ohm", "reactance X2 of the load R2 + jX2"},
    NumberOption{"length", "LineLength", &Model::LineLength, "m", "length of the whole line"},
    NumberOption{"phase-velocity", "PhaseVelocity", &Model::PhaseVelocity, "% of c", "phase velocity"},
    NumberOption{"frequency", "Frequency", &Model::Frequency, "MHz", "frequency of the sinusoidal sources"},
    NumberOption{"attenuation", "Attenuation", &Model::Attenuation, "% per line length", "attenuation; 100 is total loss"},
    NumberOption{"pulse-width", "PulseWidth", &Model::PulseWidth, "points", "pulse width, rounded half to even"},
    NumberOption{"pulse-separation", "PulseSeparation", &Model::PulseSeparation, "points", "pulse-train separation, rounded half to even"},
};
// clang-format on

constexpr std::array kChoiceOptions = {
    ChoiceOption{"source",
                 &Model::SourceType,
                 {"DC", "Sine", "Cosine", "Pulse", "Pulse Train", "Off"},
                 "source waveform"},
    ChoiceOption{"load",
                 &Model::LoadType,
                 {"Resistor", "Capacitor", "Inductor", "ParallelRC", "SeriesRL", "Impedance"},
                 "load type"},
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

}  // namespace

std::span<const NumberOption> NumberOptions() { return kNumberOptions; }
std::span<const ChoiceOption> ChoiceOptions() { return kChoiceOptions; }

// The fewest significant digits that read back as the same float; printf, not std::to_chars,
// which the browser build's C++ library lacks for floating point.
std::string LimitText(float limit) {
    const double x = limit;
    if (x == std::floor(x) && std::fabs(x) < 1e15) return PrintNumber("%.0f", x);
    for (int digits = 1;; ++digits) {
        const std::string format = "%." + std::to_string(digits) + "g";
        const std::string text = PrintNumber(format.c_str(), x);
        if (static_cast<float>(ReadNumber(text.c_str(), nullptr)) == limit) return text;
    }
}

CheckedNumber CheckNumber(std::string_view typed, const Limits& limits) {
    const std::string shown = Trimmed(typed);
    const auto x = ParseNumber(std::string(typed));
    if (!x) return {{}, shown + " is not a number"};
    switch (CheckLimits(*x, limits)) {
        case LimitCheck::Negative:
            return {{}, shown + " cannot be negative; the minimum is " + LimitText(limits.min)};
        case LimitCheck::AboveMaximum:
            return {{}, shown + " is above the maximum " + LimitText(limits.max)};
        case LimitCheck::BelowMinimum:
            return {{}, shown + " is below the minimum " + LimitText(limits.min)};
        case LimitCheck::Within:
            break;
    }
    return {x, {}};
}

// The blamed value's limits are worked out from the other two and rounded to single precision,
// as the window rounds the frequency and length maxima.
std::optional<CyclesRefusal> CheckCycles(const sim::Model& m, bool frequencyGiven,
                                         bool lengthGiven, std::string_view typed) {
    const double vp = 300 * m.PhaseVelocity / 100;
    const double cycles = m.LineLength * m.Frequency / vp;
    if (cycles >= kFewestCycles && cycles <= kMostCycles) return std::nullopt;
    const char* option = "phase-velocity";
    double low = m.LineLength * m.Frequency / (kMostCycles * 3);
    double high = m.LineLength * m.Frequency / (kFewestCycles * 3);
    double value = m.PhaseVelocity;
    if (frequencyGiven) {
        option = "frequency";
        low = vp * kFewestCycles / m.LineLength;
        high = vp * kMostCycles / m.LineLength;
        value = m.Frequency;
    } else if (lengthGiven) {
        option = "length";
        low = vp * kFewestCycles / m.Frequency;
        high = vp * kMostCycles / m.Frequency;
        value = m.LineLength;
    }
    const char* why = cycles > kMostCycles ? " (the line holds at most 20 wavelengths)"
                                           : " (the line holds at least 0.01 wavelengths)";
    const std::string shown = Trimmed(typed);
    if (value > static_cast<double>(float(high)))
        return CyclesRefusal{option, shown + " is above the maximum " + LimitText(float(high)) + why};
    if (value < static_cast<double>(float(low)))
        return CyclesRefusal{option, shown + " is below the minimum " + LimitText(float(low)) + why};
    // The product missed the window only by the rounding of the limits: as the window, accept.
    return std::nullopt;
}

}  // namespace entry
