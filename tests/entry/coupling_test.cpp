// Frequency, cycles per length and length: one held, the changed one entered, the third
// recomputed from CyclesPerLength = LineLength × Frequency / Vp.

#include "entry/coupling.h"

#include <QtTest>
#include <limits>

#include "entry/entry_commands.h"
#include "scripted_dialogs.h"

using entry_test::ScriptedDialogs;

namespace {

entry::CouplingState SetUp(int held) { return {entry::ButtonsWithHeld(held), held, false}; }

QStringList Captions(const std::vector<entry::LabelText>& labels) {
    QStringList list;
    for (const auto& l : labels) list << QString::fromStdString(l.label + "=" + l.text);
    return list;
}

}  // namespace

class CouplingTest : public QObject {
    Q_OBJECT
  private slots:
    void entries_data();
    void entries();
    void onlyTheThirdIsRecomputed_data();
    void onlyTheThirdIsRecomputed();
    void frequencyMaximumAndItsNote();
    void lengthMaximumFollowsFrequency();
    void haltedRunChangesOnlyTheCycles();
    void freeRunLiftsAndRestoresTheRunState();
    void cyclesNote();
};

void CouplingTest::entries_data() {
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("cycles");
    QTest::addColumn<double>("length");
    // Start: 100 MHz, 4 cycles, 9.6 m, Vp 240 m/µs.
    QTest::newRow("200 MHz, cycles held")
        << 1 << "cmdF"
        << "200" << QStringList{"lblF=200 MHz", "lblLength=4.8 m"} << 200.0 << 4.0 << 4.8;
    QTest::newRow("50 MHz, length held")
        << 2 << "cmdF"
        << "50" << QStringList{"lblF=50 MHz", "lblCycles_Len=2 ~/len"} << 50.0 << 2.0 << 9.6;
    QTest::newRow("8 cycles, frequency held")
        << 0 << "cmdCycles_Len"
        << "8" << QStringList{"lblCycles_Len=8 Cycles/LineLength", "lblLength=19.2 m"} << 100.0
        << 8.0 << 19.2;
    QTest::newRow("8 cycles from the menu, length held")
        << 2 << "mnuEnterCycles"
        << "8" << QStringList{"lblCycles_Len=8 Cycles/LineLength", "lblF=200 MHz"} << 200.0 << 8.0
        << 9.6;
    QTest::newRow("4.8 m, frequency held")
        << 0 << "cmdLength"
        << "4.8" << QStringList{"lblLength=4.8 m", "lblCycles_Len=2 ~/len"} << 100.0 << 2.0 << 4.8;
    QTest::newRow("0.5 m, cycles held: a frequency above 1000")
        << 1 << "cmdLength"
        << "0.5" << QStringList{"lblLength=.5 m", "lblF=1.92E3 MHz"} << 1920.0 << 4.0 << 0.5;
    QTest::newRow("refused entry recomputes all the same")
        << 1 << "cmdF"
        << "abc" << QStringList{"lblF=100 MHz", "lblLength=9.6 m"} << 100.0 << 4.0 << 9.6;
}

void CouplingTest::entries() {
    QFETCH(int, held);
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QStringList, labels);
    QFETCH(double, frequency);
    QFETCH(double, cycles);
    QFETCH(double, length);
    sim::Model m = sim::StartValues();
    ScriptedDialogs dialogs({typed.toStdString()});
    auto effects = entry::RunEntryCommand(command.toStdString(), m, dialogs, SetUp(held));
    QVERIFY(effects);
    QCOMPARE(Captions(effects->labels), labels);
    QVERIFY(effects->controlSteps.empty());
    QVERIFY(qFuzzyCompare(m.Frequency.number, frequency));
    QVERIFY(qFuzzyCompare(m.CyclesPerLength.number, cycles));
    QVERIFY(qFuzzyCompare(m.LineLength.number, length));
}

void CouplingTest::onlyTheThirdIsRecomputed_data() {
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("recomputed");
    QTest::newRow("F held, cycles changed") << 0 << "Cycles_Len"
                                            << "lblLength";
    QTest::newRow("F held, length changed") << 0 << "Length"
                                            << "lblCycles_Len";
    QTest::newRow("cycles held, F changed") << 1 << "F"
                                            << "lblLength";
    QTest::newRow("cycles held, length changed") << 1 << "Length"
                                                 << "lblF";
    QTest::newRow("length held, F changed") << 2 << "F"
                                            << "lblCycles_Len";
    QTest::newRow("length held, cycles changed") << 2 << "Cycles_Len"
                                                 << "lblF";
}

void CouplingTest::onlyTheThirdIsRecomputed() {
    QFETCH(int, held);
    QFETCH(QString, changed);
    QFETCH(QString, recomputed);
    sim::Model m = sim::StartValues();
    const auto labels =
        entry::RecomputeCoupling(m, changed.toStdString(), entry::ButtonsWithHeld(held));
    QCOMPARE(labels.size(), size_t(1));
    QCOMPARE(QString::fromStdString(labels[0].label), recomputed);
    // Unchanged values stay consistent: the start values already satisfy the relation.
    QVERIFY(qFuzzyCompare(m.CyclesPerLength.number, m.LineLength * m.Frequency / m.Vp));
}

void CouplingTest::frequencyMaximumAndItsNote() {
    sim::Model m = sim::StartValues();
    QCOMPARE(entry::FrequencyMaximum(m), 500.0f);  // 240 × 20 / 9.6
    ScriptedDialogs accepted({"500"});
    entry::RunEntryCommand("cmdF", m, accepted, SetUp(1));
    QVERIFY(accepted.Messages().empty());
    QCOMPARE(m.Frequency.number, 500.0);

    m = sim::StartValues();
    ScriptedDialogs refused({"501"});
    entry::RunEntryCommand("cmdF", m, refused, SetUp(1));
    const auto messages = refused.Messages();
    QCOMPARE(int(messages.size()), 1);
    QCOMPARE(messages[0].title, std::string("Above Maximum "));
    const std::string text = messages[0].text;
    QCOMPARE(text.substr(text.rfind("\r\n") + 2),
             std::string("NOTE: Maxium Frequency varies with present Length"));
    QCOMPARE(m.Frequency.number, 100.0);
}

void CouplingTest::lengthMaximumFollowsFrequency() {
    sim::Model m = sim::StartValues();
    QCOMPARE(entry::LengthMaximum(m), 48.0f);  // 240 × 20 / 100
    ScriptedDialogs dialogs({"48.5"});
    entry::RunEntryCommand("cmdLength", m, dialogs, SetUp(1));
    const std::string text = dialogs.Messages().at(0).text;
    QVERIFY(text.ends_with("\r\nNOTE: Maxium Length varies with present Frequency"));

    m.Frequency = 200;  // the maximum is worked out just before each entry
    QCOMPARE(entry::LengthMaximum(m), 24.0f);
    m.Frequency = 1e-300;  // only a recomputation gets here; the limit stays a number
    QCOMPARE(entry::LengthMaximum(m), std::numeric_limits<float>::max());
}

void CouplingTest::haltedRunChangesOnlyTheCycles() {
    // Between single steps the run keeps every coupled button greyed and the timer off.
    sim::Model m = sim::StartValues();
    ScriptedDialogs dialogs({"2"});
    const entry::CouplingState halted{{false, false, false}, 0, false};
    auto effects = entry::RunEntryCommand("mnuEnterCycles", m, dialogs, halted);
    QCOMPARE(Captions(effects->labels), QStringList{"lblCycles_Len=2 Cycles/LineLength"});
    QVERIFY(effects->controlSteps.empty());
    QCOMPARE(m.CyclesPerLength.number, 2.0);
    QCOMPARE(m.Frequency.number, 100.0);
    QCOMPARE(m.LineLength.number, 9.6);
}

void CouplingTest::freeRunLiftsAndRestoresTheRunState() {
    sim::Model m = sim::StartValues();
    m.CyclesPerLength = 2;
    const entry::CouplingState running{{false, false, false}, 0, true};  // frequency held
    const auto effects = entry::ApplyCyclesChange(m, running);
    const std::vector<entry::ControlStep> steps = {
        {"Enable", "Combo"}, {"Disable", "FixedParameter"}, {"Disable", "SimulationStatic"}};
    QCOMPARE(effects.controlSteps, steps);
    QCOMPARE(Captions(effects.labels), QStringList{"lblLength=4.8 m"});
    QVERIFY(qFuzzyCompare(m.LineLength.number, 4.8));
}

void CouplingTest::cyclesNote() {
    ScriptedDialogs dialogs;
    entry::ShowCyclesNote(dialogs);
    QCOMPARE(int(dialogs.shown.size()), 1);
    QCOMPARE(dialogs.shown[0].text,
             std::string("Note: This will change either the Frequency\n\r or the Length of the "
                         "Line"));
    QCOMPARE(dialogs.shown[0].title, std::string("Cycles/Length "));
    QCOMPARE(dialogs.shown[0].style, 32);
}

QTEST_APPLESS_MAIN(CouplingTest)
#include "coupling_test.moc"
