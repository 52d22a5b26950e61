#pragma once
// The command line of corvane-trace: which options exist, and how their values become a run.

#include <QStringList>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "sim/model.h"

namespace trace {

// The pictures a run paints, and how. An empty file name: that picture is not made.
struct PictureRequest {
    std::string png, gif, lattice;
    bool voltage = true;  // --show: the traces of the plot
    bool current = false;
    bool envelope = false;
    double zoom = 1;              // a power of two from 1/32 to 32
    int scale = 1;                // 1 to 8 times the designed size
    std::int64_t every = 0;       // ticks per GIF frame; 0: the run in at most 200 frames
    int speed = 5;                // 1 to 10; a frame lasts 200 / speed ms
    bool latticeCurrent = false;  // --quantity current

    bool Plot() const { return !png.empty() || !gif.empty(); }
    bool Any() const { return Plot() || !lattice.empty(); }
};

// One run to print: the circuit, the line type, how long, and where to look.
struct TraceRun {
    sim::Model model;
    bool cascaded = false;
    std::int64_t ticks = 200;
    std::vector<int> probes;  // empty: print the whole line after the last tick
    bool netlist = false;     // print the circuit as an ngspice netlist instead of CSV
    bool report = false;      // print the circuit's coefficients and steady state, no run
    PictureRequest pictures;
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
