// The engine's own guarantees: the pulse shapes, long runs at the corners the entries accept, and
// a run of ticks equal to tick after tick. The line and load physics are checked against ngspice
// (tests/validation) and the closed forms (tests/analysis); events in the middle of a tick by the
// soak test.

#include <QtTest>
#include <cmath>

#include "circuit.h"

namespace {

// The largest magnitude of any voltage or current on the line; inf once any is not finite.
double LargestMagnitude(const sim::Model& m) {
    double largest = 0;
    for (const auto* level : {&m.LineVoltage, &m.LineCurrent})
        for (const auto& points : *level)
            for (double x : points)
                largest = std::isfinite(x) ? std::fmax(largest, std::fabs(x)) : INFINITY;
    return largest;
}

// The values that name a failing row.
template <class... T>
QString Row(const T&... values) {
    return QStringList{QVariant(values).toString()...}.join(' ');
}

}  // namespace

class Engine : public QObject {
    Q_OBJECT
  private slots:
    // '1' is a tick driving the peak voltage, '0' one driving 0.
    void pulseShapes() {
        const struct {
            const char* source;
            double width, separation;
            QString expected;
        } rows[] = {
            {"Pulse", 10, 10, "0000000000111111111100000000000000000000"},
            {"Pulse", 1, 5, "0100000000"},
            // The train's clock restarts during its last high tick: later lows are a tick shorter.
            {"Pulse Train", 10, 10, "00000000001111111111000000000111111111100000000011"},
            {"Pulse Train", 1, 3, "011111111111111111111"},
            {"Pulse Train", 3, 1, "000100100100100"},
        };
        for (const auto& r : rows) {
            sim::Model m = sim::StartValues();
            m.PulseWidth = r.width, m.PulseSeparation = r.separation, m.PeakVoltage = -2.5;
            sim::PrepareRun(m, false);
            QString got;  // the source voltage of each tick, driving the source clock alone
            for (; got.size() < r.expected.size(); sim::CountTick(m)) {
                sim::SourceValue(m, r.source);
                got += m.SourceVoltage == 0 ? '0' : m.SourceVoltage == -2.5 ? '1' : '?';
            }
            QVERIFY2(got == r.expected, qPrintable(Row(r.source, r.width, r.separation, got)));
        }
    }

    // Each corner of what the entries accept runs 10^5 ticks with every load, on a single line
    // and on a cascade, and stays finite and within a bound (in units of the peak voltage):
    //  - 100 % attenuation is total loss; 99.9999 % a very lossy line.
    //  - a reactance of -1e-300 Ω (or a denormal one, whose capacitance is infinite) is a short
    //    across R2; +1e-300 Ω an inductance of almost nothing, R2 alone.
    //  - R = 0 is a short and R = 1e10 Ω practically open. An ideal source across the inductor
    //    (which ignores R2) ramps the current by about 2/l per round trip: some 300 by the end.
    //  - the largest L and C on the shortest line hardly change in a run: an open end and a
    //    short for the arriving step; the lowest frequency on the longest line only rescales time.
    //  - a mismatched source before a cascade into a lower Zo2 keeps sending waves back to the
    //    load, whose rule must damp them.
    void longRunsStayFinite() {
        const struct {
            const char* name;
            double largest;
            Circuit circuit;
        } rows[] = {
            {"100 %", 1, {.attenuation = 100}},
            {"99.9999 %", 1, {.attenuation = 99.9999}},
            {"X -1e-300", 2, {.reactance = -1e-300}},
            {"X -1e-320", 2, {.reactance = -1e-320}},
            {"X 1e-300", 2, {.reactance = 1e-300}},
            {"R1 = R2 = 0, sine", 1e3, {.r1 = 0, .r2 = 0, .source = "Sine"}},
            {"R1 = 0, R2 = 1e10", 1e3, {.r1 = 0, .r2 = 1e10}},
            {"largest L, C; 1 µm", 4, {.pF = 1e12, .uH = 1e8, .MHz = 2.4e9, .length = 1e-6}},
            {"0.01 MHz, 480 km", 4, {.MHz = 0.01, .source = "Sine", .length = 480000}},
            {"Zo1 100 into Zo2 50, R1 10", 20, {.r1 = 10, .zo1 = 100, .zo2 = 50}},
        };
        const char* loads[] = {"Resistor",   "Capacitor", "Inductor",
                               "ParallelRC", "SeriesRL",  "Impedance"};
        for (const auto& r : rows)
            for (bool cascaded : {false, true})
                for (Circuit c = r.circuit; const char* load : loads) {
                    c.load = load, c.cascaded = cascaded;
                    sim::Model m = Started(c);
                    double seen = 0;
                    for (int thousand = 0; thousand < 100; ++thousand) {
                        sim::RunTicks(m, 1000, [](const sim::Points&, const sim::Points&) {});
                        seen = std::fmax(seen, LargestMagnitude(m));
                    }
                    QVERIFY2(seen <= r.largest && std::isfinite(m.LoadIncoming),
                             qPrintable(Row(r.name, load, cascaded, seen)));
                }
    }

    // A long run with the levels taking turns is the same run as tick after tick, to the bit:
    // the line seen after every tick, and at the end the whole model (both levels, the load's
    // memory, the counters), for an even and an odd number of ticks and for none.
    void runOfTicksIsTickAfterTick() {
        const Circuit rows[] = {
            {.load = "Capacitor", .source = "Pulse Train"},
            {.load = "Inductor", .r1 = 10, .attenuation = 20},
            {.load = "ParallelRC", .zo2 = 100, .cascaded = true, .source = "Sine"},
            {.load = "SeriesRL", .r1 = 0, .zo1 = 75, .zo2 = 30, .cascaded = true},
            {.load = "Impedance", .reactance = -30, .source = "Cosine", .attenuation = 5},
            {.load = "Resistor", .r2 = 1e10, .source = "Pulse"},
        };
        for (const Circuit& c : rows)
            for (int ticks : {0, 1, 600, 601}) {
                sim::Model stepped = Started(c), run = stepped;
                std::vector<std::array<double, 2>> seen;
                sim::RunTicks(run, ticks, [&](const sim::Points& V, const sim::Points& I) {
                    seen.push_back({V[200], I[0]});
                });
                for (int t = 0; t < ticks; ++t) {
                    sim::Tick(stepped);
                    const std::array<double, 2> want{stepped.LineVoltage[0][200],
                                                     stepped.LineCurrent[0][0]};
                    QVERIFY2(seen[t] == want, qPrintable(Row(c.load, "tick", t + 1)));
                }
                QVERIFY2(run.LineVoltage == stepped.LineVoltage &&
                             run.LineCurrent == stepped.LineCurrent &&
                             run.LoadIncoming == stepped.LoadIncoming &&
                             run.Load.D == stepped.Load.D && run.Load.A == stepped.Load.A &&
                             run.ElapsedTicks == ticks && run.SourceTicks == stepped.SourceTicks &&
                             run.SourceVoltage == stepped.SourceVoltage &&
                             run.PointIndex == stepped.PointIndex,
                         qPrintable(Row(c.load, ticks)));
            }
    }
};

QTEST_APPLESS_MAIN(Engine)
#include "test_engine.moc"
