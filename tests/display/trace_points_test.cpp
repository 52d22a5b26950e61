// The value-to-pixel mapping of the plot: positions, rounding, and the corners without a value.

#include "display/trace_points.h"

#include <QtTest>

using display::kCoordinateLimit;
using display::kNoCoordinate;
using display::PlotScale;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// The window's plot: 389 × 221 pixels inside its border.
PlotScale WindowScale(double amplitude = 1, double zoom = 1) {
    return PlotScale{194.5f, 110.5f, amplitude, zoom, 1};
}

}  // namespace

class TracePointsTest : public QObject {
    Q_OBJECT
  private slots:
    void verticalMapping_data();
    void verticalMapping();
    void horizontalMapping_data();
    void horizontalMapping();
    void storedPointsShareTheirColumn();
    void redrawMapsTheLastStep();
};

void TracePointsTest::verticalMapping_data() {
    QTest::addColumn<float>("halfHeight");
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("current");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("y");

    // At rest on the axis: 110.5 rounds to the even 110.
    QTest::newRow("rest") << 110.5f << 1.0 << 1.0 << false << 0.0 << 110;
    QTest::newRow("rest, current") << 110.5f << 1.0 << 1.0 << true << 0.0 << 110;
    // ±amplitude a quarter height above and below the axis.
    QTest::newRow("+amplitude") << 110.5f << 1.0 << 1.0 << false << 1.0 << 55;    // 55.25
    QTest::newRow("-amplitude") << 110.5f << 1.0 << 1.0 << false << -1.0 << 166;  // 165.75
    QTest::newRow("+amplitude of 5 V") << 110.5f << 5.0 << 1.0 << false << 5.0 << 55;
    QTest::newRow("zoom 2 doubles") << 110.5f << 1.0 << 2.0 << false << 1.0 << 0;
    QTest::newRow("zoom 1/32") << 110.5f << 1.0 << 1.0 / 32 << false << 16.0 << 83;  // 82.875
    QTest::newRow("current shares the scale") << 110.5f << 2.0 << 1.0 << true << 1.0 << 83;
    // Halves go to the even neighbour, in both directions and below zero.
    QTest::newRow("50.5 to 50") << 101.0f << 1.0 << 1.0 << false << 1.0 << 50;
    QTest::newRow("151.5 to 152") << 101.0f << 1.0 << 1.0 << false << -1.0 << 152;
    QTest::newRow("-50.5 to -50") << 101.0f << 1.0 << 1.0 << false << 3.0 << -50;
    QTest::newRow("75.75 to 76") << 101.0f << 1.0 << 1.0 << false << 0.5 << 76;
    // Amplitude 0: a 0 rests on the axis, anything else is off the plot in its direction.
    QTest::newRow("amplitude 0, value 0") << 110.5f << 0.0 << 1.0 << false << 0.0 << 110;
    QTest::newRow("amplitude 0, current 0") << 110.5f << 0.0 << 1.0 << true << 0.0 << 110;
    QTest::newRow("amplitude 0, +1") << 110.5f << 0.0 << 1.0 << false << 1.0 << -kCoordinateLimit;
    QTest::newRow("amplitude 0, -1") << 110.5f << 0.0 << 1.0 << false << -1.0 << kCoordinateLimit;
    // Beyond 32 bits, infinities: clamped; nan: no place.
    QTest::newRow("3e9 up") << 110.5f << 1.0 << 32.0 << false << 3e9 << -kCoordinateLimit;
    QTest::newRow("1e300 down") << 110.5f << 1.0 << 32.0 << false << -1e300 << kCoordinateLimit;
    QTest::newRow("+inf") << 110.5f << 1.0 << 1.0 << false << kInf << -kCoordinateLimit;
    QTest::newRow("-inf current") << 110.5f << 1.0 << 1.0 << true << -kInf << kCoordinateLimit;
    QTest::newRow("inside the clamp") << 100.0f << 1.0 << 1.0 << false << -20969.5 << 1048575;
    QTest::newRow("just beyond") << 100.0f << 1.0 << 1.0 << false << -20971.0 << kCoordinateLimit;
    QTest::newRow("nan") << 110.5f << 1.0 << 1.0 << false << kNan << kNoCoordinate;
    QTest::newRow("nan current") << 110.5f << 1.0 << 1.0 << true << kNan << kNoCoordinate;
    QTest::newRow("nan, amplitude 0") << 110.5f << 0.0 << 1.0 << false << kNan << kNoCoordinate;
}

void TracePointsTest::verticalMapping() {
    QFETCH(float, halfHeight);
    QFETCH(double, amplitude);
    QFETCH(double, zoom);
    QFETCH(bool, current);
    QFETCH(double, value);
    QFETCH(int, y);
    const PlotScale scale{194.5f, halfHeight, amplitude, zoom, 1};
    QCOMPARE(current ? display::CurrentY(scale, value) : display::VoltageY(scale, value), y);
}

void TracePointsTest::horizontalMapping_data() {
    QTest::addColumn<float>("halfWidth");
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("x");
    QTest::newRow("source end") << 194.5f << 0 << 0;
    QTest::newRow("junction: 194.5 to even") << 194.5f << 100 << 194;
    QTest::newRow("load end") << 194.5f << 200 << 389;
    QTest::newRow("point 1: 1.945") << 194.5f << 1 << 2;
    QTest::newRow("point 3: 5.835") << 194.5f << 3 << 6;
    QTest::newRow("even width, junction") << 195.0f << 100 << 195;
    QTest::newRow("point 1 of 390: 1.95") << 195.0f << 1 << 2;
}

void TracePointsTest::horizontalMapping() {
    QFETCH(float, halfWidth);
    QFETCH(int, i);
    QFETCH(int, x);
    QCOMPARE(display::TraceX(PlotScale{halfWidth, 110.5f, 1, 1, 1}, i), x);
}

void TracePointsTest::storedPointsShareTheirColumn() {
    display::TracePoints voltage{}, current{};
    display::StoreTracePoint(WindowScale(), 200, -1.0, 1.0, voltage, current);
    QCOMPARE(voltage[200], QPoint(389, 166));
    QCOMPARE(current[200], QPoint(389, 55));
    QCOMPARE(voltage[199], QPoint(0, 0));  // only point i is written
}

void TracePointsTest::redrawMapsTheLastStep() {
    // The redraw reads level 1 (the last completed step), never level 0.
    sim::Model m;
    for (int i = 0; i <= sim::kLastPoint; ++i) {
        m.LineVoltage[0][i] = 7;
        m.LineCurrent[0][i] = 7;
        m.LineVoltage[1][i] = i % 2 ? 0.5 : -0.5;
        m.LineCurrent[1][i] = 0.25;
    }
    display::PlotScale scale = WindowScale(1, 2);
    scale.NormZ1 = 4;  // the redraw puts the current on the voltage scale whatever this says
    display::TracePoints voltage{}, current{};
    display::MapLastStep(m, scale, voltage, current);
    QCOMPARE(voltage[0], QPoint(0, 166));     // 110.5 + 55.25
    QCOMPARE(voltage[1], QPoint(2, 55));      // 110.5 − 55.25
    QCOMPARE(current[100], QPoint(194, 83));  // 110.5 − 27.625 = 82.875
    QCOMPARE(voltage[200].x(), 389);
}

QTEST_APPLESS_MAIN(TracePointsTest)
#include "trace_points_test.moc"
