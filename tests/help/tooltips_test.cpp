#include "app/tooltips.h"

#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/form1.h"

namespace {

struct Expected {
    const char* element;
    const char* text;
};

// The texts as the user must read them, kept apart from the program's own table.
const Expected kExpected[] = {
    {"cmdR1", "Source Resistance"},
    {"cmdPeakVoltage", "Peak Voltage Amplitude"},
    {"cmdZo1", "Line 1 Characteristic Impedance"},
    {"cmdZo2", "Line 2 Characteristic Impedance"},
    {"cmdZo", "Characteristic Impedance"},
    {"optResistor", "Resistive Load"},
    {"optInductor", "Inductive Load"},
    {"optCapacitor", "Capacitive Load"},
    {"optParallelRC", " Parallel RC Load"},
    {"optSeriesRL", "Series RL Load"},
    {"optImpedance", "General Complex Load"},
    {"cmdR2", "Specify Load Resistance "},
    {"cmdCu", "Specify Load Capacitance"},
    {"cmdLu", "Specify Load Inductance"},
    {"cmdX2", "Specify Load Reactance"},
    {"optParameter(0)", "Hold Frequency Constant"},
    {"optParameter(1)", "Hold Cycles/Length Constant"},
    {"optParameter(2)", "Hold Line Length Constant"},
    {"cmdF", " Sinusoidal Excitation Frequency"},
    {"cmdCycles_Len", "For Sinusoidal Sources: # of Cycles seen between Source and Load"},
    {"cmdLength", "Length of Line"},
    {"cmdVp", "Phase Velocity"},
    {"cmdAttn", "Line Attenuation"},
    {"cmdPW", "Pulse Width"},
    {"cmdPS", "Pulse Separation"},
    {"cmdSimulate", "Start/Restart Simulation"},
    {"cmdStop", "Stop & Change SetUp"},
    {"cmdCancel", "Exit"},
    {"cmdStep", "Advance 1 Time Step"},
    {"cmdContinue", "Free Running Animation"},
    {"cmdZoomIn", "Halve Amplitude Range"},
    {"cmdZoomOut", "Double Amplitude Range"},
    {"chkMeter", "Measure Ampl. & Distance"},
    {"chkVoltage", "Plot Voltage"},
    {"chkCurrent", "Plot Current"},
    {"chkEnvelope", "Display Envelope"},
    {"sldSpeedControl", "Rate of Time Step"},
};

}  // namespace

class ToolTipsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        window_ = std::make_unique<app::Form1>();
        // Start-up sets the tooltips last, while some elements are hidden or greyed; those must
        // get theirs all the same.
        QVERIFY(
            !window_->findChild<QWidget*>(QStringLiteral("cmdZo1"))->isVisibleTo(window_.get()));
        QVERIFY(!window_->findChild<QWidget*>(QStringLiteral("cmdStep"))->isEnabled());
    }
    void cleanupTestCase() { window_.reset(); }

    void everyElementShowsItsTooltip_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("text");
        for (const Expected& row : kExpected) {
            QTest::newRow(row.element)
                << QString::fromLatin1(row.element) << QString::fromLatin1(row.text);
        }
    }
    void everyElementShowsItsTooltip() {
        QFETCH(QString, element);
        QFETCH(QString, text);
        const auto found = window_->findChildren<QWidget*>(element);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.front()->toolTip(), text);
    }

    // Labels, frames and the plot explain nothing by hovering.
    void onlyTheListedElementsHaveTooltips() {
        QStringList listed;
        for (const Expected& row : kExpected) listed.append(QString::fromLatin1(row.element));
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            if (!listed.contains(widget->objectName())) {
                QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
            }
        }
    }

    void missingElementsAreSkipped() {
        QWidget bare;
        auto* only = new QPushButton(&bare);
        only->setObjectName(QStringLiteral("cmdStop"));
        app::SpecifyToolTips(bare);
        QCOMPARE(only->toolTip(), QStringLiteral("Stop & Change SetUp"));
    }

  private:
    std::unique_ptr<app::Form1> window_;
};

QTEST_MAIN(ToolTipsTest)
#include "tooltips_test.moc"
