// The window enlarged: the designed layout at one factor s, at s = 2 and at an uneven s. (The
// plot's traces and readings at any size are the plot tests'.)

#include <tuple>

#include "app/window_scale.h"
#include "display/twips.h"
#include "form_fixture.h"
#include "paint/qt_geometry.h"

using namespace apptest;

namespace {

QRect Designed(const session::ElementRow& row) {
    return paint::ToQRect(display::TwipsToPixels(row.left, row.top, row.width, row.height));
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

    // Each of left, top, width and height multiplied and rounded to the nearest pixel, a half
    // to the even neighbour; worked by hand, so that a rule that cuts the fraction off fails.
    void scaledPlaces() {
        const std::tuple<QRect, double, QRect> rows[] = {
            {QRect(128, 168, 89, 25), 1.37, QRect(175, 230, 122, 34)},  // 121.93 -> 122
            {QRect(3, 5, 7, 1), 1.5, QRect(4, 8, 10, 2)},               // 4.5, 7.5, 10.5, 1.5
            {QRect(777, 539, 13, 19), 1.999, QRect(1553, 1077, 26, 38)},
        };
        for (const auto& [designed, s, expected] : rows)
            QCOMPARE(app::ScaledRect(designed, s), expected);
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
        for (const session::ElementRow& row : session::ElementTable()) {
            QWidget* e = w->Element(row.name);
            if (!e) continue;
            const QRect want = app::ScaledRect(Designed(row), s), got = e->geometry();
            // An option button or check box may have grown to the right to fit its caption.
            const bool widens = row.kind == session::ElementKind::Option ||
                                row.kind == session::ElementKind::CheckBox;
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
};

QTEST_MAIN(ScaleTest)
#include "scale_test.moc"
