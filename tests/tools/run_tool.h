#pragma once
// Runs a program to its end, as the tests of corvane-trace do: its exit status (-1 when it did
// not end normally within two minutes) and what it printed.

#include <QProcess>
#include <QProcessEnvironment>

struct Output {
    int exitCode = -1;
    QByteArray out, err;
};

inline Output Run(
    const QString& program, const QStringList& arguments, const QByteArray& input = {},
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, arguments);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

inline Output Trace(const QStringList& arguments) { return Run(CORVANE_TRACE, arguments); }
