// The status line's three readouts, word for word, and the meter's conversion.

#include "display/status_text.h"

#include <QtTest>

#include "display/meter.h"

using display::StatusInputs;

namespace {

// A run of the start values on the window's plot (389 × 221 inside the border).
StatusInputs RunInputs(double zoom = 1, bool voltage = true, bool current = false) {
    StatusInputs in;
    in.PlotAmplitude = 1;
    in.ZoomFactor = zoom;
    in.Zo = 50;
    in.PointDuration = 9.6 / (200 * 240.0);  // 0.2 ns
    in.PointLength = 9.6 / 200;
    in.PlotHalfWidth = 194.5f;
    in.PlotHalfHeight = 110.5f;
    in.Voltage = voltage;
    in.Current = current;
    return in;
}

QString Text(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : QStringLiteral("<unchanged>");
}

}  // namespace

class StatusTextTest : public QObject {
    Q_OBJECT
  private slots:
    void tickMarks_data();
    void tickMarks();
    void elapsedTime_data();
    void elapsedTime();
    void meter_data();
    void meter();
    void beforeTheFirstRun();
    void modeWords_data();
    void modeWords();
    void scientific_data();
    void scientific();
};

void StatusTextTest::tickMarks_data() {
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("zo");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("milliamps");
    QTest::newRow("1 V, 50 ohm") << 1.0 << 1.0 << 50.0 << ".5"
                                 << "10";
    QTest::newRow("one Zoom In") << 1.0 << 2.0 << 50.0 << ".25"
                                 << "5";
    QTest::newRow("one Zoom Out") << 1.0 << 0.5 << 50.0 << "1"
                                  << "20";
    QTest::newRow("peak voltage 0") << 0.0 << 1.0 << 50.0 << "0"
                                    << "0";
    QTest::newRow("20 V at zoom 32") << 20.0 << 32.0 << 50.0 << ".31"
                                     << "6.25";
    QTest::newRow("20 V at 1/32, 1 ohm") << 20.0 << 1.0 / 32 << 1.0 << "320"
                                         << "3.2E5";
    QTest::newRow("small tick") << 0.01 << 32.0 << 300.0 << "1.563E-4"
                                << "5.208E-4";
}

void StatusTextTest::tickMarks() {
    QFETCH(double, amplitude);
    QFETCH(double, zoom);
    QFETCH(double, zo);
    QFETCH(QString, volts);
    QFETCH(QString, milliamps);
    StatusInputs in = RunInputs(zoom);
    in.PlotAmplitude = amplitude;
    in.Zo = zo;
    QCOMPARE(QString::fromStdString(display::TickMarksText(in)),
             "Tick Mark= \r\n" + volts + "V\r\n   or \r\n" + milliamps + " mA");
}

void StatusTextTest::elapsedTime_data() {
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<QString>("text");
    QTest::newRow("before the first tick") << qint64(0) << "Elapsed Time = \r\n0 ns";
    QTest::newRow("one tick") << qint64(1) << "Elapsed Time = \r\n.2 ns";
    QTest::newRow("seven ticks") << qint64(7) << "Elapsed Time = \r\n1.4 ns";
    QTest::newRow("a whole 1000 ns") << qint64(5000) << "Elapsed Time = \r\n1000 ns";
    QTest::newRow("past 1000 ns") << qint64(6000) << "Elapsed Time = \r\n1.2E3 ns";
}

void StatusTextTest::elapsedTime() {
    QFETCH(qint64, ticks);
    QFETCH(QString, text);
    StatusInputs in = RunInputs();
    in.ElapsedTicks = ticks;
    QCOMPARE(QString::fromStdString(display::ElapsedTimeText(in)), text);
}

void StatusTextTest::meter_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("voltage");
    QTest::addColumn<bool>("current");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("text");
    const QString dist0 = "\r\n Distance = 0 m";
    QTest::newRow("zero line") << 1.0 << true << false << 0.0f << 110.5f
                               << "Voltage =\r\n0V" + dist0;
    QTest::newRow("zero line, both") << 1.0 << true << true << 0.0f << 110.5f
                                     << "Voltage =\r\n0.00E+00V\r\nCurrent =\r\n0mA" + dist0;
    QTest::newRow("top edge, zoom 1")
        << 1.0 << true << false << 0.0f << 0.0f << "Voltage =\r\n2V" + dist0;
    QTest::newRow("top edge, one Zoom In")
        << 2.0 << true << false << 0.0f << 0.0f << "Voltage =\r\n1V" + dist0;
    QTest::newRow("top edge, both") << 1.0 << true << true << 0.0f << 0.0f
                                    << "Voltage =\r\n2.00E+00V\r\nCurrent =\r\n40mA" + dist0;
    QTest::newRow("bottom edge, both") << 1.0 << true << true << 0.0f << 221.0f
                                       << "Voltage =\r\n-2.00E+00V\r\nCurrent =\r\n-40mA" + dist0;
    QTest::newRow("only current") << 1.0 << false << true << 0.0f << 0.0f
                                  << "Current =\r\n40mA" + dist0;
    QTest::newRow("right edge") << 1.0 << true << false << 389.0f << 110.5f
                                << "Voltage =\r\n0V\r\n Distance = 9.6 m";
    QTest::newRow("a column") << 1.0 << true << false << 100.0f << 55.25f
                              << "Voltage =\r\n1V\r\n Distance = 2.47 m";
    QTest::newRow("whole pixel near the axis")
        << 1.0 << true << true << 0.0f << 110.0f
        << "Voltage =\r\n9.05E-03V\r\nCurrent =\r\n.18mA" + dist0;
    QTest::newRow("bottom right, zoom 1/32") << 1.0 / 32 << false << true << 389.0f << 221.0f
                                             << "Current =\r\n-1.28E3mA\r\n Distance = 9.6 m";
    QTest::newRow("neither checked") << 1.0 << false << false << 0.0f << 0.0f << "<unchanged>";
}

void StatusTextTest::meter() {
    QFETCH(double, zoom);
    QFETCH(bool, voltage);
    QFETCH(bool, current);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, text);
    QCOMPARE(Text(display::MeterText(RunInputs(zoom, voltage, current), x, y)), text);
}

void StatusTextTest::beforeTheFirstRun() {
    // The window's plot has no scale before the first run. The tick readout is that of the
    // present peak voltage; the meter has nothing to read and leaves the status line alone.
    sim::Model m = sim::StartValues();
    m.PeakVoltage = -2;
    const StatusInputs in = display::StatusInputsOf(m, display::PlotScale{}, true, true);
    QCOMPARE(QString::fromStdString(display::TickMarksText(in)),
             QString("Tick Mark= \r\n1V\r\n   or \r\n20 mA"));
    QVERIFY(!display::ReadMeter(in, 10, 10));
    QCOMPARE(Text(display::MeterText(in, 10, 10)), QString("<unchanged>"));
    QCOMPARE(QString::fromStdString(display::ElapsedTimeText(in)),
             QString("Elapsed Time = \r\n0 ns"));

    // Once a run has given the plot its scale, the run's amplitude counts, not the present one.
    m.PlotAmplitude = 1;
    const StatusInputs run =
        display::StatusInputsOf(m, display::PlotScaleOf(m, 194.5f, 110.5f, 1), true, false);
    QCOMPARE(QString::fromStdString(display::TickMarksText(run)),
             QString("Tick Mark= \r\n.5V\r\n   or \r\n10 mA"));
    QVERIFY(display::ReadMeter(run, 10, 10));
}

void StatusTextTest::modeWords_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("TickMarks") << "TickMarks"
                               << "Tick Mark= \r\n.5V\r\n   or \r\n10 mA";
    QTest::newRow("ElapsedTime") << "ElapsedTime"
                                 << "Elapsed Time = \r\n.2 ns";
    QTest::newRow("Meter") << "Meter"
                           << "Voltage =\r\n2V\r\n Distance = 0 m";
    QTest::newRow("wrong case") << "tickmarks"
                                << "<unchanged>";
    QTest::newRow("empty") << ""
                           << "<unchanged>";
}

void StatusTextTest::modeWords() {
    QFETCH(QString, mode);
    QFETCH(QString, text);
    StatusInputs in = RunInputs();
    in.ElapsedTicks = 1;
    QCOMPARE(Text(display::UpdateDisplayText(mode.toStdString(), in, 0, 0)), text);
}

void StatusTextTest::scientific_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0.00E+00";
    QTest::newRow("negative zero") << -0.0 << "0.00E+00";
    QTest::newRow("1.23") << 1.234 << "1.23E+00";
    QTest::newRow("-0.45") << -0.45 << "-4.50E-01";
    QTest::newRow("rounds up") << 9.996 << "1.00E+01";
    QTest::newRow("small") << 0.000123456 << "1.23E-04";
    QTest::newRow("three exponent digits") << 1.5e-120 << "1.50E-120";
    QTest::newRow("nan reads 0") << std::numeric_limits<double>::quiet_NaN() << "0.00E+00";
}

void StatusTextTest::scientific() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(display::ScientificText(value)), text);
}

QTEST_APPLESS_MAIN(StatusTextTest)
#include "status_text_test.moc"
