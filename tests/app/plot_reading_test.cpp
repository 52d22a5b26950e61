// Reading the plot on the real window: the zoom buttons, meter readings with the mouse, the
// trace check boxes and the envelope, read back from the status line and Picture1's pixels.
// Ticks are run by calling the tick handler; the slowest speed keeps the real timer out of it.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>

#include "display/plot_area.h"
#include "display/trace_drawing.h"
#include "form_fixture.h"

using apptest::Window;

namespace {

const QColor kVoltage(display::kVoltageColour), kCurrent(display::kCurrentColour);
const QColor kWhite(Qt::white), kGreen(0, 255, 0);

const QString kTickMarks = QStringLiteral("Tick Mark= \r\n.5V\r\n   or \r\n10 mA");
const QString kCaption = QStringLiteral("Tick Mark / Elapsed Time:");

// The plot is 389 × 221 pixels inside its border at 96 dpi (half sizes 194.5 and 110.5); at
// zoom 1 a volt is a quarter of the height, 55.25 rows.
int X(int i) { return int(std::nearbyint(389.0 * i / 200)); }
int Y(double volts, double zoom = 1) { return int(std::nearbyint(110.5 - 55.25 * zoom * volts)); }

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); }

void FreeRun(app::Form1& f, int ticks) {
    f.sldSpeedControl->setValue(1);
    Click(f.cmdSimulate);
    for (int i = 0; i < ticks; ++i) f.Timer1_Timer();
}

// A run halted after `ticks` steps, as a user gets it with Step.
void Halt(app::Form1& f, int ticks) {
    FreeRun(f, ticks - 1);
    Click(f.cmdStep);
    f.Timer1_Timer();
}

void Press(app::Form1& f, Qt::MouseButton button, int x, int y) {
    const QPoint at(x + display::PlotArea::kBorder, y + display::PlotArea::kBorder);
    QTest::mousePress(f.Picture1, button, {}, at);
}
void Release(app::Form1& f, Qt::MouseButton button, int x, int y) {
    const QPoint at(x + display::PlotArea::kBorder, y + display::PlotArea::kBorder);
    QTest::mouseRelease(f.Picture1, button, {}, at);
}

int CountOf(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

QList<int> RowsOf(app::Form1& f, int x, const QColor& colour) {
    QList<int> rows;
    const QImage& image = f.Picture1->Surface();
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour) rows << y;
    return rows;
}

}  // namespace

class PlotReadingTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void zoomLimit_data();
    void zoomLimit();
    void zoomInThenOutReturns();
    void redrawWhileHalted_data();
    void redrawWhileHalted();
    void zoomWhileFreeRunning();
    void meterReadings_data();
    void meterReadings();
    void readingDuringAFreeRun_data();
    void readingDuringAFreeRun();
    void traceBoxesClearThePlot_data();
    void traceBoxesClearThePlot();
    void envelopeOfAStandingWave();
};

void PlotReadingTest::init() {
    Window w;
    if (w->Picture1->InnerWidth() != 389 || w->Picture1->InnerHeight() != 221) {
        QSKIP("the pixel rows are worked out for 96 dots per inch");
    }
}

void PlotReadingTest::zoomLimit_data() {
    QTest::addColumn<bool>("in");
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("readout");
    QTest::newRow("in") << true << 32.0 << "Tick Mark= \r\n.02V\r\n   or \r\n.31 mA";
    QTest::newRow("out") << false << 1.0 / 32 << "Tick Mark= \r\n16V\r\n   or \r\n320 mA";
}

// Five clicks reach the limit in silence; the sixth is refused with the message and keeps it.
void PlotReadingTest::zoomLimit() {
    QFETCH(bool, in);
    QFETCH(double, limit);
    QFETCH(QString, readout);
    Window w;
    Halt(*w, 5);
    QPushButton* button = in ? w->cmdZoomIn : w->cmdZoomOut;
    for (int i = 0; i < 5; ++i) Click(button);
    QCOMPARE(w->ZoomFactor, limit);
    QVERIFY(w.dialogs->shown.empty());
    QCOMPARE(w->lblDisplay->text(), readout);
    Click(button);
    QCOMPARE(w->ZoomFactor, limit);
    QCOMPARE(w.dialogs->shown.size(), std::size_t(1));
    const auto& message = w.dialogs->shown[0];
    QCOMPARE(message.kind, std::string("message"));
    QCOMPARE(message.text, std::string("You have reached the Zoom's limit. "));
    QCOMPARE(message.title, std::string("Zoomed Out!"));
    QCOMPARE(message.style, 48);
    QCOMPARE(w->lblDisplay->text(), readout);
}

// From every factor below the upper limit, In then Out gives back the factor and the readout.
void PlotReadingTest::zoomInThenOutReturns() {
    Window w;
    Halt(*w, 5);
    for (int i = 0; i < 5; ++i) Click(w->cmdZoomOut);
    for (int k = -5; k < 5; ++k) {
        const double factor = w->ZoomFactor;
        const QString readout = w->lblDisplay->text();
        QCOMPARE(factor, std::ldexp(1.0, k));
        Click(w->cmdZoomIn);
        QCOMPARE(w->ZoomFactor, 2 * factor);
        QVERIFY(w->lblDisplay->text() != readout);
        Click(w->cmdZoomOut);
        QCOMPARE(w->ZoomFactor, factor);
        QCOMPARE(w->lblDisplay->text(), readout);
        Click(w->cmdZoomIn);
    }
    QVERIFY(w.dialogs->shown.empty());
}

void PlotReadingTest::redrawWhileHalted_data() {
    QTest::addColumn<bool>("in");
    QTest::addColumn<bool>("envelope");
    QTest::addColumn<double>("factor");
    QTest::newRow("zoom in") << true << false << 2.0;
    QTest::newRow("zoom out") << false << false << 0.5;
    QTest::newRow("zoom in over an envelope") << true << true << 2.0;
}

// Halted after the step on an open load has come back (1 V near the load, 0.5 V near the
// source): a zoom draws the same step again at once, each point at the same column and at the
// factor times its height above the centre line; an envelope is wiped.
void PlotReadingTest::redrawWhileHalted() {
    QFETCH(bool, in);
    QFETCH(bool, envelope);
    QFETCH(double, factor);
    Window w;
    w->Model().LoadResistance = 1e10;
    w->chkCurrent->setChecked(true);
    if (envelope) Click(w->chkEnvelope);
    Halt(*w, 250);
    const display::TracePoints before = w->VoltagePoints;
    if (envelope) QVERIFY(CountOf(w->Picture1->Surface(), kWhite) > 1000);

    Click(in ? w->cmdZoomIn : w->cmdZoomOut);
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->Model().ElapsedTicks, 250);
    for (int i = 0; i <= 200; ++i) {
        QCOMPARE(w->VoltagePoints[i].x(), before[i].x());
        const double scaled = factor * (before[i].y() - 110.5);
        QVERIFY2(std::abs(w->VoltagePoints[i].y() - 110.5 - scaled) <= (factor + 1) / 2,
                 qPrintable(QString::number(i)));
    }
    QCOMPARE(RowsOf(*w, X(180), kVoltage), QList<int>{Y(1.0, factor)});
    QCOMPARE(RowsOf(*w, X(180), kCurrent), QList<int>{Y(0)});
    QCOMPARE(RowsOf(*w, X(50), kCurrent), QList<int>{Y(0.5, factor)});
    if (envelope) QCOMPARE(CountOf(w->Picture1->Surface(), kWhite), 0);
}

// Running, a zoom rewrites the readout at once; the picture changes only with the next tick.
// The factor then carries over into the next run.
void PlotReadingTest::zoomWhileFreeRunning() {
    Window w;
    FreeRun(*w, 20);
    const QImage before = w->Picture1->Surface().copy();
    const display::TracePoints points = w->VoltagePoints;
    Click(w->cmdZoomIn);
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Tick Mark= \r\n.25V\r\n   or \r\n5 mA"));
    QCOMPARE(w->Picture1->Surface(), before);
    QCOMPARE(w->VoltagePoints, points);
    QVERIFY(w->Timer1->isActive());
    w->Timer1_Timer();
    QCOMPARE(RowsOf(*w, X(5), kVoltage), QList<int>{Y(0.5, 2)});

    Click(w->cmdStop);
    w->Timer1_Timer();
    Click(w->cmdSimulate);
    QCOMPARE(w->ZoomFactor, 2.0);
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Tick Mark= \r\n.25V\r\n   or \r\n5 mA"));
}

void PlotReadingTest::meterReadings_data() {
    QTest::addColumn<bool>("run");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("meter");
    QTest::addColumn<bool>("voltage");
    QTest::addColumn<bool>("current");
    QTest::addColumn<bool>("zoomIn");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("reading");  // empty: the status line keeps its text
    const int L = Qt::LeftButton;
    // The zero line of a 221-row plot lies between rows 110 and 111: a row is half a pixel off.
    QTest::newRow("row above the zero line")
        << true << L << true << true << false << false << QPoint(X(100), 110)
        << "Voltage =\r\n9.05E-3V\r\n Distance = 4.79 m";
    QTest::newRow("row below the zero line")
        << true << L << true << true << false << false << QPoint(X(100), 111)
        << "Voltage =\r\n-9.05E-3V\r\n Distance = 4.79 m";
    QTest::newRow("top edge") << true << L << true << true << false << false << QPoint(0, 0)
                              << "Voltage =\r\n2V\r\n Distance = 0 m";
    QTest::newRow("top edge after Zoom In") << true << L << true << true << false << true
                                            << QPoint(0, 0) << "Voltage =\r\n1V\r\n Distance = 0 m";
    QTest::newRow("both traces")
        << true << L << true << true << true << false << QPoint(0, 0)
        << "Voltage =\r\n2.00E+00V\r\nCurrent =\r\n40mA\r\n Distance = 0 m";
    QTest::newRow("current only, load end")
        << true << L << true << false << true << false << QPoint(388, 0)
        << "Current =\r\n40mA\r\n Distance = 9.58 m";
    QTest::newRow("neither trace")
        << true << L << true << false << false << false << QPoint(0, 0) << "";
    QTest::newRow("right button") << true << int(Qt::RightButton) << true << true << false << false
                                  << QPoint(0, 0) << "";
    QTest::newRow("middle button")
        << true << int(Qt::MiddleButton) << true << true << false << false << QPoint(0, 0) << "";
    QTest::newRow("meter off") << true << L << false << true << false << false << QPoint(0, 0)
                               << "";
    QTest::newRow("before any run")
        << false << L << true << true << false << false << QPoint(0, 0) << "";
}

// A press on the plot while the run goes on. With the meter off a release brings back the tick
// readout; with it on the reading stays.
void PlotReadingTest::meterReadings() {
    QFETCH(bool, run);
    QFETCH(int, button);
    QFETCH(bool, meter);
    QFETCH(bool, voltage);
    QFETCH(bool, current);
    QFETCH(bool, zoomIn);
    QFETCH(QPoint, at);
    QFETCH(QString, reading);
    Window w;
    if (run) FreeRun(*w, 3);
    if (zoomIn) Click(w->cmdZoomIn);
    if (run) w->UpdateDisplay("ElapsedTime", 0, 0);  // some other readout, as after a Step
    w->chkMeter->setChecked(meter);
    w->chkVoltage->setChecked(voltage);
    w->chkCurrent->setChecked(current);
    const QString before = w->lblDisplay->text();
    const bool reads = meter && button == Qt::LeftButton;

    Press(*w, Qt::MouseButton(button), at.x(), at.y());
    QCOMPARE(w->lblDisplay->text(), reading.isEmpty() ? before : reading);
    QCOMPARE(w->Picture1->cursor().shape(), reads ? Qt::CrossCursor : Qt::ArrowCursor);
    QCOMPARE(w->Model().StepMode, reads);
    QCOMPARE(w->Timer1->isActive(), run);  // the tick that is due still runs
    Release(*w, Qt::MouseButton(button), at.x(), at.y());
    QCOMPARE(w->lblDisplay->text(), meter ? (reading.isEmpty() ? before : reading) : kTickMarks);
}

void PlotReadingTest::readingDuringAFreeRun_data() {
    QTest::addColumn<bool>("insideATick");
    QTest::newRow("between ticks") << false;
    QTest::newRow("in the middle of a tick") << true;
}

// A reading halts the run after exactly one more tick; the cross-hair stays until Continue.
void PlotReadingTest::readingDuringAFreeRun() {
    QFETCH(bool, insideATick);
    Window w;
    FreeRun(*w, 3);
    Click(w->chkMeter);
    if (insideATick) {
        QMetaObject::invokeMethod(
            w.form.get(), [&w] { Press(*w, Qt::LeftButton, 0, 0); }, Qt::QueuedConnection);
    } else {
        Press(*w, Qt::LeftButton, 0, 0);
    }
    w->Timer1_Timer();
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Voltage =\r\n2V\r\n Distance = 0 m"));
    QCOMPARE(w->Model().ElapsedTicks, 4);
    QVERIFY(!w->Timer1->isActive());

    Click(w->chkMeter);  // unchecking the meter leaves the pointer
    QCOMPARE(w->Picture1->cursor().shape(), Qt::CrossCursor);
    Click(w->cmdContinue);
    QCOMPARE(w->Picture1->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->lblDisplay->text(), kTickMarks);
}

void PlotReadingTest::traceBoxesClearThePlot_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<bool>("voltage");  // drawn at the next step
    QTest::addColumn<bool>("current");
    QTest::newRow("voltage off") << "chkVoltage" << 1 << kWhite << false << false;
    // Before any reflection the matched line carries I = V / Zo: the current, drawn last, covers
    // the voltage pixel for pixel.
    QTest::newRow("current on") << "chkCurrent" << 1 << kWhite << false << true;
    QTest::newRow("envelope on") << "chkEnvelope" << 1 << kGreen << true << false;
    QTest::newRow("envelope on and off") << "chkEnvelope" << 2 << kWhite << true << false;
}

// Halted with a trace on screen: a click on a box empties the plot and draws nothing; the next
// Step draws what the boxes now choose.
void PlotReadingTest::traceBoxesClearThePlot() {
    QFETCH(QString, box);
    QFETCH(int, clicks);
    QFETCH(QColor, back);
    QFETCH(bool, voltage);
    QFETCH(bool, current);
    Window w;
    Halt(*w, 10);
    QVERIFY(CountOf(w->Picture1->Surface(), kVoltage) > 0);
    for (int i = 0; i < clicks; ++i) Click(w->Element(box));
    const QImage& surface = w->Picture1->Surface();
    QCOMPARE(CountOf(surface, back), surface.width() * surface.height());

    Click(w->cmdStep);
    w->Timer1_Timer();
    QCOMPARE(CountOf(w->Picture1->Surface(), kVoltage) > 0, voltage);
    QCOMPARE(CountOf(w->Picture1->Surface(), kCurrent) > 0, current);
}

// A sine into an open load, matched at the source: once the reflection has come back the line
// holds a standing wave, |V| = cos(2π · 4 · distance from the load / length) at 1 V peak. With
// the envelope switched on then, a few periods later each column shows the band between the
// lowest and highest voltage its points went through, and green above and below it.
void PlotReadingTest::envelopeOfAStandingWave() {
    Window w;
    w->Model().SourceType = "Sine";
    w->Model().LoadResistance = 99999999;
    FreeRun(*w, 400);
    Click(w->chkEnvelope);
    QCOMPARE(CountOf(w->Picture1->Surface(), kGreen), 389 * 221);
    std::array<double, 201> high, low;
    const auto& v = w->Model().LineVoltage[0];
    std::copy(v.begin(), v.end(), high.begin());
    std::copy(v.begin(), v.end(), low.begin());
    for (int t = 0; t < 300; ++t) {
        w->Timer1_Timer();
        for (int i = 0; i <= 200; ++i) {
            high[i] = std::max(high[i], v[i]);
            low[i] = std::min(low[i], v[i]);
        }
    }
    // The closed form: antinodes of 1 V at the load and every 25 points back from it, a node
    // between points 187 and 188.
    for (int i : {200, 175, 150, 100, 25}) {
        QVERIFY(std::abs(high[i] - 1) < 0.01 && std::abs(low[i] + 1) < 0.01);
    }
    QVERIFY(high[187] < 0.07 && low[187] > -0.07);

    // A column X(i) holds point i of each trace and the ends of the segments to its neighbours,
    // which lie between their heights: the band's edge lies between point i's extreme and its
    // neighbours' (one row of rounding either way).
    const QImage& surface = w->Picture1->Surface();
    for (int i = 1; i < 200; ++i) {
        QList<int> band;
        for (int y = 0; y < surface.height(); ++y)
            if (surface.pixelColor(X(i), y) != kGreen) band << y;
        QVERIFY(!band.isEmpty());
        const int top = band.first(), bottom = band.last();
        const double highest = std::max({high[i - 1], high[i], high[i + 1]});
        const double lowest = std::min({low[i - 1], low[i], low[i + 1]});
        const QString where = QStringLiteral("point %1: rows %2..%3").arg(i).arg(top).arg(bottom);
        QVERIFY2(top >= Y(highest) - 1 && top <= Y(high[i]) + 1, qPrintable(where));
        QVERIFY2(bottom <= Y(lowest) + 1 && bottom >= Y(low[i]) - 1, qPrintable(where));
        QVERIFY2(RowsOf(*w, X(i), kWhite).size() >= (bottom - top) / 10, qPrintable(where));
    }
}

QTEST_MAIN(PlotReadingTest)
#include "plot_reading_test.moc"
