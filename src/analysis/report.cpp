#include "analysis/report.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>

#include "analysis/circuit.h"
#include "analysis/line_solution.h"
#include "analysis/load_reflection.h"
#include "analysis/standing_wave.h"
#include "analysis/wavefronts.h"

namespace analysis {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The fronts of the lattice diagram and the turns of the envelope shown, from the start.
constexpr int kFronts = 4;
constexpr std::size_t kTurns = 2;

class Rows {
  public:
    void Add(std::string name, double value, std::string_view unit = {}) {
        rows_.push_back({std::move(name), value, unit});
    }
    // "front", 2, "ns" -> "front_2_ns"
    void Numbered(std::string_view stem, std::size_t n, std::string_view tail, double value,
                  std::string_view unit) {
        Add(std::string(stem) + '_' + std::to_string(n) + '_' + std::string(tail), value, unit);
    }
    std::vector<Quantity> Take() { return std::move(rows_); }

  private:
    std::vector<Quantity> rows_;
};

void AddCoefficients(Rows& rows, const Circuit& c, const StepReflection& load) {
    rows.Add("delay_ns", c.delayNs, "ns");
    if (c.cascaded) {
        rows.Add("delay_line1_ns", c.delayNs / 2, "ns");
        rows.Add("delay_line2_ns", c.delayNs / 2, "ns");
    }
    const double z1 = c.segments.front().z0, z2 = c.segments.back().z0;
    rows.Add("gamma_source", Reflection(z1, c.r1));
    if (c.cascaded) {
        rows.Add("gamma_junction_12", Reflection(z1, z2));
        rows.Add("tau_junction_12", Transmission(z1, z2));
        rows.Add("gamma_junction_21", Reflection(z2, z1));
        rows.Add("tau_junction_21", Transmission(z2, z1));
    }
    rows.Add("gamma_load_first", load.first);
    rows.Add("gamma_load_final", load.final);
}

void AddDc(Rows& rows, const Circuit& c, const StepReflection& load) {
    const LineSolution settled = SolveLine(c, load.final, 0);
    if (settled.settles) {
        rows.Add("source_voltage_final", VoltageAt(c, settled, 0).real(), "V");
        rows.Add("source_current_final", 1000 * CurrentAt(c, settled, 0).real(), "mA");
        rows.Add("load_voltage_final", VoltageAt(c, settled, c.length).real(), "V");
        rows.Add("load_current_final", 1000 * CurrentAt(c, settled, c.length).real(), "mA");
    }
    const Fronts fronts = FirstFronts(c, load.first, kFronts);
    for (const auto& [end, list] :
         {std::pair{"source_front", &fronts.source}, std::pair{"load_front", &fronts.load}}) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            rows.Numbered(end, i + 1, "ns", (*list)[i].timeNs, "ns");
            rows.Numbered(end, i + 1, "v", (*list)[i].step, "V");
        }
    }
}

void AddSine(Rows& rows, const Circuit& c) {
    const double beta = 2 * std::numbers::pi * c.frequencyMHz / c.vp;  // rad/m
    rows.Add("wavelength_m", c.vp / c.frequencyMHz, "m");
    const Complex gamma = LoadReflectionAt(c);
    rows.Add("gamma_load_real", gamma.real());
    rows.Add("gamma_load_imag", gamma.imag());
    rows.Add("gamma_load_magnitude", std::abs(gamma));
    // + 0 turns the -0 of a real Γ's imaginary part into 0, so a short reads 180°, not -180°.
    rows.Add("gamma_load_angle_deg",
             std::atan2(gamma.imag() + 0.0, gamma.real()) * 180 / std::numbers::pi, "deg");
    const LineSolution s = SolveLine(c, gamma, beta);
    for (std::size_t k = 0; k < c.segments.size(); ++k)
        rows.Add("vswr_line" + std::to_string(k + 1), Vswr(s, k).value_or(kInfinity));
    if (const auto zin = InputImpedance(c, s)) {
        rows.Add("zin_real_ohm", zin->real(), "ohm");
        rows.Add("zin_imag_ohm", zin->imag(), "ohm");
    } else {
        rows.Add("zin_real_ohm", kInfinity, "ohm");  // an ideal open: no phase to give
    }
    const double g = std::abs(s.inputGamma);
    const double returnLoss = WhollyReflected(s.inputGamma) ? 0 : -20 * std::log10(g);
    rows.Add("return_loss_db", g == 0 ? kInfinity : returnLoss, "dB");
    const Extremes turns = EnvelopeExtremes(c, s);
    for (const auto& [kind, list] :
         {std::pair{"voltage_max", &turns.maxima}, std::pair{"voltage_min", &turns.minima}}) {
        for (std::size_t i = 0; i < list->size() && i < kTurns; ++i) {
            rows.Numbered(kind, i + 1, "m", (*list)[i].position, "m");
            rows.Numbered(kind, i + 1, "v", (*list)[i].height, "V");
        }
    }
}

}  // namespace

std::vector<Quantity> Report(const sim::Model& m, bool cascaded) {
    const Circuit c = CircuitOf(m, cascaded);
    const StepReflection load = LoadStepReflection(c);
    Rows rows;
    AddCoefficients(rows, c, load);
    if (m.SourceType == "DC") AddDc(rows, c, load);
    if (m.SourceType == "Sine" || m.SourceType == "Cosine") AddSine(rows, c);
    return rows.Take();
}

}  // namespace analysis
