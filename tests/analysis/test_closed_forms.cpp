// The report against the textbook's closed forms, worked out here by hand for each circuit:
// reflection and transmission coefficients, DC final values and the fronts of the lattice
// diagram, and for a sine the load's Γ, the standing-wave ratio, the input impedance, the
// return loss and the maxima and minima of the envelope.

#include <QtTest>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "circuits.h"

namespace {

using Complex = std::complex<double>;
constexpr double pi = std::numbers::pi;

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
double Vswr(double g) { return (1 + g) / (1 - g); }
double Deg(Complex g) { return std::arg(g) * 180 / pi; }

// The textbook's answer for a lossless line of `length` m into Γ: where the envelope first
// peaks and dips, counted from the source end, d = (θ + 2πn) / 2β from the load.
double FirstTurn(Complex g, double wavelength, double length, bool maximum) {
    const double beta = 2 * pi / wavelength;
    double d = std::arg(g) / (2 * beta) + (maximum ? 0 : wavelength / 4);
    while (d < 0) d += wavelength / 2;
    return std::fmod(length - d, wavelength / 2);
}

// Within 1e-12 of the value's size: the report computes what the row writes out by hand.
bool Agrees(double got, double want) {
    if (std::isinf(want)) return std::isinf(got) && got > 0;
    return std::fabs(got - want) <= 1e-12 * std::fmax(1, std::fabs(want));
}

std::vector<Row> Rows() {
    const double open = 99999999;  // the "Infinite" of the load menu
    const Complex j(0, 1);
    // 50 + j50 on a 50 Ω line, four wavelengths of 2.4 m, matched source: V+ = 0.5 V.
    const Complex g5050 = GammaOf(50.0 + 50.0 * j, 50);
    // A short at 100 MHz: Γ = -1, minima at the load and every half wavelength from it.
    const Complex gPar = GammaOf(1.0 / (1.0 / 50 + 1.0 / (-50.0 * j)), 50);  // 25 - j25
    const double wC = 2 * pi * 100e6 * 100e-12, wL = 2 * pi * 100e6 * 1e-6;
    const Complex gCap = (1.0 - j * wC * 50.0) / (1.0 + j * wC * 50.0);
    const Complex gInd = GammaOf(j * wL, 50), gSeries = GammaOf(30.0 + j * wL, 50);
    const Complex gRc = (1.0 - (1.0 / 100 + j * wC) * 50.0) / (1.0 + (1.0 / 100 + j * wC) * 50.0);
    const double lossy = 0.2 * 0.7 * 0.7;  // Γ of 75 Ω at the source end of a 30 % line
    return {
        // --- DC: coefficients, final values, fronts ---
        {"matched",
         {},
         {{"delay_ns", 9.6 / 240 * 1000},
          {"gamma_source", 0},
          {"gamma_load_first", 0},
          {"gamma_load_final", 0},
          {"source_voltage_final", 0.5},
          {"load_voltage_final", 0.5},
          {"load_current_final", 10},
          {"source_front_1_ns", 0},
          {"source_front_1_v", 0.5},
          {"load_front_1_ns", 40},
          {"load_front_1_v", 0.5}},
         {"source_front_2_ns", "load_front_2_ns", "gamma_junction_12", "delay_line1_ns",
          "vswr_line1", "zin_real_ohm"}},
        {"open end (the stored Infinite)",
         {.r2 = open},
         {{"gamma_load_first", (open - 50) / (open + 50)},
          {"load_voltage_final", open / (open + 50)},
          {"load_front_1_v", 0.5 * (1 + (open - 50) / (open + 50))},
          {"source_front_2_ns", 80},
          {"source_front_2_v", 0.5 * (open - 50) / (open + 50)}},
         {"source_front_3_ns"}},
        {"short end",
         {.r2 = 0},
         {{"gamma_load_first", -1},
          {"gamma_load_final", -1},
          {"load_voltage_final", 0},
          {"load_current_final", 20},
          {"source_voltage_final", 0},
          {"load_front_1_v", 0},
          {"source_front_2_v", -0.5}},
         {}},
        {"25 ohm source into 25 ohm",
         {.r1 = 25, .r2 = 25},
         {{"gamma_source", -1.0 / 3},
          {"gamma_load_first", -1.0 / 3},
          {"load_voltage_final", 0.5},
          {"source_current_final", 20},
          {"source_front_1_v", 50.0 / 75},
          {"load_front_1_v", 50.0 / 75 * (1 - 1.0 / 3)},
          {"source_front_2_v", 50.0 / 75 * (-1.0 / 3) * (1 - 1.0 / 3)},
          {"load_front_2_ns", 120},
          {"load_front_2_v", 50.0 / 75 / 9 * (1 - 1.0 / 3)}},
         {}},
        {"75 ohm, 30 % lost",
         {.r2 = 75, .attenuation = 30},
         {{"gamma_load_first", 0.2},
          {"load_voltage_final", 0.5 * 0.7 * 1.2},
          {"load_current_final", 0.5 * 0.7 * 0.8 / 50 * 1000},
          {"source_voltage_final", 0.5 * (1 + lossy)},
          {"source_current_final", 0.5 * (1 - lossy) / 50 * 1000},
          {"load_front_1_v", 0.5 * 0.7 * 1.2},
          {"source_front_2_v", 0.5 * lossy}},
         {"source_front_3_ns"}},
        {"ideal source, lossy line into a short",
         {.r1 = 0, .r2 = 0, .attenuation = 30},
         {{"gamma_source", -1},
          {"load_current_final", 1 / (1 - 0.49) * 2 * 0.7 / 50 * 1000},
          {"source_voltage_final", 1}},
         {}},
        {"ideal source into an inductor: never settles",
         {.load = "Inductor", .r1 = 0},
         {{"gamma_load_first", 1}, {"gamma_load_final", -1}, {"load_front_1_v", 2}},
         {"load_voltage_final", "source_current_final"}},
        {"cascade 50/75 into 150",
         {.r2 = 150, .zo2 = 75, .cascaded = true},
         {{"delay_line1_ns", 20},
          {"delay_line2_ns", 20},
          {"gamma_junction_12", 0.2},
          {"tau_junction_12", 1.2},
          {"gamma_junction_21", -0.2},
          {"tau_junction_21", 0.8},
          {"gamma_load_first", 1.0 / 3},
          {"load_voltage_final", 0.75},
          {"load_current_final", 5},
          {"load_front_1_ns", 40},
          {"load_front_1_v", 0.5 * 1.2 * (4.0 / 3)},
          {"source_front_2_ns", 40},
          {"source_front_2_v", 0.5 * 0.2},
          {"source_front_3_ns", 80},
          {"source_front_3_v", 0.5 * 1.2 / 3 * 0.8},
          {"load_front_2_ns", 80},
          {"load_front_2_v", 0.5 * 1.2 / 3 * -0.2 * (4.0 / 3)}},
         {}},
        {"cascade 75/50 into 150, 30 % lost",
         {.r1 = 75, .r2 = 150, .zo1 = 75, .cascaded = true, .attenuation = 30},
         {{"gamma_source", 0},
          {"gamma_junction_12", -0.2},
          {"tau_junction_12", 0.8},
          {"gamma_junction_21", 0.2},
          {"tau_junction_21", 1.2},
          {"gamma_load_first", 0.5},
          {"load_front_1_v", 0.5 * 0.8 * 1.5 * 0.7},
          {"source_front_2_v", 0.5 * -0.2 * 0.7}},
         {}},
        // --- every load type: the first and the final coefficient ---
        {"capacitor",
         {.load = "Capacitor", .r2 = 30},
         {{"gamma_load_first", -1},
          {"gamma_load_final", 1},
          {"load_voltage_final", 1},
          {"load_front_1_v", 0}},
         {}},
        {"capacitor of 0 pF",
         {.load = "Capacitor", .pF = 0},
         {{"gamma_load_first", 1}, {"gamma_load_final", 1}},
         {}},
        {"inductor",
         {.load = "Inductor", .r2 = 30},
         {{"gamma_load_first", 1},
          {"gamma_load_final", -1},
          {"load_current_final", 20},
          {"load_front_1_v", 1}},
         {}},
        {"inductor of 0 uH",
         {.load = "Inductor", .uH = 0},
         {{"gamma_load_first", -1}, {"gamma_load_final", -1}},
         {}},
        {"parallel RC",
         {.load = "ParallelRC", .r2 = 150},
         {{"gamma_load_first", -1}, {"gamma_load_final", 0.5}, {"load_voltage_final", 0.75}},
         {}},
        {"parallel RC of 0 pF",
         {.load = "ParallelRC", .r2 = 150, .pF = 0},
         {{"gamma_load_first", 0.5}, {"gamma_load_final", 0.5}},
         {}},
        {"series RL",
         {.load = "SeriesRL", .r2 = 25},
         {{"gamma_load_first", 1}, {"gamma_load_final", -1.0 / 3}},
         {}},
        {"series RL of 0 uH",
         {.load = "SeriesRL", .r2 = 25, .uH = 0},
         {{"gamma_load_first", -1.0 / 3}, {"gamma_load_final", -1.0 / 3}},
         {}},
        {"R - jX behind a cascade",
         {.load = "Impedance", .r2 = 150, .reactance = -50, .zo2 = 75, .cascaded = true},
         {{"gamma_load_first", -1}, {"gamma_load_final", 1.0 / 3}},
         {}},
        {"R + jX",
         {.load = "Impedance", .r2 = 25, .reactance = 50},
         {{"gamma_load_first", 1}, {"gamma_load_final", -1.0 / 3}},
         {}},
        {"R + j0",
         {.load = "Impedance", .r2 = 25, .reactance = 0},
         {{"gamma_load_first", -1.0 / 3}, {"gamma_load_final", -1.0 / 3}},
         {}},
        // --- a sine: phasors ---
        {"sine into 50 + j50",
         {.load = "Impedance", .source = "Sine"},
         {{"wavelength_m", 2.4},
          {"gamma_load_real", 0.2},
          {"gamma_load_imag", 0.4},
          {"gamma_load_magnitude", std::sqrt(0.2)},
          {"gamma_load_angle_deg", Deg(g5050)},
          {"vswr_line1", Vswr(std::sqrt(0.2))},
          {"zin_real_ohm", 50},
          {"zin_imag_ohm", 50},
          {"return_loss_db", -10 * std::log10(0.2)},
          {"voltage_max_1_m", FirstTurn(g5050, 2.4, 9.6, true)},
          {"voltage_max_1_v", 0.5 * (1 + std::sqrt(0.2))},
          {"voltage_max_2_m", FirstTurn(g5050, 2.4, 9.6, true) + 1.2},
          {"voltage_min_1_m", FirstTurn(g5050, 2.4, 9.6, false)},
          {"voltage_min_1_v", 0.5 * (1 - std::sqrt(0.2))}},
         {"load_voltage_final", "source_front_1_ns", "vswr_line2"}},
        {"cosine into a short",
         {.r2 = 0, .source = "Cosine"},
         {{"gamma_load_real", -1},
          {"gamma_load_imag", 0},
          {"gamma_load_angle_deg", 180},
          {"vswr_line1", kInfinite},
          {"return_loss_db", 0},
          {"voltage_min_1_m", 0},
          {"voltage_min_1_v", 0},
          {"voltage_max_1_m", 0.6},
          {"voltage_max_1_v", 1},
          {"voltage_min_2_m", 1.2}},
         {}},
        {"sine, matched",
         {.source = "Sine"},
         {{"vswr_line1", 1},
          {"return_loss_db", kInfinite},
          {"zin_real_ohm", 50},
          {"zin_imag_ohm", 0}},
         {"voltage_max_1_m", "voltage_min_1_m"}},
        {"sine into 75 ohm, 30 % lost",
         {.r2 = 75, .source = "Sine", .attenuation = 30},
         {{"vswr_line1", 1.5},
          {"return_loss_db", -20 * std::log10(lossy)},
          {"zin_real_ohm", 50 * (1 + lossy) / (1 - lossy)},
          {"zin_imag_ohm", 0}},
         {}},
        {"sine, cascade 50/100 into 100",
         {.r2 = 100, .zo2 = 100, .cascaded = true, .source = "Sine"},
         {{"vswr_line1", 2},
          {"vswr_line2", 1},
          {"zin_real_ohm", 100},
          {"return_loss_db", -20 * std::log10(1.0 / 3)}},
         {}},
        {"sine into a capacitor",
         {.load = "Capacitor", .source = "Sine"},
         {{"gamma_load_magnitude", 1},
          {"gamma_load_angle_deg", Deg(gCap)},
          {"vswr_line1", kInfinite},
          {"return_loss_db", 0}},
         {}},
        // |Γ| = 1 that rounding puts at 1 - 1e-16, directly and behind a junction.
        {"sine into 3.3 pF",
         {.load = "Capacitor", .pF = 3.3, .source = "Sine"},
         {{"vswr_line1", kInfinite}, {"return_loss_db", 0}},
         {}},
        {"sine into j33",
         {.load = "Impedance", .r2 = 0, .reactance = 33, .source = "Sine"},
         {{"vswr_line1", kInfinite}, {"return_loss_db", 0}},
         {}},
        {"sine, cascade 75/20 into an inductor",
         {.load = "Inductor", .MHz = 77, .zo1 = 75, .zo2 = 20, .cascaded = true, .source = "Sine"},
         {{"vswr_line1", kInfinite}, {"vswr_line2", kInfinite}},
         {}},
        {"sine into an inductor",
         {.load = "Inductor", .source = "Sine"},
         {{"gamma_load_real", gInd.real()},
          {"gamma_load_imag", gInd.imag()},
          {"vswr_line1", kInfinite}},
         {}},
        {"sine into a parallel RC",
         {.load = "ParallelRC", .r2 = 100, .source = "Sine"},
         {{"gamma_load_real", gRc.real()},
          {"gamma_load_imag", gRc.imag()},
          {"vswr_line1", Vswr(std::abs(gRc))}},
         {}},
        {"sine into a series RL",
         {.load = "SeriesRL", .r2 = 30, .source = "Sine"},
         {{"gamma_load_real", gSeries.real()}, {"gamma_load_imag", gSeries.imag()}},
         {}},
        {"sine into 50 - j50 (R2 in parallel)",
         {.load = "Impedance", .reactance = -50, .source = "Sine"},
         {{"gamma_load_real", gPar.real()},
          {"gamma_load_imag", gPar.imag()},
          {"gamma_load_real", -0.2},
          {"gamma_load_imag", -0.4}},
         {}},
        // --- sources with neither a final value nor a phasor ---
        {"pulse train",
         {.source = "Pulse Train"},
         {{"gamma_source", 0}},
         {"load_voltage_final", "source_front_1_ns", "vswr_line1", "wavelength_m"}},
    };
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
            for (const Expected& e : row.expected) {
                QVERIFY2(report.contains(e.quantity),
                         qPrintable(QString("%1: no %2").arg(row.name, e.quantity)));
                const double got = report.value(e.quantity);
                QVERIFY2(Agrees(got, e.value), qPrintable(QString("%1: %2 is %3, by hand %4")
                                                              .arg(row.name, e.quantity)
                                                              .arg(got, 0, 'g', 17)
                                                              .arg(e.value, 0, 'g', 17)));
            }
            for (const char* q : row.absent)
                QVERIFY2(!report.contains(q),
                         qPrintable(QString("%1: %2 reported").arg(row.name, q)));
            for (auto it = report.begin(); it != report.end(); ++it)
                QVERIFY2(!std::isnan(*it),
                         qPrintable(QString("%1: %2 is nan").arg(row.name, it.key())));
        }
    }

    // Whatever the entries accept, nothing is nan, and only a ratio, a return loss or an ideal
    // open's input impedance is infinite: every load, source and line type, ends
    // that short, open or all but vanish (an admittance that overflows), no loss, some, total.
    void neverNan() {
        int reports = 0;
        for (const char* load :
             {"Resistor", "Capacitor", "Inductor", "ParallelRC", "SeriesRL", "Impedance"})
            for (const char* source : {"DC", "Sine", "Cosine"})
                for (double r1 : {0.0, 50.0, 9999999.0})
                    for (double r2 : {0.0, 1e-310, 50.0, 99999999.0, 1e10})
                        for (double x : {-1e-310, -50.0, 0.0, 1e10})
                            for (double attenuation : {0.0, 30.0, 100.0})
                                for (bool cascaded : {false, true}) {
                                    const Circuit c{.load = load,
                                                    .r1 = r1,
                                                    .r2 = r2,
                                                    .reactance = x,
                                                    .zo2 = 75,
                                                    .cascaded = cascaded,
                                                    .source = source,
                                                    .attenuation = attenuation};
                                    const QMap<QString, double> r = ReportOf(c);
                                    for (auto it = r.begin(); it != r.end(); ++it)
                                        QVERIFY2(std::isfinite(*it) ||
                                                     (*it == kInfinite &&
                                                      QRegularExpression(
                                                          "vswr_line.|return_loss_db|zin_real_ohm")
                                                          .match(it.key())
                                                          .hasMatch()),
                                                 qPrintable(it.key()));
                                    ++reports;
                                }
        QCOMPARE(reports, 6 * 3 * 3 * 5 * 4 * 3 * 2);
    }

    // A short is exactly -1, not -1 to rounding, at every impedance a user may set; and a
    // load that reflects everything has a return loss of exactly 0 dB, not 1e-15.
    void wholeReflectionIsExact() {
        for (double zo : {1.0, 3.0, 50.0, 77.7, 1e10}) {
            for (const char* source : {"DC", "Sine"}) {
                const QMap<QString, double> r =
                    ReportOf({.r1 = 0, .r2 = 0, .zo1 = zo, .source = source});
                // QCOMPARE of doubles allows 1e-12: these must be exact.
                QVERIFY(r.value("gamma_load_first") == -1.0);
                QVERIFY(r.value("gamma_source") == -1.0);
                if (QString(source) == "Sine") QVERIFY(r.value("gamma_load_real") == -1.0);
            }
        }
        const Circuit whole[] = {{.r2 = 0, .source = "Sine"},
                                 {.load = "Capacitor", .pF = 3.3, .source = "Sine"},
                                 {.load = "Impedance", .r2 = 0, .reactance = 33, .source = "Sine"}};
        for (const Circuit& c : whole) QVERIFY(ReportOf(c).value("return_loss_db") == 0.0);
    }
};

QTEST_GUILESS_MAIN(ClosedForms)
#include "test_closed_forms.moc"
