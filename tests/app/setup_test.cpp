// Setting up a circuit through the window: an entry through its dialog, presets, load types,
// modes and line type, and changes made during a run. Dialogs are scripted; all else is clicked.

#include "form_fixture.h"

using namespace apptest;

namespace {

// What the user does first, then the choice, the flags it changes, the answer typed,
// "label=caption" of the labels that change, and the titles of the dialogs shown.
struct SetUp {
    const char *before, *choice, *flags, *typed = "", *labels = "", *titles = "";
};
const SetUp kSetUps[] = {
    {"", "cmdR1", "", "75", "lblR1=75 Ω", "Source Resistance"},
    {"", "cmdR2", "", "-100", "lblR2=50 Ω", "Load Resistance|Negative Entry"},
    {"", "mnuEnterR1", "", "", "lblR1=50 Ω", "Source Resistance"},  // cancelled
    {"mnuAdvanced|optParameter(2)", "cmdF", "", "50", "lblF=50 MHz|lblCycles_Len=2 ~/len",
     "Frequency"},
    {"", "mnuSine", "checked: mnuDC mnuSine"},
    {"", "mnuInfiniteOhmsR1", "", "", "lblR1= ∞ Ω"},
    {"mnuAdvanced", "mnu10attn", "", "", "lblAttn=10 %"},  // "0%" keeps its mark
    // With the length held, a cycles preset (its note first) recomputes the frequency, during a
    // free run through a short lift of the run's greyed state; halted, it changes the cycles
    // only. Either way the flags are left as they were.
    {"mnuAdvanced|optParameter(2)", "mnu1Cycle", "", "",
     "lblCycles_Len=1 Cycles/LineLength|lblF=25 MHz", "Cycles/Length "},
    {"mnuAdvanced|optParameter(2)|run", "mnu1Cycle", "", "", "lblF=25 MHz", "Cycles/Length "},
    {"mnuAdvanced|optParameter(2)|halt", "mnu1Cycle", "", "", "lblF=100 MHz", "Cycles/Length "},
    {"", "mnuCascadedLine",
     "visible: Line20 Line21 Shape4 Shape5 cmdZo cmdZo1 cmdZo2 lblZo lblZo1 lblZo2 mnuZo "
     "checked: mnuSingleLine mnuCascadedLine"},
    {"", "mnuCascadedLine|mnuSingleLine", ""},
    // Advanced keeps the held cycles greyed: their button and label do not change, their menu is
    // shown greyed.
    {"", "mnuAdvanced",
     "enabled: frameAdvPar cmdF cmdLength cmdVp cmdAttn cmdPW cmdPS lblF lblLength lblVp lblAttn "
     "lblPW lblPS optParameter(0) optParameter(1) optParameter(2) mnuCycles visible: mnuAttn "
     "mnuCycles checked: mnuNormal mnuAdvanced"},
    {"", "mnuAdvanced|mnuNormal", "enabled: mnuCycles"},
    // A load option: exactly its menu on the bar, its buttons usable, its symbol drawn.
    {"optResistor", "optCapacitor",
     "enabled: cmdR2 lblR2 cmdCu lblC visible: mnuRLoad mnuCLoad checked: optResistor "
     "optCapacitor"},
    {"optParallelRC", "optInductor",
     "enabled: cmdR2 lblR2 cmdCu lblC cmdLu lblL visible: mnuRCLoad mnuLLoad checked: "
     "optParallelRC optInductor"},
    {"optSeriesRL", "optImpedance",
     "enabled: cmdLu lblL cmdX2 lblX2 visible: mnuRLLoad mnuZLoad checked: optSeriesRL "
     "optImpedance"},
};

}  // namespace

class SetupTest : public QObject {
    Q_OBJECT
  private slots:
    void setUp_data() { Rows(std::size(kSetUps)); }
    void setUp() {
        QFETCH(int, row);
        const auto [before, choice, flags, typed, labels, titles] = kSetUps[row];
        Window w;
        Activate(*w, before);
        const Snapshot start = Flags(*w);
        w.dialogs->answers = {typed};
        Activate(*w, choice);
        QCOMPARE(Changes(start, Flags(*w)), Expect(flags));
        for (const QString& pair : QString(labels).split('|', Qt::SkipEmptyParts)) {
            const QString label = pair.section('=', 0, 0);
            QCOMPARE(label + '=' + w->Element(label)->property("text").toString(), pair);
        }
        QCOMPARE(w.dialogs->titles.join('|'), titles);
    }

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

    // A change made while a run is halted is what the next step computes with.
    void changesReachTheNextTick() {
        Window w;
        w.dialogs->answers = {"100"};
        Activate(*w, "halt|cmdR2|mnu3volts|cmdStep");
        w->Timer1_Timer();
        QCOMPARE(w->Model().NormLoadResistance, 2.0);  // R2 / Zo
        QCOMPARE(w->Model().LineVoltage[0][0], 1.5);   // half of 3 V into a matched line
    }
};

QTEST_MAIN(SetupTest)
#include "setup_test.moc"
