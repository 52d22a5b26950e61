// The circuit of a run written for ngspice.
//
// Time: one tick of the engine is PointDuration microseconds; the state after tick n is the
// circuit at the instant n ticks, and the source value of tick n is the electromotive force at
// that instant. The line starts at rest, so the source is 0 at time 0.
//
// Source: a piecewise-linear voltage source through the values the engine drives. The stepped
// sources (DC, pulses, off) hold each value between edges that fall half-way between ticks:
// a step centred there carries the same charge over the step as the engine's trapezoidal load
// rule assumes. The sinusoids run straight from sample to sample.
//
// Corners: ngspice puts a time point on every corner of a source, but a T element does not
// pass the corners of a wave on to its far end as time points of their own; ngspice would
// then step across an edge arriving at the load and integrate the load as if the edge were
// spread over that step. Every delay here is a whole number of ticks, so every edge that
// reaches a node arrives at the same place within a tick as it left the source. The source
// therefore has its corners on every tick and on both sides of every half-way edge, whether
// its value changes there or not: the arriving edges and the printed rows all fall on time
// points of ngspice's own.
//
// Line: lossless T elements with the transit time of 200 ticks (100 for each half of a
// cascade). Attenuation is a matched resistive pad at each end of each line, each taking the
// square root of that line's amplitude factor, so a wave that crosses a line arrives at the
// far node with exactly the factor the engine gives it over the same points. The engine's line
// is distortionless (every frequency loses alike), which needs both series resistance and
// shunt conductance; ngspice 39's lossy line refuses a conductance ("not supported yet"), so
// the loss is kept lumped.

#include "netlist.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <utility>
#include <vector>

#include "sim/engine.h"

namespace netlist {

namespace {

// Fifteen significant digits: a tick of 0.2 ns reads 2e-10, not 1.9999999999999998e-10, and
// what the rounding moves (a part in 1e15) is far below anything the comparison can see.
std::string Num(double x) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

// ngspice turns a 0-ohm resistor into 1 milliohm; a 0-volt source is an exact short.
void WriteResistor(std::ostream& out, const std::string& name, const std::string& a,
                   const std::string& b, double ohms) {
    if (ohms == 0) {
        out << "V" << name << " " << a << " " << b << " 0\n";
    } else {
        out << name << " " << a << " " << b << " " << Num(ohms) << "\n";
    }
}

// The source values of ticks 1..ticks, from the engine's own source rule and clock.
std::vector<double> DrivenValues(sim::Model m, std::int64_t ticks) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(ticks));
    for (std::int64_t n = 1; n <= ticks; ++n) {
        sim::SourceValue(m, m.SourceType);
        values.push_back(m.SourceVoltage);
        m.SourceTicks = m.SourceTicks + 1;
    }
    return values;
}

using Corner = std::pair<double, double>;  // time s, volts

std::vector<Corner> SourceCorners(const sim::Model& m, std::int64_t ticks, double tick) {
    const bool smooth = m.SourceType == "Sine" || m.SourceType == "Cosine";
    const double halfEdge = tick / 200;  // a rise time of 1 % of a tick
    std::vector<Corner> corners{{0.0, 0.0}};
    double held = 0;
    std::int64_t n = 0;
    for (double v : DrivenValues(m, ticks)) {
        ++n;
        const double edge = (static_cast<double>(n) - 0.5) * tick;
        // A sinusoid switches on with a step from rest too (a cosine starts at its peak);
        // after that it runs straight through its samples, corners included.
        const bool step = !smooth || n == 1;
        const double share = step ? 0 : 0.5 - halfEdge / tick;
        corners.emplace_back(edge - halfEdge, held + (v - held) * share);
        corners.emplace_back(edge + halfEdge, step ? v : v - (v - held) * share);
        corners.emplace_back(static_cast<double>(n) * tick, v);
        held = v;
    }
    return corners;
}

void WriteSource(std::ostream& out, const sim::Model& m, std::int64_t ticks, double tick) {
    out << "* Source: " << m.SourceType << ", peak " << Num(m.PeakVoltage) << " V";
    if (m.SourceType == "Sine" || m.SourceType == "Cosine")
        out << ", " << Num(m.Frequency) << " MHz";
    if (m.SourceType == "Pulse" || m.SourceType == "Pulse Train")
        out << ", width " << Num(m.PulseWidth) << " and separation " << Num(m.PulseSeparation)
            << " ticks";
    out << ", in series with R1\n";
    out << "Vsource emf 0 PWL(";
    int onLine = 0;
    for (const auto& [t, v] : SourceCorners(m, ticks, tick)) {
        if (onLine == 0) out << "\n+";
        out << " " << Num(t) << " " << Num(v);
        onLine = (onLine + 1) % 4;
    }
    out << " )\n";
    WriteResistor(out, "R1", "emf", "source_end", m.SourceResistance);
}

// A matched T pad between `from` and `to` in a line of impedance z0 that passes the fraction
// exp(logFactor) of a wave's amplitude, in both directions.
void WritePad(std::ostream& out, const std::string& name, const std::string& from,
              const std::string& to, double z0, double logFactor) {
    const double k = std::exp(logFactor);
    const double oneMinusK = -std::expm1(logFactor);  // exact even for a tiny loss
    const double series = z0 * oneMinusK / (1 + k);
    const double shunt = z0 * (2 * k) / (oneMinusK * (1 + k));
    const std::string middle = name + "_mid";
    WriteResistor(out, name + "a", from, middle, series);
    WriteResistor(out, name + "b", middle, "0", shunt);
    WriteResistor(out, name + "c", middle, to, series);
}

// One lossless line from `from` to `to`, with a pad at each end when there is loss.
void WriteLine(std::ostream& out, int number, const std::string& from, const std::string& to,
               double z0, double delay, double logFactor) {
    const std::string id = std::to_string(number);
    out << "* Line " << id << ": Z0 " << Num(z0) << " ohm, transit " << Num(delay) << " s";
    if (logFactor == 0) {
        out << ", lossless\n";
        out << "T" << id << " " << from << " 0 " << to << " 0 Z0=" << Num(z0)
            << " TD=" << Num(delay) << "\n";
        return;
    }
    out << ", amplitude factor " << Num(std::exp(logFactor)) << " per transit\n";
    const std::string in = "line" + id + "_in", outNode = "line" + id + "_out";
    WritePad(out, "Rpad" + id + "in", from, in, z0, logFactor / 2);
    out << "T" << id << " " << in << " 0 " << outNode << " 0 Z0=" << Num(z0) << " TD=" << Num(delay)
        << "\n";
    WritePad(out, "Rpad" + id + "out", outNode, to, z0, logFactor / 2);
}

void WriteCapacitor(std::ostream& out, double picofarads) {
    out << "C2 load_end 0 " << Num(picofarads * 1e-12) << "\n";
}

// R2 in series with L2 between the load end and ground.
void WriteSeriesRL(std::ostream& out, double ohms, double microhenrys) {
    WriteResistor(out, "R2", "load_end", "load_rl", ohms);
    out << "L2 load_rl 0 " << Num(microhenrys * 1e-6) << "\n";
}

// `m` has had the run start, so the load values are those the engine uses.
void WriteLoad(std::ostream& out, sim::Model m) {
    const std::string& type = m.LoadType;
    out << "* Load: " << type << "\n";
    const double r2 = m.LoadResistance;
    if (type == "Capacitor") {
        WriteCapacitor(out, m.LoadCapacitance);
    } else if (type == "Inductor") {
        out << "L2 load_end 0 " << Num(m.LoadInductance * 1e-6) << "\n";
    } else if (type == "ParallelRC") {
        WriteResistor(out, "R2", "load_end", "0", r2);
        if (m.NormLoadCapacitance != 0) WriteCapacitor(out, m.LoadCapacitance);
    } else if (type == "SeriesRL") {
        if (m.NormLoadInductance != 0) {
            WriteSeriesRL(out, r2, m.LoadInductance);
        } else {
            WriteResistor(out, "R2", "load_end", "0", r2);
        }
    } else if (type == "Impedance") {
        // The engine turns the reactance into a capacitance or an inductance at the source
        // frequency; let it do so here too, so the numbers are the same.
        sim::LoadBoundary(m);
        out << "* X2 = " << Num(m.LoadReactance) << " ohm at " << Num(m.Frequency) << " MHz: ";
        if (m.LoadReactance < 0) {
            out << "R2 in parallel with " << Num(m.LoadCapacitance) << " pF\n";
            WriteResistor(out, "R2", "load_end", "0", r2);
            WriteCapacitor(out, m.LoadCapacitance);
        } else if (m.LoadReactance > 0) {
            out << "R2 in series with " << Num(m.LoadInductance) << " uH\n";
            WriteSeriesRL(out, r2, m.LoadInductance);
        } else {
            out << "R2 alone\n";
            WriteResistor(out, "R2", "load_end", "0", r2);
        }
    } else {
        WriteResistor(out, "R2", "load_end", "0", r2);
    }
}

}  // namespace

std::string SpiceNetlist(const sim::Model& parameters, bool cascaded, std::int64_t ticks,
                         const std::string& options) {
    sim::Model m = parameters;
    sim::PrepareRun(m, cascaded);
    const double tick = m.PointDuration * 1e-6;  // seconds
    // The amplitude factor of a whole line, as a logarithm, from the engine's own attenuation
    // constant (nepers per transit); -inf for total loss, which makes each pad a series Zo into
    // a short: nothing gets through and nothing comes back.
    const double logLoss = -m.AttenuationConstant * (m.StepTime * 200);

    // The options go into a comment line: a line break typed into one must not end it.
    std::string named = options;
    for (char& c : named)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    std::ostringstream out;
    out << "* Corvane " << CORVANE_VERSION << ": corvane-trace" << (named.empty() ? "" : " ")
        << named << "\n";
    out << "* One tick is " << Num(tick) << " s; the state after tick n is the instant n ticks.\n";
    out << "* Nodes: source_end is point 0, " << (cascaded ? "junction point 100, " : "")
        << "load_end point 200.\n";
    WriteSource(out, m, ticks, tick);
    if (cascaded) {
        WriteLine(out, 1, "source_end", "junction", m.Zo1, tick * 100, logLoss / 2);
        WriteLine(out, 2, "junction", "load_end", m.Zo2, tick * 100, logLoss / 2);
    } else {
        WriteLine(out, 1, "source_end", "load_end", m.Zo, tick * 200, logLoss);
    }
    WriteLoad(out, m);
    out << "* Rows at the tick instants, as corvane-trace prints them\n";
    out << ".options interp\n";
    out << ".tran " << Num(tick) << " " << Num(static_cast<double>(ticks) * tick) << " 0 "
        << Num(tick) << "\n";
    out << ".print tran v(source_end)" << (cascaded ? " v(junction)" : "") << " v(load_end)\n";
    out << ".end\n";
    return out.str();
}

}  // namespace netlist
