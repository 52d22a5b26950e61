// corvane-trace: the engine of the teaching program without its window. Reads the circuit from
// the command line (every option defaults to the program's start value) and prints CSV; on
// request it also paints the plot, an animation of the run and its lattice diagram.

#include <QCoreApplication>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <variant>

#include "analysis/report.h"
#include "csv_writer.h"
#include "netlist.h"
#include "picture_module.h"
#include "probe_writer.h"
#include "sim/engine.h"
#include "trace_options.h"

namespace {

void PrintLine(const sim::Model& m, trace::CsvWriter& csv) {
    csv.Text("point,distance_m,voltage_V,current_mA");
    csv.EndRow();
    for (int i = 0; i <= sim::kLastPoint; ++i) {
        csv.Whole(i);
        csv.Number(m.LineLength * i / 200);
        csv.Number(m.LineVoltage[0][i]);
        csv.Number(trace::Milliamperes(m, m.LineCurrent[0][i]));
        csv.EndRow();
    }
}

int Run(trace::TraceRun& run) {
    sim::Model m = run.model;
    sim::PrepareRun(m, run.cascaded);
    sim::ResetLine(m);
    std::unique_ptr<trace::PictureRun> pictures;
    if (run.pictures.Any()) {
        auto started = trace::StartPictures(run, m);
        if (auto* failure = std::get_if<std::string>(&started)) {
            std::fprintf(stderr, "%s\n", failure->c_str());
            return 2;
        }
        pictures = std::move(std::get<std::unique_ptr<trace::PictureRun>>(started));
        if (const std::string refusal = pictures->Open(); !refusal.empty()) {
            std::fprintf(stderr, "%s\n", refusal.c_str());
            return 2;
        }
        pictures->Record(0, m);
    }
    std::optional<trace::ProbeWriter> rows;
    if (!run.probes.empty()) rows.emplace(stdout, run.probes);
    if (pictures) {
        for (std::int64_t t = 1; t <= run.ticks; ++t) {
            pictures->Tick(m);
            pictures->Record(t, m);
            if (rows) rows->Add(t, m, m.LineVoltage[0], m.LineCurrent[0]);
        }
    } else {
        // The engine alone: a long run of ticks, the levels taking turns.
        std::int64_t tick = 0;
        sim::RunTicks(m, run.ticks, [&](const sim::Points& V, const sim::Points& I) {
            ++tick;
            if (rows) rows->Add(tick, m, V, I);
        });
    }
    bool written = true;
    if (rows) {
        written = rows->Finish();
    } else {
        trace::CsvWriter csv(stdout);
        PrintLine(m, csv);
        written = csv.Flush();
    }
    if (!written) {
        std::fputs("corvane-trace: the output could not be written\n", stderr);
        return 1;
    }
    if (pictures) {
        if (const std::string failure = pictures->Finish(m); !failure.empty()) {
            std::fprintf(stderr, "%s\n", failure.c_str());
            return 2;
        }
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

// The circuit's numbers, one quantity a row, written as the CSV of a run writes its numbers.
int PrintReport(const trace::TraceRun& run) {
    trace::CsvWriter csv(stdout);
    csv.Text("quantity,value,unit");
    csv.EndRow();
    for (const analysis::Quantity& q : analysis::Report(run.model, run.cascaded)) {
        csv.Text(q.name.c_str());
        if (std::isinf(q.value)) {
            csv.Text(std::string(analysis::kInfiniteText).c_str());
        } else {
            csv.Number(q.value);
        }
        csv.Text(std::string(q.unit).c_str());
        csv.EndRow();
    }
    if (!csv.Flush()) {
        std::fputs("corvane-trace: the output could not be written\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // No application object here: pictures need a GUI application for their fonts, which the
    // picture module starts, and the CSV path should not pay for starting one.
    QCoreApplication::setApplicationName("corvane-trace");
    QCoreApplication::setApplicationVersion(CORVANE_VERSION);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    trace::Request request = trace::ParseArguments(arguments);
    if (auto* refusal = std::get_if<trace::Refusal>(&request)) {
        std::fprintf(stderr, "%s\n", refusal->message.c_str());
        return 2;
    }
    if (auto* text = std::get_if<trace::ShowText>(&request)) {
        std::fputs(text->text.c_str(), stdout);
        return 0;
    }
    trace::TraceRun& run = std::get<trace::TraceRun>(request);
    if (run.netlist) return PrintNetlist(run, arguments);
    if (run.report) return PrintReport(run);
    return Run(run);
}
