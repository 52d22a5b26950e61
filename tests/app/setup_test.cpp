// The load symbols the window draws when a load option is clicked. What setting up a circuit
// does is the session's (tests/session/setup_test.cpp).

#include "form_fixture.h"

using namespace apptest;

class SetupTest : public QObject {
    Q_OBJECT
  private slots:
    // Each load option leaves its symbol where its strokes lie, and none of the one before:
    // places "x,y" on the strokes (twips of the client area) are ink, places off them are the
    // window's background. Inked places may be a pixel off, as the pen rounds; blank ones are
    // exact. At four times the designed size a loop of the coil is 32 pixels across, so a
    // reversed arc shows.
    void loadSymbolsStandOnTheirStrokes() {
        const struct {
            const char *before, *option, *ink, *blank;
        } rows[] = {
            // Leads, the zig-zag's four peaks and its ends.
            {"optCapacitor", "optResistor",
             "7335,960 7455,1200 7515,1350 7395,1410 7515,1470 7395,1530 7455,1740 7335,1920",
             "7695,1200 7575,1320 7455,1350"},
            // Plate ends 240 wide and 240 apart; the zig-zag's lead gone, nothing between them.
            {"optResistor", "optCapacitor",
             "7575,960 7695,1200 7575,1320 7815,1320 7575,1560 7815,1560 7695,1740 7575,1920",
             "7455,1200 7515,1350 7695,1440 7575,1440"},
            // Each loop's right side, where the wire meets and leaves the coil; the first loop
            // open at its upper left, the others at their left.
            {"optImpedance", "optInductor",
             "7455,1200 7455,1320 7515,1380 7515,1440 7515,1500 7515,1560 7455,1620 7455,1740",
             "7403,1350 7395,1440 7395,1560 7695,1200 7575,1440"},
            {"optInductor", "optParallelRC",
             "7335,960 7575,960 7455,1200 7515,1350 7695,1200 7575,1320 7815,1560 7575,1920",
             "7695,1440 7515,1380"},
            // The short zig-zag from 1110, the wire between, the coil from 1470.
            {"optResistor", "optSeriesRL",
             "7455,1035 7515,1140 7395,1200 7515,1260 7455,1410 7515,1530 7515,1710 7455,1845",
             "7515,1470 7395,1590 7403,1500"},
            // The box's four sides; its inside and the coil gone.
            {"optSeriesRL", "optImpedance", "7695,1200 7695,1320 7815,1440 7695,1560 7575,1440",
             "7695,1440 7455,1200 7515,1530"},
        };
        for (const auto& r : rows)
            for (double s : {1.0, 4.0}) {
                Window w;
                ScaleTo(*w, s);
                Activate(*w, QString(r.before) + '|' + r.option);
                const QImage& shown = w->Surface();
                const QRgb background = w->palette().color(QPalette::Window).rgb();
                const double toPixels = w->logicalDpiX() * s / 1440;
                const auto inked = [&](const QString& place, int reach) {
                    const QPoint at(qRound(place.section(',', 0, 0).toInt() * toPixels),
                                    qRound(place.section(',', 1, 1).toInt() * toPixels));
                    for (int dx = -reach; dx <= reach; ++dx)
                        for (int dy = -reach; dy <= reach; ++dy)
                            if (shown.pixel(at + QPoint(dx, dy)) != background) return true;
                    return false;
                };
                const QString where = QString("%1 at scale %2: ").arg(r.option).arg(s);
                for (const QString& place : QString(r.ink).split(' '))
                    QVERIFY2(inked(place, 1), qPrintable(where + "no ink at " + place));
                for (const QString& place : QString(r.blank).split(' '))
                    QVERIFY2(!inked(place, 0), qPrintable(where + "ink at " + place));
            }
    }
};

QTEST_MAIN(SetupTest)
#include "setup_test.moc"
