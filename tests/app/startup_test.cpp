// The window right after start-up: every element and menu where it belongs, in the state a
// user first sees.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "display/plot_area.h"
#include "form_fixture.h"

using app::Flag;
using apptest::Window;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void elements_data();
    void elements();
    void places_data();
    void places();
    void menuBar();
    void menuItems_data();
    void menuItems();
    void runState();
    void schematicAndLoad();
};

void StartupTest::elements_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("checked");
    struct Row {
        const char *name, *kind, *caption;
        bool enabled, visible, checked;
    };
    const Row rows[] = {
        {"cmdR1", "QPushButton", "R1", true, true, false},
        {"lblR1", "QLabel", "50 \u03A9", true, true, false},
        {"cmdPeakVoltage", "QPushButton", "V", true, true, false},
        {"lblPeakVoltage", "QLabel", "1 Volts", true, true, false},
        {"cmdZo", "QPushButton", "Zo", true, true, false},
        {"lblZo", "QLabel", "50 \u03A9", true, true, false},
        {"cmdZo1", "QPushButton", "Zo1", true, false, false},
        {"lblZo1", "QLabel", "50 \u03A9", true, false, false},
        {"cmdZo2", "QPushButton", "Zo2", true, false, false},
        {"lblZo2", "QLabel", "50 \u03A9", true, false, false},
        {"cmdSimulate", "QPushButton", "Simulate", true, true, false},
        {"cmdStop", "QPushButton", "Stop", true, true, false},
        {"cmdCancel", "QPushButton", "Exit", true, true, false},
        {"Label2", "QLabel", "V/mA", true, true, false},
        {"Picture1", "display::PlotArea", "", true, true, false},
        {"Label1", "QLabel", "m", true, true, false},
        {"cmdStep", "QPushButton", "Step", false, true, false},
        {"cmdContinue", "QPushButton", "Continue", false, true, false},
        {"cmdZoomIn", "QPushButton", "Zoom In", false, true, false},
        {"cmdZoomOut", "QPushButton", "Zoom Out", false, true, false},
        {"lblDisplay", "QLabel", "Tick Mark / Elapsed Time:", false, true, false},
        {"chkMeter", "QCheckBox", "Meter", true, true, false},
        {"chkVoltage", "QCheckBox", "Voltage", true, true, true},
        {"chkCurrent", "QCheckBox", "Current", true, true, false},
        {"chkEnvelope", "QCheckBox", "Envelope", true, true, false},
        {"sldSpeedControl", "QSlider", "", true, true, false},
        {"Label19", "QLabel", "Speed", true, true, false},
        {"Frame1", "QGroupBox", "Load Parameters", true, true, false},
        {"cmdLu", "QPushButton", "L", false, true, false},
        {"lblL", "QLabel", "1 \u00B5H", false, true, false},
        {"cmdR2", "QPushButton", "R2", true, true, false},
        {"lblR2", "QLabel", "50 \u03A9", true, true, false},
        {"cmdCu", "QPushButton", "C", false, true, false},
        {"lblC", "QLabel", "100 pF", false, true, false},
        {"cmdX2", "QPushButton", "j X2", false, true, false},
        {"lblX2", "QLabel", "50 \u03A9", false, true, false},
        {"optResistor", "QRadioButton", "Resistor", true, true, true},
        {"optInductor", "QRadioButton", "Inductor", true, true, false},
        {"optCapacitor", "QRadioButton", "Capacitor", true, true, false},
        {"optParallelRC", "QRadioButton", "Parallel RC", true, true, false},
        {"optSeriesRL", "QRadioButton", "Series RL", true, true, false},
        {"optImpedance", "QRadioButton", "Impedance", true, true, false},
        {"frameAdvPar", "QGroupBox", "Advanced Parameters", false, true, false},
        {"optParameter(0)", "QRadioButton", "", false, true, false},
        {"optParameter(1)", "QRadioButton", "", false, true, true},
        {"optParameter(2)", "QRadioButton", "", false, true, false},
        {"cmdF", "QPushButton", "F", false, true, false},
        {"cmdCycles_Len", "QPushButton", "Cyc/len", false, true, false},
        {"cmdLength", "QPushButton", "Length", false, true, false},
        {"cmdVp", "QPushButton", "Vp", false, true, false},
        {"cmdAttn", "QPushButton", "Attn", false, true, false},
        {"cmdPW", "QPushButton", "PW", false, true, false},
        {"cmdPS", "QPushButton", "PS", false, true, false},
        {"lblF", "QLabel", "100 MHz", false, true, false},
        {"lblCycles_Len", "QLabel", "4 Cycles/LineLength", false, true, false},
        {"lblLength", "QLabel", "9.6 m", false, true, false},
        {"lblVp", "QLabel", "80% c", false, true, false},
        {"lblAttn", "QLabel", "0 %/len", false, true, false},
        {"lblPW", "QLabel", "10 points, 1pt = 0.2 ns", false, true, false},
        {"lblPS", "QLabel", "10 points, 1pt = 0.2 ns", false, true, false},
        {"Line21", "app::SchematicPiece", "", true, true, false},
        {"Line20", "app::SchematicPiece", "", true, true, false},
        {"Shape4", "app::SchematicPiece", "", true, false, false},
        {"Shape5", "app::SchematicPiece", "", true, false, false},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromLatin1(r.kind)
                              << QString::fromUtf8(r.caption) << r.enabled << r.visible
                              << r.checked;
    }
}

QString CaptionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
    return {};
}

void StartupTest::elements() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    QFETCH(bool, checked);
    Window w;
    QWidget* element = w->Element(name);
    QVERIFY(element);
    QCOMPARE(element->objectName(), name);
    QCOMPARE(QString::fromLatin1(element->metaObject()->className()), kind);
    QCOMPARE(CaptionOf(element), caption);
    QCOMPARE(w->FlagOf(name, Flag::Enabled), enabled);
    QCOMPARE(w->FlagOf(name, Flag::Visible), visible);
    QCOMPARE(w->FlagOf(name, Flag::Checked), checked);
    // What the user meets: greyed by its own flag or by its frame, shown only when visible.
    QCOMPARE(element->isVisible(), visible);
    if (!enabled) QVERIFY(!element->isEnabled());
}

void StartupTest::places_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    // Twips at 96 dots per inch: 15 to the pixel.
    QTest::newRow("cmdSimulate") << "cmdSimulate"
                                 << "client" << QRect(128, 168, 89, 25) << "MS Sans Serif" << 8.25
                                 << false;
    QTest::newRow("Picture1") << "Picture1"
                              << "client" << QRect(88, 224, 393, 225) << "MS Sans Serif" << 8.25
                              << false;
    QTest::newRow("Label19") << "Label19"
                             << "client" << QRect(400, 507, 49, 17) << "Arial" << 9.75 << false;
    QTest::newRow("Frame1") << "Frame1"
                            << "client" << QRect(537, 8, 217, 177) << "MS Sans Serif" << 8.25
                            << true;
    QTest::newRow("lblR2") << "lblR2"
                           << "Frame1" << QRect(56, 64, 73, 17) << "MS Sans Serif" << 10.0 << false;
    QTest::newRow("lblPS") << "lblPS"
                           << "frameAdvPar" << QRect(88, 200, 113, 17) << "MS Sans Serif" << 8.25
                           << false;
    QTest::newRow("optParameter(2)")
        << "optParameter(2)"
        << "frameAdvPar" << QRect(8, 80, 17, 17) << "MS Sans Serif" << 8.25 << false;
}

void StartupTest::places() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    Window w;
    if (w->logicalDpiX() != 96) QSKIP("the pixel places are worked out for 96 dots per inch");
    QCOMPARE(w->client->size(), QSize(777, 539));
    QWidget* element = w->Element(name);
    QCOMPARE(element->parentWidget()->objectName(), container);
    QCOMPARE(element->geometry(), pixels);
    QCOMPARE(element->font().families().value(0), family);
    QCOMPARE(element->font().pointSizeF(), points);
    QCOMPARE(element->font().bold(), bold);
}

void StartupTest::menuBar() {
    Window w;
    QStringList shown, all;
    for (QAction* action : w->menuBar()->actions()) {
        all << action->objectName() + QLatin1Char('=') + action->text();
        if (action->isVisible()) shown << action->objectName();
    }
    QCOMPARE(all, QStringList({"mnuControl=&Control", "mnuZo=&Zo", "mnuSource=&Source",
                               "mnuVoltage=&Voltage", "mnuAttn=&Attn", "mnuCycles=Cycles",
                               "mnuRSource=R-&Source", "mnuRLoad=R-&Load", "mnuLLoad=L-Load",
                               "mnuCLoad=C-Load", "mnuRCLoad=RC-Load", "mnuRLLoad=RL-Load",
                               "mnuZLoad=Z-Load", "mnuLineType=&Line Type", "mnuHelp=&Help"}));
    QCOMPARE(shown, QStringList({"mnuControl", "mnuZo", "mnuSource", "mnuVoltage", "mnuRSource",
                                 "mnuRLoad", "mnuLineType", "mnuHelp"}));
}

void StartupTest::menuItems_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("items");  // caption per item, "|" between; [x] marks a check
    QTest::newRow("Control") << "mnuControl"
                             << "Normal[x]|Advanced|-|E&xit";
    QTest::newRow("Zo") << "mnuZo"
                        << "50 |100|300|-|Enter Zo";
    QTest::newRow("Source") << "mnuSource"
                            << "DC[x]|Sine|Cosine|Single Pulse|Pulse Train|Source Off";
    QTest::newRow("Voltage") << "mnuVoltage"
                             << "0 V|1 V|2 V|3 V|4 V|-|Enter  Peak Voltage";
    QTest::newRow("Attn") << "mnuAttn"
                          << "0%[x]|10%|30%|50%|70%|90%|99%|-|Enter Attenuation";
    QTest::newRow("Cycles") << "mnuCycles"
                            << "0.25|0.5|1|2|4|-|Enter Cycles";
    QTest::newRow("RSource") << "mnuRSource"
                             << "0|50|100|500|Infinite|-|Enter R1";
    QTest::newRow("RLoad") << "mnuRLoad"
                           << "0|50|100|500|Infinite|-|Enter R2";
    QTest::newRow("LLoad") << "mnuLLoad"
                           << "0.5 uH|1 uH|2 uH|-|Enter L";
    QTest::newRow("CLoad") << "mnuCLoad"
                           << "50 pF|100 pF|200 pF|-|Enter C";
    QTest::newRow("RCLoad") << "mnuRCLoad"
                            << "50 ohms,  50 pF|50 ohms,  100 pF|50 ohms,  200 pF|"
                               "100 ohms,  50 pF|100 ohms,  100 pF|100 ohms,200 pF|"
                               "200 ohms,  50 pF|200 ohms, 100 pF|200 ohms,  200 pF";
    QTest::newRow("RLLoad") << "mnuRLLoad"
                            << "50 ohms, 0.5 uH|50 ohms, 1 uH|50 ohms, 2 uH|100 ohms, 0.5 uH|"
                               "100 ohms, 1 uH|100 ohms, 2 uH|200 ohms, 0.5 uH|200 ohms, 1 uH|"
                               "200 ohms, 2 uH";
    QTest::newRow("ZLoad") << "mnuZLoad"
                           << "25 + j25|25 + j100|100 + j30|100 + j100|100 + j300|25 - j25|"
                              "25 - j100|100 - j30|100 - j100|100 - j300";
    QTest::newRow("LineType") << "mnuLineType"
                              << "Single Line[x]|Cascaded Line";
    QTest::newRow("Help") << "mnuHelp"
                          << "Help Text|-|About Corvane";
}

void StartupTest::menuItems() {
    QFETCH(QString, menu);
    QFETCH(QString, items);
    Window w;
    QMenu* m = w->MenuItem(menu)->menu();
    QVERIFY(m);
    QStringList seen;
    for (QAction* item : m->actions()) {
        QVERIFY(!item->objectName().isEmpty());
        QCOMPARE(w->MenuItem(item->objectName()), item);
        seen << (item->isSeparator() ? QStringLiteral("-") : item->text()) +
                    (item->isChecked() ? QStringLiteral("[x]") : QString());
    }
    QCOMPARE(seen.join(QLatin1Char('|')), items);
}

void StartupTest::runState() {
    Window w;
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Corvane"));
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->Timer1->interval(), 40);
    QCOMPARE(w->sldSpeedControl->value(), 5);
    QCOMPARE(w->sldSpeedControl->minimum(), 1);
    QCOMPARE(w->sldSpeedControl->maximum(), 10);
    QCOMPARE(w->Model().StepMode, false);
    QCOMPARE(w->ZoomFactor, 1.0);
    QCOMPARE(w->Model().SourceType, std::string("DC"));
    QCOMPARE(w->Model().LoadType, std::string("Resistor"));
    QCOMPARE(w->Model().ElapsedTicks, 0);
    QCOMPARE(w->Element("cmdSimulate")->toolTip(), QStringLiteral("Start/Restart Simulation"));
    QCOMPARE(w->chkVoltage->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(w->chkCurrent->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    QCOMPARE(w->Picture1->BackColor(), QColor(Qt::white));
}

// The pixels of the fixed drawing and of the resistor symbol, at 96 dots per inch.
void StartupTest::schematicAndLoad() {
    Window w;
    if (w->logicalDpiX() != 96) QSKIP("the pixel places are worked out for 96 dots per inch");
    const QColor conductor(192, 0, 0);
    QImage shot = w->client->grab().toImage();
    // The upper conductor left of, on and right of the middle piece Line21 (x 280 to 288).
    for (int x : {200, 284, 400}) QCOMPARE(shot.pixelColor(x, 64), conductor);
    QCOMPARE(shot.pixelColor(284, 128), conductor);  // Line20, lower conductor
    // The resistor's vertical lead at x = 7455 twips (497 px) from 960 to 1320 twips.
    const QColor lead = w->Surface().pixelColor(497, 75);
    QCOMPARE(lead, w->palette().color(QPalette::WindowText));
    QCOMPARE(shot.pixelColor(497, 75), lead);
    // The junction marks are hidden: the middle of Shape4's circle rim at its top is not drawn.
    w->SetControlState("Disable", "SingleLine");
    shot = w->client->grab().toImage();
    QCOMPARE(shot.pixelColor(284, 64), w->palette().color(QPalette::Window));
    w->SetControlState("Enable", "Cascade");
    shot = w->client->grab().toImage();
    QCOMPARE(shot.pixelColor(284, 60), QColor(Qt::black));  // top of Shape4's rim
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
