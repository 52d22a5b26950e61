// corvane-trace from the outside: its CSV against the engine run in this process, and its
// refusals.

#include <QProcess>
#include <QtTest>
#include <functional>

#include "sim/engine.h"

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out, err;
};

Result Trace(const QStringList& arguments) {
    QProcess p;
    p.start(CORVANE_TRACE, arguments);
    if (!p.waitForFinished(60000)) return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QList<QByteArray> Lines(const QByteArray& out) {
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// A number as printed: at most 17 significant digits, read back; nan if it is not that.
double Field(const QByteArray& text) {
    bool ok = false;
    const double x = text.toDouble(&ok);
    int significant = 0;
    bool leading = true;
    for (char c : text) {
        if (c == 'e') break;
        if (c < '0' || c > '9') continue;
        leading = leading && c == '0';
        significant += !leading;
    }
    return ok && significant <= 17 ? x : NAN;
}

// The printed number must read back to exactly the engine's double.
#define EXPECT_SAME(text, value) \
    QVERIFY2(                    \
        Field(text) == (value),  \
        qPrintable(              \
            QString("%1 printed for %2").arg(QString::fromLatin1(text)).arg(value, 0, 'g', 17)))

using Setup = std::function<void(sim::Model&)>;

}  // namespace

Q_DECLARE_METATYPE(Setup)

class TraceTool : public QObject {
    Q_OBJECT
  private slots:
    // The same circuit run here and by the tool must give the same numbers to the last bit:
    // the printed digits round-trip, the options land on the right parameters, and the run
    // start and tick are the engine's.
    void matchesTheEngine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<bool>("cascaded");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("probes");
        QTest::newRow("start values, whole line")
            << QStringList{} << Setup([](sim::Model&) {}) << false << 200 << QList<int>{};
        QTest::newRow("open load, probes in the order given")
            << QStringList{"--load-resistance", "1e10", "--ticks", "450", "--probe", "200",
                           "--probe",           "0",    "--probe", "200"}
            << Setup([](sim::Model& m) { m.LoadResistance = 1e10; }) << false << 450
            << QList<int>{200, 0, 200};
        QTest::newRow("capacitor behind a cascade")
            << QStringList{"--cascade", "--zo1",   "75",     "--zo2",     "150",
                           "--zo",      "3",       "--load", "Capacitor", "--load-capacitance",
                           " 2.5e2 ",   "--ticks", "700"}
            << Setup([](sim::Model& m) {
                   m.Zo = 3;
                   m.Zo1 = 75;
                   m.Zo2 = 150;
                   m.LoadType = "Capacitor";
                   m.LoadCapacitance = 250;
               })
            << true << 700 << QList<int>{};
        QTest::newRow("pulse train, width rounded half to even")
            << QStringList{"--source",
                           "Pulse Train",
                           "--pulse-width",
                           "2.5",
                           "--pulse-separation",
                           "3.5",
                           "--peak-voltage",
                           "-7",
                           "--source-resistance",
                           "0",
                           "--probe",
                           "1",
                           "--ticks",
                           "60"}
            << Setup([](sim::Model& m) {
                   m.SourceType = "Pulse Train";
                   m.PulseWidth = 2;
                   m.PulseSeparation = 4;
                   m.PeakVoltage = -7;
                   m.SourceResistance = 0;
               })
            << false << 60 << QList<int>{1};
        QTest::newRow("sine into an impedance, lossy, slow line")
            << QStringList{"--source=Sine",    "--load=Impedance",    "--load-reactance=-30",
                           "--attenuation=35", "--phase-velocity=50", "--frequency=20",
                           "--length=30",      "--probe=100",         "--ticks=900"}
            << Setup([](sim::Model& m) {
                   m.SourceType = "Sine";
                   m.LoadType = "Impedance";
                   m.LoadReactance = -30;
                   m.Attenuation = 35;
                   m.PhaseVelocity = 50;
                   m.Frequency = 20;
                   m.LineLength = 30;
               })
            << false << 900 << QList<int>{100};
        QTest::newRow("no ticks: the line at rest")
            << QStringList{"--ticks", "0"} << Setup([](sim::Model&) {}) << false << 0
            << QList<int>{};
    }
    void matchesTheEngine() {
        QFETCH(QStringList, arguments);
        QFETCH(Setup, setup);
        QFETCH(bool, cascaded);
        QFETCH(int, ticks);
        QFETCH(QList<int>, probes);
        const Result r = Trace(arguments);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray());
        const QList<QByteArray> lines = Lines(r.out);

        sim::Model m = sim::StartValues();
        setup(m);
        sim::PrepareRun(m, cascaded);
        sim::ResetLine(m);
        auto mA = [&m](int p) { return 1000 * m.LineCurrent[0][p] / m.Zo; };
        if (probes.isEmpty()) {
            for (int t = 0; t < ticks; ++t) sim::Tick(m);
            QCOMPARE(lines.size(), 202);
            QCOMPARE(lines[0], QByteArray("point,distance_m,voltage_V,current_mA"));
            for (int i = 0; i <= 200; ++i) {
                const QList<QByteArray> f = lines[i + 1].split(',');
                QCOMPARE(f.size(), 4);
                QCOMPARE(f[0].toInt(), i);
                EXPECT_SAME(f[1], m.LineLength * i / 200);
                EXPECT_SAME(f[2], m.LineVoltage[0][i]);
                EXPECT_SAME(f[3], mA(i));
            }
            return;
        }
        QCOMPARE(lines.size(), 1 + ticks * probes.size());
        QCOMPARE(lines[0], QByteArray("tick,time_ns,point,voltage_V,current_mA"));
        int row = 1;
        for (int t = 1; t <= ticks; ++t) {
            sim::Tick(m);
            for (int p : probes) {
                const QList<QByteArray> f = lines[row++].split(',');
                QCOMPARE(f.size(), 5);
                QCOMPARE(f[0].toInt(), t);
                QVERIFY(std::fabs(Field(f[1]) - 1e3 * m.LineLength / (200 * m.Vp) * t) < 1e-9 * t);
                QCOMPARE(f[2].toInt(), p);
                EXPECT_SAME(f[3], m.LineVoltage[0][p]);
                EXPECT_SAME(f[4], mA(p));
            }
        }
    }

    // Each kind of bad input: one line on stderr naming option, value and limit, status 2,
    // nothing on stdout.
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        auto row = [](const char* name, QStringList a, const char* m) {
            QTest::newRow(name) << a << QString("corvane-trace: %1\n").arg(m);
        };
        row("below the minimum", {"--zo", "0"}, "--zo: 0 is below the minimum 1");
        row("above the maximum", {"--zo2", "2e10"}, "--zo2: 2e10 is above the maximum 10000000000");
        row("negative", {"--load-resistance", "-5"},
            "--load-resistance: -5 cannot be negative; the minimum is 0");
        row("negative before the minimum", {"--phase-velocity", "-50"},
            "--phase-velocity: -50 cannot be negative; the minimum is 10");
        row("not a number", {"--peak-voltage", "1,5"}, "--peak-voltage: 1,5 is not a number");
        row("infinity is not a number", {"--load-inductance", "inf"},
            "--load-inductance: inf is not a number");
        row("peak below -20", {"--peak-voltage", "-21"},
            "--peak-voltage: -21 is below the minimum -20");
        row("capacitance of 10^12 is above its float limit", {"--load-capacitance", "1e12"},
            "--load-capacitance: 1e12 is above the maximum 999999995904");
        row("attenuation above 100", {"--attenuation", "100.5"},
            "--attenuation: 100.5 is above the maximum 100");
        row("pulse width rounds only after the check", {"--pulse-width", "0.5"},
            "--pulse-width: 0.5 is below the minimum 1");
        row("too many wavelengths", {"--frequency", "501"},
            "--frequency: 501 is above the maximum 500 (the line holds at most 20 wavelengths)");
        row("too few wavelengths", {"--length", "0.001"},
            "--length: 0.001 is below the minimum 0.024 (the line holds at least 0.01 "
            "wavelengths)");
        row("slow line, too many wavelengths", {"--phase-velocity", "10"},
            "--phase-velocity: 10 is below the minimum 16 (the line holds at most 20 "
            "wavelengths)");
        row("unknown source", {"--source", "dc"},
            "--source: dc is not one of DC, Sine, Cosine, Pulse, Pulse Train, Off");
        row("unknown load", {"--load", "Diode"},
            "--load: Diode is not one of Resistor, Capacitor, Inductor, ParallelRC, SeriesRL, "
            "Impedance");
        row("probe off the line", {"--probe", "201"}, "--probe: 201 is above the maximum 200");
        row("probe between points", {"--probe", "2.5"}, "--probe: 2.5 is not a whole number");
        row("negative ticks", {"--ticks", "-1"}, "--ticks: -1 is below the minimum 0");
        row("missing value", {"--zo", "--cascade"}, "--zo: --cascade is not a number");
        row("unknown option", {"--impedance", "5"}, "Unknown option 'impedance'.");
        row("stray argument", {"50"}, "unexpected argument 50");
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Result r = Trace(arguments);
        QCOMPARE(QString::fromUtf8(r.err), message);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QByteArray());
    }

    void helpAndVersion() {
        const Result help = Trace({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (const char* option : {"--source", "--load-reactance", "--pulse-separation",
                                   "--cascade", "--ticks", "--probe", "--version"})
            QVERIFY2(help.out.contains(option), option);
        const Result version = Trace({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("corvane-trace " CORVANE_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TraceTool)
#include "test_trace.moc"
