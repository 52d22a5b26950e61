#include "trace_runner.h"

#include <QList>
#include <QProcess>

namespace validation {

TraceResult RunTrace(const QStringList& arguments) {
    QProcess trace;
    trace.start(CORVANE_TRACE, arguments);
    TraceResult result;
    if (!trace.waitForFinished(120000)) return result;
    result.exitCode = trace.exitStatus() == QProcess::NormalExit ? trace.exitCode() : -1;
    result.out = trace.readAllStandardOutput();
    result.err = trace.readAllStandardError();
    return result;
}

std::map<int, ProbeSeries> ReadProbes(const QByteArray& csv) {
    std::map<int, ProbeSeries> series;
    const QList<QByteArray> rows = csv.split('\n');
    for (qsizetype i = 1; i < rows.size(); ++i) {  // row 0 is the header
        const QList<QByteArray> f = rows[i].split(',');
        if (f.size() != 5) continue;
        ProbeSeries& s = series[f[2].toInt()];
        s.volts.push_back(f[3].toDouble());
        s.milliamperes.push_back(f[4].toDouble());
    }
    return series;
}

}  // namespace validation
