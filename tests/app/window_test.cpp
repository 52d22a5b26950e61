// The window as a whole: its state at start-up, the window following the session's run, and Stop
// giving back the set-up (Exit beside the help windows is the help tests'). The tests call the
// tick handler themselves, so none waits for the clock.

#include "form_fixture.h"

using app::Flag;
using namespace apptest;

namespace {

// At start-up, as the user sees it: caption, then "e" usable, "v" shown, "c" checked.
const char* const kStartup[][3] = {
    {"mnu50Ohms", "50 ", "ev"},  // the blank belongs to the caption
    {"mnuEnterPeakVoltage", "Enter  Peak Voltage", "ev"},
    {"mnuAttn", "&Attn", "e"},  // the Advanced-mode and load menus wait off the bar
    {"cmdLu", "L", "v"},        // the Load frame: only the resistor's button and label usable
    {"optResistor", "Resistor", "evc"},
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    // The captions, blanks included, and the flags.
    void startup() {
        Window w;
        for (const auto& [name, caption, flags] : kStartup) {
            // A menu entry or an element; both show their caption as "text".
            QAction* item = w->MenuItem(name);
            QWidget* element = w->Element(name);
            const QString seen = item ? item->text() : element->property("text").toString();
            const bool shown = item ? item->isVisible() : element->isVisible();
            QVERIFY2(!element || strchr(flags, 'e') || !element->isEnabled(), name);
            QCOMPARE(seen, QString::fromUtf8(caption));
            QCOMPARE(QString(w->FlagOf(name, Flag::Enabled) ? "e" : "") + (shown ? "v" : "") +
                         (w->FlagOf(name, Flag::Checked) ? "c" : ""),
                     flags);
        }
    }

    // The run's states are the session's (tests/session); here the window follows it: the QTimer
    // starts, runs at the slider's interval and stops as the session says, a greyed Step ignores
    // its click, the tick's hook delivers a click in the middle of a tick, and Exit there ends
    // the window without drawing the tick.
    void viewFollowsTheSession() {
        Window w;
        QTimer& timer = *w->Timer1;
        Click(w->cmdStep);
        QVERIFY(!timer.isActive() && !w->Model().StepMode);
        QCOMPARE(w->lblDisplay->text(), QString("Tick Mark / Elapsed Time:"));
        FreeRun(*w, 2);
        QVERIFY(timer.isActive() && timer.interval() == 200);
        w->sldSpeedControl->setValue(10);
        QCOMPARE(timer.interval(), 20);
        int pointSeen = -1;
        QMetaObject::invokeMethod(
            w.form.get(),
            [&] {
                pointSeen = w->Session().TickRunning() ? w->Model().PointIndex : -1;
                Click(w->cmdStep);
            },
            Qt::QueuedConnection);
        w->Timer1_Timer();
        QCOMPARE(pointSeen, 0);
        QVERIFY(!timer.isActive());
        QCOMPARE(w->lblDisplay->text(), QString("Elapsed Time = \r\n.4 ns"));
        w->Picture1->setCursor(Qt::CrossCursor);
        Click(w->cmdContinue);
        QVERIFY(timer.isActive() && w->Picture1->cursor().shape() == Qt::ArrowCursor);
        QMetaObject::invokeMethod(
            w.form.get(), [&] { Click(w->cmdCancel); }, Qt::QueuedConnection);
        w->Timer1_Timer();
        QVERIFY(!timer.isActive() && !w->isVisible());
        QCOMPARE(w->Model().ElapsedTicks, 3);
    }

    // Stop gives back exactly the set-up state the run took away, in either mode and whichever
    // parameter is held; halted or running, and with a Step in between.
    void stopRestoresTheSetUp() {
        for (const char* setUp : {"", "mnuAdvanced", "mnuAdvanced|optParameter(0)",
                                  "mnuAdvanced|optParameter(2)|mnuCascadedLine"}) {
            for (const char* run : {"run", "halt", "run|cmdStep"}) {
                Window w;
                Activate(*w, setUp);
                const Snapshot before = Flags(*w);
                Activate(*w, run);
                QVERIFY(Flags(*w) != before);
                Click(w->cmdStop);
                w->Timer1_Timer();
                const QStringList changed = Changes(before, Flags(*w));
                QVERIFY2(changed.isEmpty(),
                         qPrintable(QString(setUp) + ' ' + run + ": " + changed.join(' ')));
            }
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
