// The plot drawn without a toolkit against the desktop's plot picture: seeded random polylines
// and the fixed marks at the scales a window takes, compared pixel for pixel.

#include <QtTest>
#include <cstdio>
#include <random>
#include <span>
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
const double kRatios[] = {1, 2, 1.25, 1.5, 3, 1.1, 4.0 / 3, 1.75, 2.5, 1.875, 1.2, 1.3};

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

// Polylines on a 48x32 plot that show where the painter starts a capped line next to where the
// line before left off, and how it closes a polyline; found by comparing far more random
// polylines than the seeded ones below. Each catches its own rule.
const std::vector<Point> kCorners[] = {
    // The row where a line cut at the edge left off, or the one before a line wholly off.
    {{25, 27}, {2, 39}, {4, 31}},
    {{10, 10}, {10, 100}, {20, 100}, {4, 31}},
    {{16, 8}, {34, 1048576}, {-3, 1048590}, {-3, 1048577}, {3, 32}},
    // The column, kept through a cut across the top, forgotten after a line that draws nothing.
    {{8, 0}, {38, -4}, {14, 20}},
    {{39, 24}, {1042, 30}, {1042, -5}, {47, 2}},
    {{3, 32}, {22, -1}, {93, -43}, {21, 20}},
    // Back where it began: no caps, but a cap where the first line turns back from the last, as
    // a line there and back does.
    {{14, 24}, {-9, 24}, {16, 6}, {14, 24}},
    {{31, 14}, {28, 14}, {28, 14}, {31, 14}},
    {{35, 31}, {35, 18}, {35, 31}},
};

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
        const QColor colour(Qt::red);
        // The first pixel where the two drawings of a polyline differ, or an empty string.
        const auto difference = [&](paint::PlotPicture& picture, raster::Image& image,
                                    std::span<const Point> points) {
            picture.Clear();
            image.Fill(0xFFFFFFFFu);
            picture.DrawPolyline(points, colour);
            raster::DrawPolyline(image, points, colour.rgb(), ratio);
            return FirstDifference(picture.Surface(), image);
        };
        const auto imageFor = [](const paint::PlotPicture& picture) {
            return raster::Image(picture.Surface().width(), picture.Surface().height(), 0);
        };
        const auto fail = [&](const QString& which, QSize size, std::span<const Point> points,
                              const std::string& difference) {
            QFAIL(qPrintable(QString("%1, %2x%3 at %4:%5: %6")
                                 .arg(which)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(ratio)
                                 .arg(QString::fromStdString(Describe(points)))
                                 .arg(QString::fromStdString(difference))));
        };
        paint::PlotPicture small({48, 32}, ratio);
        raster::Image smallImage = imageFor(small);
        for (std::size_t k = 0; k < std::size(kCorners); ++k)
            if (const std::string d = difference(small, smallImage, kCorners[k]); !d.empty())
                return fail(QString("corner %1").arg(k), small.Size(), kCorners[k], d);
        int compared = 0;
        for (const QSize size : {QSize(48, 32), QSize(97, 61)}) {
            paint::PlotPicture picture(size, ratio);
            raster::Image image = imageFor(picture);
            for (unsigned seed = 0; seed < 5000; ++seed) {
                std::mt19937 random(seed);
                const std::vector<Point> points = RandomPolyline(random, size);
                if (const std::string d = difference(picture, image, points); !d.empty())
                    return fail(QString("seed %1").arg(seed), size, points, d);
                ++compared;
            }
        }
        QCOMPARE(compared, 10000);
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
