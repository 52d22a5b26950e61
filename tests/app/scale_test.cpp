// The window enlarged: the designed layout at one factor s, the plot in its own coordinates, so
// readings and traces are the same at any size. Each test runs at s = 2 and at an uneven s.

#include "app/window_scale.h"
#include "display/trace_drawing.h"
#include "display/twips.h"
#include "form_fixture.h"

using namespace apptest;

namespace {

QRect Designed(const app::ElementRow& row) {
    return display::TwipsToPixels(row.left, row.top, row.width, row.height);
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
    for (const QPoint& p : a) {
        bool found = false;
        for (int dx = -reach; dx <= reach && !found; ++dx)
            for (int dy = -reach; dy <= reach && !found; ++dy)
                found = b.contains(p + QPoint(dx, dy));
        if (!found) return false;
    }
    return true;
}

}  // namespace

class ScaleTest : public QObject {
    Q_OBJECT
  private slots:
    void scales_data() {
        QTest::addColumn<double>("asked");
        QTest::addRow("2") << 2.0;
        QTest::addRow("1.37") << 1.37;
    }

    // Every element at its designed rectangle times s, its font s times its designed size, the
    // whole centred with even margins; back at the designed size, all as designed again.
    void elementsAndFonts_data() { scales_data(); }
    void elementsAndFonts() {
        QFETCH(double, asked);
        Window w;
        const double s = ScaleTo(*w, asked, 41);
        QVERIFY(std::abs(s - asked) < 0.01);
        QCOMPARE(w->client->size(), app::ScaledRect(QRect(0, 0, 777, 539), s).size());
        const int left = w->client->x();
        QCOMPARE(w->centralWidget()->width() - w->client->width() - left, left + 1);  // 41 px
        for (const app::ElementRow& row : app::ElementTable()) {
            QWidget* e = w->Element(row.name);
            if (!e) continue;
            const QRect want = app::ScaledRect(Designed(row), s), got = e->geometry();
            // An option button or check box may have grown to the right to fit its caption.
            const bool widens =
                row.kind == app::ElementKind::Option || row.kind == app::ElementKind::CheckBox;
            QVERIFY2(got == want || (widens && got.topLeft() == want.topLeft() &&
                                     got.height() == want.height() && got.width() >= want.width()),
                     row.name);
        }
        const std::pair<const char*, double> fonts[] = {
            {"cmdSimulate", 8.25}, {"lblR1", 10}, {"Label19", 9.75}, {"Frame1", 8.25}};
        for (const auto& [name, points] : fonts)
            QCOMPARE(w->Element(name)->font().pointSizeF(), points * s);
        QCOMPARE(w->Element("Frame1")->font().bold(), true);
        // The check box's box grows too, so the caption does not outgrow it.
        const auto indicator = [&] {
            QStyleOptionButton box;
            box.initFrom(w->chkMeter);
            return w->chkMeter->style()
                ->subElementRect(QStyle::SE_CheckBoxIndicator, &box, w->chkMeter)
                .height();
        };
        QVERIFY(indicator() >= int(13 * s) - 1);
        if (asked == 2) QCOMPARE(w->cmdSimulate->geometry(), QRect(256, 336, 178, 50));

        w->resize(300, 200);  // the designed size is the smallest
        QCoreApplication::processEvents();
        QCOMPARE(w->WindowScale(), 1.0);
        QCOMPARE(w->client->geometry(), QRect(0, 0, 777, 539));
        QCOMPARE(w->cmdSimulate->geometry(), QRect(128, 168, 89, 25));
        QCOMPARE(w->Element("lblR1")->font().pointSizeF(), 10.0);
        QCOMPARE(indicator(), QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight));
    }

    // A label's text stands at the top of its box, so the values beside Zo1 (a one-line box) and
    // Zo2 (a taller one) read as one line, at the designed size and enlarged.
    void labelsOfARowShareTheirLine_data() {
        QTest::addColumn<double>("asked");
        QTest::addRow("1") << 1.0;
        scales_data();
    }
    void labelsOfARowShareTheirLine() {
        QFETCH(double, asked);
        Window w;
        w->MenuItem("mnuCascadedLine")->trigger();
        ScaleTo(*w, asked);
        const auto firstInkedRow = [&](const char* name) {
            QWidget* label = w->Element(name);
            const QImage image = label->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 100) return label->y() + y;
            return -1;
        };
        QVERIFY(w->Element("lblZo2")->isVisible());
        QVERIFY(firstInkedRow("lblZo1") >= 0);
        QCOMPARE(firstInkedRow("lblZo2"), firstInkedRow("lblZo1"));
    }

    // A reading names the same voltage and distance at any size for the same point of the plot.
    void meterAtAnyScale_data() { scales_data(); }
    void meterAtAnyScale() {
        QFETCH(double, asked);
        const QPoint points[] = {{194, 110}, {0, 0}, {388, 220}, {37, 171}};
        QStringList readings[2];
        for (int k : {0, 1}) {
            Window w;
            const double s = k ? ScaleTo(*w, asked) : 1.0;
            FreeRun(*w, 30);
            Click(w->chkMeter);
            for (const QPoint& p : points) {
                // The first screen pixel of the plot pixel, inside the border.
                const QPoint at(int(std::ceil((p.x() + 2) * s)), int(std::ceil((p.y() + 2) * s)));
                QTest::mousePress(w->Picture1, Qt::LeftButton, {}, at);
                readings[k] << w->lblDisplay->text();
            }
        }
        QCOMPARE(readings[1], readings[0]);
        QVERIFY(readings[0][0].contains("Distance = 4.79 m"));
    }

    // A run started at the designed size: after the resize its traces lie at the scaled places,
    // drawn sharp (a design pixel is s device pixels, no more), and the run goes on drawing
    // there. The plot's coordinates, and so the points, do not change.
    void tracesSurviveAResize_data() { scales_data(); }
    void tracesSurviveAResize() {
        QFETCH(double, asked);
        Window w;
        w->Model().LoadResistance = 1e10;
        w->chkCurrent->setChecked(true);
        Halt(*w, 250);
        const auto voltage = w->VoltagePoints;
        const double s = ScaleTo(*w, asked);
        QCOMPARE(w->Picture1->InnerWidth(), 389);
        QCOMPARE(w->Picture1->InnerHeight(), 221);
        const QImage& shown = w->Picture1->Surface();
        QCOMPARE(shown.size(), QSize(int(std::lround(389 * s)), int(std::lround(221 * s))));
        const auto check = [&](const QImage& image, int point, double volts, QRgb colour) {
            const int x = int(std::nearbyint(389.0 * point / 200) * s + s / 2);
            const double y = std::nearbyint(110.5 - 55.25 * volts);
            const QList<int> rows = RowsOf(image, x, colour);
            QVERIFY2(!rows.isEmpty() && rows.first() >= std::floor(y * s) - 1 &&
                         rows.last() <= std::ceil((y + 1) * s),
                     qPrintable(QString::number(point)));
        };
        check(shown, 180, 1.0, display::kVoltageColour);
        check(shown, 180, 0.0, display::kCurrentColour);
        check(shown, 50, 0.5, display::kCurrentColour);
        QCOMPARE(w->VoltagePoints, voltage);
        Click(w->cmdStep);
        w->Timer1_Timer();
        check(w->Picture1->Surface(), 50, 0.5, display::kCurrentColour);
        check(w->Picture1->Surface(), 196, 1.0, display::kVoltageColour);
    }

    // The envelope band of a standing wave, built at the designed size, keeps its shape when
    // the window grows: the same design pixels white, now drawn at the finer resolution.
    void envelopeSurvivesAResize_data() { scales_data(); }
    void envelopeSurvivesAResize() {
        QFETCH(double, asked);
        Window w;
        w->Model().SourceType = "Sine";
        w->Model().LoadResistance = 99999999;
        FreeRun(*w, 400);
        Click(w->chkEnvelope);
        for (int t = 0; t < 300; ++t) w->Timer1_Timer();

        // The band with the newest trace over it: the trace covers a little more of it when finer.
        const auto covered = [&] {
            return DesignPixels(w->Picture1->Surface(), display::kEnvelopePaint) +
                   DesignPixels(w->Picture1->Surface(), display::kVoltageColour);
        };
        const QSet<QPoint> band = covered();
        ScaleTo(*w, asked);
        const QSet<QPoint> scaled = covered();
        // A pen one design pixel wide is wider across a steep stroke than the single pixel per
        // row drawn at the designed size, so the finer band may reach a pixel further out.
        QVERIFY(band.size() > 5000);
        QVERIFY(Near(band, scaled) && Near(scaled, band, 2));
    }
};

QTEST_MAIN(ScaleTest)
#include "scale_test.moc"
