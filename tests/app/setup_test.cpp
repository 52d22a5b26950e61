// Setting up a circuit through the window: an entry through its dialog, presets, load types,
// modes and line type, and changes made during a run. Dialogs are scripted; all else is clicked.

#include "display/load_schematic.h"
#include "form_fixture.h"

using app::Flag;
using namespace apptest;

namespace {

QString Caption(app::Form1& f, const QString& label) {
    return f.Element(label)->property("text").toString();
}

// What the user chooses first, the element, the answer typed, "label=caption" of the labels
// that change, and the titles of the dialogs shown.
const char* const kEntries[][5] = {
    {"", "cmdR1", "75", "lblR1=75 Ω", "Source Resistance"},
    {"", "cmdR2", "-100", "lblR2=50 Ω", "Load Resistance|Negative Entry"},
    {"", "mnuEnterR1", "", "lblR1=50 Ω", "Source Resistance"},  // cancelled
    {"mnuAdvanced|optParameter(2)", "cmdF", "50", "lblF=50 MHz|lblCycles_Len=2 ~/len", "Frequency"},
    {"", "mnuSine", "", "", ""},
    {"", "mnuInfiniteOhmsR1", "", "lblR1= ∞ Ω", ""},
    {"mnuAdvanced", "mnu10attn", "", "lblAttn=10 %", ""},  // "0%" keeps its mark
    {"mnuAdvanced|optParameter(2)", "mnu1Cycle", "",
     "lblCycles_Len=1 Cycles/LineLength|lblF=25 MHz", "Cycles/Length "},  // note first
};

// The load before, the one chosen, its keyword, its menu, its usable buttons and labels.
const char* const kLoads[][5] = {
    {"optResistor", "optCapacitor", "Capacitor", "mnuCLoad", "cmdCu lblC"},
    {"optParallelRC", "optInductor", "Inductor", "mnuLLoad", "cmdLu lblL"},
    {"optSeriesRL", "optImpedance", "Impedance", "mnuZLoad", "cmdR2 cmdX2 lblR2 lblX2"},
};

// Choices from start-up, and the flags they change. Advanced keeps the held cycles greyed: their
// button and label do not change, their menu is shown greyed.
const char* const kModes[][2] = {
    {"mnuCascadedLine",
     "visible: Line20 Line21 Shape4 Shape5 cmdZo cmdZo1 cmdZo2 lblZo lblZo1 lblZo2 mnuZo "
     "checked: mnuSingleLine mnuCascadedLine"},
    {"mnuCascadedLine|mnuSingleLine", ""},
    {"mnuAdvanced",
     "enabled: frameAdvPar cmdF cmdLength cmdVp cmdAttn cmdPW cmdPS lblF lblLength lblVp lblAttn "
     "lblPW lblPS optParameter(0) optParameter(1) optParameter(2) mnuCycles visible: mnuAttn "
     "mnuCycles checked: mnuNormal mnuAdvanced"},
    {"mnuAdvanced|mnuNormal", "enabled: mnuCycles"},
};

}  // namespace

class SetupTest : public QObject {
    Q_OBJECT
  private slots:
    void entriesAndPresets_data() { Rows(std::size(kEntries)); }
    void entriesAndPresets() {
        QFETCH(int, row);
        const auto [before, element, typed, labels, dialogs] = kEntries[row];
        Window w;
        Activate(*w, before);
        w.dialogs->answers = {typed};
        w.dialogs->shown.clear();
        Activate(*w, element);
        for (const QString& pair : QString(labels).split('|', Qt::SkipEmptyParts)) {
            const QString label = pair.section('=', 0, 0);
            QCOMPARE(label + '=' + Caption(*w, label), pair);
        }
        QStringList titles;
        for (const auto& shown : w.dialogs->shown) titles << QString::fromStdString(shown.title);
        QCOMPARE(titles.join('|'), dialogs);
        const bool sine = !strcmp(element, "mnuSine");  // the Source mark moves
        QVERIFY(w->FlagOf("mnuSine", Flag::Checked) == sine &&
                w->FlagOf("mnuDC", Flag::Checked) != sine);
        QVERIFY(w->FlagOf("mnu0attn", Flag::Checked) && !w->FlagOf("mnu10attn", Flag::Checked));
    }

    // Exactly the new load's menu on the bar and its buttons usable, and on the window's surface
    // exactly its symbol: no stroke of the previous one left.
    void loadTypes_data() { Rows(std::size(kLoads)); }
    void loadTypes() {
        QFETCH(int, row);
        const auto [from, option, keyword, menu, enabled] = kLoads[row];
        Window w;
        QImage expected = w->Surface().copy();
        QPainter painter(&expected);
        const QColor fg = w->palette().color(QPalette::WindowText);
        const QColor bg = w->palette().color(QPalette::Window);
        display::EraseLoadSymbols(painter, fg, bg, w->logicalDpiX());
        display::DrawLoad(painter, keyword, "", fg, bg, w->logicalDpiX());
        painter.end();
        Activate(*w, QString(from) + "|" + option);
        QStringList shown, usable;
        for (const char* m :
             {"mnuRLoad", "mnuLLoad", "mnuCLoad", "mnuRCLoad", "mnuRLLoad", "mnuZLoad"})
            if (w->MenuItem(m)->isVisible()) shown << m;
        for (const char* e : {"cmdCu", "cmdLu", "cmdR2", "cmdX2", "lblC", "lblL", "lblR2", "lblX2"})
            if (w->FlagOf(e, Flag::Enabled)) usable << e;
        QCOMPARE(shown, QStringList{menu});
        QCOMPARE(usable.join(' '), enabled);
        QVERIFY(w->Surface() == expected);
    }

    void modesAndLineType_data() { Rows(std::size(kModes)); }
    void modesAndLineType() {
        QFETCH(int, row);
        Window w;
        const Snapshot start = Flags(*w);
        Activate(*w, kModes[row][0]);
        QCOMPARE(Changes(start, Flags(*w)), Expect(kModes[row][1]));
    }

    // With the length held, a cycles preset during a free run recomputes the frequency through a
    // short lift of the run's greyed state; halted it changes the cycles only. Either way the
    // flags are left as the run had them.
    void cyclesDuringARun() {
        for (bool halted : {false, true}) {
            Window w;
            Activate(*w, "mnuAdvanced|optParameter(2)");
            halted ? Halt(*w, 1) : FreeRun(*w, 1);
            const Snapshot flags = Flags(*w);
            Activate(*w, "mnu1Cycle");
            QCOMPARE(Caption(*w, "lblCycles_Len"), "1 Cycles/LineLength");
            QCOMPARE(Caption(*w, "lblF"), halted ? "100 MHz" : "25 MHz");
            QCOMPARE(Changes(flags, Flags(*w)), QStringList());
        }
    }

    // A change made while a run is halted is what the next step computes with.
    void changesReachTheNextTick() {
        Window w;
        Halt(*w, 1);
        w.dialogs->answers = {"100"};
        Activate(*w, "cmdR2|mnu3volts|cmdStep");
        w->Timer1_Timer();
        QCOMPARE(w->Model().NormLoadResistance, 2.0);  // R2 / Zo
        QCOMPARE(w->Model().LineVoltage[0][0], 1.5);   // half of 3 V into a matched line
    }
};

QTEST_MAIN(SetupTest)
#include "setup_test.moc"
