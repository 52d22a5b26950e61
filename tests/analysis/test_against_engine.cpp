// The report against the engine, which knows nothing of it: the steps that fronts make at the
// two ends of the line, the DC values a run settles to, and where and how high the envelope of
// a settled sine peaks and dips.

#include <QtTest>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "circuits.h"
#include "sim/engine.h"

namespace {

double Milliamperes(const sim::Model& m, double current) { return 1000 * current / m.Zo; }

// Rows the report gives for the fronts at one end: (time in ns, step in V).
std::vector<std::pair<double, double>> Fronts(const QMap<QString, double>& r, const char* end) {
    std::vector<std::pair<double, double>> fronts;
    for (int n = 1; r.contains(QString("%1_front_%2_ns").arg(end).arg(n)); ++n)
        fronts.emplace_back(r.value(QString("%1_front_%2_ns").arg(end).arg(n)),
                            r.value(QString("%1_front_%2_v").arg(end).arg(n)));
    return fronts;
}

}  // namespace

class AgainstTheEngine : public QObject {
    Q_OBJECT
  private slots:
    // Resistive loads and junctions answer a front at once, so the voltage at each end of the
    // engine's line jumps at the tick the report names, by the step it names.
    void frontsStepAsReported() {
        const Circuit rows[] = {
            {.r2 = 99999999},
            {.r2 = 0},
            {.r1 = 25, .r2 = 150},
            {.r1 = 10, .r2 = 25, .attenuation = 30},
            {.r2 = 150, .zo2 = 75, .cascaded = true},
            {.r1 = 0, .r2 = 75, .zo1 = 75, .zo2 = 50, .cascaded = true, .attenuation = 30},
        };
        for (const Circuit& c : rows) {
            const QMap<QString, double> r = ReportOf(c);
            sim::Model m = Started(c);
            std::vector<double> source{0}, load{0};  // after tick n, at index n
            for (int n = 1; n <= 1000; ++n) {
                sim::Tick(m);
                source.push_back(m.LineVoltage[0][0]);
                load.push_back(m.LineVoltage[0][sim::kLastPoint]);
            }
            // A front at t ns shows at the end of tick t / (ns per tick) + 1.
            const double nsPerTick = 1000 * m.PointDuration;
            for (const auto& [end, volts] : {std::pair{"source", &source}, {"load", &load}}) {
                const auto fronts = Fronts(r, end);
                QVERIFY(!fronts.empty() || std::string(end) == "source");
                for (const auto& [ns, step] : fronts) {
                    const int tick = int(std::lround(ns / nsPerTick)) + 1;
                    if (tick > 1000) continue;
                    const double engineStep = (*volts)[tick] - (*volts)[tick - 1];
                    QVERIFY2(std::fabs(engineStep - step) <= 1e-12,
                             qPrintable(QString::asprintf("%s end at %g ns: engine %g, report %g",
                                                          end, ns, engineStep, step)));
                }
            }
        }
    }

    // A DC run settles to the reported final voltages and currents at both ends: every load
    // type, a cascade either way, with and without loss.
    void dcRunSettlesToTheFinalValues() {
        const Circuit rows[] = {
            {.r1 = 25, .r2 = 100},
            {.r2 = 99999999, .attenuation = 30},
            {.r1 = 0, .r2 = 0, .attenuation = 30},
            {.load = "Capacitor", .r1 = 75},
            {.load = "Inductor", .r1 = 20, .attenuation = 30},
            {.load = "ParallelRC", .r2 = 150, .zo2 = 75, .cascaded = true},
            {.load = "SeriesRL", .r2 = 25, .zo1 = 75, .cascaded = true, .attenuation = 30},
            {.load = "Impedance", .r2 = 150, .reactance = -50, .zo2 = 25, .cascaded = true},
            {.load = "Impedance", .r1 = 5, .r2 = 40, .reactance = 80},
        };
        for (const Circuit& c : rows) {
            const QMap<QString, double> r = ReportOf(c);
            sim::Model m = Started(c);
            sim::RunTicks(m, 40000, [](const sim::Points&, const sim::Points&) {});
            const double got[] = {m.LineVoltage[0][0], Milliamperes(m, m.LineCurrent[0][0]),
                                  m.LineVoltage[0][sim::kLastPoint],
                                  Milliamperes(m, m.LineCurrent[0][sim::kLastPoint])};
            const char* names[] = {"source_voltage_final", "source_current_final",
                                   "load_voltage_final", "load_current_final"};
            for (int i = 0; i < 4; ++i)
                QVERIFY2(std::fabs(got[i] - r.value(names[i])) <= 1e-9,
                         qPrintable(QString::asprintf("%s: engine %.12g, report %.12g", names[i],
                                                      got[i], r.value(names[i]))));
        }
    }

    // The settled sine's amplitude at each point (one period of ticks, Fourier-weighted), its
    // turns refined by a parabola through three points, where the report says and as high.
    // Two wavelengths on the line: a hundred points to each. A reactive load is integrated by
    // the trapezoidal rule, which sees it at a warped frequency; its Γ moves by at most
    // |Γ_warped - Γ|, which bounds how far a turn moves (in height, times the forward wave,
    // and in place, over 2β) beyond the rounding of the fit.
    void sineEnvelopeTurnsWhereReported() {
        const Circuit rows[] = {
            {.r1 = 20, .r2 = 25, .MHz = 50, .source = "Sine"},
            {.r2 = 100, .MHz = 50, .source = "Cosine", .attenuation = 30},
            {.load = "Impedance", .r2 = 30, .reactance = 80, .MHz = 50, .source = "Sine"},
            {.load = "Impedance", .reactance = -50, .MHz = 50, .source = "Sine", .attenuation = 10},
            {.r2 = 150, .MHz = 50, .zo2 = 75, .cascaded = true, .source = "Sine"},
        };
        for (const Circuit& c : rows) {
            const QMap<QString, double> r = ReportOf(c);
            sim::Model m = Started(c);
            const int period = int(std::lround(200 / m.SourceCycles));
            QCOMPARE(period, 100);
            const double wh = 2 * std::numbers::pi / period;
            sim::RunTicks(m, 20000, [](const sim::Points&, const sim::Points&) {});
            std::vector<std::complex<double>> sum(sim::kPoints);
            std::int64_t n = 0;
            sim::RunTicks(m, period, [&](const sim::Points& V, const sim::Points&) {
                const std::complex<double> w = std::polar(1.0, -wh * double(n++));
                for (int i = 0; i < sim::kPoints; ++i) sum[i] += V[i] * w;
            });
            std::vector<double> amplitude(sim::kPoints);
            for (int i = 0; i < sim::kPoints; ++i) amplitude[i] = 2 * std::abs(sum[i]) / period;

            // Allowance for the reactive loads' warped frequency.
            double shift = 0;
            if (std::string(c.load) == "Impedance") {
                const double warp = std::tan(wh / 2) / (wh / 2), x = c.reactance, r2 = c.r2;
                const auto gammaAt = [&](double scale) {
                    std::complex<double> z =
                        x > 0 ? std::complex<double>(r2, x * scale)
                              : 1.0 / (1 / r2 + 1.0 / std::complex<double>(0, x / scale));
                    return (z - 50.0) / (z + 50.0);
                };
                shift = std::abs(gammaAt(warp) - gammaAt(1));
            }
            const double beta = 2 * std::numbers::pi / r.value("wavelength_m");
            int turns = 0;
            for (const char* kind : {"max", "min"}) {
                for (int k = 1; r.contains(QString("voltage_%1_%2_m").arg(kind).arg(k)); ++k) {
                    const double x = r.value(QString("voltage_%1_%2_m").arg(kind).arg(k));
                    const double height = r.value(QString("voltage_%1_%2_v").arg(kind).arg(k));
                    // The engine's turn: at an end of the line the end point itself, else the
                    // vertex of the parabola through the point nearest the report's and its two
                    // neighbours (a report that is off finds no turn there).
                    const int i = int(std::lround(x / m.PointLength));
                    double at = i * m.PointLength, peak = amplitude[i];
                    if (i > 0 && i < sim::kLastPoint) {
                        const double a = amplitude[i - 1], b = amplitude[i], d = amplitude[i + 1];
                        const double offset = 0.5 * (a - d) / (a - 2 * b + d);
                        at = (i + offset) * m.PointLength;
                        peak = b - 0.25 * (a - d) * offset;
                    }
                    const double forward = r.value("voltage_max_1_v");
                    QVERIFY2(std::fabs(at - x) <= 1e-3 + shift / (2 * beta) &&
                                 std::fabs(peak - height) <= 1e-4 + forward * shift,
                             qPrintable(QString::asprintf("voltage_%s_%d: engine %g m, %g V; "
                                                          "report %g m, %g V",
                                                          kind, k, at, peak, x, height)));
                    ++turns;
                }
            }
            QCOMPARE(turns, 4);
        }
    }
};

QTEST_GUILESS_MAIN(AgainstTheEngine)
#include "test_against_engine.moc"
