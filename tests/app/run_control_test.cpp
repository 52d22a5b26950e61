// Running a simulation: Simulate, the ticks, Step, Continue, Stop, the speed slider and Exit,
// driven by clicks on the real window. Ticks are run by calling the tick handler, so no test
// waits for the clock.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "form_fixture.h"

using app::Flag;
using apptest::Window;

namespace {

enum State { SetUp, FreeRunning, LastStepPending, Halted, Stopping };

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Queues `act` as an event, as a click arriving while the next tick works through its points:
// the tick's event processing after its first point runs it. Returns where the tick was then.
std::shared_ptr<int> DuringNextTick(app::Form1& f, std::function<void()> act) {
    auto pointSeen = std::make_shared<int>(-1);
    QMetaObject::invokeMethod(
        &f,
        [&f, act, pointSeen] {
            if (f.TickRunning()) *pointSeen = f.Model().PointIndex;
            act();
        },
        Qt::QueuedConnection);
    return pointSeen;
}

void Bring(app::Form1& f, State state) {
    if (state == SetUp) return;
    Click(f.cmdSimulate);
    if (state == LastStepPending || state == Halted) Click(f.cmdStep);
    if (state == Halted) f.Timer1_Timer();
    if (state == Stopping) Click(f.cmdStop);
}

State Observe(const app::Form1& f) {
    const bool on = f.Timer1->isActive(), step = f.Model().StepMode;
    const bool display = f.FlagOf("cmdStep", Flag::Enabled);
    if (!display) return on ? Stopping : SetUp;
    if (!on) return Halted;
    return step ? LastStepPending : FreeRunning;
}

const QString kTickMarks = QStringLiteral("Tick Mark= \r\n.5V\r\n   or \r\n10 mA");

QString Elapsed(const char* ns) {
    return QStringLiteral("Elapsed Time = \r\n") + QLatin1String(ns) + QStringLiteral(" ns");
}

}  // namespace

class RunControlTest : public QObject {
    Q_OBJECT
  private slots:
    void intervals_data();
    void intervals();
    void transitions_data();
    void transitions();
    void aRunWithStepsAndStop();
    void clickInTheMiddleOfATick_data();
    void clickInTheMiddleOfATick();
    void ticksNeverNest();
    void theTimerDrivesTheTicks();
    void exitEndsAtOnce();
    void exitInTheMiddleOfATick();
};

void RunControlTest::intervals_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    const int ms[] = {200, 100, 67, 50, 40, 33, 29, 25, 22, 20};
    for (int s = 1; s <= 10; ++s) QTest::addRow("speed %d", s) << s << ms[s - 1];
}

// The slider sets the interval in any state and changes nothing else.
void RunControlTest::intervals() {
    QFETCH(int, speed);
    QFETCH(int, interval);
    Window w;
    w->sldSpeedControl->setValue(speed);
    QCOMPARE(w->Timer1->interval(), interval);
    QVERIFY(!w->Timer1->isActive());
    Bring(*w, Halted);
    w->sldSpeedControl->setValue(speed == 1 ? 2 : 1);
    w->sldSpeedControl->setValue(speed);
    QCOMPARE(w->Timer1->interval(), interval);
    QCOMPARE(Observe(*w), Halted);
    // The next run starts at the slider's rate.
    Click(w->cmdSimulate);
    QCOMPARE(w->Timer1->interval(), interval);
    QCOMPARE(app::Form1::IntervalFor(speed), interval);
}

void RunControlTest::transitions_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("to");
    QTest::newRow("set-up, Simulate") << int(SetUp) << "Simulate" << int(FreeRunning);
    QTest::newRow("set-up, Step (greyed)") << int(SetUp) << "Step" << int(SetUp);
    QTest::newRow("set-up, Stop") << int(SetUp) << "Stop" << int(SetUp);
    QTest::newRow("free, tick") << int(FreeRunning) << "tick" << int(FreeRunning);
    QTest::newRow("free, Step") << int(FreeRunning) << "Step" << int(LastStepPending);
    QTest::newRow("free, Stop") << int(FreeRunning) << "Stop" << int(Stopping);
    QTest::newRow("free, Continue") << int(FreeRunning) << "Continue" << int(FreeRunning);
    QTest::newRow("pending, tick") << int(LastStepPending) << "tick" << int(Halted);
    QTest::newRow("pending, Step") << int(LastStepPending) << "Step" << int(LastStepPending);
    QTest::newRow("pending, Continue") << int(LastStepPending) << "Continue" << int(FreeRunning);
    QTest::newRow("pending, Stop") << int(LastStepPending) << "Stop" << int(Stopping);
    QTest::newRow("halted, Step") << int(Halted) << "Step" << int(LastStepPending);
    QTest::newRow("halted, Continue") << int(Halted) << "Continue" << int(FreeRunning);
    QTest::newRow("halted, Stop") << int(Halted) << "Stop" << int(SetUp);
    QTest::newRow("stopping, tick") << int(Stopping) << "tick" << int(SetUp);
    QTest::newRow("halted, Simulate") << int(Halted) << "Simulate" << int(FreeRunning);
    QTest::newRow("stopping, Simulate") << int(Stopping) << "Simulate" << int(FreeRunning);
    QTest::newRow("pending, Simulate") << int(LastStepPending) << "Simulate" << int(FreeRunning);
}

void RunControlTest::transitions() {
    QFETCH(int, from);
    QFETCH(QString, event);
    QFETCH(int, to);
    Window w;
    Bring(*w, State(from));
    QCOMPARE(Observe(*w), State(from));
    if (event == QLatin1String("tick")) {
        w->Timer1_Timer();
    } else {
        Click(qobject_cast<QPushButton*>(w->Element(QStringLiteral("cmd") + event)));
    }
    QCOMPARE(Observe(*w), State(to));
}

// A whole run as a user drives it, with the elapsed ticks and the status line at every stage.
void RunControlTest::aRunWithStepsAndStop() {
    Window w;
    QCOMPARE(w->lblDisplay->text(), QStringLiteral("Tick Mark / Elapsed Time:"));
    Click(w->cmdSimulate);
    QCOMPARE(w->lblDisplay->text(), kTickMarks);
    QCOMPARE(w->Timer1->interval(), 40);
    for (int i = 0; i < 3; ++i) w->Timer1_Timer();
    QCOMPARE(w->Model().ElapsedTicks, 3);
    QCOMPARE(w->lblDisplay->text(), kTickMarks);  // ticks never rewrite the status line

    Click(w->cmdStep);  // shows the time of the state on screen: 3 steps of 0.2 ns
    QCOMPARE(w->lblDisplay->text(), Elapsed(".6"));
    w->Timer1_Timer();
    QCOMPARE(w->Model().ElapsedTicks, 4);
    QVERIFY(!w->Timer1->isActive());
    Click(w->cmdStep);
    QCOMPARE(w->lblDisplay->text(), Elapsed(".8"));
    QVERIFY(w->Timer1->isActive());
    w->Timer1_Timer();
    QCOMPARE(w->Model().ElapsedTicks, 5);
    Click(w->cmdStep);
    QCOMPARE(w->lblDisplay->text(), Elapsed("1"));
    w->Timer1_Timer();

    Click(w->cmdContinue);
    QCOMPARE(w->lblDisplay->text(), kTickMarks);
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Model().StepMode, false);
    w->Timer1_Timer();
    QCOMPARE(w->Model().ElapsedTicks, 7);

    // Stop: the tick that is due still runs and is counted from 0, then the timer is off.
    Click(w->cmdStop);
    QCOMPARE(w->Model().ElapsedTicks, 0);
    QCOMPARE(w->lblDisplay->text(), kTickMarks);
    QVERIFY(w->Timer1->isActive());
    w->Timer1_Timer();
    QCOMPARE(w->Model().ElapsedTicks, 1);
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(Observe(*w), SetUp);

    // A fresh run starts from rest.
    Click(w->cmdSimulate);
    QCOMPARE(w->Model().ElapsedTicks, 0);
    QCOMPARE(w->Model().LineVoltage[0][0], 0.0);
    Click(w->cmdStep);
    QCOMPARE(w->lblDisplay->text(), Elapsed("0"));
}

void RunControlTest::clickInTheMiddleOfATick_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("to");
    QTest::addColumn<qint64>("elapsed");
    QTest::newRow("Step while running") << int(FreeRunning) << "Step" << int(Halted) << 3LL;
    QTest::newRow("Stop while running") << int(FreeRunning) << "Stop" << int(SetUp) << 1LL;
    QTest::newRow("Continue after Step")
        << int(LastStepPending) << "Continue" << int(FreeRunning) << 3LL;
    QTest::newRow("Stop after Step") << int(LastStepPending) << "Stop" << int(SetUp) << 1LL;
}

// A click handled between two points of a tick makes that same tick the last (or not), and the
// tick still finishes every point, draws and counts.
void RunControlTest::clickInTheMiddleOfATick() {
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, to);
    QFETCH(qint64, elapsed);
    Window w;
    Click(w->cmdSimulate);
    w->Timer1_Timer();
    w->Timer1_Timer();
    if (from == LastStepPending) Click(w->cmdStep);
    auto* target = qobject_cast<QPushButton*>(w->Element(QStringLiteral("cmd") + button));
    const auto point = DuringNextTick(*w, [target] { Click(target); });
    w->Timer1_Timer();
    QCOMPARE(*point, 0);  // handled after the first point, with 200 still to come
    QCOMPARE(Observe(*w), State(to));
    QCOMPARE(w->Model().ElapsedTicks, elapsed);
    // Three steps of a 1 V DC source into a matched line: points 0 to 2 carry 0.5 V.
    QCOMPARE(w->Model().LineVoltage[0][2], 0.5);
    QCOMPARE(w->Model().LineVoltage[0][3], 0.0);
}

// A tick asked for while one runs (an interval elapsing during its event processing) is skipped.
void RunControlTest::ticksNeverNest() {
    Window w;
    Click(w->cmdSimulate);
    const auto point = DuringNextTick(*w, [&w] { w->Timer1_Timer(); });
    w->Timer1_Timer();
    QCOMPARE(*point, 0);
    QCOMPARE(w->Model().ElapsedTicks, 1);
    QVERIFY(!w->TickRunning());
}

// The real timer runs the ticks; the test waits for the count, never for a time.
void RunControlTest::theTimerDrivesTheTicks() {
    Window w;
    w->sldSpeedControl->setValue(10);
    Click(w->cmdSimulate);
    QTRY_VERIFY(w->Model().ElapsedTicks >= 3);
    Click(w->cmdStep);
    QTRY_VERIFY(!w->Timer1->isActive());
    const auto halted = w->Model().ElapsedTicks;
    QTest::qWait(60);
    QCOMPARE(w->Model().ElapsedTicks, halted);
}

// Exit, by button or menu, while a run goes on: no tick after it, every window closed. Closing
// the window through its frame does the same.
void RunControlTest::exitEndsAtOnce() {
    for (const char* how : {"button", "menu", "frame"}) {
        Window w;
        QWidget other;  // stands for the help window or the about box
        other.show();
        Click(w->cmdSimulate);
        w->Timer1_Timer();
        const QByteArray way(how);
        if (way == "button") Click(w->cmdCancel);
        if (way == "menu") w->mnuExit->trigger();
        if (way == "frame") w->close();
        QVERIFY2(!w->Timer1->isActive(), how);
        QVERIFY2(!w->isVisible(), how);
        QVERIFY2(!other.isVisible(), how);
        w->Timer1_Timer();  // a timer event that was already queued
        QCOMPARE(w->Model().ElapsedTicks, 1);
    }
}

// Exit chosen between two points of a tick: no more events are served, nothing more is drawn
// or counted.
void RunControlTest::exitInTheMiddleOfATick() {
    Window w;
    Click(w->cmdSimulate);
    const auto point = DuringNextTick(*w, [&w] { Click(w->cmdCancel); });
    w->Timer1_Timer();
    QCOMPARE(*point, 0);
    QCOMPARE(w->Model().ElapsedTicks, 0);
    QVERIFY(!w->Timer1->isActive());
    QVERIFY(!w->TickRunning());
    QVERIFY(!w->isVisible());
}

QTEST_MAIN(RunControlTest)
#include "run_control_test.moc"
