// The plot: what the ticks draw, read back from Picture1's pixels, and reading it with the zoom
// buttons, the meter and the envelope.

#include <tuple>

#include "display/trace_drawing.h"
#include "form_fixture.h"

using namespace apptest;

namespace {

const QRgb kVoltage = display::kVoltageColour, kCurrent = display::kCurrentColour;
const QRgb kWhite = qRgb(255, 255, 255), kGreen = qRgb(0, 255, 0);

// The plot is 389 × 221 pixels inside its border at the offscreen platform's 96 dpi (half sizes
// 194.5 and 110.5); at zoom 1 and a 1 V peak a volt is a quarter of the height, 55.25 rows.
int X(int i) { return int(std::nearbyint(389.0 * i / 200)); }
int Y(double volts, double zoom = 1) { return int(std::nearbyint(110.5 - 55.25 * zoom * volts)); }

// Whether a run goes on, Zoom In first, the button, where, and the reading; an empty reading
// leaves the status line as it was. The zero line lies between rows 110 and 111, so row 110
// reads half a row above it.
const std::tuple<bool, bool, Qt::MouseButton, QPoint, QString> kReadings[] = {
    {true, false, Qt::LeftButton, {X(100), 110}, "Voltage =\r\n9.05E-3V\r\n Distance = 4.79 m"},
    {true, false, Qt::LeftButton, {0, 0}, "Voltage =\r\n2V\r\n Distance = 0 m"},
    {true, true, Qt::LeftButton, {0, 0}, "Voltage =\r\n1V\r\n Distance = 0 m"},
    {true, false, Qt::RightButton, {0, 0}, ""},
    {true, false, Qt::MiddleButton, {0, 0}, ""},
    {false, false, Qt::LeftButton, {0, 0}, ""},  // before any run: no scale to read against
    // The last column reads inside the line; the frame around the plot is no part of it.
    {true, false, Qt::LeftButton, {388, 220}, "Voltage =\r\n-1.98V\r\n Distance = 9.58 m"},
    {true, false, Qt::LeftButton, {-1, -1}, ""},  // (-2, -2) would be QTest's centre
    {true, false, Qt::LeftButton, {-1, 100}, ""},
    {true, false, Qt::LeftButton, {389, 100}, ""},
    {true, false, Qt::LeftButton, {390, 222}, ""},
};
bool OnFrame(QPoint at) { return at.x() < 0 || at.y() < 0 || at.x() >= 389 || at.y() >= 221; }

}  // namespace

class PlotTest : public QObject {
    Q_OBJECT
  private slots:
    // An open load after 250 ticks: the 0.5 V step has come back doubled from the load. Zoomed
    // in while halted there: the same step drawn again at once, each point twice as far from the
    // centre line.
    void reflectionAndZoomWhileHalted() {
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

    // Running, a zoom changes the readout at once; the traces wait for the next tick. Ahead of
    // the step the line is at rest, on the axis row alone: 110.5 rounds to the even 110. Five
    // clicks in reach 32 in silence, ten out 1/32; the click beyond is refused each time, with
    // the same message.
    void zoomWhileFreeRunningAndItsLimits() {
        Window w;
        FreeRun(*w, 20);
        const QImage before = w->Picture1->Surface().copy();
        Click(w->cmdZoomIn);
        QCOMPARE(w->lblDisplay->text(), "Tick Mark= \r\n.25V\r\n   or \r\n5 mA");
        QCOMPARE(w->Picture1->Surface(), before);
        w->Timer1_Timer();
        QCOMPARE(RowsOf(*w, X(5), kVoltage), QList<int>{Y(0.5, 2)});
        QCOMPARE(RowsOf(*w, X(100), kVoltage), QList<int>{110});
        for (int i = 0; i < 5; ++i) Click(w->cmdZoomIn);
        QCOMPARE(w->ZoomFactor, 32.0);
        for (int i = 0; i < 11; ++i) Click(w->cmdZoomOut);
        QCOMPARE(w->ZoomFactor, 1.0 / 32);
        QCOMPARE(w.dialogs->messages,
                 QStringList(2, "Zoomed Out!|You have reached the Zoom's limit. |48"));
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
        const int border = display::PlotArea::kBorder;
        QTest::mousePress(w->Picture1, button, {}, at + QPoint(border, border));
        const bool reads = button == Qt::LeftButton && !OnFrame(at);
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

    // The boxes as a user works them, by clicks on a halted plot: a trace box empties the plot
    // until the next step, which draws what is now chosen; the envelope box turns it green and
    // empty, and white and empty again when switched off.
    void boxesClickedWhileHalted() {
        Window w;
        w->Model().LoadResistance = 1e10;
        Halt(*w, 250);
        const int traced = RowsOf(*w, X(180), kVoltage).size();
        QCOMPARE(traced, 1);
        const auto only = [&](QRgb colour) {
            return RowsOf(*w, X(180), colour).size() == 221 &&
                   RowsOf(*w, X(50), colour).size() == 221;
        };
        Click(w->chkCurrent);
        QVERIFY(only(kWhite));
        Click(w->cmdStep);
        w->Timer1_Timer();
        QCOMPARE(RowsOf(*w, X(180), kVoltage).size(), 1);
        QCOMPARE(RowsOf(*w, X(50), kCurrent).size(), 1);
        Click(w->chkVoltage);
        QVERIFY(only(kWhite));
        Click(w->chkEnvelope);
        QCOMPARE(w->Picture1->BackColor(), QColor(kGreen));
        QVERIFY(only(kGreen));
        Click(w->cmdStep);
        w->Timer1_Timer();
        QCOMPARE(RowsOf(*w, X(50), kCurrent).size(), 1);
        Click(w->chkEnvelope);
        QCOMPARE(w->Picture1->BackColor(), QColor(kWhite));
        QVERIFY(only(kWhite));
    }

    // With the meter off, releasing a button on the plot brings back the tick readout that a
    // Step replaced; with the meter on a reading stays after the release.
    void releaseRestoresTheReadout() {
        Window w;
        Halt(*w, 3);
        const QString ticks = "Tick Mark= \r\n.5V\r\n   or \r\n10 mA";
        QVERIFY(w->lblDisplay->text().startsWith("Elapsed Time"));
        const QPoint at(100, 50);
        QTest::mousePress(w->Picture1, Qt::RightButton, {}, at);
        QVERIFY(w->lblDisplay->text().startsWith("Elapsed Time"));
        QTest::mouseRelease(w->Picture1, Qt::RightButton, {}, at);
        QCOMPARE(w->lblDisplay->text(), ticks);
        Click(w->chkMeter);
        QTest::mousePress(w->Picture1, Qt::LeftButton, {}, at);
        const QString reading = w->lblDisplay->text();
        QVERIFY(reading.startsWith("Voltage ="));
        QTest::mouseRelease(w->Picture1, Qt::LeftButton, {}, at);
        QCOMPARE(w->lblDisplay->text(), reading);
    }

    // A sine into an open load: once the reflection is back the line holds a standing wave, its
    // antinodes of 1 V every 25 points back from the load, a node between 187 and 188. With
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
            std::ranges::transform(high, v, high.begin(), std::ranges::max);
            std::ranges::transform(low, v, low.begin(), std::ranges::min);
        }
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
