// The plot's mapping and surface, the status line, the zoom limit and the load symbol.

#include <QPainter>
#include <QtTest>
#include <cmath>

#include "display/load_schematic.h"
#include "display/plot_area.h"
#include "display/status_text.h"
#include "display/trace_drawing.h"
#include "display/twips.h"
#include "display/zoom.h"

using display::kCoordinateLimit;
using display::kNoCoordinate;

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

QImage Drawn(QImage image, const QString& type, const QString& mode) {
    QPainter painter(&image);
    display::DrawLoad(painter, type.toStdString(), mode.toStdString(), Qt::black, kWindowGrey);
    painter.end();
    return image;
}

class RecordedMessages : public entry::Dialogs {
  public:
    QStringList shown;  // "text|style|title"
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void MessageBox(const std::string& text, int style, const std::string& title) override {
        shown.append(QString::fromStdString(text + "|" + std::to_string(style) + "|" + title));
    }
};

}  // namespace

class DisplayTest : public QObject {
    Q_OBJECT
  private slots:
    void mapping_data() {
        // On the window's plot, 389 × 221 pixels: y = 110.5 − 55.25 × zoom × value / amplitude.
        QTest::addColumn<QString>("what");  // V: voltage y, I: current y, x: x of point `value`
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("rest on the axis: 110.5 to even") << "V" << 1.0 << 1.0 << 0.0 << 110;
        QTest::newRow("+amplitude at 1/4: 55.25") << "V" << 1.0 << 1.0 << 1.0 << 55;
        QTest::newRow("-amplitude current at 3/4: 165.75") << "I" << 1.0 << 1.0 << -1.0 << 166;
        QTest::newRow("zoom 2 doubles") << "V" << 1.0 << 2.0 << 1.0 << 0;
        QTest::newRow("109.5 up to even") << "V" << 55.25 << 1.0 << 1.0 << 110;
        QTest::newRow("-50.5 to even") << "V" << 55.25 << 1.0 << 161.0 << -50;
        QTest::newRow("amplitude 0, value 0") << "V" << 0.0 << 1.0 << 0.0 << 110;
        QTest::newRow("amplitude 0, current 0") << "I" << 0.0 << 1.0 << 0.0 << 110;
        QTest::newRow("amplitude 0, +1") << "V" << 0.0 << 1.0 << 1.0 << -kCoordinateLimit;
        QTest::newRow("beyond 32 bits") << "V" << 1.0 << 32.0 << 3e9 << -kCoordinateLimit;
        QTest::newRow("-inf current") << "I" << 1.0 << 1.0 << -qInf() << kCoordinateLimit;
        QTest::newRow("nan") << "V" << 1.0 << 1.0 << qQNaN() << kNoCoordinate;
        QTest::newRow("x of point 0") << "x" << 1.0 << 1.0 << 0.0 << 0;
        QTest::newRow("x of point 100: 194.5 to even") << "x" << 1.0 << 1.0 << 100.0 << 194;
        QTest::newRow("x of point 200") << "x" << 1.0 << 1.0 << 200.0 << 389;
    }

    void mapping() {
        QFETCH(QString, what);
        QFETCH(double, amplitude);
        QFETCH(double, zoom);
        QFETCH(double, value);
        QFETCH(int, expected);
        const display::PlotScale s{194.5f, 110.5f, amplitude, zoom, 1};
        QCOMPARE(what == "x"   ? display::TraceX(s, int(value))
                 : what == "V" ? display::VoltageY(s, value)
                               : display::CurrentY(s, value),
                 expected);
    }

    void statusLine_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("ran");  // false: before the first run, the peak voltage set to -2
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("traces");  // the checked trace boxes
        QTest::addColumn<QPointF>("at");      // the meter's pixel
        QTest::addColumn<QString>("text");
        const QString at0 = "\r\n Distance = 0 m";
        QTest::newRow("tick marks") << "TickMarks" << true << 1.0 << "V" << QPointF()
                                    << "Tick Mark= \r\n.5V\r\n   or \r\n10 mA";
        QTest::newRow("tick marks, Zoom In") << "TickMarks" << true << 2.0 << "V" << QPointF()
                                             << "Tick Mark= \r\n.25V\r\n   or \r\n5 mA";
        QTest::newRow("seven ticks")
            << "ElapsedTime" << true << 1.0 << "V" << QPointF() << "Elapsed Time = \r\n1.4 ns";
        QTest::newRow("meter, zero line")
            << "Meter" << true << 1.0 << "V" << QPointF(0, 110.5) << "Voltage =\r\n0V" + at0;
        QTest::newRow("meter, top edge")
            << "Meter" << true << 1.0 << "V" << QPointF() << "Voltage =\r\n2V" + at0;
        QTest::newRow("meter, top, Zoom In")
            << "Meter" << true << 2.0 << "V" << QPointF() << "Voltage =\r\n1V" + at0;
        QTest::newRow("meter, both: scientific")
            << "Meter" << true << 1.0 << "VI" << QPointF()
            << "Voltage =\r\n2.00E+00V\r\nCurrent =\r\n40mA" + at0;
        QTest::newRow("meter, current, bottom right")
            << "Meter" << true << 1.0 << "I" << QPointF(389, 221)
            << "Current =\r\n-40mA\r\n Distance = 9.6 m";
        QTest::newRow("meter, neither")
            << "Meter" << true << 1.0 << "" << QPointF() << "<unchanged>";
        QTest::newRow("no run: tick marks") << "TickMarks" << false << 1.0 << "V" << QPointF()
                                            << "Tick Mark= \r\n1V\r\n   or \r\n20 mA";
        QTest::newRow("no run: elapsed")
            << "ElapsedTime" << false << 1.0 << "V" << QPointF() << "Elapsed Time = \r\n0 ns";
        QTest::newRow("no run: meter")
            << "Meter" << false << 1.0 << "VI" << QPointF() << "<unchanged>";
    }

    void statusLine() {
        QFETCH(QString, mode);
        QFETCH(bool, ran);
        QFETCH(double, zoom);
        QFETCH(QString, traces);
        QFETCH(QPointF, at);
        QFETCH(QString, text);
        const bool voltage = traces.contains('V'), current = traces.contains('I');
        // A run of 9.6 m in 200 points of 0.2 ns, 1 V on 50 ohm, seven ticks in.
        display::StatusInputs in{1, zoom,   50,     9.6 / 48000, 9.6 / 200,
                                 7, 194.5f, 110.5f, voltage,     current};
        if (!ran) {
            sim::Model m = sim::StartValues();
            m.PeakVoltage = -2;
            in = display::StatusInputsOf(m, display::PlotScale{}, voltage, current);
        }
        const auto shown = display::UpdateDisplayText(mode.toStdString(), in, at.x(), at.y());
        QCOMPARE(shown ? QString::fromStdString(*shown) : "<unchanged>", text);
    }

    void zoomLimit_data() {
        QTest::addColumn<bool>("in");
        QTest::newRow("Zoom In") << true;
        QTest::newRow("Zoom Out") << false;
    }

    void zoomLimit() {
        QFETCH(bool, in);
        RecordedMessages dialogs;
        double zoom = 1;
        for (int click = 1; click <= 6; ++click) {
            zoom = in ? display::ZoomIn(dialogs, zoom) : display::ZoomOut(dialogs, zoom);
            QCOMPARE(zoom, std::pow(in ? 2.0 : 0.5, std::min(click, 5)));
            // Five clicks pass silently; the sixth is refused, with an exclamation icon (48).
            QCOMPARE(dialogs.shown, click < 6 ? QStringList{}
                                              : QStringList{"You have reached the Zoom's limit. "
                                                            "|48|Zoomed Out!"});
        }
    }

    void plotSurface() {
        display::PlotArea plot;
        plot.resize(display::TwipsToPixels(5895), display::TwipsToPixels(3375));
        const double dpi = plot.logicalDpiX();
        const auto px = [dpi](int twips) { return display::TwipsToPixels(twips, dpi); };
        const QImage marksOnly = plot.Composed();
        for (int x = 0; x < plot.InnerWidth(); ++x) QCOMPARE(marksOnly.pixel(x, px(1650)), kBlack);
        QCOMPARE(marksOnly.pixel(px(1474), px(1620)), kBlack);
        QCOMPARE(marksOnly.pixel(px(30), px(422)), kBlack);

        // A trace over the axis and the ticks, then cleared: the marks are still all there.
        const QColor red(display::kVoltageColour);
        const std::vector<QPoint> trace{{0, px(422)}, {0, px(1650)}, {388, px(1650)}, {388, 0}};
        plot.DrawPolyline(trace, red);
        QVERIFY(Count(plot.Surface(), red.rgb()) > 500);
        plot.Clear();
        QVERIFY(plot.Composed() == marksOnly);

        // A new back colour erases the drawing; the marks stay over it.
        plot.DrawPolyline(trace, red);
        plot.SetBackColor(QColor(display::kEnvelopeBackColour));
        QCOMPARE(Count(plot.Surface(), display::kEnvelopeBackColour), 389 * 221);
        plot.SetBackColor(Qt::white);
        QVERIFY(plot.Composed() == marksOnly);

        // A point without a place breaks the line: its neighbours show as lone dots.
        plot.DrawPolyline(std::vector<QPoint>{{10, 50}, {20, kNoCoordinate}, {30, 50}}, red);
        QCOMPARE(Count(plot.Surface(), red.rgb()), 2);
    }

    void switchingLoads() {
        // A user clicking through the load types: each choice erases all six symbols, then draws.
        QImage image = Drawn(ClientArea(), "Resistor", "");
        for (const char* to : {"Capacitor", "Resistor", "Inductor", "SeriesRL", "ParallelRC",
                               "Impedance", "Inductor"}) {
            QPainter painter(&image);
            display::EraseLoadSymbols(painter, Qt::black, kWindowGrey);
            painter.end();
            QVERIFY2(image == ClientArea(), to);
            image = Drawn(image, to, "");
            QVERIFY2(image == Drawn(ClientArea(), to, ""), to);
        }
    }

    void modeWordsAndUnknownTypes_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("inks");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("erases");
        QTest::newRow("Erase") << "Capacitor" << true << "Erase" << true;
        QTest::newRow("erase") << "Inductor" << true << "erase" << true;
        QTest::newRow("ERASE draws") << "SeriesRL" << true << "ERASE" << false;
        QTest::newRow("unknown type") << "Transistor" << false << "" << false;
        QTest::newRow("type in lower case") << "resistor" << false << "" << false;
    }

    void modeWordsAndUnknownTypes() {
        QFETCH(QString, type);
        QFETCH(bool, inks);
        QFETCH(QString, mode);
        QFETCH(bool, erases);
        const QImage drawn = Drawn(ClientArea(), type, "");
        QCOMPARE(Count(drawn, kBlack) > 30, inks);
        QVERIFY(Drawn(drawn, type, mode) == (erases ? ClientArea() : drawn));
        // Erasing touches exactly the symbol's pixels, so the schematic's wires beside it stay.
        QCOMPARE(Count(Drawn(ClientArea(Qt::black), type, mode), kWindowGrey.rgb()),
                 erases ? Count(drawn, kBlack) : 0);
    }
};

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
