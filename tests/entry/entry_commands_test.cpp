// Every entry button and menu twin: its dialog, its label, its refusals and what it recomputes.

#include "entry/entry_commands.h"

#include <QtTest>
#include <cmath>
#include <limits>

#include "entry/limits.h"
#include "scripted_dialogs.h"

using entry_test::ScriptedDialogs;

namespace {

// Set-up in Advanced mode with cycles per length held, as after choosing Advanced.
const entry::CouplingState kHeldCycles{{false, true, true}, 1, false};

struct Run {
    ScriptedDialogs dialogs;
    sim::Model model = sim::StartValues();
    entry::Effects effects;
};

// Runs `name` once with the user typing `typed` (nothing scripted means Cancel).
std::unique_ptr<Run> RunOnce(const QString& name, std::deque<std::string> typed) {
    auto run = std::make_unique<Run>();
    run->dialogs = ScriptedDialogs(std::move(typed));
    auto effects =
        entry::RunEntryCommand(name.toStdString(), run->model, run->dialogs, kHeldCycles);
    if (effects) run->effects = *effects;
    return run;
}

QString FirstLabel(const Run& run) {
    if (run.effects.labels.empty()) return {};
    return QString::fromStdString(run.effects.labels[0].label + "=" + run.effects.labels[0].text);
}

}  // namespace

class EntryCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyCommand_data();
    void everyCommand();
    void menuTwinsRunTheirButton_data();
    void menuTwinsRunTheirButton();
    void recomputes_data();
    void recomputes();
    void cancelStillRewritesAndRecomputes();
    void startUpLabels();
    void limitsOf();
    void unknownNameDoesNothing();
};

void EntryCommandsTest::everyCommand_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("labelAfter");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("refusalTitle");
    QTest::addColumn<QString>("labelRefused");

    QTest::newRow("cmdPeakVoltage") << "cmdPeakVoltage"
                                    << "Please Enter the Peak Voltage Amplitude (Volts): "
                                    << "Peak Source Voltage"
                                    << "1"
                                    << "-5"
                                    << "lblPeakVoltage=-5 Volts"
                                    << "-21"
                                    << "Below Minimum "
                                    << "lblPeakVoltage=1 Volts";
    QTest::newRow("cmdR1") << "cmdR1"
                           << "Please Enter Source Resistance R1 (Ohms): "
                           << "Source Resistance"
                           << "50"
                           << "1500"
                           << "lblR1=1.5E3 Ω"
                           << "-100"
                           << "Negative Entry"
                           << "lblR1=50 Ω";
    QTest::newRow("cmdR2") << "cmdR2"
                           << "Please Enter Load Resistance R2 (Ohms): "
                           << "Load Resistance"
                           << "50"
                           << "050"
                           << "lblR2=050 Ω"
                           << "-100"
                           << "Negative Entry"
                           << "lblR2=50 Ω";
    QTest::newRow("cmdZo") << "cmdZo"
                           << "Please Enter Characteristic Impedance Zo (Ohms): "
                           << "Characteristic Impedance "
                           << "50"
                           << "75"
                           << "lblZo=75 Ω"
                           << "0.5"
                           << "Below Minimum "
                           << "lblZo=50 Ω";
    QTest::newRow("cmdZo1") << "cmdZo1"
                            << "Please Enter Characteristic Impedance Zo1 (Ohms): "
                            << "Characteristic Impedance "
                            << "50"
                            << "1e10"
                            << "lblZo1=1.0E10 Ω"
                            << "1.1e10"
                            << "Above Maximum "
                            << "lblZo1=50 Ω";
    QTest::newRow("cmdZo2") << "cmdZo2"
                            << "Please Enter Characteristic Impedance Zo2 (Ohms): "
                            << "Characteristic Impedance "
                            << "50"
                            << "1"
                            << "lblZo2=1 Ω"
                            << "abc"
                            << "Invalid Entry"
                            << "lblZo2=50 Ω";
    QTest::newRow("cmdLu") << "cmdLu"
                           << "Please Enter the Load Inductance L (µH): "
                           << "Load Inductance"
                           << "1"
                           << "0.5"
                           << "lblL=.5 µH"
                           << "1.5e8"
                           << "Above Maximum "
                           << "lblL=1 µH";
    QTest::newRow("cmdCu") << "cmdCu"
                           << "Please Enter the Load Capacitiance (pF): "
                           << "Load Capacitiance "
                           << "100"
                           << "1500"
                           << "lblC=1.5E3 pF"
                           << "2e12"
                           << "Above Maximum "
                           << "lblC=100 pF";
    QTest::newRow("cmdX2") << "cmdX2"
                           << "Please Enter Load Reactance X2 (Ohms): \n\rImaginary Component of "
                              "Load Impedance"
                           << "Load Reactance "
                           << "50"
                           << "-100"
                           << "lblX2=-100 Ω"
                           << "-2e10"
                           << "Below Minimum "
                           << "lblX2=50 Ω";
    QTest::newRow("cmdF") << "cmdF"
                          << "Please Enter the Excitation Frequency (MHz): \n\rNote: This will "
                             "change either the Cycles per Line\n\ror the Length of the Line"
                          << "Frequency"
                          << "100"
                          << "500"
                          << "lblF=500 MHz"
                          << "501"
                          << "Above Maximum "
                          << "lblF=100 MHz";
    QTest::newRow("cmdCycles_Len")
        << "cmdCycles_Len"
        << "Please Enter the Number of Cycles (or Wavelengths) per Line Length (~/len): \n\rNote: "
           "This will change either the Frequency\n\r or the Length of the Line"
        << "Cycles per Line Length"
        << "4"
        << "8"
        << "lblCycles_Len=8 Cycles/LineLength"
        << "0.005"
        << "Below Minimum "
        << "lblCycles_Len=4 Cycles/LineLength";
    QTest::newRow("mnuEnterCycles")
        << "mnuEnterCycles"
        << "Please Enter the Number of Cycles (or Wavelengths) per Line Length (~/len): \n\rNote: "
           "This will change either the Frequency\n\r or the Length of the Line"
        << "Cycles per Line Length"
        << "4"
        << "0.5"
        << "lblCycles_Len=.5 Cycles/LineLength"
        << "21"
        << "Above Maximum "
        << "lblCycles_Len=4 Cycles/LineLength";
    QTest::newRow("cmdLength") << "cmdLength"
                               << "Please Enter the Line Length (m): \n\rNote: This will change "
                                  "either the Cycles per Line\n\r or the Frequency"
                               << "Line Length"
                               << "9.6"
                               << "48"
                               << "lblLength=48 m"
                               << "49"
                               << "Above Maximum "
                               << "lblLength=9.6 m";
    QTest::newRow("cmdAttn") << "cmdAttn"
                             << "Please Enter the Attenuation per Line Length as a Pecentage: "
                             << "Line Attenuation "
                             << "0"
                             << "100"
                             << "lblAttn=100 %"
                             << "101"
                             << "Above Maximum "
                             << "lblAttn=0 %";
    QTest::newRow("cmdVp") << "cmdVp"
                           << "Please Enter Phase Velocity (% of Speed of Light): "
                           << "Phase Velocity"
                           << "80"
                           << "100"
                           << "lblVp=100 % of c"
                           << "5"
                           << "Below Minimum "
                           << "lblVp=80 % of c";
    QTest::newRow("cmdPW") << "cmdPW"
                           << "Please Enter Pulse Width (points, 1pt = 0.2 ns): "
                           << "Pulse Width"
                           << "10"
                           << "3.5"
                           << "lblPW=4 points, 1pt = 0.2 ns"
                           << "1001"
                           << "Above Maximum "
                           << "lblPW=10 points, 1pt = 0.2 ns";
    QTest::newRow("cmdPS") << "cmdPS"
                           << "Please Enter Pulse Train Separation (points, 1pt = 0.2 ns): "
                           << "Pulse Separation"
                           << "10"
                           << "2.5"
                           << "lblPS=2 points, 1pt = 0.2 ns"
                           << "0"
                           << "Below Minimum "
                           << "lblPS=10 points, 1pt = 0.2 ns";
}

void EntryCommandsTest::everyCommand() {
    QFETCH(QString, name);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(QString, defaultText);
    QFETCH(QString, accepted);
    QFETCH(QString, labelAfter);
    QFETCH(QString, refused);
    QFETCH(QString, refusalTitle);
    QFETCH(QString, labelRefused);

    auto ok = RunOnce(name, {accepted.toStdString()});
    QVERIFY(!ok->dialogs.shown.empty());
    const auto& box = ok->dialogs.shown[0];
    QCOMPARE(QString::fromStdString(box.text), prompt);
    QCOMPARE(QString::fromStdString(box.title), title);
    QCOMPARE(QString::fromStdString(box.defaultText), defaultText);
    QVERIFY(ok->dialogs.Messages().empty());
    QCOMPARE(FirstLabel(*ok), labelAfter);

    auto no = RunOnce(name, {refused.toStdString()});
    const auto messages = no->dialogs.Messages();
    QCOMPARE(int(messages.size()), 1);
    QCOMPARE(QString::fromStdString(messages[0].title), refusalTitle);
    QCOMPARE(FirstLabel(*no), labelRefused);
}

void EntryCommandsTest::menuTwinsRunTheirButton_data() {
    QTest::addColumn<QString>("twin");
    QTest::addColumn<QString>("button");
    QTest::newRow("Zo") << "mnuEnterZo"
                        << "cmdZo";
    QTest::newRow("R1") << "mnuEnterR1"
                        << "cmdR1";
    QTest::newRow("R2") << "mnuEnterR2"
                        << "cmdR2";
    QTest::newRow("L") << "mnuEnterL"
                       << "cmdLu";
    QTest::newRow("C") << "mnuEnterC"
                       << "cmdCu";
    QTest::newRow("V") << "mnuEnterPeakVoltage"
                       << "cmdPeakVoltage";
    QTest::newRow("Attn") << "mnuEnterAttn"
                          << "cmdAttn";
}

void EntryCommandsTest::menuTwinsRunTheirButton() {
    QFETCH(QString, twin);
    QFETCH(QString, button);
    auto viaMenu = RunOnce(twin, {"7"});
    auto viaButton = RunOnce(button, {"7"});
    QCOMPARE(viaMenu->dialogs.shown[0].text, viaButton->dialogs.shown[0].text);
    QCOMPARE(viaMenu->dialogs.shown[0].title, viaButton->dialogs.shown[0].title);
    QCOMPARE(FirstLabel(*viaMenu), FirstLabel(*viaButton));
}

void EntryCommandsTest::recomputes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<double>("expected");
    // Start values: Zo 50, length 9.6 m, Vp 240 m/µs, step 1/200.
    QTest::newRow("r1") << "cmdR1"
                        << "100"
                        << "NormSourceResistance" << 2.0;
    QTest::newRow("r2") << "cmdR2"
                        << "25"
                        << "NormLoadResistance" << 0.5;
    QTest::newRow("l") << "cmdLu"
                       << "2"
                       << "NormLoadInductance" << 1.0;  // 2×240/(50×9.6)
    QTest::newRow("c") << "cmdCu"
                       << "100"
                       << "NormLoadCapacitance" << 0.125;
    QTest::newRow("vp") << "cmdVp"
                        << "100"
                        << "Vp" << 300.0;
    QTest::newRow("attn 50") << "cmdAttn"
                             << "50"
                             << "AttenuationConstant" << std::log(2.0);
    QTest::newRow("attn 100 is total loss")
        << "cmdAttn"
        << "100"
        << "AttenuationConstant" << std::numeric_limits<double>::infinity();
    QTest::newRow("pw 2.5 to even") << "cmdPW"
                                    << "2.5"
                                    << "PulseWidth" << 2.0;
    QTest::newRow("pw 3.5 to even") << "cmdPW"
                                    << "3.5"
                                    << "PulseWidth" << 4.0;
    QTest::newRow("ps 2.5 to even") << "cmdPS"
                                    << "2.5"
                                    << "PulseSeparation" << 2.0;
    QTest::newRow("zo changes no resistance") << "cmdZo"
                                              << "100"
                                              << "NormSourceResistance" << 0.0;
}

void EntryCommandsTest::recomputes() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, quantity);
    QFETCH(double, expected);
    auto run = RunOnce(name, {typed.toStdString()});
    const sim::Model& m = run->model;
    const std::map<QString, double> values = {{"NormSourceResistance", m.NormSourceResistance},
                                              {"NormLoadResistance", m.NormLoadResistance},
                                              {"NormLoadInductance", m.NormLoadInductance},
                                              {"NormLoadCapacitance", m.NormLoadCapacitance},
                                              {"Vp", m.Vp},
                                              {"AttenuationConstant", m.AttenuationConstant},
                                              {"PulseWidth", m.PulseWidth},
                                              {"PulseSeparation", m.PulseSeparation}};
    QVERIFY(qFuzzyCompare(values.at(quantity) + 1, expected + 1) ||
            values.at(quantity) == expected);
}

void EntryCommandsTest::cancelStillRewritesAndRecomputes() {
    Run run;
    run.model.SourceResistance = sim::Value(25, "25.0");
    run.model.NormSourceResistance = -1;
    auto effects = entry::RunEntryCommand("cmdR1", run.model, run.dialogs, kHeldCycles);
    QVERIFY(effects);
    QVERIFY(run.dialogs.Messages().empty());
    QCOMPARE(effects->labels.size(), size_t(1));
    QCOMPARE(effects->labels[0].text, std::string("25.0 Ω"));
    QCOMPARE(run.model.NormSourceResistance, 0.5);

    // A refused pulse width is rounded again, and its label still rewritten.
    Run pulse;
    pulse.dialogs = ScriptedDialogs({"abc"});
    pulse.model.PulseWidth = 6.5;
    effects = entry::RunEntryCommand("cmdPW", pulse.model, pulse.dialogs, kHeldCycles);
    QCOMPARE(pulse.model.PulseWidth.number, 6.0);
    QCOMPARE(effects->labels[0].text, std::string("6 points, 1pt = 0.2 ns"));
}

void EntryCommandsTest::startUpLabels() {
    const std::vector<entry::LabelText> expected = {
        {"lblPeakVoltage", "1 Volts"},
        {"lblR1", "50 Ω"},
        {"lblR2", "50 Ω"},
        {"lblZo", "50 Ω"},
        {"lblZo1", "50 Ω"},
        {"lblZo2", "50 Ω"},
        {"lblL", "1 µH"},
        {"lblC", "100 pF"},
        {"lblX2", "50 Ω"},
        {"lblF", "100 MHz"},
        {"lblCycles_Len", "4 Cycles/LineLength"},
        {"lblLength", "9.6 m"},
        {"lblAttn", "0 %/len"},
        {"lblVp", "80% c"},
        {"lblPW", "10 points, 1pt = 0.2 ns"},
        {"lblPS", "10 points, 1pt = 0.2 ns"},
    };
    const auto labels = entry::StartUpLabels(sim::StartValues());
    QCOMPARE(labels.size(), expected.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels[i].label, expected[i].label);
        QCOMPARE(labels[i].text, expected[i].text);
    }
}

void EntryCommandsTest::limitsOf() {
    for (const char* name :
         {"SourceResistance", "LoadResistance", "LoadCapacitance", "LoadInductance",
          "LoadReactance", "Zo", "Zo1", "Zo2", "LineLength", "PhaseVelocity", "Attenuation",
          "CyclesPerLength", "Frequency", "PulseWidth", "PulseSeparation", "PeakVoltage"})
        QVERIFY2(entry::LimitsOf(name).has_value(), name);
    QVERIFY(!entry::LimitsOf("SourceType"));

    const auto zo = *entry::LimitsOf("Zo");
    QCOMPARE(zo.min, 1.0f);
    QCOMPARE(zo.max, 1e10f);
    QVERIFY(zo.nonNegativeOnly);
    const auto volts = *entry::LimitsOf("PeakVoltage");
    QVERIFY(!volts.nonNegativeOnly);
    QVERIFY(entry::WithinLimits(-20, volts) && entry::WithinLimits(20, volts));
    QVERIFY(!entry::WithinLimits(-20.5, volts) && !entry::WithinLimits(21, volts));
    QCOMPARE(double(entry::LimitsOf("LoadCapacitance")->max), 999999995904.0);

    const auto start = sim::StartValues();
    QCOMPARE(entry::LimitsOf("Frequency", start)->max, 500.0f);
    QCOMPARE(entry::LimitsOf("Frequency", start)->min, 0.01f);
    QCOMPARE(entry::LimitsOf("LineLength", start)->max, 48.0f);
    QCOMPARE(entry::LimitsOf("LineLength", start)->min, 1e-6f);
    QCOMPARE(entry::LimitsOf("CyclesPerLength", start)->max, 20.0f);
}

void EntryCommandsTest::unknownNameDoesNothing() {
    Run run;
    QVERIFY(!entry::RunEntryCommand("cmdNothing", run.model, run.dialogs, kHeldCycles));
    QVERIFY(run.dialogs.shown.empty());
}

QTEST_APPLESS_MAIN(EntryCommandsTest)
#include "entry_commands_test.moc"
