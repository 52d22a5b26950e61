// The plot: what the ticks draw, read back from Picture1's pixels, and reading it with the zoom
// buttons, the meter and the envelope.

#include <tuple>

#include "display/plot_area.h"
#include "display/trace_drawing.h"
#include "form_fixture.h"

using namespace apptest;

namespace {

const QColor kVoltage(display::kVoltageColour), kCurrent(display::kCurrentColour);
const QColor kWhite(Qt::white), kGreen(0, 255, 0);

// The plot is 389 × 221 pixels inside its border at 96 dpi (half sizes 194.5 and 110.5); at
// zoom 1 and a 1 V peak a volt is a quarter of the height, 55.25 rows.
int X(int i) { return int(std::nearbyint(389.0 * i / 200)); }
int Y(double volts, double zoom = 1) { return int(std::nearbyint(110.5 - 55.25 * zoom * volts)); }

// Rows of column x that show `colour`.
QList<int> RowsOf(app::Form1& f, int x, const QColor& colour) {
    QList<int> rows;
    for (int y = 0; y < f.Picture1->Surface().height(); ++y)
        if (f.Picture1->Surface().pixelColor(x, y) == colour) rows << y;
    return rows;
}

void Press(app::Form1& f, Qt::MouseButton button, QPoint at) {
    const int border = display::PlotArea::kBorder;
    QTest::mousePress(f.Picture1, button, {}, at + QPoint(border, border));
}

// Whether a run goes on, Zoom In first, the button, where, and the reading; an empty reading
// leaves the status line as it was. The zero line lies between rows 110 and 111, so each of
// them reads half a row off it.
const std::tuple<bool, bool, Qt::MouseButton, QPoint, QString> kReadings[] = {
    {true, false, Qt::LeftButton, {X(100), 110}, "Voltage =\r\n9.05E-3V\r\n Distance = 4.79 m"},
    {true, false, Qt::LeftButton, {X(100), 111}, "Voltage =\r\n-9.05E-3V\r\n Distance = 4.79 m"},
    {true, false, Qt::LeftButton, {0, 0}, "Voltage =\r\n2V\r\n Distance = 0 m"},
    {true, true, Qt::LeftButton, {0, 0}, "Voltage =\r\n1V\r\n Distance = 0 m"},
    {true, false, Qt::RightButton, {0, 0}, ""},
    {false, false, Qt::LeftButton, {0, 0}, ""},  // before any run: no scale to read against
};

}  // namespace

class PlotTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        Window w;
        if (w->Picture1->InnerWidth() != 389 || w->Picture1->InnerHeight() != 221)
            QSKIP("the pixel rows are worked out for 96 dots per inch");
    }

    // At rest, after the first reflection, and zoomed in while halted there: the same step
    // drawn again at once, each point twice as far from the centre line.
    void restReflectionAndZoomWhileHalted() {
        Window rest;
        rest->Model().SourceType = "Off";
        FreeRun(*rest, 1);
        // The axis row only: 110.5 rounds to the even 110.
        for (int x : {0, X(100), 388}) QCOMPARE(RowsOf(*rest, x, kVoltage), QList<int>{110});
        // An open load after 250 ticks: the 0.5 V step has come back doubled from the load.
        Window w;
        w->Model().LoadResistance = 1e10;
        w->chkCurrent->setChecked(true);
        Halt(*w, 250);
        for (double zoom : {1, 2}) {
            // Near the load 1 V and no current; near the source both 0.5, the current drawn last.
            QCOMPARE(RowsOf(*w, X(180), kVoltage), QList<int>{Y(1.0, zoom)});
            QCOMPARE(RowsOf(*w, X(180), kCurrent), QList<int>{Y(0)});
            QCOMPARE(RowsOf(*w, X(50), kCurrent), QList<int>{Y(0.5, zoom)});
            QCOMPARE(RowsOf(*w, X(50), kVoltage), QList<int>());
            Click(w->cmdZoomIn);
        }
    }

    // Five clicks reach the limit in silence; the sixth is refused with the message.
    void zoomLimit() {
        for (bool in : {true, false}) {
            Window w;
            Halt(*w, 5);
            for (int i = 0; i < 6; ++i) Click(in ? w->cmdZoomIn : w->cmdZoomOut);
            QCOMPARE(w->ZoomFactor, in ? 32.0 : 1.0 / 32);
            QCOMPARE(w.dialogs->shown.size(), std::size_t(1));
            const auto& [text, title, style] = w.dialogs->shown[0];
            QCOMPARE(text + "|" + title + "|" + std::to_string(style),
                     "You have reached the Zoom's limit. |Zoomed Out!|48");
            QCOMPARE(w->lblDisplay->text(), in ? "Tick Mark= \r\n.02V\r\n   or \r\n.31 mA"
                                               : "Tick Mark= \r\n16V\r\n   or \r\n320 mA");
        }
    }

    // Running, the readout changes at once; the traces wait for the next tick.
    void zoomWhileFreeRunning() {
        Window w;
        FreeRun(*w, 20);
        const QImage before = w->Picture1->Surface().copy();
        Click(w->cmdZoomIn);
        QCOMPARE(w->lblDisplay->text(), "Tick Mark= \r\n.25V\r\n   or \r\n5 mA");
        QCOMPARE(w->Picture1->Surface(), before);
        w->Timer1_Timer();
        QCOMPARE(RowsOf(*w, X(5), kVoltage), QList<int>{Y(0.5, 2)});
    }

    // A press on the plot with the meter on: the reading, the cross-hair and the step mode.
    void meterReadings_data() { Rows(std::size(kReadings)); }
    void meterReadings() {
        QFETCH(int, row);
        const auto& [run, zoomIn, button, at, reading] = kReadings[row];
        Window w;
        if (run) FreeRun(*w, 3);
        if (zoomIn) Click(w->cmdZoomIn);
        Click(w->chkMeter);
        const QString before = w->lblDisplay->text();
        Press(*w, button, at);
        const bool reads = button == Qt::LeftButton;
        QCOMPARE(w->lblDisplay->text(), reading.isEmpty() ? before : reading);
        QCOMPARE(w->Picture1->cursor().shape(), reads ? Qt::CrossCursor : Qt::ArrowCursor);
        QCOMPARE(w->Model().StepMode, reads);
        // A reading during a free run halts it after exactly one more tick.
        if (run) w->Timer1_Timer();
        QCOMPARE(w->Timer1->isActive(), run && !reads);
        QCOMPARE(w->Model().ElapsedTicks, run ? 4 : 0);
        Click(w->cmdContinue);  // the cross-hair stays until Continue, greyed before a run
        QCOMPARE(w->Picture1->cursor().shape(), run || !reads ? Qt::ArrowCursor : Qt::CrossCursor);
    }

    // A sine into an open load: once the reflection is back the line holds a standing wave. With
    // the envelope on, each column then shows on green the band between the lowest and highest
    // voltage its point went through, within the segments to its neighbours.
    void envelopeOfAStandingWave() {
        Window w;
        w->Model().SourceType = "Sine";
        w->Model().LoadResistance = 99999999;
        FreeRun(*w, 400);
        Click(w->chkEnvelope);
        QCOMPARE(RowsOf(*w, X(100), kGreen).size(), 221);  // starts from an empty green plot
        const auto& v = w->Model().LineVoltage[0];
        std::array<double, 201> high = v, low = v;
        for (int t = 0; t < 300; ++t) {
            w->Timer1_Timer();
            for (int i = 0; i <= 200; ++i) {
                high[i] = std::max(high[i], v[i]);
                low[i] = std::min(low[i], v[i]);
            }
        }
        // Antinodes of 1 V every 25 points back from the load, a node between 187 and 188.
        for (int i : {200, 175, 100}) QVERIFY(high[i] > 0.99 && low[i] < -0.99);
        QVERIFY(high[187] < 0.07 && low[187] > -0.07);
        for (int i = 1; i < 200; ++i) {
            const QList<int> green = RowsOf(*w, X(i), kGreen);
            int top = 0, bottom = 220;
            while (green.contains(top)) ++top;
            while (green.contains(bottom)) --bottom;
            const double highest = std::max({high[i - 1], high[i], high[i + 1]});
            const double lowest = std::min({low[i - 1], low[i], low[i + 1]});
            QVERIFY2(top >= Y(highest) - 1 && top <= Y(high[i]) + 1 && bottom <= Y(lowest) + 1 &&
                         bottom >= Y(low[i]) - 1,
                     qPrintable(QString::number(i)));
            QVERIFY(RowsOf(*w, X(i), kWhite).size() >= (bottom - top) / 10);
        }
    }
};

QTEST_MAIN(PlotTest)
#include "plot_test.moc"
