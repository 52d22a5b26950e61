// The plot as the window shows it: what the ticks draw, read back from Picture1's pixels, the
// zoom, the meter's presses and the envelope on it; at the designed size and with the window
// enlarged, where the plot keeps its own coordinates, so traces and readings stay the same. What
// the readings say is the session's (tests/session/plot_test.cpp).

#include <utility>

#include "display/plot_colours.h"
#include "form_fixture.h"

using namespace apptest;

namespace {

const QRgb kVoltage = display::kVoltageColour, kCurrent = display::kCurrentColour;
const QRgb kWhite = qRgb(255, 255, 255), kGreen = qRgb(0, 255, 0);

// The plot is 389 × 221 pixels inside its border at the offscreen platform's 96 dpi (half sizes
// 194.5 and 110.5); at zoom 1 and a 1 V peak a volt is a quarter of the height, 55.25 rows.
int X(int i) { return int(std::nearbyint(389.0 * i / 200)); }
int Y(double volts, double zoom = 1) { return int(std::nearbyint(110.5 - 55.25 * zoom * volts)); }

// Where a press lands, in the plot's own pixels, and whether the meter reads there: the frame
// around the plot is no part of it. (-2, -2) would be QTest's centre.
const std::pair<QPoint, bool> kPresses[] = {
    {{X(100), 110}, true}, {{388, 220}, true},  {{-1, -1}, false},
    {{-1, 100}, false},    {{389, 100}, false}, {{390, 222}, false},
};

void Scales() {
    QTest::addColumn<double>("asked");
    for (double s : {1.0, 2.0, 1.37}) QTest::addRow("%g", s) << s;
}

// Design pixels of `image` (any pixel ratio) that show `colour`: each device pixel counted for
// the design pixel it lies in.
QSet<QPoint> DesignPixels(const QImage& image, QRgb colour) {
    const double s = image.devicePixelRatio();
    QSet<QPoint> at;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) at << QPoint(int(x / s), int(y / s));
    return at;
}
// Every pixel of `a` within `reach` pixels of some pixel of `b`.
bool Near(const QSet<QPoint>& a, const QSet<QPoint>& b, int reach = 1) {
    return std::ranges::all_of(a, [&](QPoint p) {
        for (int dx = -reach; dx <= reach; ++dx)
            for (int dy = -reach; dy <= reach; ++dy)
                if (b.contains(p + QPoint(dx, dy))) return true;
        return false;
    });
}

}  // namespace

class PlotTest : public QObject {
    Q_OBJECT
  private slots:
    // An open load after 250 ticks: the 0.5 V step has come back doubled from the load. The
    // meter reads the same at any size; after the resize the traces lie at the scaled places,
    // drawn sharp (a design pixel is s device pixels, no more). Zoomed in while halted: the same
    // step drawn again at once, each point twice as far from the centre line; the next step
    // goes on drawing there.
    void reflectionAtAnySize_data() { Scales(); }
    void reflectionAtAnySize() {
        QFETCH(double, asked);
        Window w;
        w->Model().LoadResistance = 1e10;
        w->chkCurrent->setChecked(true);
        Halt(*w, 250);
        Click(w->chkMeter);
        const auto readings = [&](double s) {
            QStringList read;
            for (QPoint p : {QPoint(194, 110), QPoint(0, 0), QPoint(388, 220), QPoint(37, 171)}) {
                // The first screen pixel of the plot pixel, inside the border.
                const QPoint at(int(std::ceil((p.x() + 2) * s)), int(std::ceil((p.y() + 2) * s)));
                QTest::mousePress(w->Picture1, Qt::LeftButton, {}, at);
                read << w->lblDisplay->text();
            }
            return read;
        };
        const QStringList designed = readings(1);
        QVERIFY(designed[0].contains("Distance = 4.79 m"));
        const double s = ScaleTo(*w, asked);
        QCOMPARE(readings(s), designed);
        QCOMPARE(w->Picture1->Surface().size(),
                 QSize(int(std::lround(389 * s)), int(std::lround(221 * s))));
        // Design rows of the trace at a point: the one of its value, or one beside it.
        const auto onRow = [&](int point, double volts, double zoom, QRgb colour) {
            const QList<int> rows = RowsOf(*w, int(X(point) * s + s / 2), colour);
            const int y = Y(volts, zoom);
            return !rows.isEmpty() && rows.first() >= std::floor(y * s) - 1 &&
                   rows.last() <= std::ceil((y + 1) * s) && rows.size() <= std::ceil(s) + 1;
        };
        for (double zoom : {1, 2}) {
            if (zoom == 2) Click(w->cmdZoomIn);
            // Near the load 1 V and no current; near the source both 0.5.
            QVERIFY(onRow(180, 1.0, zoom, kVoltage));
            QVERIFY(onRow(180, 0.0, zoom, kCurrent));
            QVERIFY(onRow(50, 0.5, zoom, kCurrent));
        }
        Click(w->cmdZoomOut);
        Click(w->cmdStep);
        w->Timer1_Timer();
        QVERIFY(onRow(50, 0.5, 1, kCurrent));
        QVERIFY(onRow(196, 1.0, 1, kVoltage));
    }

    // A press with the meter on reaches the session only inside the frame; the window shows the
    // reading and the cross-hair it reports, and the arrow again after Continue.
    void meterPresses_data() { Rows(std::size(kPresses)); }
    void meterPresses() {
        QFETCH(int, row);
        const auto& [at, reads] = kPresses[row];
        Window w;
        FreeRun(*w, 3);
        Click(w->chkMeter);
        const QString before = w->lblDisplay->text();
        const int border = app::PlotArea::kBorder;
        QTest::mousePress(w->Picture1, Qt::LeftButton, {}, at + QPoint(border, border));
        QCOMPARE(w->lblDisplay->text().startsWith("Voltage ="), reads);
        QVERIFY(reads || w->lblDisplay->text() == before);
        QCOMPARE(w->Picture1->cursor().shape(), reads ? Qt::CrossCursor : Qt::ArrowCursor);
        QCOMPARE(w->Model().StepMode, reads);
        Click(w->cmdContinue);
        QCOMPARE(w->Picture1->cursor().shape(), Qt::ArrowCursor);
    }

    // A sine into an open load: once the reflection is back the line holds a standing wave, its
    // antinodes of 1 V every 25 points back from the load, a node between 187 and 188. With
    // the envelope on, each column then shows on green the band between the lowest and highest
    // voltage its point went through, within the segments to its neighbours. When the window
    // grows the band keeps its shape: the same design pixels white, drawn at the finer
    // resolution.
    void envelopeOfAStandingWave_data() { Scales(); }
    void envelopeOfAStandingWave() {
        QFETCH(double, asked);
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
        // The band with the newest trace over it: the trace covers a little more of it when
        // finer. A pen one design pixel wide is wider across a steep stroke than the single
        // pixel per row drawn at the designed size, so the finer band may reach a pixel further.
        const auto covered = [&] {
            return DesignPixels(w->Picture1->Surface(), kWhite) +
                   DesignPixels(w->Picture1->Surface(), kVoltage);
        };
        const QSet<QPoint> band = covered();
        ScaleTo(*w, asked);
        const QSet<QPoint> scaled = covered();
        QVERIFY(band.size() > 5000);
        QVERIFY(Near(band, scaled) && Near(scaled, band, 2));
    }
};

QTEST_MAIN(PlotTest)
#include "plot_test.moc"
