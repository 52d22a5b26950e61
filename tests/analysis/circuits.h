#pragma once
// The circuits of the analysis tests: the parameters a row varies, everything else at the
// program's start value (9.6 m at 80 % of c: a 40 ns line; 100 MHz: four wavelengths on it).

#include <QMap>
#include <QString>
#include <cmath>
#include <limits>
#include <optional>

#include "analysis/report.h"
#include "sim/model.h"

struct Circuit {
    const char* load = "Resistor";
    double r1 = 50, r2 = 50, pF = 100, uH = 1, reactance = 50, MHz = 100, zo1 = 50, zo2 = 50;
    bool cascaded = false;
    const char* source = "DC";
    double attenuation = 0;
};

inline sim::Model ModelOf(const Circuit& c) {
    sim::Model m = sim::StartValues();
    m.LoadType = c.load, m.SourceType = c.source;
    m.SourceResistance = c.r1, m.LoadResistance = c.r2, m.LoadReactance = c.reactance;
    m.LoadCapacitance = c.pF, m.LoadInductance = c.uH, m.Frequency = c.MHz;
    m.Zo = c.cascaded ? 7 : c.zo1;  // a cascade takes its impedances from Zo1 and Zo2 alone
    m.Zo1 = c.zo1, m.Zo2 = c.zo2, m.Attenuation = c.attenuation;
    return m;
}

// The report as a map from quantity to value.
inline QMap<QString, double> ReportOf(const Circuit& c) {
    QMap<QString, double> values;
    for (const analysis::Quantity& q : analysis::Report(ModelOf(c), c.cascaded))
        values.insert(QString::fromStdString(q.name), q.value);
    return values;
}

inline constexpr double kInfinite = std::numeric_limits<double>::infinity();
