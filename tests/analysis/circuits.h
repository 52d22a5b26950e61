#pragma once
// The report of a circuit of the engine's tests, as a map from quantity to value.

#include <QMap>
#include <QString>
#include <limits>

#include "../sim/circuit.h"
#include "analysis/report.h"

inline QMap<QString, double> ReportOf(const Circuit& c) {
    QMap<QString, double> values;
    for (const analysis::Quantity& q : analysis::Report(ModelOf(c), c.cascaded))
        values.insert(QString::fromStdString(q.name), q.value);
    return values;
}

inline constexpr double kInfinite = std::numeric_limits<double>::infinity();
