// corvane-trace: the engine of the teaching program without its window. Reads the circuit from
// the command line (every option defaults to the program's start value) and prints CSV.

#include <QCoreApplication>
#include <cstdio>
#include <variant>

#include "csv_writer.h"
#include "netlist.h"
#include "sim/engine.h"
#include "trace_options.h"

namespace {

// Currents are stored as reference impedance × amperes; Zo is the reference after the run
// start (Zo1 for a cascade).
double Milliamperes(const sim::Model& m, int point) {
    return 1000 * m.LineCurrent[0][point] / m.Zo;
}

void PrintLine(const sim::Model& m, trace::CsvWriter& csv) {
    csv.Text("point,distance_m,voltage_V,current_mA");
    csv.EndRow();
    for (int i = 0; i <= sim::kLastPoint; ++i) {
        csv.Whole(i);
        csv.Number(m.LineLength * i / 200);
        csv.Number(m.LineVoltage[0][i]);
        csv.Number(Milliamperes(m, i));
        csv.EndRow();
    }
}

int Run(trace::TraceRun& run) {
    sim::Model& m = run.model;
    sim::PrepareRun(m, run.cascaded);
    sim::ResetLine(m);
    trace::CsvWriter csv(stdout);
    if (run.probes.empty()) {
        for (std::int64_t t = 0; t < run.ticks; ++t) sim::Tick(m);
        PrintLine(m, csv);
    } else {
        csv.Text("tick,time_ns,point,voltage_V,current_mA");
        csv.EndRow();
        for (std::int64_t t = 1; t <= run.ticks; ++t) {
            sim::Tick(m);
            const double ns = 1000 * m.PointDuration * t;
            for (int p : run.probes) {
                csv.Whole(t);
                csv.Number(ns);
                csv.Whole(p);
                csv.Number(m.LineVoltage[0][p]);
                csv.Number(Milliamperes(m, p));
                csv.EndRow();
            }
        }
    }
    if (!csv.Flush()) {
        std::fputs("corvane-trace: the output could not be written\n", stderr);
        return 1;
    }
    return 0;
}

// A netlist holds source corners for every tick: it needs at least one, and ngspice's time
// for a piecewise-linear source grows with the square of its corners (20 s for ten thousand
// ticks here, half an hour for a hundred thousand).
constexpr std::int64_t kMostNetlistTicks = 10000;

int PrintNetlist(const trace::TraceRun& run, QStringList arguments) {
    if (run.ticks < 1 || run.ticks > kMostNetlistTicks) {
        std::fprintf(stderr, "corvane-trace: --ticks: %lld is %s for --netlist\n",
                     static_cast<long long>(run.ticks),
                     run.ticks < 1 ? "below the minimum 1" : "above the maximum 10000");
        return 2;
    }
    arguments.removeFirst();
    for (QString& a : arguments)
        if (a.contains(' ')) a = '"' + a + '"';
    const std::string text = netlist::SpiceNetlist(run.model, run.cascaded, run.ticks,
                                                   arguments.join(' ').toStdString());
    if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("corvane-trace: the output could not be written\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("corvane-trace");
    QCoreApplication::setApplicationVersion(CORVANE_VERSION);
    trace::Request request = trace::ParseArguments(QCoreApplication::arguments());
    if (auto* refusal = std::get_if<trace::Refusal>(&request)) {
        std::fprintf(stderr, "%s\n", refusal->message.c_str());
        return 2;
    }
    if (auto* text = std::get_if<trace::ShowText>(&request)) {
        std::fputs(text->text.c_str(), stdout);
        return 0;
    }
    trace::TraceRun& run = std::get<trace::TraceRun>(request);
    if (run.netlist) return PrintNetlist(run, QCoreApplication::arguments());
    return Run(run);
}
