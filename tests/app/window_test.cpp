// The window as a whole: its state at start-up, the control groups, and a run driven by
// Simulate, the ticks, Step, Continue, Stop and Exit. The tests call the tick handler
// themselves, so none waits for the clock.

#include <tuple>

#include "form_fixture.h"

using app::Flag;
using namespace apptest;

namespace {

// Start-up, as the user sees it: caption, then "e" usable, "v" shown, "c" checked.
const char* const kStartup[][3] = {
    {"mnu50Ohms", "50 ", "ev"},  // the blank belongs to the caption
    {"mnuEnterPeakVoltage", "Enter  Peak Voltage", "ev"},
    {"mnuAttn", "&Attn", "e"},  // the Advanced-mode and load menus wait off the bar
    {"mnuNormal", "Normal", "evc"},
    {"mnuSingleLine", "Single Line", "evc"},
    {"mnuDC", "DC", "evc"},
    {"mnu0attn", "0%", "evc"},
    {"lblR1", "50 Ω", "ev"},
    {"cmdLu", "L", "v"},  // the Load frame: only the resistor's button and label usable
    {"cmdR2", "R2", "ev"},
    {"optResistor", "Resistor", "evc"},
    {"cmdStep", "Step", "v"},       // the Display group greyed
    {"optParameter(1)", "", "vc"},  // cycles per length held
    {"cmdZo1", "Zo1", "e"},         // the cascade hidden
};

// Off, then on, changes exactly these flags.
const char* const kGroups[][2] = {
    {"Load", "enabled: cmdLu cmdCu cmdR2 cmdX2 lblL lblC lblR2 lblX2"},
    {"Advanced",
     "enabled: frameAdvPar cmdF cmdCycles_Len cmdLength cmdVp cmdAttn cmdPW cmdPS lblF "
     "lblCycles_Len lblLength lblVp lblAttn lblPW lblPS optParameter(0) optParameter(1) "
     "optParameter(2) visible: mnuAttn mnuCycles"},
    {"Display", "enabled: cmdStep cmdContinue cmdZoomIn cmdZoomOut lblDisplay"},
    {"SimulationStatic",
     "enabled: cmdZo cmdZo1 cmdZo2 optResistor optInductor optCapacitor optParallelRC "
     "optSeriesRL optImpedance mnuZo mnuLineType cmdF cmdCycles_Len cmdLength cmdVp lblF "
     "lblCycles_Len lblLength lblVp optParameter(0) optParameter(1) optParameter(2) mnuNormal "
     "mnuAdvanced"},
    {"Combo",
     "enabled: cmdF cmdCycles_Len cmdLength cmdVp lblF lblCycles_Len lblLength lblVp "
     "mnuCycles"},
    {"Frequency", "enabled: cmdF lblF"},
    {"Cycles/LineLength", "enabled: cmdCycles_Len lblCycles_Len mnuCycles"},
    {"Length", "enabled: cmdLength lblLength"},
    {"Control", "checked: mnuNormal mnuAdvanced"},
    {"Source", "checked: mnuDC mnuSine mnuCosine mnuSinglePulse mnuPulseTrain mnuSourceOff"},
    {"LineType", "checked: mnuSingleLine mnuCascadedLine"},
    {"SingleLine", "visible: cmdZo lblZo Line20 Line21 mnuZo"},
    {"Cascade", "visible: cmdZo1 cmdZo2 lblZo1 lblZo2 Shape4 Shape5"},
};

// The run states, each told apart by the timer, the step mode and the Display group.
QString Observe(const app::Form1& f) {
    const bool on = f.Timer1->isActive();
    if (!f.FlagOf("cmdStep", Flag::Enabled)) return on ? "stopping" : "set-up";
    return !on ? "halted" : f.Model().StepMode ? "pending" : "free";
}
// Two ticks into a run (Step shows ".4"), then whatever reaches the state.
void Bring(app::Form1& f, const QString& state) {
    if (state == "set-up") return;
    FreeRun(f, 2);
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
    {"pending", "Stop", "stopping", 0, kAt4},
    {"halted", "Step", "pending", 3, "Elapsed Time = \r\n.6 ns"},
    {"halted", "Continue", "free", 3, kTicks},
    {"halted", "Stop", "set-up", 0, kAt4},
    {"halted", "Simulate", "free", 0, kTicks},
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
    void startup_data() { Rows(std::size(kStartup)); }
    void startup() {
        QFETCH(int, row);
        const auto [name, caption, flags] = kStartup[row];
        Window w;
        // A menu entry or an element; both show their caption as "text".
        QAction* item = w->MenuItem(name);
        QWidget* element = w->Element(name);
        const QString seen = item ? item->text() : element->property("text").toString();
        const bool shown = item ? item->isVisible() : element->isVisible();
        if (element && !strchr(flags, 'e')) QVERIFY(!element->isEnabled());
        QCOMPARE(seen, QString::fromUtf8(caption));
        QCOMPARE(QString(w->FlagOf(name, Flag::Enabled) ? "e" : "") + (shown ? "v" : "") +
                     (w->FlagOf(name, Flag::Checked) ? "c" : ""),
                 flags);
    }

    // Twips converted at 96 dots per inch, inside the client area or a frame.
    void places() {
        Window w;
        if (w->logicalDpiX() != 96) QSKIP("the pixel places are worked out for 96 dots per inch");
        QCOMPARE(w->client->size(), QSize(777, 539));
        QCOMPARE(w->Element("cmdSimulate")->geometry(), QRect(128, 168, 89, 25));
        QCOMPARE(w->Element("lblR2")->parentWidget()->objectName(), QStringLiteral("Frame1"));
        QCOMPARE(w->Element("lblR2")->geometry(), QRect(56, 64, 73, 17));
    }

    void controlGroups_data() { Rows(std::size(kGroups)); }
    void controlGroups() {
        QFETCH(int, row);
        const auto [group, changes] = kGroups[row];
        const bool checks = QByteArray(changes).startsWith("checked");
        Window w;
        w->SetControlState(checks ? "Unchecked" : "Disable", group);
        const Snapshot off = Flags(*w);
        w->SetControlState(checks ? "Checked" : "Enable", group);
        QCOMPARE(Changes(off, Flags(*w)), Expect(changes));
        w->SetControlState(checks ? "Unchecked" : "Disable", group);
        QCOMPARE(Changes(off, Flags(*w)), QStringList());
    }

    void actionWordsAndOddGroups() {
        Window w;
        // Only "Enable" and "Checked", exactly, mean on.
        for (const char* word : {"enable", "ENABLE", "Enable ", "checked", ""}) {
            w->SetFlag("cmdStep", Flag::Enabled, true);
            w->SetControlState(word, "Display");
            QVERIFY2(!w->FlagOf("cmdStep", Flag::Enabled), word);
        }
        const Snapshot before = Flags(*w);
        for (const char* group : {"", "load", "Display ", "Cycles", "FixedParameters"})
            w->SetControlState("Enable", group);
        QCOMPARE(Changes(before, Flags(*w)), QStringList());
        // The held parameter's controls (cycles, at start-up) are greyed whatever the action.
        w->SetControlState("Enable", "Advanced");
        const Snapshot advanced = Flags(*w);
        w->SetControlState("Enable", "FixedParameter");
        QCOMPARE(Changes(advanced, Flags(*w)),
                 Expect("enabled: cmdCycles_Len lblCycles_Len mnuCycles"));
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
            QMetaObject::invokeMethod(
                w.form.get(),
                [&] {
                    pointSeen = w->TickRunning() ? w->Model().PointIndex : -1;
                    react();
                },
                Qt::QueuedConnection);
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

    // Exit by menu or by the window's frame while the real timer drives the ticks: no tick after
    // it, every window of the program closed.
    void exitDuringARun() {
        for (bool menu : {true, false}) {
            Window w;
            QWidget other;  // stands for the help window
            other.show();
            w->sldSpeedControl->setValue(10);
            Click(w->cmdSimulate);
            QTRY_VERIFY(w->Model().ElapsedTicks >= 2);  // a count, never a time
            menu ? w->mnuExit->trigger() : void(w->close());
            QVERIFY(!w->Timer1->isActive() && !w->isVisible() && !other.isVisible());
            const auto ticks = w->Model().ElapsedTicks;
            w->Timer1_Timer();  // a timer event already queued
            QCOMPARE(w->Model().ElapsedTicks, ticks);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
