// corvane-trace from the outside: its CSV against the engine run in this process, runs pinned
// to the bit, and its refusals.

#include <QtTest>
#include <clocale>

#include "../sim/circuit.h"
#include "analysis/report.h"
#include "run_tool.h"

namespace {

// Every field after the header as a number, row after row. Compared as a list, they must
// equal the engine's doubles exactly: the 17 printed digits round-trip.
QList<double> Fields(const QByteArray& csv) {
    QList<double> x;
    for (const QByteArray& row : csv.split('\n').mid(1))
        for (const QByteArray& f : row.split(','))
            if (!f.isEmpty()) x.push_back(f.toDouble());
    return x;
}

// The engine's run as the tool prints it: every tick at each probe, or with no probes the whole
// line after the last tick.
QList<double> EngineFields(sim::Model m, bool cascaded, int ticks, const std::vector<int>& probes) {
    sim::PrepareRun(m, cascaded);
    sim::ResetLine(m);
    QList<double> x;
    for (int t = 1; t <= ticks; ++t) {
        sim::Tick(m);
        for (int p : probes)
            x << t << 1000 * m.PointDuration * t << p << m.LineVoltage[0][p]
              << 1000 * m.LineCurrent[0][p] / m.Zo;
    }
    for (int i = 0; i <= 200 && probes.empty(); ++i)
        x << i << m.LineLength * i / 200 << m.LineVoltage[0][i]
          << 1000 * m.LineCurrent[0][i] / m.Zo1;
    return x;
}

}  // namespace

class TraceTool : public QObject {
    Q_OBJECT
  private slots:
    // The same circuits run here and by the tool give the same numbers to the last bit: the
    // printed digits round-trip, the options land on the right parameters (both spellings,
    // blanks around a number, pulse timing rounded half to even), and the run is the engine's,
    // also when it is longer than the blocks the rows are written in.
    void matchesTheEngine() {
        const Output line = Trace({"--cascade", "--zo", "3", "--zo1", "75", "--zo2=150", "--load",
                                   "Capacitor", "--load-capacitance", " 2.5e2 ", "--attenuation=35",
                                   "--phase-velocity", "50", "--length", "30", "--ticks", "700"});
        sim::Model m = sim::StartValues();
        m.Zo = 3, m.Zo1 = 75, m.Zo2 = 150, m.LoadType = "Capacitor", m.LoadCapacitance = 250;
        m.Attenuation = 35, m.PhaseVelocity = 50, m.LineLength = 30;
        QVERIFY(line.exitCode == 0 &&
                line.out.startsWith("point,distance_m,voltage_V,current_mA\n"));
        QCOMPARE(Fields(line.out), EngineFields(m, true, 700, {}));

        const Output probes = Trace(QString("--pulse-width 2.5 --pulse-separation 3.5 "
                                            "--peak-voltage -7 --source-resistance 0 --load "
                                            "Impedance --load-reactance -30 --frequency 20 "
                                            "--probe 200 --probe 0 --probe 200 --ticks 9001")
                                        .split(' ')
                                    << "--source=Pulse Train");
        m = sim::StartValues();
        m.SourceType = "Pulse Train", m.PulseWidth = 2, m.PulseSeparation = 4;
        m.PeakVoltage = -7, m.SourceResistance = 0, m.LoadType = "Impedance";
        m.LoadReactance = -30, m.Frequency = 20;
        QVERIFY(probes.exitCode == 0 &&
                probes.out.startsWith("tick,time_ns,point,voltage_V,current_mA\n"));
        QCOMPARE(Fields(probes.out), EngineFields(m, false, 9001, {200, 0, 200}));
    }

    // Runs pinned to the bit, recorded once: a regrouped sum or a rounded constant (2π written
    // as 6.28318530718 is the program's own) changes the last digits here and nowhere else.
    // Sources, a cascade, reactive loads and attenuation; the last tick at the three nodes.
    void pinnedRuns() {
        const std::pair<QStringList, const char*> rows[] = {
            {{"--source", "Sine", "--cascade", "--zo2", "100", "--load", "ParallelRC",
              "--load-capacitance", "30", "--ticks", "350"},
             "350,70,0,-0.0835554890412316,-0.8355548904040907\n"
             "350,70,100,-0.18694740765650703,1.2322834818850041\n"
             "350,70,200,-0.2386541162513009,0.7154313816719227\n"},
            {{"--source", "Cosine", "--load", "SeriesRL", "--attenuation", "20", "--frequency",
              "37", "--ticks", "420"},
             "420,84,0,0.5169733662185334,5.796439724934951\n"
             "420,84,100,0.027881701128613774,-12.012101886712184\n"
             "420,84,200,-0.4352429848632364,-2.9172646485610914\n"},
            {{"--source", "Pulse Train", "--cascade", "--zo1", "75", "--zo2", "30", "--load",
              "Impedance", "--load-reactance", "-80", "--ticks", "510"},
             "510,101.99999999999999,0,0.6377627765849818,7.2447444683003654\n"
             "510,101.99999999999999,100,0.49128569612150336,10.820952623141851\n"
             "510,101.99999999999999,200,0.0632417654989559,1.2360105646593618\n"},
        };
        for (const auto& [arguments, last] : rows) {
            const Output r =
                Trace(arguments + QStringList{"--probe", "0", "--probe", "100", "--probe", "200"});
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(QString(r.out.right(qstrlen(last) + 1)), '\n' + QString(last));
        }
    }

    // One line on stderr naming option, value and limit, status 2, nothing on stdout; and
    // --netlist refuses the same way.
    void refusals() {
        const std::pair<QStringList, const char*> rows[] = {
            {{"--zo", "0"}, "--zo: 0 is below the minimum 1"},
            {{"--phase-velocity", "-50"},
             "--phase-velocity: -50 cannot be negative; the minimum is 10"},
            {{"--load", "Diode"},
             "--load: Diode is not one of Resistor, Capacitor, Inductor, ParallelRC, SeriesRL, "
             "Impedance"},
            {{"--frequency", "501"},
             "--frequency: 501 is above the maximum 500 (the line holds at most 20 wavelengths)"},
            {{"--probe", "2.5"}, "--probe: 2.5 is not a whole number"},
            {{"--png", "a.png", "--zoom", "3"}, "--zoom: 3 is not a power of two from 1/32 to 32"},
            {{"--png", "a.png", "--every", "5"}, "--every applies only with --gif"},
            {{"--png", "x", "--lattice", "x"}, "--lattice: x is also the file of --png"},
            {{"--gif="}, "--gif: no file name"},
            {{"--netlist", "--ticks", "10001"},
             "--ticks: 10001 is above the maximum 10000 for --netlist"},
            // Control characters typed in an argument stay on the one line (found by fuzzing).
            {{"-\n"}, "Unknown option '\\n'."},
            {{"--zo", "1\t\x1b"}, "--zo: 1\\t\\x1b is not a number"},
        };
        for (const auto& [arguments, message] : rows) {
            for (const QStringList& mode : {QStringList{}, QStringList{"--netlist"}}) {
                const Output r = Trace(arguments + mode);
                QCOMPARE(QString::fromUtf8(r.err), QString("corvane-trace: %1\n").arg(message));
                QCOMPARE(r.exitCode, 2);
                QCOMPARE(r.out, QByteArray());
            }
        }
    }

    // What a German desktop prints is what any other prints: the CSV, the netlist, the
    // lattice's caption (the circuit's values) and the refusals.
    void sameUnderAnyLocale() {
        QVERIFY2(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), "the locale de_DE.UTF-8 is missing");
        std::setlocale(LC_NUMERIC, "C");
        QTemporaryDir dir;
        const QString lattice = dir.filePath("lattice.png");
        const QStringList circuit = {"--load",  "Capacitor", "--load-capacitance",
                                     "4.7",     "--length",  "2.5",
                                     "--ticks", "300"};
        const QStringList rows[] = {circuit,
                                    circuit + QStringList{"--netlist"},
                                    circuit + QStringList{"--lattice", lattice},
                                    {"--zo", "2,5"}};
        for (const QStringList& arguments : rows) {
            QList<QByteArray> seen;
            for (const char* locale : {"C", "de_DE.UTF-8"}) {
                QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
                environment.insert("LC_ALL", locale);
                const Output r = Run(CORVANE_TRACE, arguments, {}, environment);
                QFile picture(lattice);
                seen << QByteArray::number(r.exitCode) + r.out + r.err +
                            (picture.open(QIODevice::ReadOnly) ? picture.readAll() : "");
                picture.remove();
            }
            QVERIFY2(seen[0] == seen[1], qPrintable(arguments.join(' ')));
        }
    }

    // --report: a row per quantity with the analysis' own number to the last bit, an infinite
    // ratio as the word, never nan or inf; every name it prints is documented in the manual
    // page and the README.
    void report() {
        QFile manual(CORVANE_SOURCE_DIR "/man/corvane-trace.1");
        QFile readme(CORVANE_SOURCE_DIR "/README.md");
        QVERIFY(manual.open(QIODevice::ReadOnly) && readme.open(QIODevice::ReadOnly));
        const QString manualText = QString::fromUtf8(manual.readAll()).remove("\\"),
                      readmeText = QString::fromUtf8(readme.readAll());
        const std::pair<QStringList, Circuit> rows[] = {
            {{"--load-resistance", "0", "--source", "Sine"}, {.r2 = 0, .source = "Sine"}},
            {{"--cascade", "--zo2", "75", "--load-resistance", "1e10", "--attenuation", "30"},
             {.r2 = 1e10, .zo2 = 75, .cascaded = true, .attenuation = 30}},
            {{"--source", "Cosine", "--cascade", "--zo1", "75", "--load", "Impedance"},
             {.load = "Impedance", .zo1 = 75, .cascaded = true, .source = "Cosine"}},
            {{"--source", "Pulse"}, {.source = "Pulse"}},
        };
        for (const auto& [arguments, circuit] : rows) {
            const Output r = Trace(arguments + QStringList{"--report"});
            QCOMPARE(r.exitCode, 0);
            QVERIFY(r.out.startsWith("quantity,value,unit\n"));
            QVERIFY(!r.out.contains("nan") && !r.out.contains(",inf,"));
            const auto expected = analysis::Report(ModelOf(circuit), circuit.cascaded);
            const QList<QByteArray> lines = r.out.trimmed().split('\n').mid(1);
            QCOMPARE(lines.size(), qsizetype(expected.size()));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QList<QByteArray> f = lines[i].split(',');
                const analysis::Quantity& q = expected[std::size_t(i)];
                QCOMPARE(f.size(), 3);
                QCOMPARE(f[0].toStdString(), q.name);
                QCOMPARE(f[2].toStdString(), std::string(q.unit));
                if (std::isinf(q.value))
                    QCOMPARE(f[1], QByteArray("infinite"));
                else
                    QVERIFY(f[1].toDouble() == q.value);  // to the last bit
                // Numbered quantities are documented once, as source_front_N_ns.
                const QString documented =
                    QString::fromStdString(q.name).replace(QRegularExpression("_[0-9]+_"), "_N_");
                QVERIFY2(manualText.contains(documented) && readmeText.contains(documented),
                         q.name.c_str());
            }
        }
        const Output shorted = Trace({"--report", "--load-resistance", "0", "--source", "Sine"});
        QVERIFY(shorted.out.contains("\nvswr_line1,infinite,\n"));
        QVERIFY(shorted.out.contains("\ngamma_load_real,-1,\n"));
    }

    // --report works the numbers out from the circuit alone; the options of a run are refused.
    void reportRefusesTheOptionsOfARun() {
        const std::pair<QStringList, const char*> rows[] = {
            {{"--probe", "0"}, "--probe"},
            {{"--netlist"}, "--netlist"},
            {{"--png", "a.png"}, "--png, --gif and --lattice"},
            {{"--lattice", "a.png"}, "--png, --gif and --lattice"},
            {{"--ticks", "5"}, "--ticks"},
        };
        for (const auto& [arguments, option] : rows) {
            const Output r = Trace(arguments + QStringList{"--report"});
            QCOMPARE(QString::fromUtf8(r.err),
                     QString("corvane-trace: --report prints the circuit's numbers, not a run; "
                             "leave out %1\n")
                         .arg(option));
            QCOMPARE(r.exitCode, 2);
            QCOMPARE(r.out, QByteArray());
        }
    }
};

QTEST_GUILESS_MAIN(TraceTool)
#include "test_trace.moc"
