#pragma once
// A running line for the tick benchmarks: the wave has been reflected a few times, so that no
// point sits at zero.

#include "sim/engine.h"

inline sim::Model RunningLine(const char* source, const char* load, bool cascaded) {
    sim::Model m = sim::StartValues();
    m.LoadType = load;
    m.SourceType = source;
    m.Attenuation = 10;
    m.Zo2 = 100;
    sim::PrepareRun(m, cascaded);
    sim::ResetLine(m);
    for (int t = 0; t < 1000; ++t) sim::Tick(m);
    return m;
}
