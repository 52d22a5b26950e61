// The line itself against results worked out by hand: the bounce (lattice) diagram of a line
// between two resistors, the junction of a cascade, the loss over one transit, and the balance
// of energy.

#include <QtTest>
#include <cmath>

#include "run_line.h"

namespace {

double Reflection(double r) { return (r - 1) / (r + 1); }

// Voltage and current at the two ends of a lossless line behind a DC step, from the lattice
// diagram: the wave V+ = Vs/(1 + r1) reaches the load at tick 201 and the source at tick 401,
// then every 400 ticks each end sees one more round trip of Γs·ΓL.
struct Ends {
    double sourceV, loadV, loadI;
};
Ends Lattice(double vs, double r1, double r2, long tick) {
    const double forward = vs / (1 + r1), gs = Reflection(r1), gl = Reflection(r2);
    auto rounds = [](long t, long first) { return t < first ? 0 : (t - first) / 400 + 1; };
    auto series = [&](long n) {
        double sum = 0, term = 1;
        for (long k = 0; k < n; ++k, term *= gs * gl) sum += term;
        return sum;
    };
    const double atLoad = series(rounds(tick, 201));
    return {forward + forward * (1 + gs) * gl * series(rounds(tick, 401)),
            forward * (1 + gl) * atLoad, forward * (1 - gl) * atLoad};
}

}  // namespace

class LineClosedForms : public QObject {
    Q_OBJECT
  private slots:
    void bounceDiagram_data() {
        QTest::addColumn<double>("r1Ohm");
        QTest::addColumn<double>("r2Ohm");
        QTest::addColumn<double>("peak");
        const double rows[][3] = {{50, 50, 1},  {50, 1e10, 1},  {50, 0, 1},
                                  {25, 100, 1}, {100, 25, 2},   {0, 200, 1},
                                  {0, 1e10, 1}, {1e10, 10, 20}, {10, 1e10, -5}};
        for (const auto& r : rows)
            QTest::addRow("R1 %g, R2 %g, %g V", r[0], r[1], r[2]) << r[0] << r[1] << r[2];
    }
    void bounceDiagram() {
        QFETCH(double, r1Ohm);
        QFETCH(double, r2Ohm);
        QFETCH(double, peak);
        sim::Model m = sim::StartValues();
        m.SourceResistance = r1Ohm;
        m.LoadResistance = r2Ohm;
        m.PeakVoltage = peak;
        simtest::StartRun(m);
        const long checks[] = {1, 200, 201, 202, 400, 401, 402, 600, 601, 1001, 1401, 2000, 4001};
        long done = 0;
        for (long t : checks) {
            simtest::RunTicks(m, t - done);
            done = t;
            const Ends want = Lattice(peak, r1Ohm / 50, r2Ohm / 50, t);
            const double tol = 1e-9 * std::fabs(peak);
            QVERIFY2(std::fabs(m.LineVoltage[0][0] - want.sourceV) < tol,
                     qPrintable(QString("tick %1 source %2").arg(t).arg(m.LineVoltage[0][0])));
            QVERIFY2(std::fabs(m.LineVoltage[0][200] - want.loadV) < tol,
                     qPrintable(QString("tick %1 load %2").arg(t).arg(m.LineVoltage[0][200])));
            QVERIFY2(std::fabs(m.LineCurrent[0][200] - want.loadI) < tol,
                     qPrintable(QString("tick %1 load I %2").arg(t).arg(m.LineCurrent[0][200])));
        }
    }

    // A matched step meets line 2 at point 100: u·2z2/(1 + z2) goes on, u·(z2 − 1)/(z2 + 1)
    // comes back. Line 2 is matched at the load, so nothing else moves by tick 150.
    void cascadeJunction_data() {
        QTest::addColumn<double>("zo2");
        QTest::addColumn<double>("transmitted");  // as a fraction of the incident step
        QTest::newRow("Zo2 = 2 Zo1: 4/3") << 100.0 << 4.0 / 3;
        QTest::newRow("Zo2 = Zo1/2: 2/3") << 25.0 << 2.0 / 3;
        QTest::newRow("Zo2 = 3 Zo1: 3/2") << 150.0 << 3.0 / 2;
        QTest::newRow("Zo2 = Zo1: 1") << 50.0 << 1.0;
        QTest::newRow("Zo2 huge: 2") << 1e10 << 2.0 * 2e8 / (1 + 2e8);
    }
    void cascadeJunction() {
        QFETCH(double, zo2);
        QFETCH(double, transmitted);
        sim::Model m = sim::StartValues();
        m.Zo = 7;  // a cascade ignores it and overwrites it with Zo1
        m.Zo1 = 50;
        m.Zo2 = zo2;
        m.LoadResistance = zo2;
        simtest::StartRun(m, true);
        simtest::RunTicks(m, 150);
        const double u = 0.5, z2 = zo2 / 50, back = 1 - transmitted;  // u·(1 + Γ) = u·τ
        QCOMPARE(m.Zo.number, 50.0);
        QVERIFY(std::fabs(m.LineVoltage[0][120] - u * transmitted) < 1e-12);
        QVERIFY(std::fabs(m.LineCurrent[0][120] - u * transmitted / z2) < 1e-12);
        QVERIFY(std::fabs(m.LineVoltage[0][90] - u * (1 - back)) < 1e-12);
        QVERIFY(std::fabs(m.LineCurrent[0][90] - u * (1 + back)) < 1e-12);
        QCOMPARE(m.LineVoltage[0][150], 0.0);  // the transmitted front is at point 149
        QVERIFY(m.LineVoltage[0][50] == m.LineVoltage[0][40]);  // the reflection is at 51
    }

    // A cascade of two equal lines is the single line, bit for bit.
    void equalCascadeIsTheSingleLine() {
        sim::Model single = sim::StartValues();
        single.Zo = 75;
        single.SourceType = "Sine";
        single.LoadType = "ParallelRC";
        single.Attenuation = 10;
        sim::Model cascade = single;
        cascade.Zo = 10;
        cascade.Zo1 = cascade.Zo2 = 75;
        simtest::StartRun(single, false);
        simtest::StartRun(cascade, true);
        simtest::RunTicks(single, 2000);
        simtest::RunTicks(cascade, 2000);
        QVERIFY(single.LineVoltage[0] == cascade.LineVoltage[0]);
        QVERIFY(single.LineCurrent[0] == cascade.LineCurrent[0]);
    }

    // On a matched line the step front stands at point n − 1 after tick n, and behind it the
    // voltage has lost (1 − a) per whole line length: 0.5·(1 − a)^(i/200) at point i.
    void attenuatedStep_data() {
        QTest::addColumn<double>("percent");
        for (double a : {0.0, 10.0, 50.0, 99.0, 99.9999, 100.0}) QTest::addRow("%g %%", a) << a;
    }
    void attenuatedStep() {
        QFETCH(double, percent);
        sim::Model m = sim::StartValues();
        m.Attenuation = percent;
        simtest::StartRun(m);
        for (int n : {1, 2, 101, 150, 200, 201}) {
            simtest::RunTicks(m, n - m.ElapsedTicks);
            for (int i = 0; i <= 200; ++i) {
                const double want = i < n ? 0.5 * std::pow(1 - percent / 100, i / 200.0) : 0;
                QVERIFY2(std::fabs(m.LineVoltage[0][i] - want) <= 1e-12 * (1 + want) &&
                             std::fabs(m.LineCurrent[0][i] - want) <= 1e-12 * (1 + want),
                         qPrintable(QString("tick %1 point %2: %3, want %4")
                                        .arg(n)
                                        .arg(i)
                                        .arg(m.LineVoltage[0][i])
                                        .arg(want)));
            }
        }
    }

    // Energy on a lossless line between resistors. With f = (V + I)/2 and g = (V − I)/2 each
    // tick moves f one point on and g one point back, so the sum E = Σ f² over points 0..199
    // plus Σ g² over points 1..200 changes by exactly what the source end takes in, V(0)·I(0),
    // minus what the load takes, V(200)·I(200) (all in units of Zo × one step). The line's energy
    // by the trapezoidal sum ½ Σ w (V² + I²), end weights ½, differs from E by
    // ½ (f(200)² − f(0)² + g(0)² − g(200)²), and each of those squares is at most
    // (V² + I²)/2 at its end. So delivered − dissipated − stored is bounded by
    // ¼ (V(0)² + I(0)² + V(200)² + I(200)²), plus rounding.
    void energyBalance_data() {
        QTest::addColumn<double>("r1Ohm");
        QTest::addColumn<double>("r2Ohm");
        QTest::addColumn<QString>("source");
        QTest::newRow("matched DC") << 50.0 << 50.0 << "DC";
        QTest::newRow("open load DC") << 25.0 << 1e10 << "DC";
        QTest::newRow("sine into 10 ohm") << 100.0 << 10.0 << "Sine";
        QTest::newRow("ideal source, pulse train") << 0.0 << 200.0 << "Pulse Train";
        QTest::newRow("shorted load, cosine") << 10.0 << 0.0 << "Cosine";
    }
    void energyBalance() {
        QFETCH(double, r1Ohm);
        QFETCH(double, r2Ohm);
        QFETCH(QString, source);
        sim::Model m = sim::StartValues();
        m.SourceResistance = r1Ohm;
        m.LoadResistance = r2Ohm;
        m.SourceType = source.toStdString();
        simtest::StartRun(m);
        const auto& V = m.LineVoltage[0];
        const auto& I = m.LineCurrent[0];
        double delivered = 0, inR1 = 0, inR2 = 0;
        for (int t = 1; t <= 3000; ++t) {
            sim::Tick(m);
            delivered += m.SourceVoltage * I[0];
            inR1 += m.NormSourceResistance * I[0] * I[0];
            inR2 += V[200] * I[200];
            double stored = 0;
            for (int i = 0; i <= 200; ++i)
                stored += (i == 0 || i == 200 ? 0.25 : 0.5) * (V[i] * V[i] + I[i] * I[i]);
            const double bound =
                0.25 * (V[0] * V[0] + I[0] * I[0] + V[200] * V[200] + I[200] * I[200]) +
                1e-9 * (1 + std::fabs(delivered));
            const double imbalance = delivered - inR1 - inR2 - stored;
            QVERIFY2(std::fabs(imbalance) <= bound,
                     qPrintable(QString("tick %1: %2 > %3").arg(t).arg(imbalance).arg(bound)));
        }
        QVERIFY(delivered > 0);
    }
};

QTEST_APPLESS_MAIN(LineClosedForms)
#include "test_line.moc"
