// The load end against circuit theory: step responses of every load, the DC steady state,
// and the quantities a run start and the loads derive.

#include <QtTest>
#include <cmath>
#include <numbers>

#include "run_line.h"

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A single line of 50 ohm, or a cascade from 50 ohm (or `zo1`) into `zo2`, matched at the
// source so that a 1 V DC step sends 0.5 V down line 1.
struct Circuit {
    bool cascaded = false;
    double zo1 = 50, zo2 = 50;
    std::string load;
    double r2 = 50, pF = 0, uH = 0, reactance = 0, MHz = 100;
};

sim::Model Setup(const Circuit& c, double r1) {
    sim::Model m = sim::StartValues();
    m.Zo = c.cascaded ? 1 : c.zo1;
    m.Zo1 = c.zo1;
    m.Zo2 = c.zo2;
    m.SourceResistance = r1;
    m.LoadType = c.load;
    m.LoadResistance = c.r2;
    m.LoadCapacitance = c.pF;
    m.LoadInductance = c.uH;
    m.LoadReactance = c.reactance;
    m.Frequency = c.MHz;
    simtest::StartRun(m, c.cascaded);
    return m;
}

}  // namespace

Q_DECLARE_METATYPE(Circuit)

class LoadTerminations : public QObject {
    Q_OBJECT
  private slots:
    // The load seen from line 2 is driven by a Thevenin source of twice the arriving step,
    // behind the line's own impedance. Each load then relaxes exponentially from its value just
    // after the arrival to its final value, with the time constant of that circuit, worked out
    // here in seconds from the data sheet values. The step arrives between ticks 200 and 201
    // (the trapezoidal rule sees it half a step early); the comparison ends at tick 400, before
    // anything reflected at the junction can come back. Time constants of 25 steps or more keep
    // the trapezoidal rule within (dt/τ)²/12 < 2e-4 of the exponential; 2e-3 of the 2u step
    // leaves room for the half-step timing of the arrival.
    void stepResponse_data() {
        QTest::addColumn<Circuit>("circuit");
        QTest::addColumn<double>("initial");  // in units of 2u: just after the arrival
        QTest::addColumn<double>("final");
        QTest::addColumn<double>("tauSeconds");
        auto parallel = [](double a, double b) { return a * b / (a + b); };
        auto add = [&](const char* name, Circuit c) {
            const double rth = c.zo2;  // the line that ends at the load
            double initial = 0, final = 0, tau = 0;
            double pF = c.pF, uH = c.uH;
            if (c.load == "Impedance" && c.reactance < 0)
                pF = 1e12 / (kTwoPi * c.MHz * 1e6 * -c.reactance);
            if (c.load == "Impedance" && c.reactance > 0)
                uH = 1e6 * c.reactance / (kTwoPi * c.MHz * 1e6);
            const bool rc = c.load == "Capacitor" || c.load == "ParallelRC" ||
                            (c.load == "Impedance" && c.reactance < 0);
            const double r2 = c.load == "Capacitor" || c.load == "Inductor" ? INFINITY : c.r2;
            if (rc) {
                final = std::isinf(r2) ? 1 : r2 / (r2 + rth);
                tau = (std::isinf(r2) ? rth : parallel(r2, rth)) * pF * 1e-12;
            } else {
                const double series = c.load == "Inductor" ? 0 : c.r2;
                initial = 1;
                final = series / (series + rth);
                tau = uH * 1e-6 / (series + rth);
            }
            QTest::newRow(name) << c << initial << final << tau;
        };
        add("capacitor 100 pF", {false, 50, 50, "Capacitor", 50, 100});
        add("capacitor 400 pF", {false, 50, 50, "Capacitor", 50, 400});
        add("inductor 1 uH", {false, 50, 50, "Inductor", 50, 0, 1});
        add("inductor 0.25 uH", {false, 50, 50, "Inductor", 50, 0, 0.25});
        add("100 ohm || 300 pF", {false, 50, 50, "ParallelRC", 100, 300});
        add("25 ohm + 1 uH", {false, 50, 50, "SeriesRL", 25, 0, 1});
        add("R2 -j50 at 10 MHz", {false, 50, 50, "Impedance", 50, 0, 0, -50, 10});
        add("R2 +j50 at 10 MHz", {false, 50, 50, "Impedance", 50, 0, 0, 50, 10});
        add("cascade 50/100, capacitor", {true, 50, 100, "Capacitor", 50, 100});
        add("cascade 50/100, 100 ohm || 300 pF", {true, 50, 100, "ParallelRC", 100, 300});
        add("cascade 100/50, 100 ohm || 300 pF", {true, 100, 50, "ParallelRC", 100, 300});
        add("cascade 50/25, R2 -j20 at 10 MHz", {true, 50, 25, "Impedance", 40, 0, 0, -20, 10});
        add("cascade 100/50, 25 ohm + 1 uH", {true, 100, 50, "SeriesRL", 25, 0, 1});
        add("cascade 50/200, inductor 2 uH", {true, 50, 200, "Inductor", 50, 0, 2});
    }
    void stepResponse() {
        QFETCH(Circuit, circuit);
        QFETCH(double, initial);
        QFETCH(double, final);
        QFETCH(double, tauSeconds);
        sim::Model m = Setup(circuit, circuit.zo1);
        const double stepSeconds = m.PointDuration * 1e-6;
        const double tauSteps = tauSeconds / stepSeconds;
        QVERIFY2(tauSteps > 24.99, qPrintable(QString::number(tauSteps)));
        const double z2 = circuit.zo2 / circuit.zo1;
        const double twoU = 2 * 0.5 * (circuit.cascaded ? 2 * z2 / (1 + z2) : 1);
        simtest::RunTicks(m, 200);
        QCOMPARE(m.LineVoltage[0][200], 0.0);
        double worst = 0;
        for (int t = 201; t <= 400; ++t) {
            sim::Tick(m);
            const double want =
                twoU * (final + (initial - final) * std::exp(-(t - 200.5) / tauSteps));
            worst = std::fmax(worst, std::fabs(m.LineVoltage[0][200] - want) / twoU);
        }
        QVERIFY2(worst < 2e-3, qPrintable(QString("worst deviation %1 of 2u").arg(worst)));
    }

    // After the reflections have died away a DC source sees only resistances: a capacitor is
    // open, an inductor a short, and the whole line sits at Vs·R2/(R1 + R2). The source is
    // mismatched (20 ohm), so the load must also settle the waves it sends back into a cascade;
    // an unstable load rule would grow instead.
    void dcSteadyState_data() {
        QTest::addColumn<Circuit>("circuit");
        QTest::addColumn<double>("expected");
        const double divider = 50.0 / (20 + 50);
        const struct {
            const char* name;
            Circuit c;
            double expected;
        } loads[] = {
            {"resistor", {false, 0, 0, "Resistor", 50}, divider},
            {"capacitor", {false, 0, 0, "Capacitor", 50, 100}, 1},
            {"inductor", {false, 0, 0, "Inductor", 50, 0, 1}, 0},
            {"parallel RC", {false, 0, 0, "ParallelRC", 50, 30}, divider},
            {"series RL", {false, 0, 0, "SeriesRL", 50, 0, 1}, divider},
            {"R2 - jX", {false, 0, 0, "Impedance", 50, 0, 0, -50}, divider},
            {"R2 + jX", {false, 0, 0, "Impedance", 50, 0, 0, 50}, divider},
        };
        const struct {
            const char* name;
            bool cascaded;
            double zo1, zo2;
        } lines[] = {{"single 50", false, 50, 50},
                     {"cascade 50/100", true, 50, 100},
                     {"cascade 100/50", true, 100, 50},
                     {"cascade 50/5", true, 50, 5}};
        for (const auto& line : lines) {
            for (const auto& load : loads) {
                Circuit c = load.c;
                c.cascaded = line.cascaded;
                c.zo1 = line.zo1;
                c.zo2 = line.zo2;
                QTest::addRow("%s, %s", line.name, load.name) << c << load.expected;
            }
        }
    }
    void dcSteadyState() {
        QFETCH(Circuit, circuit);
        QFETCH(double, expected);
        sim::Model m = Setup(circuit, 20);
        simtest::RunTicks(m, 40000);
        for (int i : {0, 100, 200})
            QVERIFY2(std::fabs(m.LineVoltage[0][i] - expected) < 1e-6,
                     qPrintable(QString("point %1: %2").arg(i).arg(m.LineVoltage[0][i])));
    }

    // Loads that must behave as the plain resistor over a long run; the series R-L without L
    // forms its coefficients in another order, so it agrees to rounding, the others to the bit.
    void sameAsResistor_data() {
        QTest::addColumn<QString>("load");
        QTest::addColumn<double>("pF");
        QTest::addColumn<double>("uH");
        QTest::addColumn<double>("reactance");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("parallel RC without C") << "ParallelRC" << 0.0 << 1.0 << 50.0 << 0.0;
        QTest::newRow("series RL without L") << "SeriesRL" << 100.0 << 0.0 << 50.0 << 1e-12;
        QTest::newRow("impedance without X") << "Impedance" << 100.0 << 1.0 << 0.0 << 0.0;
    }
    void sameAsResistor() {
        QFETCH(QString, load);
        QFETCH(double, pF);
        QFETCH(double, uH);
        QFETCH(double, reactance);
        QFETCH(double, tolerance);
        const Circuit base{true, 50, 75, "Resistor", 30, pF, uH, reactance};
        Circuit other = base;
        other.load = load.toStdString();
        sim::Model a = Setup(base, 10), b = Setup(other, 10);
        a.SourceType = b.SourceType = "Sine";
        simtest::RunTicks(a, 1500);
        simtest::RunTicks(b, 1500);
        for (int i = 0; i <= sim::kLastPoint; ++i) {
            QVERIFY(std::fabs(a.LineVoltage[0][i] - b.LineVoltage[0][i]) <= tolerance);
            QVERIFY(std::fabs(a.LineCurrent[0][i] - b.LineCurrent[0][i]) <= tolerance);
        }
    }

    // What a run start derives, and what the loads change on the way.
    void derivedQuantities() {
        sim::Model m = sim::StartValues();
        simtest::StartRun(m);
        QCOMPARE(m.Vp, 240.0);
        QCOMPARE(m.SourceCycles, 4.0);
        QCOMPARE(m.StepTime, 0.005);
        QCOMPARE(m.PointLength, 0.048);
        QCOMPARE(m.PointDuration, 0.0002);
        QVERIFY(m.AttenuationConstant == 0.0 && !std::signbit(m.AttenuationConstant));
        QCOMPARE(m.NormLoadResistance, 1.0);
        QCOMPARE(m.NormLoadCapacitance, 0.125);
        QCOMPARE(m.NormLoadInductance, 0.5);
        QCOMPARE(sim::StepFactor(m), 1.0);

        m.Attenuation = 10;
        simtest::StartRun(m);
        QVERIFY(std::fabs(m.AttenuationConstant - 0.105360515657826) < 1e-14);

        m.Zo1 = 50;
        m.Zo2 = 75;
        m.Zo = 300;
        m.SourceResistance = 100;
        simtest::StartRun(m, true);
        QCOMPARE(m.NormZ1, 1.0);
        QCOMPARE(m.NormZ2, 1.5);
        QCOMPARE(m.Zo.number, 50.0);
        QCOMPARE(m.NormSourceResistance, 2.0);
        simtest::StartRun(m, false);  // a single line ignores Zo1 and Zo2
        QCOMPARE(m.NormZ2, 1.0);

        m.LoadType = "Impedance";
        m.LoadReactance = -50;
        sim::LoadBoundary(m);
        QVERIFY(std::fabs(m.LoadCapacitance - 31.830988618379) < 1e-9);
        m.LoadReactance = 50;
        sim::LoadBoundary(m);
        QVERIFY(std::fabs(m.LoadInductance - 0.0795774715459477) < 1e-12);

        m.LoadType = "Resistor";
        sim::LoadBoundary(m);
        QCOMPARE(m.NormLoadCapacitance, 0.0);
        m.LoadType = "Inductor";
        sim::LoadBoundary(m);
        QCOMPARE(m.NormLoadResistance, 0.0);
        const sim::LoadCoefficients kept = m.Load;
        m.LoadType = "inductor";  // not a load keyword: the coefficients stay
        sim::LoadBoundary(m);
        QCOMPARE(m.Load.D, kept.D);
        QCOMPARE(m.Load.B, kept.B);
    }
};

QTEST_APPLESS_MAIN(LoadTerminations)
#include "test_loads.moc"
