// The window as a whole: its state at start-up, and a run driven by Simulate, the ticks, Step,
// Continue, Stop and Exit (Exit beside the help windows is the help tests'). The tests call the
// tick handler themselves, so none waits for the clock.

#include <tuple>

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

// The run states, each told apart by the timer, the step mode and the Display group.
QString Observe(const app::Form1& f) {
    const bool on = f.Timer1->isActive();
    if (!f.FlagOf("cmdStep", Flag::Enabled)) return on ? "stopping" : "set-up";
    return !on ? "halted" : f.Model().StepMode ? "pending" : "free";
}
// Two ticks into a run (Step shows ".4"), then whatever reaches the state.
void Bring(app::Form1& f, const QString& state) {
    if (state != "set-up") FreeRun(f, 2);
    if (state == "pending" || state == "halted") Click(f.cmdStep);
    if (state == "halted") f.Timer1_Timer();
    if (state == "stopping") Click(f.cmdStop);
}

const QString kTicks = QStringLiteral("Tick Mark= \r\n.5V\r\n   or \r\n10 mA");
const QString kAt4 = QStringLiteral("Elapsed Time = \r\n.4 ns");

// From, event, to, ElapsedTicks, status line. Ticks never rewrite the status line.
const std::tuple<QString, QString, QString, int, QString> kTransitions[] = {
    {"set-up", "Simulate", "free", 0, kTicks},
    {"set-up", "Step", "set-up", 0, "Tick Mark / Elapsed Time:"},  // greyed
    {"free", "tick", "free", 3, kTicks},
    {"free", "Step", "pending", 2, kAt4},
    {"free", "Stop", "stopping", 0, kTicks},
    {"pending", "tick", "halted", 3, kAt4},
    {"pending", "Continue", "free", 2, kTicks},
    {"halted", "Step", "pending", 3, "Elapsed Time = \r\n.6 ns"},
    {"halted", "Continue", "free", 3, kTicks},
    {"halted", "Stop", "set-up", 0, kAt4},
    {"stopping", "tick", "set-up", 1, kTicks},  // the tick that was due still runs, from 0
    // Clicked while the third tick processes events: Step and Stop make that tick the last, a
    // tick asked for then is skipped, and after Exit the tick is neither drawn nor counted.
    {"free", "Step in a tick", "halted", 3, kAt4},
    {"free", "Stop in a tick", "set-up", 1, kTicks},
    {"free", "tick in a tick", "free", 3, kTicks},
    {"free", "Cancel in a tick", "halted", 2, kTicks},
    {"free", "Simulate in a tick", "free", 0, kTicks},  // a fresh run, from rest
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

    void transitions_data() { Rows(std::size(kTransitions)); }
    void transitions() {
        QFETCH(int, row);
        const auto& [from, event, to, elapsed, status] = kTransitions[row];
        Window w;
        Bring(*w, from);
        QCOMPARE(Observe(*w), from);
        const QString act = event.section(' ', 0, 0);
        auto react = [&] { act == "tick" ? w->Timer1_Timer() : Click(w->Element("cmd" + act)); };
        if (event.endsWith("in a tick")) {
            // Arrives as an event, served by the tick after its first point of 201.
            int pointSeen = -1;
            auto inTick = [&] {
                pointSeen = w->TickRunning() ? w->Model().PointIndex : -1;
                react();
            };
            QMetaObject::invokeMethod(w.form.get(), inTick, Qt::QueuedConnection);
            w->Timer1_Timer();
            QCOMPARE(pointSeen, 0);
        } else {
            react();
        }
        QCOMPARE(Observe(*w), to);
        QCOMPARE(w->Model().ElapsedTicks, elapsed);
        QCOMPARE(w->lblDisplay->text(), status);
        QCOMPARE(w->isVisible(), act != "Cancel");
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
