// The source waveforms, tick by tick from the start of a run.

#include <QtTest>
#include <cmath>

#include "sim/engine.h"

namespace {

// Drives the source clock alone for `ticks` ticks and returns the voltage of each tick.
std::vector<double> Waveform(sim::Model m, const std::string& source, int ticks) {
    sim::PrepareRun(m, false);
    std::vector<double> out;
    for (int n = 1; n <= ticks; ++n) {
        sim::SourceValue(m, source);
        out.push_back(m.SourceVoltage);
        sim::CountTick(m);
    }
    return out;
}

}  // namespace

class SourceWaveforms : public QObject {
    Q_OBJECT
  private slots:
    // Pulse shapes, written out tick by tick: '1' drives the peak voltage, '0' drives 0.
    void pulseShapes_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("separation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pulse 10") << "Pulse" << 10.0 << 10.0
                                  << "0000000000"
                                     "1111111111"
                                     "0000000000"
                                     "0000000000";
        QTest::newRow("pulse 1") << "Pulse" << 1.0 << 5.0 << "0100000000";
        QTest::newRow("train 10/10: later lows one tick shorter") << "Pulse Train" << 10.0 << 10.0
                                                                  << "0000000000"
                                                                     "1111111111"
                                                                     "000000000"
                                                                     "1111111111"
                                                                     "000000000"
                                                                     "1111111111";
        QTest::newRow("train width 1: high after the first tick") << "Pulse Train" << 1.0 << 3.0
                                                                  << "0"
                                                                     "1111111111"
                                                                     "1111111111";
        QTest::newRow("train separation 1: one-tick pulses") << "Pulse Train" << 3.0 << 1.0
                                                             << "000"
                                                                "100"
                                                                "100"
                                                                "100"
                                                                "100";
        QTest::newRow("train 2/3") << "Pulse Train" << 2.0 << 3.0
                                   << "00111"
                                      "0111"
                                      "0111"
                                      "0111";
        QTest::newRow("DC") << "DC" << 10.0 << 10.0 << "11111111111111111111";
        QTest::newRow("Off") << "Off" << 10.0 << 10.0 << "00000000000000000000";
    }
    void pulseShapes() {
        QFETCH(QString, source);
        QFETCH(double, width);
        QFETCH(double, separation);
        QFETCH(QString, expected);
        for (double peak : {1.0, -2.5}) {  // a negative peak inverts the waveform
            sim::Model m = sim::StartValues();
            m.PulseWidth = width;
            m.PulseSeparation = separation;
            m.PeakVoltage = peak;
            const auto wave = Waveform(m, source.toStdString(), int(expected.size()));
            QString got;
            for (double v : wave) {
                QVERIFY2(v == 0 || v == peak, qPrintable(QString::number(v)));
                got += v == 0 ? '0' : '1';
            }
            QCOMPARE(got, expected);
        }
    }

    // With 2 cycles on the line one period is 100 ticks: quarter periods fall on ticks 1, 26,
    // 51, 76. The first tick of a run is the phase 0.
    void sinusoids_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("peak");
        QTest::addColumn<int>("tick");
        QTest::addColumn<double>("expected");
        const struct {
            const char* source;
            double peak;
            int tick;
            double expected;
        } rows[] = {
            {"Sine", 1, 1, 0},     {"Sine", 1, 26, 1},     {"Sine", 1, 51, 0},
            {"Sine", 1, 76, -1},   {"Sine", 1, 101, 0},    {"Sine", -3, 26, -3},
            {"Cosine", 1, 1, 1},   {"Cosine", 1, 26, 0},   {"Cosine", 1, 51, -1},
            {"Cosine", -3, 1, -3}, {"Cosine", 2, 1001, 2},
        };
        for (const auto& r : rows)
            QTest::addRow("%s peak %g tick %d", r.source, r.peak, r.tick)
                << r.source << r.peak << r.tick << r.expected;
    }
    void sinusoids() {
        QFETCH(QString, source);
        QFETCH(double, peak);
        QFETCH(int, tick);
        QFETCH(double, expected);
        sim::Model m = sim::StartValues();
        m.Frequency = 50;  // 9.6 m × 50 MHz / 240 m/µs = 2 cycles
        m.PeakVoltage = peak;
        const auto wave = Waveform(m, source.toStdString(), tick);
        // 2π is taken to twelve digits, so the phase after a thousand ticks is off by ~1e-9.
        QVERIFY2(std::fabs(wave.back() - expected) < 1e-8,
                 qPrintable(QString::number(wave.back())));
    }

    // Four cycles on the line: a zero crossing every 25 ticks, and the source clock is never
    // reset by a sinusoid.
    void sineCrossesZeroEvery25Ticks() {
        const auto wave = Waveform(sim::StartValues(), "Sine", 201);
        for (int n = 1; n <= 201; n += 25) QVERIFY(std::fabs(wave[n - 1]) < 1e-9);
        QVERIFY(wave[12] > 0.99);  // tick 13 is close to the crest
        QVERIFY(wave[37] < -0.99);
    }

    // An unknown keyword leaves the previous voltage and the clock alone.
    void unknownKeywordKeepsThePreviousVoltage() {
        sim::Model m = sim::StartValues();
        m.PeakVoltage = 7;
        sim::PrepareRun(m, false);
        sim::SourceValue(m, "DC");
        m.SourceTicks = 5;
        sim::SourceValue(m, "dc");
        QCOMPARE(m.SourceVoltage, 7.0);
        QCOMPARE(m.SourceTicks, std::int64_t(5));
        sim::SourceValue(m, "DC");
        QCOMPARE(m.SourceTicks, std::int64_t(0));
    }
};

QTEST_APPLESS_MAIN(SourceWaveforms)
#include "test_sources.moc"
