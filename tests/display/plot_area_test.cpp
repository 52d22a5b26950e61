// The plot surface and the tick's drawing on it: what persists, what clears, and which pixels a
// trace sets, including the points that lie far off the plot or have no place at all.

#include "display/plot_area.h"

#include <QSignalSpy>
#include <QtTest>
#include <vector>

#include "display/trace_drawing.h"
#include "display/twips.h"

using display::kCoordinateLimit;
using display::kNoCoordinate;
using display::PlotArea;
using display::TracePoints;

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = display::kVoltageColour;
constexpr QRgb kOrange = display::kCurrentColour;
constexpr QRgb kWhite = display::kEnvelopePaint;
constexpr QRgb kGreen = display::kEnvelopeBackColour;

// The window's plot: 5895 × 3375 twips, 389 × 221 pixels inside the border.
void SizeLikeTheWindow(PlotArea& plot) {
    plot.resize(display::TwipsToPixels(5895), display::TwipsToPixels(3375));
}

TracePoints Flat(int y) {
    TracePoints points;
    for (int i = 0; i <= sim::kLastPoint; ++i) points[i] = QPoint(i * 389 / 200, y);
    return points;
}

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

bool RowIs(const QImage& image, int y, QRgb colour, int fromX, int toX) {
    for (int x = fromX; x <= toX; ++x)
        if (image.pixel(x, y) != colour) return false;
    return true;
}

}  // namespace

class PlotAreaTest : public QObject {
    Q_OBJECT
  private slots:
    void innerSize();
    void fixedMarksSurvive_data();
    void fixedMarksSurvive();
    void polylinePixels();
    void backColourErases();
    void offPlotAndMissingPoints();
    void tickDrawing_data();
    void tickDrawing();
    void redrawWipesTheEnvelopeAndScales();
    void mouseSignals_data();
    void mouseSignals();
};

void PlotAreaTest::innerSize() {
    PlotArea plot;
    SizeLikeTheWindow(plot);
    QCOMPARE(plot.InnerWidth(), 389);
    QCOMPARE(plot.InnerHeight(), 221);
    QCOMPARE(plot.Surface().size(), QSize(389, 221));
    QCOMPARE(plot.BackColor(), QColor(Qt::white));
}

void PlotAreaTest::fixedMarksSurvive_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("as built") << "none";
    QTest::newRow("cleared") << "clear";
    QTest::newRow("envelope on") << "green";
    QTest::newRow("envelope on and off") << "green white";
    QTest::newRow("trace on the axis, then cleared") << "trace clear";
}

void PlotAreaTest::fixedMarksSurvive() {
    QFETCH(QString, action);
    PlotArea plot;
    SizeLikeTheWindow(plot);
    const QColor back =
        action.contains("green") && !action.contains("white") ? QColor(kGreen) : QColor(Qt::white);
    if (action.contains("green")) plot.SetBackColor(QColor(kGreen));
    if (action.contains("white")) plot.SetBackColor(Qt::white);
    if (action.contains("trace")) plot.DrawPolyline(Flat(110), QColor(kRed));
    if (action.contains("clear")) plot.Clear();

    QCOMPARE(Count(plot.Surface(), kBlack), 0);  // the marks are not part of the drawing
    const QImage shown = plot.Composed();
    const double dpi = plot.logicalDpiX();
    const auto px = [dpi](int twips) { return display::TwipsToPixels(twips, dpi); };
    QVERIFY(RowIs(shown, px(1650), kBlack, 0, shown.width() - 1));  // the axis, full width
    for (int h : {422, 844, 1266, 2109, 2531, 2953}) {
        QVERIFY2(RowIs(shown, px(h), kBlack, 0, px(60)), qPrintable(QString::number(h)));
        QCOMPARE(shown.pixel(px(60) + 2, px(h)), back.rgb());
    }
    for (int x : {1474, 2948, 4421})
        for (int y = px(1620); y <= px(1680); ++y) QCOMPARE(shown.pixel(px(x), y), kBlack);
    QCOMPARE(shown.pixel(200, 50), back.rgb());
    QCOMPARE(Count(shown, kRed), 0);
}

void PlotAreaTest::polylinePixels() {
    PlotArea plot;
    SizeLikeTheWindow(plot);
    const std::vector<QPoint> zigzag{{0, 0}, {100, 100}, {200, 0}};
    plot.DrawPolyline(zigzag, QColor(kRed));
    const QImage& s = plot.Surface();
    for (int x = 0; x <= 200; ++x) {
        const int y = x <= 100 ? x : 200 - x;
        QVERIFY2(s.pixel(x, y) == kRed, qPrintable(QString("%1,%2").arg(x).arg(y)));
    }
    QCOMPARE(Count(s, kRed), 201);  // one pixel per column: width 1, no antialiasing
    // Drawing the same points in another colour covers every pixel.
    plot.DrawPolyline(zigzag, QColor(kWhite));
    QCOMPARE(Count(plot.Surface(), kRed), 0);
}

void PlotAreaTest::backColourErases() {
    PlotArea plot;
    SizeLikeTheWindow(plot);
    plot.DrawPolyline(Flat(50), QColor(kRed));
    QVERIFY(Count(plot.Surface(), kRed) > 300);
    plot.SetBackColor(QColor(kGreen));
    QCOMPARE(plot.BackColor(), QColor(kGreen));
    QCOMPARE(Count(plot.Surface(), kGreen), 389 * 221);
    plot.DrawPolyline(Flat(50), QColor(kRed));
    plot.Clear();
    QCOMPARE(Count(plot.Surface(), kGreen), 389 * 221);
}

void PlotAreaTest::offPlotAndMissingPoints() {
    PlotArea plot;
    SizeLikeTheWindow(plot);
    // A spike clamped far above and far below: the trace runs straight off the edges.
    const std::vector<QPoint> spikes{
        {100, 110}, {101, -kCoordinateLimit}, {102, 110}, {103, kCoordinateLimit}, {104, 110}};
    plot.DrawPolyline(spikes, QColor(kRed));
    const QImage& s = plot.Surface();
    for (int y = 0; y <= 110; ++y) {
        QVERIFY(s.pixel(100, y) == kRed || s.pixel(101, y) == kRed);
        QVERIFY(s.pixel(101, y) == kRed || s.pixel(102, y) == kRed);
    }
    for (int y = 110; y < 221; ++y) QVERIFY(s.pixel(102, y) == kRed || s.pixel(103, y) == kRed);

    // A point without a place breaks the line; lone points between gaps still show.
    plot.Clear();
    const std::vector<QPoint> gaps{{10, 50},
                                   {20, kNoCoordinate},
                                   {30, 50},
                                   {40, 60},
                                   {50, 50},
                                   {kNoCoordinate, 80},
                                   {60, 70},
                                   {70, 70},
                                   {80, 70},
                                   {90, kNoCoordinate},
                                   {100, kNoCoordinate}};
    plot.DrawPolyline(gaps, QColor(kRed));
    const QImage& g = plot.Surface();
    QCOMPARE(g.pixel(10, 50), kRed);
    for (int x = 11; x < 30; ++x) QCOMPARE(Count(g.copy(x, 0, 1, 221), kRed), 0);
    QCOMPARE(g.pixel(35, 55), kRed);
    QVERIFY(RowIs(g, 70, kRed, 60, 80));
    QCOMPARE(Count(g.copy(51, 0, 9, 221), kRed), 0);  // nothing between 50 and 60
    QCOMPARE(Count(g.copy(81, 0, 308, 221), kRed), 0);

    // A trace that has no place anywhere draws nothing at all.
    plot.Clear();
    TracePoints none;
    none.fill(QPoint(kNoCoordinate, kNoCoordinate));
    plot.DrawPolyline(none, QColor(kRed));
    QCOMPARE(Count(plot.Surface(), kRed), 0);
}

void PlotAreaTest::tickDrawing_data() {
    QTest::addColumn<bool>("voltage");
    QTest::addColumn<bool>("current");
    QTest::newRow("both") << true << true;
    QTest::newRow("voltage only") << true << false;
    QTest::newRow("current only") << false << true;
    QTest::newRow("neither") << false << false;
}

void PlotAreaTest::tickDrawing() {
    QFETCH(bool, voltage);
    QFETCH(bool, current);
    PlotArea plot;
    SizeLikeTheWindow(plot);
    plot.SetBackColor(QColor(kGreen));
    const TracePoints oldV = Flat(50), oldC = Flat(150), newV = Flat(60), newC = Flat(160);
    display::DrawTraces(plot, true, true, oldV, oldC);

    // Envelope: the old traces of the checked boxes turn white, nothing is cleared.
    display::BeginTickDrawing(plot, true, voltage, current, oldV, oldC);
    display::DrawTraces(plot, voltage, current, newV, newC);
    const QImage& s = plot.Surface();
    QVERIFY(RowIs(s, 50, voltage ? kWhite : kRed, 0, 388));
    QVERIFY(RowIs(s, 150, current ? kWhite : kOrange, 0, 388));
    QVERIFY(RowIs(s, 60, voltage ? kRed : kGreen, 0, 388));
    QVERIFY(RowIs(s, 160, current ? kOrange : kGreen, 0, 388));
    QCOMPARE(Count(s, kWhite), 389 * (int(voltage) + int(current)));

    // Without the envelope the tick starts from an empty plot.
    display::BeginTickDrawing(plot, false, voltage, current, newV, newC);
    QCOMPARE(Count(plot.Surface(), kGreen), 389 * 221);
}

void PlotAreaTest::redrawWipesTheEnvelopeAndScales() {
    PlotArea plot;
    SizeLikeTheWindow(plot);
    plot.SetBackColor(QColor(kGreen));
    sim::Model m;
    for (int i = 0; i <= sim::kLastPoint; ++i) {
        m.LineVoltage[1][i] = i < 100 ? 0.5 : -0.25;
        m.LineCurrent[1][i] = 0.5;
    }
    m.PlotAmplitude = 1;
    TracePoints v{}, c{};
    display::PlotScale scale{194.5f, 110.5f, 1, 1, 1};
    display::MapLastStep(m, scale, v, c);
    display::BeginTickDrawing(plot, true, true, false, v, c);
    display::DrawTraces(plot, true, false, v, c);
    QCOMPARE(v[0].y(), 83);  // 110.5 − 27.625

    // Zoom In while halted: the same samples twice as tall about the centre line.
    scale.ZoomFactor = 2;
    display::RedrawPlot(plot, m, scale, true, false, v, c);
    QCOMPARE(v[0], QPoint(0, 55));       // 110.5 − 55.25
    QCOMPARE(v[150], QPoint(292, 138));  // 110.5 + 27.625 = 138.125
    QCOMPARE(c[0], QPoint(0, 55));       // computed although not drawn
    const QImage& s = plot.Surface();
    QCOMPARE(Count(s, kWhite), 0);  // the envelope is gone
    QCOMPARE(Count(s, kOrange), 0);
    QCOMPARE(s.pixel(0, 55), kRed);
    QCOMPARE(s.pixel(292, 138), kRed);
    QCOMPARE(s.pixel(0, 83), kGreen);
}

void PlotAreaTest::mouseSignals_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("shift");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right with shift")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("middle with control")
        << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void PlotAreaTest::mouseSignals() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, shift);
    PlotArea plot;
    SizeLikeTheWindow(plot);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    QSignalSpy pressed(&plot, &PlotArea::MousePressed);
    QSignalSpy released(&plot, &PlotArea::MouseReleased);
    // Positions arrive in the plot's own pixels, inside the border.
    QTest::mousePress(&plot, button, shift, QPoint(12, 22));
    QTest::mouseRelease(&plot, button, shift, QPoint(30, 40));
    QCOMPARE(pressed.size(), 1);
    QCOMPARE(released.size(), 1);
    QCOMPARE(pressed[0][0].value<Qt::MouseButton>(), button);
    QCOMPARE(pressed[0][1].value<Qt::KeyboardModifiers>(), shift);
    QCOMPARE(pressed[0][2].toInt(), 12 - PlotArea::kBorder);
    QCOMPARE(pressed[0][3].toInt(), 22 - PlotArea::kBorder);
    QCOMPARE(released[0][0].value<Qt::MouseButton>(), button);
    QCOMPARE(released[0][2].toInt(), 30 - PlotArea::kBorder);
    QCOMPARE(released[0][3].toInt(), 40 - PlotArea::kBorder);

    plot.setCursor(Qt::CrossCursor);
    QCOMPARE(plot.cursor().shape(), Qt::CrossCursor);
}

QTEST_MAIN(PlotAreaTest)
#include "plot_area_test.moc"
