#pragma once
// The command line of corvane-trace: which options exist, and how their values become a run.

#include <QStringList>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "sim/model.h"

namespace trace {

// One run to print: the circuit, the line type, how long, and where to look.
struct TraceRun {
    sim::Model model;
    bool cascaded = false;
    std::int64_t ticks = 200;
    std::vector<int> probes;  // empty: print the whole line after the last tick
    bool netlist = false;     // print the circuit as an ngspice netlist instead of CSV
};

// What the command line asks for: a run, a text to print and leave (help, version), or a
// refusal to print on stderr.
struct ShowText {
    std::string text;
};
struct Refusal {
    std::string message;  // one line, "corvane-trace: --zo: 0 is below the minimum 1"
};
using Request = std::variant<TraceRun, ShowText, Refusal>;

// `arguments` includes the program name first, as QCoreApplication::arguments() gives it.
Request ParseArguments(const QStringList& arguments);

}  // namespace trace
