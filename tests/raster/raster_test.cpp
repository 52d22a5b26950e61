// The plot drawn without a toolkit against the desktop's plot picture: seeded random polylines
// and the fixed marks at the scales a window takes, compared pixel for pixel.

#include <QtTest>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "display/plot_marks.h"
#include "display/trace_points.h"
#include "paint/plot_picture.h"
#include "raster/plot_drawing.h"

namespace {

using display::Point;

// The scales a plot is drawn at: the designed size, whole screen ratios, and window scales that
// lie between them (the window grows by any factor, times the screen's ratio).
const double kRatios[] = {1, 2, 1.25, 1.5, 3, 1.1, 4.0 / 3, 1.75, 2.5, 1.875};

// A seeded polyline that goes where traces go and where they fail: short and long steps in every
// direction, along the axes and diagonals, repeated points, points without a place, points
// far off the plot.
std::vector<Point> RandomPolyline(std::mt19937& random, QSize size) {
    const auto pick = [&](int lo, int hi) { return lo + int(random() % unsigned(hi - lo + 1)); };
    std::vector<Point> points;
    const int count = pick(1, 12);
    Point at{pick(-4, size.width() + 4), pick(-4, size.height() + 4)};
    for (int k = 0; k < count; ++k) {
        const int d = pick(1, 40);
        switch (pick(0, 11)) {
            case 0:
                at = {pick(-4, size.width() + 4), pick(-4, size.height() + 4)};
                break;
            case 1:
                at.x += pick(-3, 3), at.y += pick(-3, 3);
                break;
            case 2:
                at.x += pick(-1, 1) * d;
                break;
            case 3:
                at.y += pick(-1, 1) * d;
                break;
            case 4:
                at.x += pick(0, 1) ? d : -d, at.y += pick(0, 1) ? d : -d;
                break;
            case 5:
                break;  // the same point again
            case 6: {
                const int far = pick(0, 2) == 0 ? display::kCoordinateLimit : pick(40, 40000);
                at = {pick(0, 1) ? far : -far, pick(-4, size.height() + 4)};
                if (pick(0, 1)) std::swap(at.x, at.y);
                break;
            }
            case 7:
                points.push_back(
                    {pick(0, 1) ? display::kNoCoordinate : at.x, display::kNoCoordinate});
                continue;
            case 8:
                at.x += 2, at.y += pick(-30, 30);
                break;  // as a trace runs
            default:
                at.x += pick(-40, 40), at.y += pick(-40, 40);
                break;
        }
        points.push_back(at);
    }
    return points;
}

std::string Describe(std::span<const Point> points) {
    std::string text;
    for (const Point& p : points)
        text += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return text;
}

// The first pixel where the two differ, or an empty string.
std::string FirstDifference(const QImage& expected, const raster::Image& image) {
    if (expected.width() != image.Width() || expected.height() != image.Height())
        return "sizes differ";
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (expected.pixel(x, y) != image.Pixel(x, y)) {
                char text[96];
                std::snprintf(text, sizeof text, "pixel (%d,%d): painter %08x, raster %08x", x, y,
                              expected.pixel(x, y), image.Pixel(x, y));
                return text;
            }
    return {};
}

}  // namespace

class RasterTest : public QObject {
    Q_OBJECT
  private slots:
    void polylines_data() {
        QTest::addColumn<double>("ratio");
        for (double ratio : kRatios) QTest::addRow("%g", ratio) << ratio;
    }
    void polylines() {
        QFETCH(double, ratio);
        const QSize sizes[] = {{48, 32}, {97, 61}};
        const QColor colour(Qt::red);
        int compared = 0;
        for (const QSize size : sizes) {
            paint::PlotPicture picture(size, ratio);
            raster::Image image(picture.Surface().width(), picture.Surface().height(), 0xFFFFFFFFu);
            for (unsigned seed = 0; seed < 1000; ++seed) {
                std::mt19937 random(seed);
                const std::vector<Point> points = RandomPolyline(random, size);
                picture.Clear();
                image.Fill(0xFFFFFFFFu);
                picture.DrawPolyline(points, colour);
                raster::DrawPolyline(image, points, colour.rgb(), ratio);
                const std::string difference = FirstDifference(picture.Surface(), image);
                if (!difference.empty())
                    QFAIL(qPrintable(QString("seed %1, %2x%3 at %4:%5: %6")
                                         .arg(seed)
                                         .arg(size.width())
                                         .arg(size.height())
                                         .arg(ratio)
                                         .arg(QString::fromStdString(Describe(points)))
                                         .arg(QString::fromStdString(difference))));
                ++compared;
            }
        }
        QCOMPARE(compared, 2000);
    }

    void fixedMarks_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("dpi");
        for (double ratio : kRatios)
            for (double dpi : {96.0, 144.0})
                QTest::addRow("%g at %g dpi", ratio, dpi) << ratio << dpi;
    }
    void fixedMarks() {
        QFETCH(double, ratio);
        QFETCH(double, dpi);
        const QSize size(display::DesignedPlotSize().width, display::DesignedPlotSize().height);
        paint::PlotPicture picture(size, ratio);
        raster::Image image(picture.Surface().width(), picture.Surface().height(), 0xFFFFFFFFu);
        raster::DrawFixedMarks(image, ratio, dpi);
        const std::string difference = FirstDifference(picture.Composed(dpi), image);
        QVERIFY2(difference.empty(), difference.c_str());
    }
};

QTEST_MAIN(RasterTest)
#include "raster_test.moc"
