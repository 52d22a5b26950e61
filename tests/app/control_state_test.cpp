// The control groups: each group switches exactly its own elements' flag, and the callers'
// sequences leave the window in the states the user relies on.

#include <QAction>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "form_fixture.h"

using app::Flag;
using apptest::Changes;
using apptest::Flags;
using apptest::Window;

class ControlStateTest : public QObject {
    Q_OBJECT
  private slots:
    void groups_data();
    void groups();
    void actionWords_data();
    void actionWords();
    void unknownGroupChangesNothing();
    void fixedParameter_data();
    void fixedParameter();
    void fixedParameterWithNothingHeld();
    void callerSequences();
};

namespace {

const char* const kFlagWord[] = {"enabled", "visible", "checked"};

// The expected changes: every element of `names`, for each of the given flags.
QStringList Expect(const QString& names, const QString& flag) {
    QStringList out;
    for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        out << name + QLatin1Char(':') + flag;
    }
    return out;
}

}  // namespace

void ControlStateTest::groups_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("changes");
    auto enabled = [](const char* names) { return Expect(QString::fromLatin1(names), "enabled"); };
    QTest::newRow("Load") << "Load" << enabled("cmdLu cmdCu cmdR2 cmdX2 lblL lblC lblR2 lblX2");
    QTest::newRow("Advanced")
        << "Advanced"
        << enabled(
               "frameAdvPar cmdF cmdCycles_Len cmdLength cmdVp cmdAttn cmdPW cmdPS lblF "
               "lblCycles_Len lblLength lblVp lblAttn lblPW lblPS optParameter(0) "
               "optParameter(1) optParameter(2)") +
               Expect("mnuAttn mnuCycles", "visible");
    QTest::newRow("Display") << "Display"
                             << enabled("cmdStep cmdContinue cmdZoomIn cmdZoomOut lblDisplay");
    QTest::newRow("SimulationStatic")
        << "SimulationStatic"
        << enabled(
               "cmdZo cmdZo1 cmdZo2 optResistor optInductor optCapacitor optParallelRC "
               "optSeriesRL optImpedance mnuZo mnuLineType cmdF cmdCycles_Len cmdLength "
               "cmdVp lblF lblCycles_Len lblLength lblVp optParameter(0) optParameter(1) "
               "optParameter(2) mnuNormal mnuAdvanced");
    QTest::newRow("Combo") << "Combo"
                           << enabled(
                                  "cmdF cmdCycles_Len cmdLength cmdVp lblF lblCycles_Len "
                                  "lblLength lblVp mnuCycles");
    QTest::newRow("Frequency") << "Frequency" << enabled("cmdF lblF");
    QTest::newRow("Cycles/LineLength")
        << "Cycles/LineLength" << enabled("cmdCycles_Len lblCycles_Len mnuCycles");
    QTest::newRow("Length") << "Length" << enabled("cmdLength lblLength");
    QTest::newRow("Control") << "Control" << Expect("mnuNormal mnuAdvanced", "checked");
    QTest::newRow("Source") << "Source"
                            << Expect(
                                   "mnuDC mnuSine mnuCosine mnuSinglePulse mnuPulseTrain "
                                   "mnuSourceOff",
                                   "checked");
    QTest::newRow("LineType") << "LineType" << Expect("mnuSingleLine mnuCascadedLine", "checked");
    QTest::newRow("SingleLine") << "SingleLine"
                                << Expect("cmdZo lblZo Line20 Line21 mnuZo", "visible");
    QTest::newRow("Cascade") << "Cascade"
                             << Expect("cmdZo1 cmdZo2 lblZo1 lblZo2 Shape4 Shape5", "visible");
}

// From each flag set to the opposite, "on" and then "off" change exactly the group's elements.
void ControlStateTest::groups() {
    QFETCH(QString, group);
    QFETCH(QStringList, changes);
    changes.sort();
    Window w;
    for (bool on : {true, false}) {
        for (const QString& change : changes) {
            const QString name = change.section(QLatin1Char(':'), 0, 0);
            const QString word = change.section(QLatin1Char(':'), 1);
            const Flag flag = word == QLatin1String("enabled")   ? Flag::Enabled
                              : word == QLatin1String("visible") ? Flag::Visible
                                                                 : Flag::Checked;
            w->SetFlag(name, flag, !on);
        }
        const auto before = Flags(*w);
        const bool checkWord = changes.first().endsWith(QLatin1String(kFlagWord[2]));
        w->SetControlState(
            on ? (checkWord ? "Checked" : "Enable") : (checkWord ? "Unchecked" : "Disable"), group);
        QCOMPARE(Changes(before, Flags(*w)), changes);
    }
}

void ControlStateTest::actionWords_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("on");
    QTest::newRow("Enable") << "Enable" << true;
    QTest::newRow("Checked") << "Checked" << true;
    QTest::newRow("Disable") << "Disable" << false;
    QTest::newRow("Unchecked") << "Unchecked" << false;
    QTest::newRow("enable") << "enable" << false;
    QTest::newRow("ENABLE") << "ENABLE" << false;
    QTest::newRow("checked") << "checked" << false;
    QTest::newRow("Enable ") << "Enable " << false;
    QTest::newRow("empty") << "" << false;
}

// The action word decides on or off for any kind of flag, whatever the word says of the flag.
void ControlStateTest::actionWords() {
    QFETCH(QString, action);
    QFETCH(bool, on);
    Window w;
    w->SetFlag("cmdStep", Flag::Enabled, !on);
    w->SetFlag("mnuSine", Flag::Checked, !on);
    w->SetFlag("Shape4", Flag::Visible, !on);
    w->SetControlState(action, "Display");
    w->SetControlState(action, "Source");
    w->SetControlState(action, "Cascade");
    QCOMPARE(w->FlagOf("cmdStep", Flag::Enabled), on);
    QCOMPARE(w->FlagOf("lblDisplay", Flag::Enabled), on);
    QCOMPARE(w->FlagOf("mnuSine", Flag::Checked), on);
    QCOMPARE(w->FlagOf("mnuDC", Flag::Checked), on);
    QCOMPARE(w->FlagOf("Shape4", Flag::Visible), on);
}

void ControlStateTest::unknownGroupChangesNothing() {
    Window w;
    const auto before = Flags(*w);
    for (const char* group : {"", "load", "Display ", "Cycles", "FixedParameters", "Loads"}) {
        w->SetControlState("Enable", group);
        w->SetControlState("Disable", group);
    }
    QCOMPARE(Changes(before, Flags(*w)), QStringList());
}

void ControlStateTest::fixedParameter_data() {
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("greyed");
    const QStringList frequency = Expect("cmdF lblF", "enabled");
    const QStringList cycles = Expect("cmdCycles_Len lblCycles_Len mnuCycles", "enabled");
    const QStringList length = Expect("cmdLength lblLength", "enabled");
    QTest::newRow("frequency, Disable") << 0 << "Disable" << frequency;
    QTest::newRow("frequency, Enable") << 0 << "Enable" << frequency;
    QTest::newRow("cycles, Disable") << 1 << "Disable" << cycles;
    QTest::newRow("cycles, Enable") << 1 << "Enable" << cycles;
    QTest::newRow("cycles, Checked") << 1 << "Checked" << cycles;
    QTest::newRow("length, Disable") << 2 << "Disable" << length;
    QTest::newRow("length, Enable") << 2 << "Enable" << length;
}

// The held parameter's controls are switched off whatever the action says; only cycles per
// length takes the Cycles menu with it.
void ControlStateTest::fixedParameter() {
    QFETCH(int, held);
    QFETCH(QString, action);
    QFETCH(QStringList, greyed);
    Window w;
    w->SetControlState("Enable", "Advanced");
    w->SetFlag(QStringLiteral("optParameter(%1)").arg(held), Flag::Checked, true);
    const auto before = Flags(*w);
    w->SetControlState(action, "FixedParameter");
    greyed.sort();
    QCOMPARE(Changes(before, Flags(*w)), greyed);
}

void ControlStateTest::fixedParameterWithNothingHeld() {
    Window w;
    w->SetControlState("Enable", "Advanced");
    auto* held = qobject_cast<QRadioButton*>(w->Element("optParameter(1)"));
    held->setAutoExclusive(false);
    held->setChecked(false);
    const auto before = Flags(*w);
    w->SetControlState("Disable", "FixedParameter");
    QCOMPARE(Changes(before, Flags(*w)), QStringList());
}

// Simulate and Stop, in Normal and in Advanced mode, as the user sees the window afterwards.
void ControlStateTest::callerSequences() {
    Window w;
    const auto setUp = Flags(*w);

    w->cmdSimulate_Click();
    QStringList running = Expect(
        "Timer1 cmdZo cmdZo1 cmdZo2 optResistor optInductor optCapacitor optParallelRC "
        "optSeriesRL optImpedance mnuZo mnuLineType mnuNormal "
        "mnuAdvanced cmdStep cmdContinue cmdZoomIn cmdZoomOut lblDisplay",
        "enabled");
    running.sort();
    QCOMPARE(Changes(setUp, Flags(*w)), running);
    QVERIFY(!w->menuBar()->actions().at(1)->isEnabled());  // the Zo menu greyed on the bar

    // Stop in Normal mode: back to the set-up state, the advanced controls still greyed, once
    // the tick that was due has run.
    w->cmdStop_Click();
    w->Timer1_Timer();
    QCOMPARE(Changes(setUp, Flags(*w)), QStringList());

    // Advanced mode (as its menu item sets it up), then a run and Stop.
    w->SetControlState("Enable", "Advanced");
    w->SetControlState("Unchecked", "Control");
    w->SetControlState("Disable", "FixedParameter");
    w->SetFlag("mnuAdvanced", Flag::Checked, true);
    const auto advanced = Flags(*w);
    QVERIFY(w->FlagOf("cmdF", Flag::Enabled));
    QVERIFY(!w->FlagOf("cmdCycles_Len", Flag::Enabled));
    QVERIFY(!w->FlagOf("mnuCycles", Flag::Enabled));
    QVERIFY(w->FlagOf("mnuCycles", Flag::Visible));

    w->cmdSimulate_Click();
    // Attenuation and pulse timing stay changeable during a run; so do the source and load.
    for (const char* name : {"cmdAttn", "cmdPW", "cmdPS", "cmdR1", "cmdPeakVoltage", "cmdR2"}) {
        QVERIFY2(w->FlagOf(name, Flag::Enabled), name);
    }
    for (const char* name : {"cmdF", "cmdLength", "cmdVp", "optParameter(0)", "mnuAdvanced"}) {
        QVERIFY2(!w->FlagOf(name, Flag::Enabled), name);
    }
    w->cmdStop_Click();
    w->Timer1_Timer();
    QCOMPARE(Changes(advanced, Flags(*w)), QStringList());
}

QTEST_MAIN(ControlStateTest)
#include "control_state_test.moc"
