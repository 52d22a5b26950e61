// The six load option buttons: keyword, enabled buttons and labels, and the one menu shown.

#include "entry/load_types.h"

#include <QtTest>
#include <set>

class LoadTypesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyType_data();
    void everyType();
    void exactlyOneMenuIsShown();
    void unknownTypeEnablesNothing();
    void orders();
};

void LoadTypesTest::everyType_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QString>("menu");
    QTest::newRow("resistor") << "optResistor"
                              << "Resistor"
                              << "Resistor" << QStringList{"cmdR2", "lblR2"} << "mnuRLoad";
    QTest::newRow("inductor") << "optInductor"
                              << "Inductor"
                              << "Inductor" << QStringList{"cmdLu", "lblL"} << "mnuLLoad";
    QTest::newRow("capacitor") << "optCapacitor"
                               << "Capacitor"
                               << "Capacitor" << QStringList{"cmdCu", "lblC"} << "mnuCLoad";
    QTest::newRow("parallel RC") << "optParallelRC"
                                 << "Parallel RC"
                                 << "ParallelRC" << QStringList{"cmdCu", "cmdR2", "lblC", "lblR2"}
                                 << "mnuRCLoad";
    QTest::newRow("series RL") << "optSeriesRL"
                               << "Series RL"
                               << "SeriesRL" << QStringList{"cmdLu", "cmdR2", "lblL", "lblR2"}
                               << "mnuRLLoad";
    QTest::newRow("impedance") << "optImpedance"
                               << "Impedance"
                               << "Impedance" << QStringList{"cmdR2", "cmdX2", "lblX2", "lblR2"}
                               << "mnuZLoad";
}

void LoadTypesTest::everyType() {
    QFETCH(QString, option);
    QFETCH(QString, caption);
    QFETCH(QString, keyword);
    QFETCH(QStringList, enabled);
    QFETCH(QString, menu);
    const entry::LoadTypeRow* row = entry::LoadTypeOfOption(option.toStdString());
    QVERIFY(row);
    QCOMPARE(QString::fromUtf8(row->caption.data(), row->caption.size()), caption);
    QCOMPARE(QString::fromUtf8(row->keyword.data(), row->keyword.size()), keyword);

    const auto selection = entry::SelectLoadType(keyword.toStdString());
    QVERIFY(selection.known);
    QCOMPARE(selection.disableStep, (entry::ControlStep{"Disable", "Load"}));
    QStringList got;
    for (const auto& name : selection.enable) got << QString::fromStdString(name);
    QCOMPARE(got, enabled);
    QCOMPARE(QString::fromStdString(selection.menu), menu);
}

void LoadTypesTest::exactlyOneMenuIsShown() {
    // Every type shows a different one of the six load menus, so after hiding all six and
    // showing the chosen one exactly one is visible.
    std::set<std::string> shown;
    for (const auto& row : entry::LoadTypes()) {
        const auto selection = entry::SelectLoadType(row.keyword);
        QVERIFY(std::find(entry::kLoadMenus.begin(), entry::kLoadMenus.end(), selection.menu) !=
                entry::kLoadMenus.end());
        shown.insert(selection.menu);
    }
    QCOMPARE(shown.size(), size_t(6));
    // Only the impedance load enables the reactance.
    for (const auto& row : entry::LoadTypes()) {
        const auto enable = entry::SelectLoadType(row.keyword).enable;
        const bool x2 = std::find(enable.begin(), enable.end(), "cmdX2") != enable.end();
        QCOMPARE(x2, row.keyword == "Impedance");
    }
}

void LoadTypesTest::unknownTypeEnablesNothing() {
    for (const char* type : {"resistor", "", "Parallel RC"}) {
        const auto selection = entry::SelectLoadType(type);
        QVERIFY(!selection.known);
        QVERIFY(selection.enable.empty());
        QVERIFY(selection.menu.empty());
    }
}

void LoadTypesTest::orders() {
    const std::array<std::string_view, 6> hide = {"mnuRLoad", "mnuCLoad",  "mnuLLoad",
                                                  "mnuZLoad", "mnuRCLoad", "mnuRLLoad"};
    QVERIFY(entry::kLoadMenus == hide);
    const std::array<std::string_view, 6> erase = {"Resistor",  "Capacitor",  "Inductor",
                                                   "Impedance", "ParallelRC", "SeriesRL"};
    QVERIFY(entry::kLoadEraseOrder == erase);
}

QTEST_APPLESS_MAIN(LoadTypesTest)
#include "load_types_test.moc"
