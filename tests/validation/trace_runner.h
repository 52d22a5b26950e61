#pragma once
// Runs corvane-trace and reads what it prints.

#include <QByteArray>
#include <QStringList>
#include <map>
#include <vector>

namespace validation {

struct TraceResult {
    int exitCode = -1;
    QByteArray out, err;
};

TraceResult RunTrace(const QStringList& arguments);

// The rows of a --probe run, per point: voltage_V and current_mA of ticks 1, 2, ... in order.
struct ProbeSeries {
    std::vector<double> volts, milliamperes;
};
std::map<int, ProbeSeries> ReadProbes(const QByteArray& csv);

}  // namespace validation
