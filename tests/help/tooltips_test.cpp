#include "app/tooltips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>
#include <memory>

#ifdef CORVANE_TEST_WITH_FORM1
#include "app/form1.h"
#endif

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

#ifdef CORVANE_TEST_WITH_FORM1
std::unique_ptr<QWidget> MakeWindow() { return std::make_unique<app::Form1>(); }
#else
// Without the main window at hand: the same names, on the same kinds of widgets, with the
// hidden and greyed states of start-up, and a label and a frame that must stay without tooltip.
std::unique_ptr<QWidget> MakeWindow() {
    auto window = std::make_unique<QWidget>();
    auto* frame = new QGroupBox(QStringLiteral("Advanced Parameters"), window.get());
    frame->setObjectName(QStringLiteral("frameAdvPar"));
    frame->setEnabled(false);
    new QLabel(QStringLiteral("50 Ω"), window.get());
    for (const Expected& row : kExpected) {
        const QString name = QString::fromLatin1(row.element);
        QWidget* element = nullptr;
        if (name.startsWith(QLatin1String("opt"))) {
            element = new QRadioButton(name.startsWith(QLatin1String("optParameter"))
                                           ? static_cast<QWidget*>(frame)
                                           : window.get());
        } else if (name.startsWith(QLatin1String("chk"))) {
            element = new QCheckBox(window.get());
        } else if (name.startsWith(QLatin1String("sld"))) {
            element = new QSlider(Qt::Horizontal, window.get());
        } else {
            element = new QPushButton(window.get());
        }
        element->setObjectName(name);
    }
    window->findChild<QWidget*>(QStringLiteral("cmdZo1"))->hide();
    window->findChild<QWidget*>(QStringLiteral("cmdZo2"))->hide();
    window->findChild<QWidget*>(QStringLiteral("cmdStep"))->setEnabled(false);
    app::SpecifyToolTips(*window);
    return window;
}
#endif

}  // namespace

class ToolTipsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        window_ = MakeWindow();
        window_->show();
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

    void tableCoversEveryElementOnce() {
        QStringList names;
        for (const app::ToolTipRow& row : app::ToolTipTable()) names.append(row.element);
        QCOMPARE(names.size(), int(std::size(kExpected)));
        names.removeDuplicates();
        QCOMPARE(names.size(), int(std::size(kExpected)));
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
    std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(ToolTipsTest)
#include "tooltips_test.moc"
