// The plot's picture and the load symbols, painted without a window.

#include <QPainter>
#include <QtTest>

#include "display/plot_colours.h"
#include "display/plot_marks.h"
#include "display/trace_points.h"
#include "paint/load_symbol.h"
#include "paint/plot_picture.h"
#include "paint/qt_geometry.h"

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
const QColor kWindowGrey(212, 208, 200);  // erasing must restore this, not paint white

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

// The main window's client area, 11655 × 8085 twips, all in one colour.
QImage ClientArea(QColor colour = kWindowGrey) {
    QImage image(display::TwipsToPixels(11655), display::TwipsToPixels(8085), QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Drawn(QImage image, const char* type, const char* mode = "") {
    QPainter painter(&image);
    paint::DrawLoad(painter, type, mode, Qt::black, kWindowGrey);
    painter.end();
    return image;
}

}  // namespace

class PaintTest : public QObject {
    Q_OBJECT
  private slots:
    void plotSurface() {
        paint::PlotPicture plot(paint::ToQSize(display::DesignedPlotSize()));
        const auto px = [](int twips) { return display::TwipsToPixels(twips); };
        const QImage marksOnly = plot.Composed();
        for (int x = 0; x < plot.Size().width(); ++x)
            QCOMPARE(marksOnly.pixel(x, px(1650)), kBlack);
        QCOMPARE(marksOnly.pixel(px(1474), px(1620)), kBlack);
        QCOMPARE(marksOnly.pixel(px(30), px(422)), kBlack);

        // A trace over the axis and the ticks, then cleared: the marks are still all there.
        const QColor red(display::kVoltageColour);
        const std::vector<display::Point> trace{
            {0, px(422)}, {0, px(1650)}, {388, px(1650)}, {388, 0}};
        plot.DrawPolyline(trace, red);
        plot.Clear();
        QVERIFY(plot.Composed() == marksOnly);

        // A new back colour erases the drawing; the marks stay over it.
        plot.DrawPolyline(trace, red);
        plot.SetBackColor(QColor(display::kEnvelopeBackColour));
        plot.SetBackColor(Qt::white);
        QVERIFY(plot.Composed() == marksOnly);

        // A point without a place breaks the line: its neighbours show as lone dots.
        plot.DrawPolyline(
            std::vector<display::Point>{{10, 50}, {20, display::kNoCoordinate}, {30, 50}}, red);
        QCOMPARE(Count(plot.Surface(), red.rgb()), 2);
    }

    // Each symbol, erased with all six as a new load type is chosen, leaves the window as it
    // was. Only "Erase" and "erase" erase, exactly the symbol's pixels, so the schematic's wires
    // beside it stay; an unknown or lower-case type draws nothing.
    void loadSymbols() {
        const struct {
            const char *type, *mode;
            bool inks, erases;
        } rows[] = {{"Resistor", "erase", true, true},   {"Capacitor", "Erase", true, true},
                    {"Inductor", "erase", true, true},   {"SeriesRL", "ERASE", true, false},
                    {"ParallelRC", "Erase", true, true}, {"Impedance", "erase", true, true},
                    {"Transistor", "", false, false},    {"resistor", "", false, false}};
        for (const auto& r : rows) {
            QImage drawn = Drawn(ClientArea(), r.type);
            QCOMPARE(Count(drawn, kBlack) > 30, r.inks);
            QVERIFY2(Drawn(drawn, r.type, r.mode) == (r.erases ? ClientArea() : drawn), r.type);
            QCOMPARE(Count(Drawn(ClientArea(Qt::black), r.type, r.mode), kWindowGrey.rgb()),
                     r.erases ? Count(drawn, kBlack) : 0);
            QPainter painter(&drawn);
            paint::EraseLoadSymbols(painter, Qt::black, kWindowGrey);
            painter.end();
            QVERIFY2(drawn == ClientArea(), r.type);
        }
    }
};

QTEST_MAIN(PaintTest)
#include "paint_test.moc"
