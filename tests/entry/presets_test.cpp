// Every preset menu item: its caption, what it sets, its label and its recomputation.

#include "entry/presets.h"

#include <QtTest>
#include <cmath>

#include "scripted_dialogs.h"

using entry_test::ScriptedDialogs;

namespace {

// Advanced set-up with frequency held: the Cycles menu is usable and recomputes the length.
const entry::CouplingState kHeldFrequency{entry::ButtonsWithHeld(0), 0, false};

QStringList Captions(const std::vector<entry::LabelText>& labels) {
    QStringList list;
    for (const auto& l : labels) list << QString::fromStdString(l.label + "=" + l.text);
    return list;
}

}  // namespace

class PresetsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyItem_data();
    void everyItem();
    void infiniteResistances_data();
    void infiniteResistances();
    void recomputes_data();
    void recomputes();
    void sourceRestartsTheClockAndMovesTheCheck();
    void cyclesNoteComesFirst();
    void presetReplacesATypedValue();
};

void PresetsTest::everyItem_data() {
    QTest::addColumn<QString>("menu");  // the row tag is the item
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");  // {"<none>"}: a separator, no action
    QTest::addColumn<QString>("sourceType");  // for the Source items
    QTest::newRow("mnu50Ohms") << "mnuZo"
                               << "50 " << QStringList{"lblZo=50 Ω"} << "";
    QTest::newRow("mnu100Ohms") << "mnuZo"
                                << "100" << QStringList{"lblZo=100 Ω"} << "";
    QTest::newRow("mnu300Ohms") << "mnuZo"
                                << "300" << QStringList{"lblZo=300 Ω"} << "";
    QTest::newRow("mnuHyp2") << "mnuZo"
                             << "-" << QStringList{"<none>"} << "";
    QTest::newRow("mnuEnterZo") << "mnuZo"
                                << "Enter Zo" << QStringList{"lblZo=50 Ω"} << "";
    QTest::newRow("mnuDC") << "mnuSource"
                           << "DC" << QStringList{} << "DC";
    QTest::newRow("mnuSine") << "mnuSource"
                             << "Sine" << QStringList{} << "Sine";
    QTest::newRow("mnuCosine") << "mnuSource"
                               << "Cosine" << QStringList{} << "Cosine";
    QTest::newRow("mnuSinglePulse") << "mnuSource"
                                    << "Single Pulse" << QStringList{} << "Pulse";
    QTest::newRow("mnuPulseTrain") << "mnuSource"
                                   << "Pulse Train" << QStringList{} << "Pulse Train";
    QTest::newRow("mnuSourceOff") << "mnuSource"
                                  << "Source Off" << QStringList{} << "Off";
    QTest::newRow("mnu0volts") << "mnuVoltage"
                               << "0 V" << QStringList{"lblPeakVoltage=0 Volts"} << "";
    QTest::newRow("mnu1volt") << "mnuVoltage"
                              << "1 V" << QStringList{"lblPeakVoltage=1 Volts"} << "";
    QTest::newRow("mnu2volts") << "mnuVoltage"
                               << "2 V" << QStringList{"lblPeakVoltage=2 Volts"} << "";
    QTest::newRow("mnu3volts") << "mnuVoltage"
                               << "3 V" << QStringList{"lblPeakVoltage=3 Volts"} << "";
    QTest::newRow("mnu4volts") << "mnuVoltage"
                               << "4 V" << QStringList{"lblPeakVoltage=4 Volts"} << "";
    QTest::newRow("mnuHyp3") << "mnuVoltage"
                             << "-" << QStringList{"<none>"} << "";
    QTest::newRow("mnuEnterPeakVoltage")
        << "mnuVoltage"
        << "Enter  Peak Voltage" << QStringList{"lblPeakVoltage=1 Volts"} << "";
    QTest::newRow("mnu0attn") << "mnuAttn"
                              << "0%" << QStringList{"lblAttn=0 %"} << "";
    QTest::newRow("mnu10attn") << "mnuAttn"
                               << "10%" << QStringList{"lblAttn=10 %"} << "";
    QTest::newRow("mnu30attn") << "mnuAttn"
                               << "30%" << QStringList{"lblAttn=30 %"} << "";
    QTest::newRow("mnu50attn") << "mnuAttn"
                               << "50%" << QStringList{"lblAttn=50 %"} << "";
    QTest::newRow("mnu70attn") << "mnuAttn"
                               << "70%" << QStringList{"lblAttn=70 %"} << "";
    QTest::newRow("mnu90attn") << "mnuAttn"
                               << "90%" << QStringList{"lblAttn=90 %"} << "";
    QTest::newRow("mnu99attn") << "mnuAttn"
                               << "99%" << QStringList{"lblAttn=99 %"} << "";
    QTest::newRow("mnuHyp4") << "mnuAttn"
                             << "-" << QStringList{"<none>"} << "";
    QTest::newRow("mnuEnterAttn") << "mnuAttn"
                                  << "Enter Attenuation" << QStringList{"lblAttn=0 %"} << "";
    QTest::newRow("mnuQuarterCycle")
        << "mnuCycles"
        << "0.25" << QStringList{"lblCycles_Len=.25 Cycles/LineLength", "lblLength=.6 m"} << "";
    QTest::newRow("mnuHalfCycle") << "mnuCycles"
                                  << "0.5"
                                  << QStringList{"lblCycles_Len=.5 Cycles/LineLength",
                                                 "lblLength=1.2 m"}
                                  << "";
    QTest::newRow("mnu1Cycle") << "mnuCycles"
                               << "1"
                               << QStringList{"lblCycles_Len=1 Cycles/LineLength",
                                              "lblLength=2.4 m"}
                               << "";
    QTest::newRow("mnu2Cycles") << "mnuCycles"
                                << "2"
                                << QStringList{"lblCycles_Len=2 Cycles/LineLength",
                                               "lblLength=4.8 m"}
                                << "";
    QTest::newRow("mnu4Cycles") << "mnuCycles"
                                << "4"
                                << QStringList{"lblCycles_Len=4 Cycles/LineLength",
                                               "lblLength=9.6 m"}
                                << "";
    QTest::newRow("mnuHyphen") << "mnuCycles"
                               << "-" << QStringList{"<none>"} << "";
    QTest::newRow("mnuEnterCycles")
        << "mnuCycles"
        << "Enter Cycles" << QStringList{"lblCycles_Len=4 Cycles/LineLength", "lblLength=9.6 m"}
        << "";
    QTest::newRow("mnu0OhmsR1") << "mnuRSource"
                                << "0" << QStringList{"lblR1=0 Ω"} << "";
    QTest::newRow("mnu50OhmsR1") << "mnuRSource"
                                 << "50" << QStringList{"lblR1=50 Ω"} << "";
    QTest::newRow("mnu100OhmsR1") << "mnuRSource"
                                  << "100" << QStringList{"lblR1=100 Ω"} << "";
    QTest::newRow("mnu500OhmsR1") << "mnuRSource"
                                  << "500" << QStringList{"lblR1=500 Ω"} << "";
    QTest::newRow("mnuInfiniteOhmsR1") << "mnuRSource"
                                       << "Infinite" << QStringList{"lblR1= ∞ Ω"} << "";
    QTest::newRow("mnuHyp6") << "mnuRSource"
                             << "-" << QStringList{"<none>"} << "";
    QTest::newRow("mnuEnterR1") << "mnuRSource"
                                << "Enter R1" << QStringList{"lblR1=50 Ω"} << "";
    QTest::newRow("mnu0OhmsR2") << "mnuRLoad"
                                << "0" << QStringList{"lblR2=0 Ω"} << "";
    QTest::newRow("mnu50OhmsR2") << "mnuRLoad"
                                 << "50" << QStringList{"lblR2=50 Ω"} << "";
    QTest::newRow("mnu100OhmsR2") << "mnuRLoad"
                                  << "100" << QStringList{"lblR2=100 Ω"} << "";
    QTest::newRow("mnu500OhmsR2") << "mnuRLoad"
                                  << "500" << QStringList{"lblR2=500 Ω"} << "";
    QTest::newRow("mnuInfiniteOhmsR2") << "mnuRLoad"
                                       << "Infinite" << QStringList{"lblR2= ∞ Ω"} << "";
    QTest::newRow("mnuHyp7") << "mnuRLoad"
                             << "-" << QStringList{"<none>"} << "";
    QTest::newRow("mnuEnterR2") << "mnuRLoad"
                                << "Enter R2" << QStringList{"lblR2=50 Ω"} << "";
    QTest::newRow("mnuHalfuH") << "mnuLLoad"
                               << "0.5 uH" << QStringList{"lblL=0.5 µH"} << "";
    QTest::newRow("mnu1uH") << "mnuLLoad"
                            << "1 uH" << QStringList{"lblL=1 µH"} << "";
    QTest::newRow("mnu2uH") << "mnuLLoad"
                            << "2 uH" << QStringList{"lblL=2 µH"} << "";
    QTest::newRow("mnuHyp11") << "mnuLLoad"
                              << "-" << QStringList{"<none>"} << "";
    QTest::newRow("mnuEnterL") << "mnuLLoad"
                               << "Enter L" << QStringList{"lblL=1 µH"} << "";
    QTest::newRow("mnu50pF") << "mnuCLoad"
                             << "50 pF" << QStringList{"lblC=50 pF"} << "";
    QTest::newRow("mnu100pF") << "mnuCLoad"
                              << "100 pF" << QStringList{"lblC=100 pF"} << "";
    QTest::newRow("mnu200pF") << "mnuCLoad"
                              << "200 pF" << QStringList{"lblC=200 pF"} << "";
    QTest::newRow("mnuEnterC") << "mnuCLoad"
                               << "Enter C" << QStringList{"lblC=100 pF"} << "";
    QTest::newRow("mnu50Ohms50pF")
        << "mnuRCLoad"
        << "50 ohms,  50 pF" << QStringList{"lblR2=50 Ω", "lblC=50 pF"} << "";
    QTest::newRow("mnu50Ohms100pF")
        << "mnuRCLoad"
        << "50 ohms,  100 pF" << QStringList{"lblR2=50 Ω", "lblC=100 pF"} << "";
    QTest::newRow("mnu50Ohms200pF")
        << "mnuRCLoad"
        << "50 ohms,  200 pF" << QStringList{"lblR2=50 Ω", "lblC=200 pF"} << "";
    QTest::newRow("mnu100Ohms50pF")
        << "mnuRCLoad"
        << "100 ohms,  50 pF" << QStringList{"lblR2=100 Ω", "lblC=50 pF"} << "";
    QTest::newRow("mnu100Ohms100pF")
        << "mnuRCLoad"
        << "100 ohms,  100 pF" << QStringList{"lblR2=100 Ω", "lblC=100 pF"} << "";
    QTest::newRow("mnu100Ohms200pF")
        << "mnuRCLoad"
        << "100 ohms,200 pF" << QStringList{"lblR2=100 Ω", "lblC=200 pF"} << "";
    QTest::newRow("mnu200Ohms50pF")
        << "mnuRCLoad"
        << "200 ohms,  50 pF" << QStringList{"lblR2=200 Ω", "lblC=50 pF"} << "";
    QTest::newRow("mnu200Ohms100pF")
        << "mnuRCLoad"
        << "200 ohms, 100 pF" << QStringList{"lblR2=200 Ω", "lblC=100 pF"} << "";
    QTest::newRow("mnu200Ohms200pF")
        << "mnuRCLoad"
        << "200 ohms,  200 pF" << QStringList{"lblR2=200 Ω", "lblC=200 pF"} << "";
    QTest::newRow("mnu50OhmsHalfuH")
        << "mnuRLLoad"
        << "50 ohms, 0.5 uH" << QStringList{"lblR2=50 Ω", "lblL=0.5 µH"} << "";
    QTest::newRow("mnu50Ohms1uH") << "mnuRLLoad"
                                  << "50 ohms, 1 uH" << QStringList{"lblR2=50 Ω", "lblL=1 µH"}
                                  << "";
    QTest::newRow("mnu50Ohms2uH") << "mnuRLLoad"
                                  << "50 ohms, 2 uH" << QStringList{"lblR2=50 Ω", "lblL=2 µH"}
                                  << "";
    QTest::newRow("mnu100OhmsHalfuH")
        << "mnuRLLoad"
        << "100 ohms, 0.5 uH" << QStringList{"lblR2=100 Ω", "lblL=0.5 µH"} << "";
    QTest::newRow("mnu100Ohms1uH")
        << "mnuRLLoad"
        << "100 ohms, 1 uH" << QStringList{"lblR2=100 Ω", "lblL=1 µH"} << "";
    QTest::newRow("mnu100Ohms2uH")
        << "mnuRLLoad"
        << "100 ohms, 2 uH" << QStringList{"lblR2=100 Ω", "lblL=2 µH"} << "";
    QTest::newRow("mnu200OhmsHalfuH")
        << "mnuRLLoad"
        << "200 ohms, 0.5 uH" << QStringList{"lblR2=200 Ω", "lblL=0.5 µH"} << "";
    QTest::newRow("mnu200Ohms1uH")
        << "mnuRLLoad"
        << "200 ohms, 1 uH" << QStringList{"lblR2=200 Ω", "lblL=1 µH"} << "";
    QTest::newRow("mnu200Ohms2uH")
        << "mnuRLLoad"
        << "200 ohms, 2 uH" << QStringList{"lblR2=200 Ω", "lblL=2 µH"} << "";
    QTest::newRow("mnu25PlusJ25") << "mnuZLoad"
                                  << "25 + j25" << QStringList{"lblR2=25 Ω", "lblX2=25 Ω"} << "";
    QTest::newRow("mnu25PlusJ100") << "mnuZLoad"
                                   << "25 + j100" << QStringList{"lblR2=25 Ω", "lblX2=100 Ω"} << "";
    QTest::newRow("mnu100PlusJ30") << "mnuZLoad"
                                   << "100 + j30" << QStringList{"lblR2=100 Ω", "lblX2=30 Ω"} << "";
    QTest::newRow("mnu100PlusJ100")
        << "mnuZLoad"
        << "100 + j100" << QStringList{"lblR2=100 Ω", "lblX2=100 Ω"} << "";
    QTest::newRow("mnu100PlusJ300")
        << "mnuZLoad"
        << "100 + j300" << QStringList{"lblR2=100 Ω", "lblX2=300 Ω"} << "";
    QTest::newRow("mnu25MinusJ25") << "mnuZLoad"
                                   << "25 - j25" << QStringList{"lblR2=25 Ω", "lblX2=-25 Ω"} << "";
    QTest::newRow("mnu25MinusJ100")
        << "mnuZLoad"
        << "25 - j100" << QStringList{"lblR2=25 Ω", "lblX2=-100 Ω"} << "";
    QTest::newRow("mnu100MinusJ30")
        << "mnuZLoad"
        << "100 - j30" << QStringList{"lblR2=100 Ω", "lblX2=-30 Ω"} << "";
    QTest::newRow("mnu100MinusJ100")
        << "mnuZLoad"
        << "100 - j100" << QStringList{"lblR2=100 Ω", "lblX2=-100 Ω"} << "";
    QTest::newRow("mnu100MinusJ300")
        << "mnuZLoad"
        << "100 - j300" << QStringList{"lblR2=100 Ω", "lblX2=-300 Ω"} << "";
}

void PresetsTest::everyItem() {
    const QString item = QTest::currentDataTag();
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    QFETCH(QString, sourceType);

    const entry::Preset* row = entry::FindPreset(item.toStdString());
    QVERIFY(row);
    QCOMPARE(QString::fromUtf8(row->menu.data(), row->menu.size()), menu);
    QCOMPARE(QString::fromUtf8(row->caption.data(), row->caption.size()), caption);

    sim::Model m = sim::StartValues();
    m.SourceTicks = 17;
    ScriptedDialogs dialogs;  // an "Enter" item is cancelled
    const auto effects = entry::ApplyPreset(item.toStdString(), m, dialogs, kHeldFrequency);
    if (labels == QStringList{"<none>"}) {
        QVERIFY(!effects);
        return;
    }
    QVERIFY(effects);
    QCOMPARE(Captions(effects->labels), labels);
    if (sourceType.isEmpty()) {
        QVERIFY(effects->checkItem.empty());  // "0%" keeps its check mark whatever is chosen
        QCOMPARE(m.SourceTicks, 17);
    } else {
        QCOMPARE(QString::fromStdString(m.SourceType), sourceType);
        QCOMPARE(QString::fromStdString(effects->checkItem), item);
    }
}

void PresetsTest::infiniteResistances_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("normalised");
    QTest::newRow("source") << "mnuInfiniteOhmsR1" << 9999999.0 << 9999999.0 / 50;
    QTest::newRow("load") << "mnuInfiniteOhmsR2" << 99999999.0 << 99999999.0 / 50;
}

void PresetsTest::infiniteResistances() {
    QFETCH(QString, item);
    QFETCH(double, stored);
    QFETCH(double, normalised);
    sim::Model m = sim::StartValues();
    ScriptedDialogs dialogs;
    entry::ApplyPreset(item.toStdString(), m, dialogs, kHeldFrequency);
    const bool source = item.endsWith("R1");
    QCOMPARE((source ? m.SourceResistance : m.LoadResistance).number, stored);
    QCOMPARE(source ? m.NormSourceResistance : m.NormLoadResistance, normalised);
}

void PresetsTest::recomputes_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<double>("expected");
    // Start values: Zo 50, length 9.6 m, Vp 240 m/µs.
    QTest::newRow("attn 50%") << "mnu50attn"
                              << "AttenuationConstant" << std::log(2.0);
    QTest::newRow("attn 99%") << "mnu99attn"
                              << "AttenuationConstant" << std::log(100.0);
    QTest::newRow("R1 100") << "mnu100OhmsR1"
                            << "NormSourceResistance" << 2.0;
    QTest::newRow("R2 0") << "mnu0OhmsR2"
                          << "NormLoadResistance" << 0.0;
    QTest::newRow("L 2 uH") << "mnu2uH"
                            << "NormLoadInductance" << 1.0;
    QTest::newRow("C 200 pF") << "mnu200pF"
                              << "NormLoadCapacitance" << 0.25;
    QTest::newRow("RC sets both: R") << "mnu100Ohms200pF"
                                     << "NormLoadResistance" << 2.0;
    QTest::newRow("RC sets both: C") << "mnu100Ohms200pF"
                                     << "NormLoadCapacitance" << 0.25;
    QTest::newRow("RL sets both: L") << "mnu200Ohms2uH"
                                     << "NormLoadInductance" << 1.0;
    QTest::newRow("Z sets the reactance") << "mnu100MinusJ30"
                                          << "LoadReactance" << -30.0;
    QTest::newRow("Zo recomputes no resistance") << "mnu300Ohms"
                                                 << "NormSourceResistance" << -1.0;
}

void PresetsTest::recomputes() {
    QFETCH(QString, item);
    QFETCH(QString, quantity);
    QFETCH(double, expected);
    sim::Model m = sim::StartValues();
    m.NormSourceResistance = -1;  // shows whether it was touched
    ScriptedDialogs dialogs;
    entry::ApplyPreset(item.toStdString(), m, dialogs, kHeldFrequency);
    const std::map<QString, double> values = {{"AttenuationConstant", m.AttenuationConstant},
                                              {"NormSourceResistance", m.NormSourceResistance},
                                              {"NormLoadResistance", m.NormLoadResistance},
                                              {"NormLoadInductance", m.NormLoadInductance},
                                              {"NormLoadCapacitance", m.NormLoadCapacitance},
                                              {"LoadReactance", m.LoadReactance}};
    QVERIFY(qFuzzyCompare(values.at(quantity) + 1, expected + 1));
    QCOMPARE(m.LoadType, std::string("Resistor"));  // a preset never changes the load type
}

void PresetsTest::sourceRestartsTheClockAndMovesTheCheck() {
    sim::Model m = sim::StartValues();
    m.SourceTicks = 250;  // a run is going on
    ScriptedDialogs dialogs;
    const auto effects = entry::ApplyPreset("mnuSinglePulse", m, dialogs, kHeldFrequency);
    QCOMPARE(m.SourceType, std::string("Pulse"));
    QCOMPARE(m.SourceTicks, 0);
    const std::vector<entry::ControlStep> steps = {{"Unchecked", "Source"}};
    QCOMPARE(effects->controlSteps, steps);
    QCOMPARE(effects->checkItem, std::string("mnuSinglePulse"));
    QVERIFY(dialogs.shown.empty());
}

void PresetsTest::cyclesNoteComesFirst() {
    sim::Model m = sim::StartValues();
    ScriptedDialogs dialogs;
    const auto effects = entry::ApplyPreset("mnuHalfCycle", m, dialogs, kHeldFrequency);
    // The note is shown while the function runs; the labels are only handed back afterwards.
    QCOMPARE(int(dialogs.shown.size()), 1);
    QCOMPARE(dialogs.shown[0].title, std::string("Cycles/Length "));
    QCOMPARE(effects->labels.front().text, std::string(".5 Cycles/LineLength"));
    QCOMPARE(m.CyclesPerLength.number, 0.5);

    // The same preset during a free run lifts the run state for the recomputation.
    m = sim::StartValues();
    const entry::CouplingState running{{false, false, false}, 2, true};
    const auto duringRun = entry::ApplyPreset("mnu2Cycles", m, dialogs, running);
    QCOMPARE(duringRun->controlSteps.size(), size_t(3));
    QCOMPARE(Captions(duringRun->labels),
             (QStringList{"lblCycles_Len=2 Cycles/LineLength", "lblF=50 MHz"}));
}

void PresetsTest::presetReplacesATypedValue() {
    sim::Model m = sim::StartValues();
    m.LoadResistance = sim::Value(100, "0100");
    ScriptedDialogs dialogs;
    const auto effects = entry::ApplyPreset("mnu100OhmsR2", m, dialogs, kHeldFrequency);
    QVERIFY(!m.LoadResistance.isTyped());
    QCOMPARE(effects->labels[0].text, std::string("100 Ω"));
    // The inductance presets show a leading zero, unlike the cycles presets.
    const auto half = entry::ApplyPreset("mnuHalfuH", m, dialogs, kHeldFrequency);
    QCOMPARE(half->labels[0].text, std::string("0.5 µH"));
}

QTEST_APPLESS_MAIN(PresetsTest)
#include "presets_test.moc"
