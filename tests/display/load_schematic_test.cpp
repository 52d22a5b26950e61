// The load's symbol in the schematic: its strokes, and the pixels left on the window's surface
// when one load replaces another.

#include "display/load_schematic.h"

#include <QPainter>
#include <QtTest>

#include "display/twips.h"

using display::Stroke;
using display::TwipPoint;

namespace {

const QStringList kTypes{"Resistor",   "Capacitor", "Inductor",
                         "ParallelRC", "SeriesRL",  "Impedance"};
const QColor kForeground(Qt::black);
const QColor kBackground(212, 208, 200);  // a window grey, so erasing is not "draw in white"

// The window's client area, 11655 × 8085 twips, in its background colour.
QImage ClientArea() {
    QImage image(display::TwipsToPixels(11655), display::TwipsToPixels(8085), QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

void Draw(QImage& image, const QString& type, const QString& mode) {
    QPainter painter(&image);
    display::DrawLoad(painter, type.toStdString(), mode.toStdString(), kForeground, kBackground);
}

void EraseAll(QImage& image) {
    QPainter painter(&image);
    display::EraseLoadSymbols(painter, kForeground, kBackground);
}

int Inked(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == kForeground.rgb();
    return n;
}

}  // namespace

Q_DECLARE_METATYPE(Stroke)

class LoadSchematicTest : public QObject {
    Q_OBJECT
  private slots:
    void strokes_data();
    void strokes();
    void switchingLeavesNoTrace_data();
    void switchingLeavesNoTrace();
    void capacitorAfterResistor();
    void eraseModes_data();
    void eraseModes();
    void unknownTypesDrawNothing();
};

void LoadSchematicTest::strokes_data() {
    // Per symbol its number of strokes and the one that makes it what it is.
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<Stroke>("stroke");
    const auto line = [](TwipPoint a, TwipPoint b) { return Stroke{Stroke::Kind::Line, a, b}; };
    const auto arc = [](TwipPoint c, int from, int to) {
        return Stroke{Stroke::Kind::Arc, c, {}, from, to};
    };
    QTest::newRow("Resistor, zig-zag end")
        << "Resistor" << 9 << 6 << line({7395, 1530}, {7455, 1560});
    QTest::newRow("Capacitor, lower plate")
        << "Capacitor" << 6 << 3 << line({7815, 1560}, {7575, 1560});
    QTest::newRow("Inductor, last loop") << "Inductor" << 8 << 5 << arc({7455, 1560}, 270, 150);
    QTest::newRow("ParallelRC, resistor after capacitor")
        << "ParallelRC" << 15 << 6 << line({7215, 960}, {7455, 960});
    QTest::newRow("SeriesRL, coil below the zig-zag")
        << "SeriesRL" << 14 << 8 << arc({7455, 1530}, 210, 90);
    QTest::newRow("Impedance, box closes")
        << "Impedance" << 8 << 5 << line({7575, 1560}, {7575, 1320});
}

void LoadSchematicTest::strokes() {
    QFETCH(QString, type);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(Stroke, stroke);
    const std::vector<Stroke> strokes = display::LoadStrokes(type.toStdString());
    QCOMPARE(int(strokes.size()), count);
    const Stroke& s = strokes[index];
    QCOMPARE(int(s.kind), int(stroke.kind));
    QVERIFY(s.a == stroke.a);
    if (s.kind == Stroke::Kind::Line) QVERIFY(s.b == stroke.b);
    if (s.kind == Stroke::Kind::Arc) {
        QCOMPARE(s.startDegrees, stroke.startDegrees);
        QCOMPARE(s.endDegrees, stroke.endDegrees);
    }
}

void LoadSchematicTest::switchingLeavesNoTrace_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    for (const QString& from : kTypes)
        for (const QString& to : kTypes)
            QTest::newRow(qPrintable(from + " to " + to)) << from << to;
}

void LoadSchematicTest::switchingLeavesNoTrace() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QImage fresh = ClientArea();
    Draw(fresh, to, "");
    QVERIFY(Inked(fresh) > 30);

    // Start-up draws one symbol; a load-type choice erases all and draws the new one.
    QImage switched = ClientArea();
    Draw(switched, from, "");
    EraseAll(switched);
    QCOMPARE(Inked(switched), 0);
    Draw(switched, to, "");
    QVERIFY(switched == fresh);
}

void LoadSchematicTest::capacitorAfterResistor() {
    QImage image = ClientArea();
    Draw(image, "Resistor", "");
    const auto px = [](int twips) { return display::TwipsToPixels(twips); };
    QCOMPARE(image.pixel(px(7455), px(1100)), kForeground.rgb());  // the resistor's lead
    EraseAll(image);
    Draw(image, "Capacitor", "");
    QCOMPARE(image.pixel(px(7455), px(1100)), kBackground.rgb());  // gone
    QCOMPARE(image.pixel(px(7515), px(1350)), kBackground.rgb());  // a zig-zag peak, gone
    for (int x = 7575; x <= 7815; x += 15) {                       // both plates shown
        QCOMPARE(image.pixel(px(x), px(1320)), kForeground.rgb());
        QCOMPARE(image.pixel(px(x), px(1560)), kForeground.rgb());
    }
    QCOMPARE(image.pixel(px(7695), px(1440)), kBackground.rgb());  // the gap between them
}

void LoadSchematicTest::eraseModes_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("erases");
    QTest::newRow("Erase") << "Erase" << true;
    QTest::newRow("erase") << "erase" << true;
    QTest::newRow("ERASE draws") << "ERASE" << false;
    QTest::newRow("eRASE draws") << "eRASE" << false;
    QTest::newRow("empty draws") << "" << false;
    QTest::newRow("Erase with a blank draws") << "Erase " << false;
}

void LoadSchematicTest::eraseModes() {
    QFETCH(QString, mode);
    QFETCH(bool, erases);
    for (const QString& type : kTypes) {
        QImage drawn = ClientArea();
        Draw(drawn, type, "");
        QImage image = drawn;
        Draw(image, type, mode);
        QVERIFY2(image == (erases ? ClientArea() : drawn), qPrintable(type));
    }
}

void LoadSchematicTest::unknownTypesDrawNothing() {
    for (const char* name : {"Transistor", "resistor", "RESISTOR", "Parallel RC", ""}) {
        const QString type(name);
        QVERIFY(display::LoadStrokes(type.toStdString()).empty());
        QImage image = ClientArea();
        Draw(image, type, "");
        QVERIFY2(image == ClientArea(), qPrintable(type));
    }
}

QTEST_MAIN(LoadSchematicTest)
#include "load_schematic_test.moc"
