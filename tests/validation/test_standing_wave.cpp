// The sinusoidal steady state against the phasor solution of the line.
//
// After many transits with a sine source, the largest |V| at each point over one period (the
// window's envelope) must match the standing wave of the line equations. The engine moves each
// wave one point per tick and multiplies it by the line's loss over one point, so on the grid
// the closed form is exact: V(i) = V+ (exp(-γi) + Γ exp(-2γN) exp(γi)), γ = α + jωh per point,
// N = 200, read at the same ticks as the engine.
//
// Tolerances: resistive loads are exact up to rounding, 1e-9 V. An R + jX load is integrated
// with the trapezoidal rule, whose steady state is the load at the warped frequency
// (2/h) tan(ωh/2): an inductance's reactance grows and a capacitance's shrinks by
// w = tan(ωh/2) / (ωh/2), about 1 + (ωh)²/12 = 1 + 1.3e-3 here. With a matched source the
// forward wave is Vs/2 whatever the load, so |V| moves by at most |Vs/2| |Γ_warped − Γ|; that
// plus 1e-9 is the bound against the exact solution, and against the warped one the engine
// must agree to 1e-9, which shows that the warping is all there is. A negative reactance is a
// capacitance in parallel with R2, a positive one an inductance in series, as in the program.

#include <QTest>
#include <cmath>
#include <complex>
#include <numbers>

#include "sim/engine.h"

namespace {

using Complex = std::complex<double>;
constexpr double kRounding = 1e-9;  // volts

struct Setup {
    double r1, r2, x, attenuation;
};

// Γ of the load with its reactance as the rule sees it at a frequency warped by `warp` (1: exact).
Complex Reflection(const Setup& s, double z0, double warp) {
    Complex zl = s.r2;
    if (s.x > 0) zl = Complex(s.r2, s.x * warp);
    if (s.x < 0) zl = 1.0 / (1.0 / s.r2 + 1.0 / Complex(0, s.x / warp));
    return (zl - z0) / (zl + z0);
}

// The largest difference between `engine` and the envelope over one period of
// v(i, n) = Re(V(i) exp(jωh n)) for a source whose tick n drives peak sin(ωh (n - 1)).
double OffTheEnvelope(const std::vector<double>& engine, const Setup& s, const sim::Model& m,
                      double wh, double warp) {
    const Complex gamma(-std::log1p(-s.attenuation / 100) / 200, wh);
    const double z0 = m.Zo, peak = m.PeakVoltage;
    const Complex back = Reflection(s, z0, warp) * std::exp(-400.0 * gamma);
    const Complex zin = z0 * (1.0 + back) / (1.0 - back);
    const Complex vs = Complex(0, -peak) * std::exp(Complex(0, -wh));
    const Complex forward = vs * zin / (zin + s.r1) / (1.0 + back);
    double worst = 0;
    for (int i = 0; i < sim::kPoints; ++i) {
        const Complex v =
            forward * (std::exp(-gamma * double(i)) + back * std::exp(gamma * double(i)));
        double top = 0;
        for (int n = 0; n < std::lround(2 * std::numbers::pi / wh); ++n)
            top = std::max(top, std::fabs((v * std::exp(Complex(0, wh * n))).real()));
        worst = std::max(worst, std::fabs(engine[i] - top));
    }
    return worst;
}

}  // namespace

Q_DECLARE_METATYPE(Setup)

class SteadyState : public QObject {
    Q_OBJECT

  private slots:
    void envelopeMatchesThePhasorSolution_data() {
        QTest::addColumn<Setup>("s");
        QTest::newRow("open end") << Setup{50, 1e10, 0, 0};
        QTest::newRow("short end, R1 20, 20 % loss") << Setup{20, 0, 0, 20};
        QTest::newRow("30 + j80") << Setup{50, 30, 80, 0};
        QTest::newRow("50 - j50, R2 in parallel") << Setup{50, 50, -50, 0};
        QTest::newRow("100 + j25, 30 % loss") << Setup{50, 100, 25, 30};
        QTest::newRow("10 - j200, R2 in parallel, 10 % loss") << Setup{50, 10, -200, 10};
    }

    void envelopeMatchesThePhasorSolution() {
        QFETCH(Setup, s);
        sim::Model m = sim::StartValues();  // 9.6 m, 80 % of c, 100 MHz: 4 cycles, 50 ticks
        m.SourceType = "Sine", m.LoadType = s.x == 0 ? "Resistor" : "Impedance";
        m.SourceResistance = s.r1, m.LoadResistance = s.r2, m.LoadReactance = s.x;
        m.Attenuation = s.attenuation;
        sim::PrepareRun(m, false);
        sim::ResetLine(m);
        const double wh = 2 * std::numbers::pi * m.SourceCycles / 200;  // phase per tick
        const int period = int(std::lround(200 / m.SourceCycles)), settle = 16000;  // 80 transits
        QCOMPARE(period * m.SourceCycles, 200.0);
        std::vector<double> engine(sim::kPoints, 0);
        for (int n = 1; n <= settle + period; ++n) {
            sim::Tick(m);
            for (int i = 0; i < sim::kPoints && n > settle; ++i)
                engine[i] = std::max(engine[i], std::fabs(m.LineVoltage[0][i]));
        }
        const double warp = std::tan(wh / 2) / (wh / 2);
        const double fromExact = OffTheEnvelope(engine, s, m, wh, 1),
                     fromWarped = OffTheEnvelope(engine, s, m, wh, warp);
        const double bound =
            kRounding + std::fabs(m.PeakVoltage.number / 2) *
                            std::abs(Reflection(s, m.Zo, warp) - Reflection(s, m.Zo, 1));
        qInfo("largest |V| difference %.3g V (allowed %.3g V), from the warped solution %.3g V",
              fromExact, bound, fromWarped);
        QVERIFY(fromExact <= bound);
        QVERIFY(fromWarped <= kRounding);
    }
};

QTEST_GUILESS_MAIN(SteadyState)
#include "test_standing_wave.moc"
