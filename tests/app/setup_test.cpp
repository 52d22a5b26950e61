// Setting up a circuit through the real window: every entry button and its menu twin, every
// preset item, the six load types with their symbol, the modes and the line type, and changes
// made during a run. Dialogs are scripted; everything else is clicked.

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "display/load_schematic.h"
#include "entry/presets.h"
#include "form_fixture.h"

using app::Flag;
using apptest::Window;

namespace {

const QString kOhm = QStringLiteral(" Ω");

// A click on a button or option button, or the choice of a menu item, as a user makes it:
// a greyed or hidden element does not respond.
void Activate(app::Form1& f, const QString& name) {
    if (auto* button = qobject_cast<QAbstractButton*>(f.Element(name))) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        QVERIFY2(f.MenuItem(name), qPrintable(name));
        f.MenuItem(name)->trigger();
    }
}

void ActivateAll(app::Form1& f, const QStringList& names) {
    for (const QString& name : names) Activate(f, name);
}

QString Caption(app::Form1& f, const QString& label) {
    return qobject_cast<QLabel*>(f.Element(label))->text();
}

// Every value label's caption, by name.
QMap<QString, QString> ValueLabels(app::Form1& f) {
    QMap<QString, QString> captions;
    for (const auto& row : app::ElementTable()) {
        if (row.kind == app::ElementKind::ValueLabel) {
            const QString name = QString::fromLatin1(row.name);
            captions[name] = Caption(f, name);
        }
    }
    return captions;
}

// The expected captions ("label=caption") are shown; every other label keeps its caption.
void CompareLabels(const QMap<QString, QString>& before, const QMap<QString, QString>& after,
                   const QStringList& expected) {
    QMap<QString, QString> want = before;
    for (const QString& pair : expected) {
        const qsizetype at = pair.indexOf(QLatin1Char('='));
        want[pair.left(at)] = pair.mid(at + 1);
    }
    for (auto it = want.begin(); it != want.end(); ++it) {
        QCOMPARE(after[it.key()] + QStringLiteral("  <") + it.key(),
                 it.value() + QStringLiteral("  <") + it.key());
    }
}

QStringList Checked(app::Form1& f, const QStringList& items) {
    QStringList on;
    for (const QString& item : items) {
        if (f.FlagOf(item, Flag::Checked)) on << item;
    }
    return on;
}

const QStringList kSourceItems = {"mnuDC",          "mnuSine",       "mnuCosine",
                                  "mnuSinglePulse", "mnuPulseTrain", "mnuSourceOff"};
const QStringList kLoadMenus = {"mnuRLoad",  "mnuLLoad",  "mnuCLoad",
                                "mnuRCLoad", "mnuRLLoad", "mnuZLoad"};

}  // namespace

class SetupTest : public QObject {
    Q_OBJECT
  private slots:
    void entryCommands_data();
    void entryCommands();
    void presets_data();
    void presets();
    void loadTypes_data();
    void loadTypes();
    void modesAndLineType_data();
    void modesAndLineType();
    void cyclesDuringARun_data();
    void cyclesDuringARun();
    void changesReachTheNextTick_data();
    void changesReachTheNextTick();
};

void SetupTest::entryCommands_data() {
    QTest::addColumn<QStringList>("before");  // what the user chooses first
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");       // of the input box
    QTest::addColumn<QStringList>("labels");  // "label=caption" of every label that changes
    struct Row {
        const char *before, *element, *typed, *title, *labels;  // lists separated by "|"
    };
    // "Ω" and "µ" as the labels show them.
    const Row rows[] = {
        {"", "cmdPeakVoltage", "-5", "Peak Source Voltage", "lblPeakVoltage=-5 Volts"},
        {"", "mnuEnterPeakVoltage", "-21", "Peak Source Voltage", "lblPeakVoltage=1 Volts"},
        {"", "cmdR1", "75", "Source Resistance", "lblR1=75 Ω"},
        {"", "mnuEnterR1", "", "Source Resistance", "lblR1=50 Ω"},  // cancelled
        {"", "cmdR2", "-100", "Load Resistance", "lblR2=50 Ω"},     // refused
        {"", "mnuEnterR2", "100", "Load Resistance", "lblR2=100 Ω"},
        {"", "cmdZo", "75", "Characteristic Impedance ", "lblZo=75 Ω"},
        {"", "mnuEnterZo", "300", "Characteristic Impedance ", "lblZo=300 Ω"},
        {"mnuCascadedLine", "cmdZo1", "100", "Characteristic Impedance ", "lblZo1=100 Ω"},
        {"mnuCascadedLine", "cmdZo2", "25", "Characteristic Impedance ", "lblZo2=25 Ω"},
        {"optInductor", "cmdLu", "2", "Load Inductance", "lblL=2 µH"},
        {"optSeriesRL", "mnuEnterL", "0.5", "Load Inductance", "lblL=.5 µH"},
        {"optCapacitor", "cmdCu", "1500", "Load Capacitiance ", "lblC=1.5E3 pF"},
        {"optParallelRC", "mnuEnterC", "0.5", "Load Capacitiance ", "lblC=.5 pF"},
        {"optImpedance", "cmdX2", "-100", "Load Reactance ", "lblX2=-100 Ω"},
        {"mnuAdvanced", "cmdVp", "100", "Phase Velocity", "lblVp=100 % of c"},
        {"mnuAdvanced", "cmdAttn", "50", "Line Attenuation ", "lblAttn=50 %"},
        {"mnuAdvanced", "mnuEnterAttn", "100", "Line Attenuation ", "lblAttn=100 %"},
        {"mnuAdvanced", "cmdPW", "2.5", "Pulse Width", "lblPW=2 points, 1pt = 0.2 ns"},
        {"mnuAdvanced", "cmdPS", "3.5", "Pulse Separation", "lblPS=4 points, 1pt = 0.2 ns"},
        // The coupling: whichever of frequency, cycles and length is neither held nor entered
        // follows, cycles = length × f / 240.
        {"mnuAdvanced", "cmdF", "200", "Frequency", "lblF=200 MHz|lblLength=4.8 m"},
        {"mnuAdvanced|optParameter(2)", "cmdF", "50", "Frequency",
         "lblF=50 MHz|lblCycles_Len=2 ~/len"},
        {"mnuAdvanced|optParameter(0)", "cmdCycles_Len", "8", "Cycles per Line Length",
         "lblCycles_Len=8 Cycles/LineLength|lblLength=19.2 m"},
        {"mnuAdvanced|optParameter(2)", "mnuEnterCycles", "2", "Cycles per Line Length",
         "lblCycles_Len=2 Cycles/LineLength|lblF=50 MHz"},
        {"mnuAdvanced", "cmdLength", "4.8", "Line Length", "lblLength=4.8 m|lblF=200 MHz"},
    };
    auto list = [](const char* text) {
        return QString::fromUtf8(text).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    };
    for (const Row& row : rows) {
        QTest::addRow("%s %s", row.element, row.typed)
            << list(row.before) << row.element << row.typed << row.title << list(row.labels);
    }
}

// Every entry, through the window: the input box it opens, then the labels it rewrites (a
// refused or cancelled entry rewrites its own label with the unchanged value) and no others.
void SetupTest::entryCommands() {
    QFETCH(QStringList, before);
    QFETCH(QString, element);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QStringList, labels);
    Window w;
    ActivateAll(*w, before);
    const auto captions = ValueLabels(*w);
    w.dialogs->answers = {typed.toStdString()};
    w.dialogs->shown.clear();
    Activate(*w, element);
    QVERIFY(!w.dialogs->shown.empty());
    QCOMPARE(QString::fromStdString(w.dialogs->shown.front().title), title);
    CompareLabels(captions, ValueLabels(*w), labels);
}

void SetupTest::presets_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("checked");  // the check marks of the Source and Attn menus
    // The menu a preset is in must be on the bar and usable before its item can be chosen.
    const QMap<QString, QStringList> opens = {
        {"mnuAttn", {"mnuAdvanced"}},     {"mnuCycles", {"mnuAdvanced", "optParameter(2)"}},
        {"mnuLLoad", {"optInductor"}},    {"mnuCLoad", {"optCapacitor"}},
        {"mnuRCLoad", {"optParallelRC"}}, {"mnuRLLoad", {"optSeriesRL"}},
        {"mnuZLoad", {"optImpedance"}},
    };
    const QMap<QString, QPair<QString, QString>> labelOf = {
        {"Zo", {"lblZo", kOhm}},
        {"PeakVoltage", {"lblPeakVoltage", " Volts"}},
        {"Attenuation", {"lblAttn", " %"}},
        {"SourceResistance", {"lblR1", kOhm}},
        {"LoadResistance", {"lblR2", kOhm}},
        {"LoadInductance", {"lblL", " µH"}},
        {"LoadCapacitance", {"lblC", " pF"}},
        {"LoadReactance", {"lblX2", kOhm}},
    };
    // With the length held a cycles preset recomputes the frequency: f = cycles × 240 / 9.6.
    const QMap<QString, QStringList> cycles = {
        {"mnuQuarterCycle", {"lblCycles_Len=.25 Cycles/LineLength", "lblF=6.25 MHz"}},
        {"mnuHalfCycle", {"lblCycles_Len=.5 Cycles/LineLength", "lblF=12.5 MHz"}},
        {"mnu1Cycle", {"lblCycles_Len=1 Cycles/LineLength", "lblF=25 MHz"}},
        {"mnu2Cycles", {"lblCycles_Len=2 Cycles/LineLength", "lblF=50 MHz"}},
        {"mnu4Cycles", {"lblCycles_Len=4 Cycles/LineLength", "lblF=100 MHz"}},
    };
    auto text = [&](std::string_view parameter, double value, bool infinite) {
        const auto [label, unit] = labelOf.value(QString::fromLatin1(parameter));
        const QString number =
            infinite ? QStringLiteral(" \u221E") : QString::number(value, 'g', 15);
        return label + '=' + number + (infinite ? kOhm : unit);
    };
    for (const entry::Preset& row : entry::Presets()) {
        const QString item = QString::fromLatin1(row.item);
        QStringList labels, checked{"mnuDC", "mnu0attn"};
        switch (row.kind) {
            case entry::PresetKind::Value:
                labels << text(row.parameter, row.value, row.infinite);
                if (!row.secondParameter.empty())
                    labels << text(row.secondParameter, row.secondValue, false);
                break;
            case entry::PresetKind::Cycles:
                labels = cycles.value(item);
                break;
            case entry::PresetKind::Source:
                checked = QStringList{item, "mnu0attn"};
                break;
            default:
                continue;  // separators; the "Enter ..." items are walked with the entries
        }
        QTest::addRow("%s", row.item.data())
            << item << opens.value(QString::fromLatin1(row.menu)) << labels << checked;
    }
}

// Every preset item, chosen from its menu: its caption, the labels it rewrites and no others,
// and the check marks (the Source mark moves; the "0%" mark never does).
void SetupTest::presets() {
    QFETCH(QString, item);
    QFETCH(QStringList, before);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, checked);
    Window w;
    ActivateAll(*w, before);
    QCOMPARE(w->MenuItem(item)->text(),
             QString::fromLatin1(entry::FindPreset(item.toStdString())->caption));
    const auto captions = ValueLabels(*w);
    Activate(*w, item);
    CompareLabels(captions, ValueLabels(*w), labels);
    QCOMPARE(Checked(*w, kSourceItems + QStringList{"mnu0attn", "mnu10attn", "mnu99attn"}),
             checked);
    if (entry::FindPreset(item.toStdString())->kind == entry::PresetKind::Cycles) {
        // The note comes first, once.
        QCOMPARE(w.dialogs->shown.size(), size_t(1));
        QCOMPARE(w.dialogs->shown.front().title, std::string("Cycles/Length "));
    }
}

void SetupTest::loadTypes_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("enabled");  // of the load group's buttons and labels
    struct Row {
        const char *from, *option, *keyword, *menu, *enabled;
    };
    const Row rows[] = {
        {"optResistor", "optCapacitor", "Capacitor", "mnuCLoad", "cmdCu lblC"},
        {"optCapacitor", "optParallelRC", "ParallelRC", "mnuRCLoad", "cmdCu cmdR2 lblC lblR2"},
        {"optParallelRC", "optInductor", "Inductor", "mnuLLoad", "cmdLu lblL"},
        {"optInductor", "optSeriesRL", "SeriesRL", "mnuRLLoad", "cmdLu cmdR2 lblL lblR2"},
        {"optSeriesRL", "optImpedance", "Impedance", "mnuZLoad", "cmdR2 cmdX2 lblR2 lblX2"},
        {"optImpedance", "optResistor", "Resistor", "mnuRLoad", "cmdR2 lblR2"},
        {"optResistor", "optResistor", "Resistor", "mnuRLoad", "cmdR2 lblR2"},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s after %s", row.option, row.from)
            << row.from << row.option << row.keyword << row.menu
            << QString::fromLatin1(row.enabled).split(QLatin1Char(' '));
    }
}

// Each load type: exactly its own menu on the bar, exactly its buttons and labels usable, and
// on the window's surface exactly its symbol: no stroke of the previous one left behind.
void SetupTest::loadTypes() {
    QFETCH(QString, from);
    QFETCH(QString, option);
    QFETCH(QString, keyword);
    QFETCH(QString, menu);
    QFETCH(QStringList, enabled);
    Window w;
    // The surface as it is with no load drawn, taken before the first choice.
    QImage expected = w->Surface().copy();
    {
        QPainter painter(&expected);
        const QColor fg = w->palette().color(QPalette::WindowText);
        const QColor bg = w->palette().color(QPalette::Window);
        display::EraseLoadSymbols(painter, fg, bg, w->logicalDpiX());
        display::DrawLoad(painter, keyword.toStdString(), "", fg, bg, w->logicalDpiX());
    }
    Activate(*w, from);
    Activate(*w, option);
    QCOMPARE(QString::fromStdString(w->Model().LoadType), keyword);
    QStringList shown, usable;
    for (const QString& m : kLoadMenus) {
        if (w->FlagOf(m, Flag::Visible)) shown << m;
    }
    for (const QString& e :
         {"cmdLu", "cmdCu", "cmdR2", "cmdX2", "lblL", "lblC", "lblR2", "lblX2"}) {
        if (w->FlagOf(e, Flag::Enabled)) usable << e;
    }
    usable.sort();
    QCOMPARE(shown, QStringList{menu});
    QCOMPARE(usable, enabled);
    QVERIFY(w->Surface() == expected);
}

void SetupTest::modesAndLineType_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QStringList>("changes");  // "element:flag" that differ from start-up
    auto flagged = [](const char* names, const char* flag) {
        QStringList out;
        for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' ')))
            out << name + QLatin1Char(':') + QLatin1String(flag);
        return out;
    };
    const QStringList cascade =
        flagged("Line20 Line21 Shape4 Shape5 cmdZo cmdZo1 cmdZo2 lblZo lblZo1 lblZo2 mnuZo",
                "visible") +
        flagged("mnuSingleLine mnuCascadedLine", "checked");
    // The held cycles stay greyed: cmdCycles_Len and its label do not change, the Cycles menu
    // is shown but greyed.
    const QStringList advanced =
        flagged(
            "frameAdvPar cmdF cmdLength cmdVp cmdAttn cmdPW cmdPS lblF lblLength lblVp "
            "lblAttn lblPW lblPS optParameter(0) optParameter(1) optParameter(2) mnuCycles",
            "enabled") +
        flagged("mnuAttn mnuCycles", "visible") + flagged("mnuNormal mnuAdvanced", "checked");
    QTest::newRow("cascaded line") << QStringList{"mnuCascadedLine"} << cascade;
    QTest::newRow("cascaded line twice")
        << QStringList{"mnuCascadedLine", "mnuCascadedLine"} << cascade;
    QTest::newRow("cascade and back")
        << QStringList{"mnuCascadedLine", "mnuSingleLine"} << QStringList{};
    QTest::newRow("advanced") << QStringList{"mnuAdvanced"} << advanced;
    QTest::newRow("advanced and normal")
        << QStringList{"mnuAdvanced", "mnuNormal"} << QStringList{"mnuCycles:enabled"};
    QTest::newRow("advanced cascade")
        << QStringList{"mnuAdvanced", "mnuCascadedLine"} << advanced + cascade;
}

// The mode and the line type change exactly their groups and their check marks, and never a
// value: every label keeps its caption.
void SetupTest::modesAndLineType() {
    QFETCH(QStringList, choices);
    QFETCH(QStringList, changes);
    Window w;
    const auto flags = apptest::Flags(*w);
    const auto captions = ValueLabels(*w);
    ActivateAll(*w, choices);
    changes.sort();
    QCOMPARE(apptest::Changes(flags, apptest::Flags(*w)), changes);
    CompareLabels(captions, ValueLabels(*w), {});
}

void SetupTest::cyclesDuringARun_data() {
    QTest::addColumn<bool>("halted");
    QTest::addColumn<QString>("frequencyLabel");
    QTest::addColumn<double>("frequency");
    QTest::newRow("running freely") << false << "25 MHz" << 25.0;
    QTest::newRow("halted between steps") << true << "100 MHz" << 100.0;
}

// A cycles preset during a run, with the length held: a free run recomputes the frequency
// through a short lift of the run's greyed state; a halted run changes the cycles only. Either
// way the window is left exactly as the run had it.
void SetupTest::cyclesDuringARun() {
    QFETCH(bool, halted);
    QFETCH(QString, frequencyLabel);
    QFETCH(double, frequency);
    Window w;
    ActivateAll(*w, {"mnuAdvanced", "optParameter(2)", "cmdSimulate"});
    if (halted) {
        Activate(*w, "cmdStep");
        w->Timer1_Timer();
        QVERIFY(!w->Timer1->isActive());
    }
    const auto flags = apptest::Flags(*w);
    Activate(*w, "mnu1Cycle");
    QCOMPARE(double(w->Model().CyclesPerLength), 1.0);
    QCOMPARE(Caption(*w, "lblCycles_Len"), QStringLiteral("1 Cycles/LineLength"));
    QCOMPARE(Caption(*w, "lblF"), frequencyLabel);
    QCOMPARE(double(w->Model().Frequency), frequency);
    QCOMPARE(double(w->Model().LineLength), 9.6);
    QCOMPARE(apptest::Changes(flags, apptest::Flags(*w)), QStringList{});
}

void SetupTest::changesReachTheNextTick_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("ticks");  // before the change
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<double>("expected");
    // A matched line (Zo = R1 = 50 ohm) driven by 1 V DC: the wave leaving the source is half
    // the source voltage, and it loses the attenuation factor on every step it travels.
    QTest::newRow("attenuation") << QStringList{"mnuAdvanced"} << 1 << "cmdAttn"
                                 << "50"
                                 << "V1" << 0.5 * std::pow(2.0, -1.0 / 200);
    QTest::newRow("source resistance") << QStringList{} << 1 << "cmdR1"
                                       << "0"
                                       << "V0" << 1.0;
    QTest::newRow("voltage") << QStringList{} << 1 << "mnu3volts"
                             << ""
                             << "V0" << 1.5;
    // The new waveform starts at its beginning: cos 0.
    QTest::newRow("source") << QStringList{"mnuSine"} << 3 << "mnuCosine"
                            << ""
                            << "source" << 1.0;
    // What the load end reads when the wave arrives: r2 = R2 / Zo, c = C·Vp·Zo / length · 1e-6,
    // with Vp = 240 m/µs and a 9.6 m line.
    QTest::newRow("load resistance") << QStringList{} << 1 << "cmdR2"
                                     << "100"
                                     << "r2" << 2.0;
    QTest::newRow("load capacitance") << QStringList{"optCapacitor"} << 1 << "mnu200pF"
                                      << ""
                                      << "c" << 0.25;
}

// A change made while a run is halted between steps is what the next step computes with.
void SetupTest::changesReachTheNextTick() {
    QFETCH(QStringList, before);
    QFETCH(int, ticks);
    QFETCH(QString, element);
    QFETCH(QString, typed);
    QFETCH(QString, quantity);
    QFETCH(double, expected);
    Window w;
    ActivateAll(*w, before);
    Activate(*w, "cmdSimulate");
    auto step = [&] {
        Activate(*w, "cmdStep");
        w->Timer1_Timer();
    };
    for (int i = 0; i < ticks; ++i) step();
    w.dialogs->answers = {typed.toStdString()};
    Activate(*w, element);
    step();
    const sim::Model& m = w->Model();
    const QMap<QString, double> now = {{"V0", m.LineVoltage[0][0]},
                                       {"V1", m.LineVoltage[0][1]},
                                       {"source", m.SourceVoltage},
                                       {"r2", m.NormLoadResistance},
                                       {"c", m.NormLoadCapacitance}};
    QVERIFY(now.contains(quantity));
    QVERIFY2(std::fabs(now[quantity] - expected) < 1e-12,
             qPrintable(QString::number(now[quantity], 'g', 17)));
}

QTEST_MAIN(SetupTest)
#include "setup_test.moc"
