// Setting up a circuit through the window: an entry through its dialog, presets, load types,
// modes and line type, and changes made during a run. Dialogs are scripted; all else is clicked.

#include "display/load_schematic.h"
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
        // On the window's surface a load option leaves exactly its own symbol, no stroke of the
        // previous one; nothing else draws there.
        QImage expected = w->Surface().copy();
        if (!strncmp(choice, "opt", 3)) {
            QPainter painter(&expected);
            const QColor fg = w->palette().color(QPalette::WindowText);
            const QColor bg = w->palette().color(QPalette::Window);
            display::EraseLoadSymbols(painter, fg, bg, w->logicalDpiX());
            display::DrawLoad(painter, choice + 3, "", fg, bg, w->logicalDpiX());
        }
        w.dialogs->answers = {typed};
        Activate(*w, choice);
        QCOMPARE(Changes(start, Flags(*w)), Expect(flags));
        for (const QString& pair : QString(labels).split('|', Qt::SkipEmptyParts)) {
            const QString label = pair.section('=', 0, 0);
            QCOMPARE(label + '=' + w->Element(label)->property("text").toString(), pair);
        }
        QCOMPARE(w.dialogs->titles.join('|'), titles);
        QVERIFY(w->Surface() == expected);
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
