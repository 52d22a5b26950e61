#include "analysis/load_reflection.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

namespace analysis {

namespace {

// What a load is to a step at the first instant and at the end.
enum class End { Open, Short, R2 };

struct LoadRow {
    std::string_view type;
    End first, final;
    // Whether the reactive part is there at all: without it (0 pF, 0 µH, a reactance of 0)
    // the load is what it ends as from the first instant.
    bool (*reactive)(const sim::Model&);
};

bool HasCapacitance(const sim::Model& m) { return m.LoadCapacitance > 0; }
bool HasInductance(const sim::Model& m) { return m.LoadInductance > 0; }
bool Never(const sim::Model&) { return false; }

// Impedance rows: the sign of the reactance picks the circuit.
bool Capacitive(const sim::Model& m) { return m.LoadReactance < 0; }
bool Inductive(const sim::Model& m) { return m.LoadReactance > 0; }

constexpr std::array kLoads = {
    LoadRow{"Resistor", End::R2, End::R2, Never},
    LoadRow{"Capacitor", End::Short, End::Open, HasCapacitance},
    LoadRow{"Inductor", End::Open, End::Short, HasInductance},
    LoadRow{"ParallelRC", End::Short, End::R2, HasCapacitance},
    LoadRow{"SeriesRL", End::Open, End::R2, HasInductance},
    LoadRow{"Impedance", End::Short, End::R2, Capacitive},
    LoadRow{"Impedance", End::Open, End::R2, Inductive},
};

double CoefficientOf(End end, const Circuit& c) {
    switch (end) {
        case End::Open:
            return 1;
        case End::Short:
            return -1;
        case End::R2:
            break;
    }
    return Reflection(LoadSideZ0(c), c.model->LoadResistance);
}

// The load at angular frequency w (rad/µs, with µH and pF in ohms): an impedance, or an
// admittance for the loads in parallel, so that an open end needs no infinity.
struct Immittance {
    bool admittance = false;
    Complex value;
};

Immittance LoadAt(const sim::Model& m, double w) {
    const std::string_view type = m.LoadType;
    const double r2 = m.LoadResistance, x = m.LoadReactance;
    const Complex jwL(0, w * m.LoadInductance), jwC(0, w * m.LoadCapacitance * 1e-6);
    if (type == "Capacitor") return {true, jwC};
    if (type == "Inductor") return {false, jwL};
    if (type == "SeriesRL") return {false, r2 + jwL};
    if (type == "Impedance" && x > 0) return {false, Complex(r2, x)};
    // R2 in parallel with a capacitance; a short R2 shorts it.
    Complex parallel = type == "ParallelRC" ? jwC : Complex(0);
    if (type == "Impedance" && x < 0) parallel = Complex(0, -1 / x);
    if (parallel == 0.0 || r2 == 0) return {false, r2};
    // A reactance or an R2 so small that its admittance overflows (1e-310 ohm) shorts the load.
    const Complex admittance = 1 / r2 + parallel;
    if (!std::isfinite(admittance.real()) || !std::isfinite(admittance.imag())) return {false, 0};
    return {true, admittance};
}

}  // namespace

StepReflection LoadStepReflection(const Circuit& c) {
    const sim::Model& m = *c.model;
    const LoadRow* match = nullptr;
    for (const LoadRow& row : kLoads) {
        if (row.type != m.LoadType) continue;
        if (row.reactive(m)) return {CoefficientOf(row.first, c), CoefficientOf(row.final, c)};
        match = &row;
    }
    if (!match) return {};  // a keyword the engine does not know either
    const double settled = CoefficientOf(match->final, c);
    return {settled, settled};
}

Complex LoadReflectionAt(const Circuit& c) {
    const double w = 2 * std::numbers::pi * c.frequencyMHz;  // rad/µs
    const Immittance load = LoadAt(*c.model, w);
    const double z0 = LoadSideZ0(c);
    if (load.admittance) return (1.0 - load.value * z0) / (1.0 + load.value * z0);
    return (load.value - z0) / (load.value + z0);
}

}  // namespace analysis
