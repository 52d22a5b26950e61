// The report against the textbook's closed forms, worked out here by hand for each circuit:
// delays, reflection and transmission coefficients and what is left out; each load type's
// coefficient for a step and for a sine; the standing-wave ratio, the input impedance and the
// return loss. The fronts, the DC final values and the envelope's turns are checked against the
// engine (test_against_engine.cpp), so here they appear only where a closed form is plain.

#include <QtTest>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "circuits.h"

namespace {

using Complex = std::complex<double>;

struct Expected {
    const char* quantity;
    double value;  // kInfinite: written as infinite
};

struct Row {
    const char* name;
    Circuit circuit;
    std::vector<Expected> expected;
    std::vector<const char*> absent;  // quantities that do not apply
};

Complex GammaOf(Complex z, double z0) { return (z - z0) / (z + z0); }

// Within 1e-12 of the value's size: the report computes what the row writes out by hand.
bool Agrees(double got, double want) {
    if (std::isinf(want)) return std::isinf(got) && got > 0;
    return std::fabs(got - want) <= 1e-12 * std::fmax(1, std::fabs(want));
}

std::vector<Row> Rows() {
    const double open = 99999999;          // the "Infinite" of the load menu
    const double lossy = 0.2 * 0.7 * 0.7;  // Γ of 75 Ω at the source end of a 30 % line
    std::vector<Row> rows = {
        {"matched",
         {},
         {{"delay_ns", 9.6 / 240 * 1000}, {"gamma_source", 0}},
         {"source_front_2_ns", "load_front_2_ns", "gamma_junction_12", "delay_line1_ns",
          "vswr_line1", "zin_real_ohm"}},
        {"open end (the stored Infinite)",
         {.r2 = open},
         {{"gamma_load_first", (open - 50) / (open + 50)}, {"source_front_2_ns", 80}},
         {"source_front_3_ns"}},
        {"ideal source into an inductor: never settles",
         {.load = "Inductor", .r1 = 0},
         {{"load_front_1_v", 2}},
         {"load_voltage_final", "source_current_final"}},
        {"cascade 50/75 into 150",
         {.r2 = 150, .zo2 = 75, .cascaded = true},
         {{"delay_line1_ns", 20},
          {"delay_line2_ns", 20},
          {"gamma_junction_12", 0.2},
          {"tau_junction_12", 1.2},
          {"gamma_junction_21", -0.2},
          {"tau_junction_21", 0.8},
          {"gamma_load_first", 1.0 / 3}},
         {}},
        {"sine into 50 + j50",
         {.load = "Impedance", .source = "Sine"},
         {{"wavelength_m", 2.4},
          {"gamma_load_magnitude", std::sqrt(0.2)},
          {"gamma_load_angle_deg", std::atan2(0.4, 0.2) * 180 / std::numbers::pi},
          {"vswr_line1", (1 + std::sqrt(0.2)) / (1 - std::sqrt(0.2))},
          {"zin_real_ohm", 50},  // four wavelengths: the load itself
          {"zin_imag_ohm", 50},
          {"return_loss_db", -10 * std::log10(0.2)}},
         {"load_voltage_final", "source_front_1_ns", "vswr_line2"}},
        // A short: minima at the load and every half wavelength from it.
        {"cosine into a short",
         {.r2 = 0, .source = "Cosine"},
         {{"gamma_load_angle_deg", 180},
          {"voltage_min_1_m", 0},
          {"voltage_min_1_v", 0},
          {"voltage_max_1_m", 0.6},
          {"voltage_max_1_v", 1},
          {"voltage_min_2_m", 1.2}},
         {}},
        {"sine, matched",
         {.source = "Sine"},
         {{"vswr_line1", 1}, {"return_loss_db", kInfinite}, {"zin_imag_ohm", 0}},
         {"voltage_max_1_m", "voltage_min_1_m"}},
        {"sine into 75 ohm, 30 % lost",
         {.r2 = 75, .source = "Sine", .attenuation = 30},
         {{"vswr_line1", 1.5},
          {"return_loss_db", -20 * std::log10(lossy)},
          {"zin_real_ohm", 50 * (1 + lossy) / (1 - lossy)}},
         {}},
        {"sine, cascade 50/100 into 100",
         {.r2 = 100, .zo2 = 100, .cascaded = true, .source = "Sine"},
         {{"vswr_line1", 2}, {"vswr_line2", 1}, {"zin_real_ohm", 100}},
         {}},
        {"pulse train",
         {.source = "Pulse Train"},
         {{"gamma_source", 0}},
         {"load_voltage_final", "source_front_1_ns", "vswr_line1", "wavelength_m"}},
    };
    // Each load type's coefficient for a step, at the first instant and once settled; without
    // its capacitance or inductance it is what it ends as from the start.
    const struct {
        Circuit circuit;
        double first, final;
    } steps[] = {
        {{.load = "Capacitor", .r2 = 30}, -1, 1},
        {{.load = "Capacitor", .pF = 0}, 1, 1},
        {{.load = "Inductor", .r2 = 30}, 1, -1},
        {{.load = "Inductor", .uH = 0}, -1, -1},
        {{.load = "ParallelRC", .r2 = 150}, -1, 0.5},
        {{.load = "ParallelRC", .r2 = 150, .pF = 0}, 0.5, 0.5},
        {{.load = "SeriesRL", .r2 = 25}, 1, -1.0 / 3},
        {{.load = "SeriesRL", .r2 = 25, .uH = 0}, -1.0 / 3, -1.0 / 3},
        {{.load = "Impedance", .r2 = 150, .reactance = -50, .zo2 = 75, .cascaded = true},
         -1,
         1.0 / 3},
        {{.load = "Impedance", .r2 = 25, .reactance = 50}, 1, -1.0 / 3},
        {{.load = "Impedance", .r2 = 25, .reactance = 0}, -1.0 / 3, -1.0 / 3},
    };
    for (const auto& s : steps)
        rows.push_back({s.circuit.load,
                        s.circuit,
                        {{"gamma_load_first", s.first}, {"gamma_load_final", s.final}},
                        {}});
    // Each load type's Γ for the start frequency's sine, on the 50 Ω line.
    const Complex j(0, 1);
    const double wC = 2 * std::numbers::pi * 100e6 * 100e-12,
                 wL = 2 * std::numbers::pi * 100e6 * 1e-6;
    const struct {
        Circuit circuit;
        Complex gamma;
    } sines[] = {
        {{.load = "Capacitor"}, GammaOf(1.0 / (j * wC), 50)},
        {{.load = "Inductor"}, GammaOf(j * wL, 50)},
        {{.load = "ParallelRC", .r2 = 100}, GammaOf(1.0 / (1.0 / 100 + j * wC), 50)},
        {{.load = "SeriesRL", .r2 = 30}, GammaOf(30.0 + j * wL, 50)},
        {{.load = "Impedance", .reactance = -50}, Complex(-0.2, -0.4)},  // R2 in parallel
        {{.r2 = 0}, -1.0},
    };
    for (auto [circuit, gamma] : sines) {
        circuit.source = "Sine";
        rows.push_back({circuit.load,
                        circuit,
                        {{"gamma_load_real", gamma.real()}, {"gamma_load_imag", gamma.imag()}},
                        {}});
    }
    return rows;
}

}  // namespace

class ClosedForms : public QObject {
    Q_OBJECT
  private slots:
    // Every quantity a row names has the hand-worked value; those it lists as absent are not
    // reported; and no circuit of the table reports a nan.
    void reportMatchesTheTextbook() {
        for (const Row& row : Rows()) {
            const QMap<QString, double> report = ReportOf(row.circuit);
            for (const auto& [quantity, value] : row.expected)
                QVERIFY2(report.contains(quantity) && Agrees(report.value(quantity), value),
                         qPrintable(QString("%1: %2 is %3, by hand %4")
                                        .arg(row.name, quantity)
                                        .arg(report.value(quantity, NAN), 0, 'g', 17)
                                        .arg(value, 0, 'g', 17)));
            for (const char* q : row.absent)
                QVERIFY2(!report.contains(q), qPrintable(QString("%1: %2").arg(row.name, q)));
            for (auto it = report.begin(); it != report.end(); ++it)
                QVERIFY2(!std::isnan(*it), qPrintable(QString("%1: %2").arg(row.name, it.key())));
        }
    }

    // Whatever the entries accept, nothing is nan, and only a ratio, a return loss or an ideal
    // open's input impedance is infinite: every load, source and line type, ends
    // that short, open or all but vanish (an admittance that overflows), no loss, some, total.
    void neverNan() {
        const QRegularExpression mayBeInfinite("vswr_line.|return_loss_db|zin_real_ohm");
        Circuit c{.zo2 = 75};
        for (const char* load :
             {"Resistor", "Capacitor", "Inductor", "ParallelRC", "SeriesRL", "Impedance"})
            for (const char* source : {"DC", "Sine", "Cosine"})
                for (double r1 : {0.0, 50.0, 9999999.0})
                    for (double r2 : {0.0, 1e-310, 50.0, 99999999.0, 1e10})
                        for (double x : {-1e-310, -50.0, 0.0, 1e10})
                            for (double attenuation : {0.0, 30.0, 100.0})
                                for (bool cascaded : {false, true}) {
                                    c.load = load, c.source = source, c.r1 = r1, c.r2 = r2;
                                    c.reactance = x, c.attenuation = attenuation;
                                    c.cascaded = cascaded;
                                    const QMap<QString, double> r = ReportOf(c);
                                    for (auto it = r.begin(); it != r.end(); ++it)
                                        QVERIFY2(std::isfinite(*it) ||
                                                     (*it == kInfinite &&
                                                      mayBeInfinite.match(it.key()).hasMatch()),
                                                 qPrintable(it.key()));
                                }
    }

    // A short is exactly -1, not -1 to rounding, at every impedance a user may set. A load that
    // reflects everything has a return loss of exactly 0 dB, not 1e-15, and an infinite ratio
    // on every line, also where rounding puts |Γ| at 1 - 1e-16, directly and behind a junction.
    void wholeReflectionIsExact() {
        for (double zo : {1.0, 3.0, 50.0, 77.7, 1e10}) {
            const QMap<QString, double> r =
                ReportOf({.r1 = 0, .r2 = 0, .zo1 = zo, .source = "Sine"});
            // QCOMPARE of doubles allows 1e-12: these must be exact.
            QVERIFY(r.value("gamma_load_real") == -1.0);
            QVERIFY(ReportOf({.r1 = 0, .r2 = 0, .zo1 = zo}).value("gamma_load_first") == -1.0);
            QVERIFY(r.value("gamma_source") == -1.0);
        }
        const Circuit whole[] = {
            {.r2 = 0, .source = "Sine"},
            {.load = "Capacitor", .source = "Sine"},
            {.load = "Capacitor", .pF = 3.3, .source = "Sine"},
            {.load = "Impedance", .r2 = 0, .reactance = 33, .source = "Sine"},
            {.load = "Inductor",
             .MHz = 77,
             .zo1 = 75,
             .zo2 = 20,
             .cascaded = true,
             .source = "Sine"},
        };
        for (const Circuit& c : whole) {
            const QMap<QString, double> r = ReportOf(c);
            QVERIFY(r.value("return_loss_db") == 0.0);
            QVERIFY(r.value("vswr_line1") == kInfinite);
            QVERIFY(!c.cascaded || r.value("vswr_line2") == kInfinite);
        }
    }
};

QTEST_GUILESS_MAIN(ClosedForms)
#include "test_closed_forms.moc"
