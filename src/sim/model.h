#pragma once
// The parameter set and the engine state that the main window owns for its whole life.
// Every other part of the program reads and writes these fields by name.

#include <array>
#include <cstdint>
#include <string>

namespace sim {

inline constexpr int kLastPoint = 200;  // the load end; point 0 is the source end
inline constexpr int kPoints = kLastPoint + 1;
inline constexpr int kJunction = 100;  // where the two lines of a cascade meet

// 2π as the waveforms and the load reactances have always used it, to twelve digits.
inline constexpr double kTwoPi = 6.28318530718;

// A user parameter: a number, or the text the user typed for it. A typed entry is kept as
// typed so its label can show it that way ("050"); every computation reads the number.
struct Value {
    double number = 0;
    std::string typed;  // empty when the value was set as a number (start-up, presets)

    Value(double x = 0) : number(x) {}
    Value(double x, std::string text) : number(x), typed(std::move(text)) {}
    Value& operator=(double x) {
        number = x;
        typed.clear();
        return *this;
    }
    operator double() const { return number; }
    bool isTyped() const { return !typed.empty(); }
};

struct LoadCoefficients {
    double D = 0, A = 0, B = 0, P = 0, Q = 0;
};

using Points = std::array<double, kPoints>;  // one value per point
using LineLevels = std::array<Points, 2>;    // [level][point]

struct Model {
    // --- user parameters, with their start values and units ---
    Value SourceResistance = 50;  // ohm, R1
    Value LoadResistance = 50;    // ohm, R2
    Value LoadCapacitance = 100;  // pF
    Value LoadInductance = 1;     // µH
    Value LoadReactance = 50;     // ohm, X2 of R2 + jX2
    Value Zo = 50;                // ohm, single line
    Value Zo1 = 50;               // ohm, line 1 of a cascade
    Value Zo2 = 50;               // ohm, line 2 of a cascade
    Value LineLength = 9.6;       // m, the whole line
    Value PhaseVelocity = 80;     // % of the speed of light
    Value Attenuation = 0;        // % per line length
    Value CyclesPerLength = 4;    // wavelengths along the line
    Value Frequency = 100;        // MHz
    Value PulseWidth = 10;        // points (ticks)
    Value PulseSeparation = 10;   // points (ticks)
    Value PeakVoltage = 1;        // V
    std::string SourceType = "DC";
    std::string LoadType = "Resistor";

    // --- derived quantities ---
    double Vp = 0;             // m/µs
    double TransitTime = 0;    // always 1: the unit of engine time
    double StepTime = 0;       // 1/200 of the transit time
    double dt = 0;             // the engine's working copy of StepTime
    double PointDuration = 0;  // µs per point
    double PointLength = 0;    // m per point
    double SourceCycles = 0;
    double AttenuationConstant = 0;  // nepers per transit time
    double NormZ1 = 1, NormZ2 = 1;
    double NormSourceResistance = 0;  // r1
    double NormLoadResistance = 0;    // r2
    double NormLoadInductance = 0;    // l
    double NormLoadCapacitance = 0;   // c
    double PlotAmplitude = 0;         // V drawn as a quarter of the plot height

    // --- engine state ---
    LineLevels LineVoltage{};  // V; level 0 present, level 1 next
    LineLevels LineCurrent{};  // ReferenceImpedance × A, positive toward the load
    double SourceVoltage = 0;
    std::int64_t SourceTicks = 0;
    std::int64_t ElapsedTicks = 0;
    LoadCoefficients Load;
    double LoadIncoming = 0;  // K, the forward invariant arriving at the load
    int PointIndex = 0;
    bool StepMode = false;
};

// A model with every parameter at its start value and the quantities that the labels need
// (TransitTime, StepTime, Vp, PointDuration) already derived.
Model StartValues();

}  // namespace sim
