// The plot's mapping, the status line and the zoom limit, without a window.

#include <QtTest>
#include <cmath>

#include "display/status_text.h"
#include "display/zoom.h"

using display::kCoordinateLimit;
using display::kNoCoordinate;


class DisplayTest : public QObject {
    Q_OBJECT
  private slots:
    // On the window's plot, 389 × 221 pixels: y = 110.5 − 55.25 × zoom × value / amplitude.
    void mapping() {
        const struct {
            char what;  // V: voltage y, I: current y, x: x of point `value`
            double amplitude, zoom, value;
            int expected;
        } rows[] = {
            {'I', 1, 1, -1, 166},                  // 165.75
            {'V', 55.25, 1, 1, 110},               // 109.5 up to even
            {'V', 55.25, 1, 161, -50},             // -50.5 to even
            {'I', 0, 1, 0, 110},                   // amplitude 0, nothing to show
            {'V', 0, 1, 1, -kCoordinateLimit},     // amplitude 0, off the top
            {'V', 1, 32, 3e9, -kCoordinateLimit},  // beyond 32 bits
            {'I', 1, 1, -qInf(), kCoordinateLimit},
            {'V', 1, 1, qQNaN(), kNoCoordinate},
            {'x', 1, 1, 200, 389},
        };
        for (const auto& r : rows) {
            const display::PlotScale s{194.5f, 110.5f, r.amplitude, 1, 1};
            QCOMPARE(r.what == 'x'   ? display::TraceX(s, int(r.value))
                     : r.what == 'V' ? display::VoltageY(s, r.value)
                                     : display::CurrentY(s, r.value),
                     r.expected);
        }
    }

    // A run of 9.6 m in 200 points of 0.2 ns, 1 V on 50 ohm, seven ticks in; or none yet, with
    // the peak voltage set to -2. (The plain readings are the window tests'.)
    void statusLine() {
        const QString at0 = "\r\n Distance = 0 m";
        const struct {
            const char* mode;
            bool ran;
            QString traces;  // the checked trace boxes
            QPointF at;      // the meter's pixel
            QString text;
        } rows[] = {
            {"Meter", true, "V", {0, 110.5}, "Voltage =\r\n0V" + at0},
            {"Meter", true, "VI", {}, "Voltage =\r\n2.00E+00V\r\nCurrent =\r\n40mA" + at0},
            {"Meter", true, "I", {389, 221}, "Current =\r\n-40mA\r\n Distance = 9.6 m"},
            {"Meter", true, "", {}, "<unchanged>"},
            {"TickMarks", false, "V", {}, "Tick Mark= \r\n1V\r\n   or \r\n20 mA"},
        };
        for (const auto& r : rows) {
            const bool voltage = r.traces.contains('V'), current = r.traces.contains('I');
            display::StatusInputs in{1, 1,      50,     9.6 / 48000, 9.6 / 200,
                                     7, 194.5f, 110.5f, voltage,     current};
            if (!r.ran) {
                sim::Model m = sim::StartValues();
                m.PeakVoltage = -2;
                in = display::StatusInputsOf(m, display::PlotScale{}, voltage, current);
            }
            const auto shown = display::UpdateDisplayText(r.mode, in, r.at.x(), r.at.y());
            QCOMPARE(shown ? QString::fromStdString(*shown) : "<unchanged>", r.text);
        }
    }
};

QTEST_GUILESS_MAIN(DisplayTest)
#include "display_test.moc"
