// The engine at the edges of what the entries accept, and under a per-point hook that changes
// things in the middle of a tick.

#include <QtTest>
#include <functional>

#include "run_line.h"

namespace {
const char* const kLoads[] = {"Resistor",   "Capacitor", "Inductor",
                              "ParallelRC", "SeriesRL",  "Impedance"};
using Change = std::function<void(sim::Model&)>;
}  // namespace

Q_DECLARE_METATYPE(Change)

class EngineRobustness : public QObject {
    Q_OBJECT
  private slots:
    // Each corner runs 10^5 ticks with every load, on a single line and on a cascade, and must
    // stay finite. What each corner means:
    //  - 100 % attenuation is total loss: only the source point carries a voltage.
    //  - a reactance of -1e-300 ohm (or a denormal one, whose capacitance is infinite) is a
    //    short across R2; +1e-300 ohm an inductance of almost nothing, R2 alone.
    //  - R = 0 is a short, R = 1e10 ohm practically open; both ends at once included.
    //  - the largest L (1e8 µH) and C (1e12 pF) on the shortest line are loads that hardly
    //    change in a run: a short (C) or an open end (L) for the arriving step.
    //  - the shortest line with its highest frequency, the lowest frequency with its longest
    //    line: only the scale of time changes.
    void longRunsStayFinite_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<double>("largest");  // no voltage or current may exceed it
        auto row = [](const char* name, Change c, double largest) {
            QTest::newRow(name) << c << largest;
        };
        row(
            "100 % attenuation", [](sim::Model& m) { m.Attenuation = 100; }, 1);
        row(
            "99.9999 % attenuation", [](sim::Model& m) { m.Attenuation = 99.9999; }, 1);
        row(
            "reactance -1e-300", [](sim::Model& m) { m.LoadReactance = -1e-300; }, 2);
        row(
            "reactance -1e-320", [](sim::Model& m) { m.LoadReactance = -1e-320; }, 2);
        row(
            "reactance 1e-300", [](sim::Model& m) { m.LoadReactance = 1e-300; }, 2);
        row(
            "reactance -1e10", [](sim::Model& m) { m.LoadReactance = -1e10; }, 4);
        row(
            "reactance 1e10", [](sim::Model& m) { m.LoadReactance = 1e10; }, 4);
        row(
            "R1 = R2 = 0, sine",
            [](sim::Model& m) {
                m.SourceResistance = m.LoadResistance = 0;
                m.SourceType = "Sine";
            },
            1e3);
        // An ideal source across the inductor (which ignores R2) ramps the current by about
        // 2/l per round trip: some 300 after 10^5 ticks.
        row(
            "R1 = 0, R2 = 1e10",
            [](sim::Model& m) {
                m.SourceResistance = 0;
                m.LoadResistance = 1e10;
            },
            1e3);
        row(
            "R1 = R2 = 1e10", [](sim::Model& m) { m.SourceResistance = m.LoadResistance = 1e10; },
            1);
        row(
            "largest L and C, shortest line",
            [](sim::Model& m) {
                m.LoadInductance = 1e8;
                m.LoadCapacitance = 1e12;
                m.LineLength = 1e-6;
                m.Frequency = 2.4e9;
            },
            4);
        row(
            "lowest frequency, longest line, sine",
            [](sim::Model& m) {
                m.Frequency = 0.01;
                m.LineLength = 480000;
                m.SourceType = "Sine";
                m.LoadReactance = -1e-300;
            },
            4);
        row(
            "Zo 1e10 into R 0 and C 1e12 pF, -20 V",
            [](sim::Model& m) {
                m.Zo = m.Zo1 = 1e10;
                m.Zo2 = 1;
                m.SourceResistance = m.LoadResistance = 0;
                m.LoadCapacitance = 1e12;
                m.PeakVoltage = -20;
            },
            1e7);
        row(
            "Zo 1 into 1e10, cosine",
            [](sim::Model& m) {
                m.Zo = m.Zo1 = 1;
                m.Zo2 = 1e10;
                m.SourceResistance = m.LoadResistance = 1e10;
                m.LoadReactance = -1e-300;
                m.SourceType = "Cosine";
            },
            4);
        row(
            "pulse train at 10 % of c",
            [](sim::Model& m) {
                m.PhaseVelocity = 10;
                m.PulseWidth = 1;
                m.PulseSeparation = 1000;
                m.SourceType = "Pulse Train";
            },
            4);
    }
    void longRunsStayFinite() {
        QFETCH(Change, change);
        QFETCH(double, largest);
        for (bool cascaded : {false, true}) {
            for (const char* load : kLoads) {
                sim::Model m = sim::StartValues();
                m.LoadType = load;
                change(m);
                simtest::StartRun(m, cascaded);
                double seen = 0;
                for (int chunk = 0; chunk < 100; ++chunk) {
                    simtest::RunTicks(m, 1000);
                    seen = std::fmax(seen, simtest::LargestMagnitude(m));
                }
                QVERIFY2(
                    seen <= largest * std::fabs(m.PeakVoltage),
                    qPrintable(
                        QString("%1%2: %3").arg(load).arg(cascaded ? " (cascade)" : "").arg(seen)));
                QVERIFY(std::isfinite(m.SourceVoltage) && std::isfinite(m.LoadIncoming));
            }
        }
    }

    // A total loss leaves the line dead one point behind the source.
    void totalLossStopsEveryWave() {
        sim::Model m = sim::StartValues();
        m.Attenuation = 100;
        m.LoadType = "Capacitor";
        simtest::StartRun(m);
        QCOMPARE(sim::StepFactor(m), 0.0);
        simtest::RunTicks(m, 500);
        QCOMPARE(m.LineVoltage[0][0], 0.5);
        for (int i = 1; i <= 200; ++i) QCOMPARE(m.LineVoltage[0][i], 0.0);
    }

    // The hook runs after every point, in order, and may change anything; the tick still covers
    // exactly 201 points and leaves numbers behind. A hook that does nothing changes no bit.
    void hookMayChangeAnything_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("changesResults");
        QTest::newRow("nothing") << Change([](sim::Model&) {}) << false;
        QTest::newRow("rewrites the point counter")
            << Change([](sim::Model& m) { m.PointIndex = m.PointIndex % 2 ? 5000 : -7; }) << false;
        QTest::newRow("switches the load and its values") << Change([](sim::Model& m) {
            if (m.PointIndex != 150) return;
            m.LoadType = m.LoadType == "Resistor" ? "Impedance" : "Resistor";
            m.LoadReactance = -m.LoadReactance;
            m.NormLoadResistance = m.NormLoadResistance == 0 ? 3 : 0;
        }) << true;
        QTest::newRow("restarts the run as a cascade") << Change([](sim::Model& m) {
            if (m.PointIndex != 60 || m.ElapsedTicks % 7) return;
            m.Zo1 = 1;
            m.Zo2 = 1e10;
            m.Attenuation = 100;
            sim::PrepareRun(m, true);
            sim::ResetLine(m);
        }) << true;
        QTest::newRow("resets the line half-way") << Change([](sim::Model& m) {
            if (m.PointIndex == 100) sim::ResetLine(m);
        }) << true;
    }
    void hookMayChangeAnything() {
        QFETCH(Change, change);
        QFETCH(bool, changesResults);
        sim::Model plain = sim::StartValues();
        plain.SourceType = "Sine";
        plain.LoadResistance = 1e10;
        sim::Model hooked = plain;
        simtest::StartRun(plain);
        simtest::StartRun(hooked);
        for (int t = 0; t < 1000; ++t) {
            int calls = 0;
            bool inOrder = true;
            sim::Tick(hooked, [&] {
                inOrder = inOrder && hooked.PointIndex == calls;
                ++calls;
                change(hooked);
            });
            sim::Tick(plain);
            QCOMPARE(calls, sim::kPoints);
            QVERIFY(inOrder);
        }
        QVERIFY(std::isfinite(simtest::LargestMagnitude(hooked)));
        const bool same = plain.LineVoltage == hooked.LineVoltage;
        QCOMPARE(!same, changesResults);
    }
};

QTEST_APPLESS_MAIN(EngineRobustness)
#include "test_robustness.moc"
