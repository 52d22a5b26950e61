#pragma once
// The circuit as the analysis sees it: the source, one line or two in cascade, the load, in
// ohms, metres and nanoseconds, read from the parameters and the line type alone.

#include <complex>
#include <vector>

#include "sim/model.h"

namespace analysis {

using Complex = std::complex<double>;

// One line: its characteristic impedance and where it lies, in metres from the source end.
struct Segment {
    double z0 = 0;      // ohm
    double start = 0;   // m
    double length = 0;  // m
};

struct Circuit {
    std::vector<Segment> segments;  // one line, or the two halves of a cascade
    bool cascaded = false;
    double r1 = 0;              // ohm, the source resistance
    double peak = 0;            // V
    double length = 0;          // m, the whole line
    double vp = 0;              // m/µs
    double delayNs = 0;         // ns, one way along the whole line
    double lossFactor = 1;      // amplitude a wave keeps over the whole line, 0 (total loss)..1
    double frequencyMHz = 0;    // of the sine and cosine sources
    const sim::Model* model{};  // the load and source keywords and values
};

Circuit CircuitOf(const sim::Model& m, bool cascaded);

// The impedance of the line that ends at the load.
inline double LoadSideZ0(const Circuit& c) { return c.segments.back().z0; }

// A wave's factor over `metres` of line at `beta` rad/m: its loss and its phase. Written with
// the loss as a power, so that total loss gives 0 and never 0 × inf.
Complex Travel(const Circuit& c, double beta, double metres);

// The reflection of a wave on a line of impedance `from` meeting impedance `to`, and the
// transmission into it.
double Reflection(double from, double to);
double Transmission(double from, double to);

}  // namespace analysis
