// The plot's mapping and surface, the status line, the zoom limit and the load symbols.

#include <QPainter>
#include <QtTest>
#include <cmath>

#include "display/load_schematic.h"
#include "display/plot_area.h"
#include "display/status_text.h"
#include "display/trace_drawing.h"
#include "display/twips.h"
#include "display/zoom.h"

using display::kCoordinateLimit;
using display::kNoCoordinate;

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
const QColor kWindowGrey(212, 208, 200);  // erasing must restore this, not paint white

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

// The main window's client area, 11655 × 8085 twips, all in one colour.
QImage ClientArea(QColor colour = kWindowGrey) {
    QImage image(display::TwipsToPixels(11655), display::TwipsToPixels(8085), QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Drawn(QImage image, const char* type, const char* mode = "") {
    QPainter painter(&image);
    display::DrawLoad(painter, type, mode, Qt::black, kWindowGrey);
    painter.end();
    return image;
}

struct RecordedMessages : entry::Dialogs {
    QStringList shown;  // "text|style|title"
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void MessageBox(const std::string& text, int style, const std::string& title) override {
        shown << QString::fromStdString(text + "|" + std::to_string(style) + "|" + title);
    }
};

}  // namespace

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

    // Five clicks either way pass silently; the sixth is refused, with an exclamation icon (48).
    void zoomLimit() {
        for (bool in : {true, false}) {
            RecordedMessages dialogs;
            double zoom = 1;
            for (int click = 1; click <= 6; ++click) {
                zoom = in ? display::ZoomIn(dialogs, zoom) : display::ZoomOut(dialogs, zoom);
                QCOMPARE(zoom, std::pow(in ? 2.0 : 0.5, std::min(click, 5)));
                QCOMPARE(dialogs.shown.size(), click / 6);
            }
            QCOMPARE(dialogs.shown.value(0), "You have reached the Zoom's limit. |48|Zoomed Out!");
        }
    }

    void plotSurface() {
        display::PlotArea plot;
        plot.resize(display::TwipsToPixels(5895), display::TwipsToPixels(3375));
        const double dpi = plot.logicalDpiX();
        const auto px = [dpi](int twips) { return display::TwipsToPixels(twips, dpi); };
        const QImage marksOnly = plot.Composed();
        for (int x = 0; x < plot.InnerWidth(); ++x) QCOMPARE(marksOnly.pixel(x, px(1650)), kBlack);
        QCOMPARE(marksOnly.pixel(px(1474), px(1620)), kBlack);
        QCOMPARE(marksOnly.pixel(px(30), px(422)), kBlack);

        // A trace over the axis and the ticks, then cleared: the marks are still all there.
        const QColor red(display::kVoltageColour);
        const std::vector<QPoint> trace{{0, px(422)}, {0, px(1650)}, {388, px(1650)}, {388, 0}};
        plot.DrawPolyline(trace, red);
        plot.Clear();
        QVERIFY(plot.Composed() == marksOnly);

        // A new back colour erases the drawing; the marks stay over it.
        plot.DrawPolyline(trace, red);
        plot.SetBackColor(QColor(display::kEnvelopeBackColour));
        plot.SetBackColor(Qt::white);
        QVERIFY(plot.Composed() == marksOnly);

        // A point without a place breaks the line: its neighbours show as lone dots.
        plot.DrawPolyline(std::vector<QPoint>{{10, 50}, {20, kNoCoordinate}, {30, 50}}, red);
        QCOMPARE(Count(plot.Surface(), red.rgb()), 2);
    }

    // Each symbol, erased with all six as a new load type is chosen, leaves the window as it
    // was. Only "Erase" and "erase" erase, exactly the symbol's pixels, so the schematic's wires
    // beside it stay; an unknown or lower-case type draws nothing.
    void loadSymbols() {
        const struct {
            const char *type, *mode;
            bool inks, erases;
        } rows[] = {{"Resistor", "erase", true, true},   {"Capacitor", "Erase", true, true},
                    {"Inductor", "erase", true, true},   {"SeriesRL", "ERASE", true, false},
                    {"ParallelRC", "Erase", true, true}, {"Impedance", "erase", true, true},
                    {"Transistor", "", false, false},    {"resistor", "", false, false}};
        for (const auto& r : rows) {
            QImage drawn = Drawn(ClientArea(), r.type);
            QCOMPARE(Count(drawn, kBlack) > 30, r.inks);
            QVERIFY2(Drawn(drawn, r.type, r.mode) == (r.erases ? ClientArea() : drawn), r.type);
            QCOMPARE(Count(Drawn(ClientArea(Qt::black), r.type, r.mode), kWindowGrey.rgb()),
                     r.erases ? Count(drawn, kBlack) : 0);
            QPainter painter(&drawn);
            display::EraseLoadSymbols(painter, Qt::black, kWindowGrey);
            painter.end();
            QVERIFY2(drawn == ClientArea(), r.type);
        }
    }
};

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
