// The sinusoidal steady state against the phasor solution of the line.
//
// After many transits with a sine source, the largest |V| at each point over one period (what
// the window's envelope shows) must match the standing wave of the transmission-line
// equations. The engine moves each wave exactly one point per tick and multiplies it by the
// same factor the line's attenuation gives over one point, so on the grid the closed form is
// exact: V(i) = V+ (exp(-γ i) + Γ exp(-2γ N) exp(γ i)), with γ = α + jωh per point, N = 200.
// Both sides are read at the same ticks, so the sampling of the period costs nothing.
//
// Tolerances:
//  - resistive loads: the engine is exact up to rounding; 1e-9 V.
//  - R + jX loads: the engine integrates the load with the trapezoidal rule, whose steady state
//    is the load at the warped frequency (2/h) tan(ωh/2): the reactance of an inductance
//    grows, that of a capacitance shrinks, by the factor (ωh/2) / tan(ωh/2) or its inverse,
//    about (ωh)²/12 = 1.3e-3 here. With a matched source the forward wave is Vs/2 whatever
//    the load, so |V| anywhere moves by at most |Vs/2| |Γ_warped − Γ|. That, plus the 1e-9,
//    is the tolerance against the exact solution. Against the warped solution the engine must
//    agree to 1e-9, which shows that the warping is all there is.
// The program reads a negative reactance as a capacitance in parallel with R2 and a positive
// one as an inductance in series with it; the closed form uses the same circuits.

#include <QTest>
#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "sim/engine.h"

namespace {

using Complex = std::complex<double>;
constexpr double kRounding = 1e-9;   // volts
constexpr int kSettleTicks = 16000;  // 80 transits

struct Setup {
    double r1, r2, x, attenuation;
    const char* load;  // "Resistor" or "Impedance"
};

// The load at the source frequency; `warped` gives the reactance the trapezoidal rule sees.
Complex LoadImpedance(const Setup& s, double wh, bool warped) {
    if (std::string(s.load) == "Resistor" || s.x == 0) return s.r2;
    const double warp = std::tan(wh / 2) / (wh / 2);
    if (s.x > 0) return Complex(s.r2, warped ? s.x * warp : s.x);
    const Complex jx(0, warped ? s.x / warp : s.x);
    return s.r2 * jx / (s.r2 + jx);
}

// Phasors of the 201 points for a source of peak `peak` whose tick n drives
// peak · sin(ωh (n − 1)), read as v(i, n) = Re(V(i) exp(jωh n)).
std::vector<Complex> PhasorLine(const Setup& s, double z0, double peak, double wh, bool warped) {
    const Complex gamma(-std::log1p(-s.attenuation / 100) / 200, wh);  // per point
    const Complex zl = LoadImpedance(s, wh, warped);
    const Complex gl = (zl - z0) / (zl + z0);
    const Complex back = gl * std::exp(-2.0 * gamma * 200.0);
    const Complex zin = z0 * (1.0 + back) / (1.0 - back);
    const Complex vs = Complex(0, -peak) * std::exp(Complex(0, -wh));
    const Complex v0 = vs * zin / (zin + s.r1);
    const Complex forward = v0 / (1.0 + back);
    std::vector<Complex> v(sim::kPoints);
    for (int i = 0; i < sim::kPoints; ++i)
        v[i] = forward * (std::exp(-gamma * double(i)) + back * std::exp(gamma * double(i)));
    return v;
}

}  // namespace

Q_DECLARE_METATYPE(Setup)

class SteadyState : public QObject {
    Q_OBJECT

  private slots:
    void envelopeMatchesThePhasorSolution_data() {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("matched resistor") << Setup{50, 50, 0, 0, "Resistor"};
        QTest::newRow("open end") << Setup{50, 1e10, 0, 0, "Resistor"};
        QTest::newRow("short end, R1 20, 20 % loss") << Setup{20, 0, 0, 20, "Resistor"};
        QTest::newRow("R2 200, R1 10") << Setup{10, 200, 0, 0, "Resistor"};
        QTest::newRow("30 + j80") << Setup{50, 30, 80, 0, "Impedance"};
        QTest::newRow("50 - j50, R2 in parallel") << Setup{50, 50, -50, 0, "Impedance"};
        QTest::newRow("100 + j25, 30 % loss") << Setup{50, 100, 25, 30, "Impedance"};
        QTest::newRow("10 - j200, R2 in parallel, 10 % loss")
            << Setup{50, 10, -200, 10, "Impedance"};
    }

    void envelopeMatchesThePhasorSolution() {
        QFETCH(Setup, setup);
        sim::Model m = sim::StartValues();  // 9.6 m, 80 % of c, 100 MHz: 4 cycles on the line
        m.SourceType = "Sine";
        m.LoadType = setup.load;
        m.SourceResistance = setup.r1;
        m.LoadResistance = setup.r2;
        m.LoadReactance = setup.x;
        m.Attenuation = setup.attenuation;
        sim::PrepareRun(m, false);
        sim::ResetLine(m);
        const double wh = 2 * std::numbers::pi * m.SourceCycles / 200;  // phase per tick
        const int period = static_cast<int>(std::lround(200 / m.SourceCycles));
        QCOMPARE(period * m.SourceCycles, 200.0);  // a whole number of ticks per period

        for (int n = 1; n <= kSettleTicks; ++n) sim::Tick(m);
        std::vector<double> engine(sim::kPoints, 0), exact(sim::kPoints, 0),
            warped(sim::kPoints, 0);
        const auto exactWave = PhasorLine(setup, m.Zo, m.PeakVoltage, wh, false);
        const auto warpedWave = PhasorLine(setup, m.Zo, m.PeakVoltage, wh, true);
        for (int n = kSettleTicks + 1; n <= kSettleTicks + period; ++n) {
            sim::Tick(m);
            const Complex turn = std::exp(Complex(0, wh * n));
            for (int i = 0; i < sim::kPoints; ++i) {
                engine[i] = std::max(engine[i], std::fabs(m.LineVoltage[0][i]));
                exact[i] = std::max(exact[i], std::fabs((exactWave[i] * turn).real()));
                warped[i] = std::max(warped[i], std::fabs((warpedWave[i] * turn).real()));
            }
        }

        double worstExact = 0, worstWarped = 0;
        int at = 0;
        for (int i = 0; i < sim::kPoints; ++i) {
            const double d = std::fabs(engine[i] - exact[i]);
            if (d > worstExact) worstExact = d, at = i;
            worstWarped = std::max(worstWarped, std::fabs(engine[i] - warped[i]));
        }
        double tolerance = kRounding;
        if (std::string(setup.load) == "Impedance" && setup.x != 0) {
            QCOMPARE(setup.r1, m.Zo.number);  // the bound below needs a matched source
            auto gamma = [&](bool w) {
                const Complex zl = LoadImpedance(setup, wh, w);
                return (zl - m.Zo.number) / (zl + m.Zo.number);
            };
            tolerance += std::fabs(m.PeakVoltage / 2) * std::abs(gamma(true) - gamma(false));
        }
        qInfo(
            "largest |V| difference %.3g V at point %d (allowed %.3g V); from the warped "
            "solution %.3g V",
            worstExact, at, tolerance, worstWarped);
        QVERIFY(worstExact <= tolerance);
        QVERIFY(worstWarped <= kRounding);
    }
};

QTEST_GUILESS_MAIN(SteadyState)
#include "test_standing_wave.moc"
