#include "circuit_text.h"

#include "entry/format_value.h"

namespace trace {

namespace {

std::string Number(double x) { return entry::FormatValue(sim::Value(x)); }

std::string SourceText(const sim::Model& m) {
    const std::string& type = m.SourceType;
    if (type == "Off") return "source off";
    std::string text = type + " " + Number(m.PeakVoltage) + " V";
    if (type == "Sine" || type == "Cosine") text += " at " + Number(m.Frequency) + " MHz";
    if (type == "Pulse") text += ", " + Number(m.PulseWidth) + " points wide";
    if (type == "Pulse Train")
        text += ", " + Number(m.PulseWidth) + " points on, " + Number(m.PulseSeparation) + " off";
    return text;
}

std::string LoadText(const sim::Model& m) {
    const std::string r2 = "R2 " + Number(m.LoadResistance) + " Ω";
    const std::string c = "C " + Number(m.LoadCapacitance) + " pF";
    const std::string l = "L " + Number(m.LoadInductance) + " µH";
    const std::string& type = m.LoadType;
    if (type == "Capacitor") return c;
    if (type == "Inductor") return l;
    if (type == "ParallelRC") return r2 + " ∥ " + c;
    if (type == "SeriesRL") return r2 + " + " + l;
    if (type == "Impedance") {
        const double x = m.LoadReactance;
        return r2 + (x < 0 ? " − j" : " + j") + Number(x < 0 ? -x : x) + " Ω";
    }
    return r2;
}

}  // namespace

std::string CircuitText(const sim::Model& m, bool cascaded) {
    const std::string line = cascaded ? "cascade " + Number(m.Zo1) + " Ω / " + Number(m.Zo2) + " Ω"
                                      : "line " + Number(m.Zo) + " Ω";
    return SourceText(m) + ", R1 " + Number(m.SourceResistance) + " Ω; " + line + ", " +
           Number(m.LineLength) + " m; load " + LoadText(m);
}

std::string OneLine(const std::string& statusText) {
    std::string line;
    for (char ch : statusText) {
        const bool blank = ch == ' ' || ch == '\r' || ch == '\n';
        if (blank && (line.empty() || line.back() == ' ')) continue;
        line += blank ? ' ' : ch;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace trace
