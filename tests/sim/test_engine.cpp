// The engine against results worked out by hand: the source waveforms, the bounce diagram of a
// line between two resistors, the junction of a cascade, the loss over one transit, the balance
// of energy, the step responses of the loads, and long runs at the corners the entries accept.

#include <QtTest>
#include <cmath>
#include <numbers>

#include "sim/engine.h"

namespace {

// The parameters the tests vary; anything a row leaves out keeps the program's start value.
struct Circuit {
    const char* load = "Resistor";
    double r1 = 50, r2 = 50, pF = 100, uH = 1, reactance = 50, MHz = 100, zo1 = 50, zo2 = 50;
    bool cascaded = false;
    const char* source = "DC";
    double peak = 1, attenuation = 0, length = 9.6;
};

// A run from rest, as the Simulate button starts it.
sim::Model Started(const Circuit& c) {
    sim::Model m = sim::StartValues();
    m.LoadType = c.load, m.LoadResistance = c.r2, m.LoadReactance = c.reactance;
    m.LoadCapacitance = c.pF, m.LoadInductance = c.uH, m.Frequency = c.MHz;
    m.Zo = c.cascaded ? 7 : c.zo1;  // a cascade must take its reference from Zo1 alone
    m.Zo1 = c.zo1, m.Zo2 = c.zo2, m.LineLength = c.length, m.Attenuation = c.attenuation;
    m.SourceType = c.source, m.PeakVoltage = c.peak, m.SourceResistance = c.r1;
    sim::PrepareRun(m, c.cascaded);
    sim::ResetLine(m);
    return m;
}

void RunUntil(sim::Model& m, long tick) {
    while (m.ElapsedTicks < tick) sim::Tick(m);
}

// The largest magnitude of any voltage or current on the line; inf once any is not finite.
double LargestMagnitude(const sim::Model& m) {
    double largest = 0;
    for (const auto* level : {&m.LineVoltage, &m.LineCurrent})
        for (const auto& points : *level)
            for (double x : points)
                largest = std::isfinite(x) ? std::fmax(largest, std::fabs(x)) : INFINITY;
    return largest;
}

// The source voltage of each tick from the start of a run, driving the source clock alone.
std::vector<double> Waveform(sim::Model m, const std::string& source, int ticks) {
    sim::PrepareRun(m, false);
    std::vector<double> out;
    for (int n = 1; n <= ticks; ++n, sim::CountTick(m)) {
        sim::SourceValue(m, source);
        out.push_back(m.SourceVoltage);
    }
    return out;
}

// The values that name a failing row.
template <class... T>
QString Row(const T&... values) {
    return QStringList{QVariant(values).toString()...}.join(' ');
}

// Source voltage, load voltage and load current of a lossless line between resistors r1 and r2
// (relative to Zo) behind a DC step, from the lattice diagram: V+ = Vs/(1 + r1) reaches the load
// at tick 201 and the source at tick 401, and each 400 ticks later every end sees one more round
// trip of Γs·ΓL.
std::array<double, 3> Lattice(double vs, double r1, double r2, long tick) {
    const double forward = vs / (1 + r1), gs = (r1 - 1) / (r1 + 1), gl = (r2 - 1) / (r2 + 1);
    auto series = [&](long first) {  // 1 + ΓsΓL + (ΓsΓL)² + ... over the round trips so far
        double sum = 0, term = 1;
        for (long k = first; k <= tick; k += 400, term *= gs * gl) sum += term;
        return sum;
    };
    return {forward + forward * (1 + gs) * gl * series(401), forward * (1 + gl) * series(201),
            forward * (1 - gl) * series(201)};
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
            QString got;
            for (double v : Waveform(m, r.source, int(r.expected.size())))
                got += v == 0 ? '0' : v == -2.5 ? '1' : '?';
            QVERIFY2(got == r.expected, qPrintable(Row(r.source, r.width, r.separation, got)));
        }
    }

    // Two cycles on the line (9.6 m × 50 MHz / 240 m/µs): a period is 100 ticks, the first tick
    // of a run is phase 0 and a sinusoid never restarts the clock, so tick 1001 is phase 0 again.
    void sinusoids() {
        const double quarters[] = {0, -3, 0, 3};  // the sine of peak -3 V at ticks 1, 26, 51, 76
        sim::Model m = sim::StartValues();
        m.Frequency = 50, m.PeakVoltage = -3;
        const auto sine = Waveform(m, "Sine", 1001), cosine = Waveform(m, "Cosine", 1001);
        for (int tick : {1, 26, 51, 76, 101, 126, 1001}) {
            const int q = (tick - 1) / 25 % 4;
            // 2π is taken to twelve digits: after a thousand ticks the phase is off by 1e-10.
            QVERIFY2(std::fabs(sine[tick - 1] - quarters[q]) < 1e-8 &&
                         std::fabs(cosine[tick - 1] - quarters[(q + 1) % 4]) < 1e-8,
                     qPrintable(Row("tick", tick, sine[tick - 1], cosine[tick - 1])));
        }
    }

    void bounceDiagram() {
        const double rows[][3] = {{50, 50, 1},  {50, 1e10, 1}, {50, 0, 1},     {25, 100, 1},
                                  {100, 25, 2}, {0, 1e10, 1},  {1e10, 10, 20}, {10, 1e10, -5}};
        for (const auto& [r1, r2, peak] : rows) {
            sim::Model m = Started({.r1 = r1, .r2 = r2, .peak = peak});
            for (int t : {1, 201, 202, 400, 401, 402, 601, 1001, 1401, 4001}) {
                RunUntil(m, t);
                const auto want = Lattice(peak, r1 / 50, r2 / 50, t);
                const double got[] = {m.LineVoltage[0][0], m.LineVoltage[0][200],
                                      m.LineCurrent[0][200]};
                for (int k = 0; k < 3; ++k)
                    QVERIFY2(std::fabs(got[k] - want[k]) < 1e-9 * std::fabs(peak),
                             qPrintable(Row(r1, r2, "tick", t, got[k], "want", want[k])));
            }
        }
    }

    // A matched 0.5 V step u meets line 2 at point 100: u·τ goes on, u·(τ − 1) comes back, with
    // τ = 2 z2/(1 + z2). Line 2 is matched at the load, so by tick 150 the transmitted front is
    // at point 149, the reflected one at point 51, and every point between is on a plateau.
    void cascadeJunction() {
        for (const auto& [zo2, tau] : {std::pair{100.0, 4.0 / 3}, {25.0, 2.0 / 3}, {50.0, 1.0}}) {
            sim::Model m = Started({.r2 = zo2, .zo2 = zo2, .cascaded = true});
            RunUntil(m, 150);
            const double u = 0.5, z2 = zo2 / 50;
            for (int i = 0; i <= 200; ++i) {
                const double v = i < 51 ? u : i < 150 ? u * tau : 0;
                const double c = i < 51 ? u : i <= 100 ? u * (2 - tau) : i < 150 ? u * tau / z2 : 0;
                QVERIFY2(std::fabs(m.LineVoltage[0][i] - v) < 1e-12 &&
                             std::fabs(m.LineCurrent[0][i] - c) < 1e-12,
                         qPrintable(Row("Zo2", zo2, "point", i)));
            }
        }
    }

    // On a matched line the step front stands at point n − 1 after tick n, and behind it the
    // voltage has lost (1 − a) per line length: 0.5·(1 − a)^(i/200) at point i. 100 % is total
    // loss: only the source point carries the step.
    void attenuatedStep() {
        for (double a : {0.0, 10.0, 50.0, 99.9999, 100.0}) {
            sim::Model m = Started({.attenuation = a});
            for (int n : {100, 201}) {
                RunUntil(m, n);
                for (int i = 0; i <= 200; ++i) {
                    const double want = i < n ? 0.5 * std::pow(1 - a / 100, i / 200.0) : 0;
                    QVERIFY2(std::fabs(m.LineVoltage[0][i] - want) <= 1e-12 * (1 + want) &&
                                 std::fabs(m.LineCurrent[0][i] - want) <= 1e-12 * (1 + want),
                             qPrintable(Row(a, "%, tick", n, "point", i, "want", want)));
                }
            }
        }
    }

    // Energy on a lossless line between resistors. With f = (V + I)/2 and g = (V − I)/2 each
    // tick moves f one point on and g one point back, so E = Σ f² over points 0..199 plus Σ g²
    // over points 1..200 changes by exactly what the source end takes in, V(0)·I(0), less what
    // the load takes, V(200)·I(200) (in units of Zo × one step). The stored energy by the
    // trapezoidal sum ½ Σ w (V² + I²), end weights ½, differs from E by
    // ½ (f(200)² − f(0)² + g(0)² − g(200)²), each square at most (V² + I²)/2 at its end. So
    // delivered − dissipated − stored is bounded by ¼ (V(0)² + I(0)² + V(200)² + I(200)²), plus
    // rounding.
    void energyBalance() {
        const Circuit rows[] = {{.r1 = 25, .r2 = 1e10},
                                {.r1 = 100, .r2 = 10, .source = "Sine"},
                                {.r1 = 0, .r2 = 200, .source = "Pulse Train"},
                                {.r1 = 10, .r2 = 0, .source = "Cosine"}};
        for (const auto& r : rows) {
            sim::Model m = Started(r);
            const auto &V = m.LineVoltage[0], &I = m.LineCurrent[0];
            double delivered = 0, dissipated = 0;
            for (int t = 1; t <= 3000; ++t) {
                sim::Tick(m);
                delivered += m.SourceVoltage * I[0];
                dissipated += m.NormSourceResistance * I[0] * I[0] + V[200] * I[200];
                double stored = 0;
                for (int i = 0; i <= 200; ++i)
                    stored += (i == 0 || i == 200 ? 0.25 : 0.5) * (V[i] * V[i] + I[i] * I[i]);
                const double bound =
                    0.25 * (V[0] * V[0] + I[0] * I[0] + V[200] * V[200] + I[200] * I[200]) +
                    1e-9 * (1 + std::fabs(delivered));
                const double imbalance = delivered - dissipated - stored;
                QVERIFY2(std::fabs(imbalance) <= bound,
                         qPrintable(Row(r.source, "into", r.r2, "tick", t, imbalance, ">", bound)));
            }
            QVERIFY(delivered > 0);
        }
    }

    // The load seen from the line that ends at it is a Thevenin source of twice the arriving step
    // behind that line's impedance, so each load relaxes exponentially from its value just after
    // the arrival to its final one with the time constant of that circuit, worked out in seconds
    // from the data sheet values. The step arrives between ticks 200 and 201 (the trapezoidal
    // rule sees it half a step early); nothing reflected at a junction is back before tick 400.
    // Time constants of 25 steps or more keep the rule within (dt/τ)²/12 < 2e-4 of the
    // exponential; 2e-3 of the step leaves room for the half-step timing of the arrival. The two
    // cascades of 100 Ω ∥ 300 pF go wrong (Zo2 > Zo1) or grow without bound (Zo2 < Zo1) if the
    // parallel R-C rule is the trapezoidal one only on a single line.
    void stepResponse() {
        constexpr double twoPi = 2 * std::numbers::pi;
        const Circuit rows[] = {
            {.load = "Capacitor"},
            {.load = "Inductor"},
            {.load = "ParallelRC", .r2 = 100, .pF = 300},
            {.load = "SeriesRL", .r2 = 25},
            {.load = "Impedance", .pF = 1e6 / (twoPi * 10 * 50), .reactance = -50, .MHz = 10},
            {.load = "Impedance", .uH = 50 / (twoPi * 10), .reactance = 50, .MHz = 10},
            {.load = "ParallelRC", .r2 = 100, .pF = 300, .zo2 = 100, .cascaded = true},
            {.load = "ParallelRC", .r1 = 100, .r2 = 100, .pF = 300, .zo1 = 100, .cascaded = true},
            {.load = "Inductor", .uH = 2, .zo2 = 200, .cascaded = true},
        };
        for (const auto& c : rows) {
            sim::Model m = Started(c);
            const std::string load = c.load;
            const double rth = c.zo2;
            double initial, final, tau;  // in units of the Thevenin voltage; seconds
            if (load == "Capacitor" || load == "ParallelRC" || c.reactance < 0) {
                // a capacitor, alone or across R2, starts as a short
                const double r = load == "Capacitor" ? INFINITY : c.r2;
                initial = 0, final = 1 / (1 + rth / r), tau = c.pF * 1e-12 / (1 / r + 1 / rth);
            } else {  // an inductor, alone or in series with R2, starts as an open end
                const double r = load == "Inductor" ? 0 : c.r2;
                initial = 1, final = r / (r + rth), tau = c.uH * 1e-6 / (r + rth);
            }
            const double tauSteps = tau / (m.PointDuration * 1e-6);
            QVERIFY(tauSteps > 24.99);
            const double z2 = c.zo2 / c.zo1, thevenin = 2 * 0.5 * 2 * z2 / (1 + z2);
            RunUntil(m, 200);
            double worst = 0;
            for (int t = 201; t <= 400; ++t) {
                sim::Tick(m);
                const double want = final + (initial - final) * std::exp(-(t - 200.5) / tauSteps);
                worst = std::fmax(worst, std::fabs(m.LineVoltage[0][200] / thevenin - want));
            }
            QVERIFY2(worst < 2e-3, qPrintable(Row(c.load, c.zo1, c.zo2, "off by", worst)));
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
                    for (long tick = 1000; tick <= 100000; tick += 1000) {
                        RunUntil(m, tick);
                        seen = std::fmax(seen, LargestMagnitude(m));
                    }
                    QVERIFY2(seen <= r.largest && std::isfinite(m.LoadIncoming),
                             qPrintable(Row(r.name, load, cascaded, seen)));
                }
    }

    // The hook runs after every point, in order, and may change anything, even restart the run;
    // the tick still covers exactly 201 points and leaves numbers behind. The point counter is
    // the hook's to read, not the loop's: rewriting it changes no bit.
    void hookMayChangeAnything() {
        sim::Model plain = Started({.r2 = 1e10, .source = "Sine"}), hooked = plain;
        for (int t = 1; t <= 1000; ++t) {
            int calls = 0;
            sim::Tick(hooked, [&] {
                calls += hooked.PointIndex == calls;  // counts the calls that come in order
                hooked.PointIndex = calls % 2 ? 5000 : -7;
                if (t != 500 || calls != 60) return;
                hooked.Zo1 = 1, hooked.Zo2 = 1e10, hooked.Attenuation = 100;
                sim::PrepareRun(hooked, true);
                sim::ResetLine(hooked);
            });
            sim::Tick(plain);
            QCOMPARE(calls, sim::kPoints);
            QCOMPARE(plain.LineVoltage == hooked.LineVoltage, t < 500);
        }
        QVERIFY(std::isfinite(LargestMagnitude(hooked)));
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
