// What the ticks draw on the plot, read back from its pixels, and the status line around a run.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "display/plot_area.h"
#include "display/trace_drawing.h"
#include "form_fixture.h"

using apptest::Window;

namespace {

const QColor kVoltage(display::kVoltageColour), kCurrent(display::kCurrentColour);
const QColor kWhite(Qt::white), kGreen(0, 255, 0);

void Run(app::Form1& f, int ticks) {
    QTest::mouseClick(f.cmdSimulate, Qt::LeftButton);
    for (int i = 0; i < ticks; ++i) f.Timer1_Timer();
}

// The pixel column of grid point i, and the row of a value, on a plot 389 × 221 inside its
// border (half sizes 194.5 and 110.5), at zoom 1 and a 1 V amplitude.
int X(int i) { return int(std::nearbyint(389.0 * i / 200)); }
int Y(double volts) { return int(std::nearbyint(110.5 - 55.25 * volts)); }

QColor At(app::Form1& f, int x, int y) { return f.Picture1->Surface().pixelColor(x, y); }

// Rows of column x that show `colour`.
QList<int> RowsOf(app::Form1& f, int x, const QColor& colour) {
    QList<int> rows;
    const QImage& image = f.Picture1->Surface();
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) == colour) rows << y;
    }
    return rows;
}

}  // namespace

class PlotTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void lineAtRest();
    void afterTheFirstReflection();
    void envelope();
    void noTraceChecked();
    void zeroPeakVoltage();
    void extremeZoom();
    void statusLineBeforeAnyRun();
};

void PlotTest::init() {
    Window w;
    if (w->Picture1->InnerWidth() != 389 || w->Picture1->InnerHeight() != 221) {
        QSKIP("the pixel rows are worked out for 96 dots per inch");
    }
}

// With the source off the line stays at rest: the voltage trace is the axis row, and only it.
void PlotTest::lineAtRest() {
    Window w;
    w->Model().SourceType = "Off";
    Run(*w, 1);
    QCOMPARE(w->PlotHalfWidth, 194.5f);
    QCOMPARE(w->PlotHalfHeight, 110.5f);
    // Point 200 lies at x = 389, just outside the 389 columns; the segment to it fills 388.
    for (int x : {0, X(50), X(100), 388}) QCOMPARE(RowsOf(*w, x, kVoltage), QList<int>{110});
    QCOMPARE(w->VoltagePoints[200], QPoint(389, 110));  // 110.5 rounds to the even 110
}

// An open load: the 0.5 V step reaches the load after 200 ticks and comes back doubled.
void PlotTest::afterTheFirstReflection() {
    Window w;
    w->Model().LoadResistance = 1e10;
    w->chkCurrent->setChecked(true);
    Run(*w, 250);
    // Closed form: the reflected front has travelled about 49 points back from the load.
    QVERIFY(qAbs(w->Model().LineVoltage[0][180] - 1.0) < 1e-6);
    QVERIFY(qAbs(w->Model().LineCurrent[0][180]) < 1e-6);
    QCOMPARE(w->Model().LineVoltage[0][50], 0.5);
    QCOMPARE(w->Model().LineCurrent[0][50], 0.5);
    // Near the load: 1 V a quarter of the height above the axis, no current.
    QCOMPARE(RowsOf(*w, X(180), kVoltage), QList<int>{Y(1.0)});
    QCOMPARE(RowsOf(*w, X(180), kCurrent), QList<int>{Y(0)});
    // Near the source voltage and current coincide at 0.5; the current is drawn last.
    QCOMPARE(RowsOf(*w, X(50), kCurrent), QList<int>{Y(0.5)});
    QCOMPARE(RowsOf(*w, X(50), kVoltage), QList<int>());
    QCOMPARE(At(*w, X(50), Y(1.0)), kWhite);
}

// Envelope mode paints the old traces white on the green back colour and never clears.
void PlotTest::envelope() {
    Window w;
    w->chkEnvelope->setChecked(true);
    w->Picture1->SetBackColor(kGreen);  // as the envelope check box does
    Run(*w, 10);
    QCOMPARE(At(*w, X(5), Y(0.5)), kVoltage);  // the latest trace
    QCOMPARE(At(*w, X(5), Y(0)), kWhite);      // where the first ticks drew it
    QCOMPARE(At(*w, X(100), 20), kGreen);      // never touched
    // Without the envelope the picture is cleared to its back colour before every trace.
    w->chkEnvelope->setChecked(false);
    w->Timer1_Timer();
    QCOMPARE(At(*w, X(5), Y(0)), kGreen);
}

void PlotTest::noTraceChecked() {
    Window w;
    w->chkVoltage->setChecked(false);
    Run(*w, 5);
    QCOMPARE(w->Model().ElapsedTicks, 5);
    QCOMPARE(w->VoltagePoints[0], QPoint(0, Y(0.5)));  // still computed
    QCOMPARE(RowsOf(*w, X(2), kVoltage), QList<int>());
}

// A peak voltage of 0: no scale to draw against; the line at rest lies on the axis and the
// readout says 0.
void PlotTest::zeroPeakVoltage() {
    Window w;
    w->Model().PeakVoltage = 0;
    Run(*w, 3);
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Tick Mark= \r\n0V\r\n   or \r\n0 mA"));
    QCOMPARE(RowsOf(*w, X(100), kVoltage), QList<int>{110});
    for (const QPoint& p : w->VoltagePoints) QCOMPARE(p.y(), 110);
}

// A zoom far beyond what a pixel coordinate holds: the traces run off the plot's edge, clamped,
// and nothing fails.
void PlotTest::extremeZoom() {
    Window w;
    w->ZoomFactor = 1e300;
    Run(*w, 3);
    QCOMPARE(w->VoltagePoints[0].y(), -display::kCoordinateLimit);
    QCOMPARE(w->VoltagePoints[100].y(), 110);  // still at rest: on the axis
    QCOMPARE(RowsOf(*w, X(100), kVoltage), QList<int>{110});
    // Where the step is, the trace leaves through the top edge.
    QList<int> steep;
    for (int x = X(2); x <= X(3); ++x) steep += RowsOf(*w, x, kVoltage);
    QVERIFY(steep.contains(0));
}

void PlotTest::statusLineBeforeAnyRun() {
    Window w;
    w->UpdateDisplay("Meter", 100, 100);  // no scale yet: the line keeps its caption
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Tick Mark / Elapsed Time:"));
    w->UpdateDisplay("TickMarks", 0, 0);
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Tick Mark= \r\n.5V\r\n   or \r\n10 mA"));
    w->UpdateDisplay("ElapsedTime", 0, 0);
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Elapsed Time = \r\n0 ns"));
    w->UpdateDisplay("elapsedtime", 0, 0);  // not a mode: nothing changes
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Elapsed Time = \r\n0 ns"));
}

QTEST_MAIN(PlotTest)
#include "plot_test.moc"
