#pragma once
// The circuits the engine's, the analysis' and corvane-trace's tests run: the parameters a row
// varies, everything else at the program's start value (9.6 m at 80 % of c: a 40 ns line;
// 100 MHz: four wavelengths on it).

#include "sim/engine.h"

struct Circuit {
    const char* load = "Resistor";
    double r1 = 50, r2 = 50, pF = 100, uH = 1, reactance = 50, MHz = 100, zo1 = 50, zo2 = 50;
    bool cascaded = false;
    const char* source = "DC";
    double attenuation = 0, length = 9.6;
};

inline sim::Model ModelOf(const Circuit& c) {
    sim::Model m = sim::StartValues();
    m.LoadType = c.load, m.SourceType = c.source;
    m.SourceResistance = c.r1, m.LoadResistance = c.r2, m.LoadReactance = c.reactance;
    m.LoadCapacitance = c.pF, m.LoadInductance = c.uH, m.Frequency = c.MHz;
    m.Zo = c.cascaded ? 7 : c.zo1;  // a cascade takes its impedances from Zo1 and Zo2 alone
    m.Zo1 = c.zo1, m.Zo2 = c.zo2, m.Attenuation = c.attenuation, m.LineLength = c.length;
    return m;
}

// A run from rest, as the Simulate button starts it.
inline sim::Model Started(const Circuit& c) {
    sim::Model m = ModelOf(c);
    sim::PrepareRun(m, c.cascaded);
    sim::ResetLine(m);
    return m;
}
