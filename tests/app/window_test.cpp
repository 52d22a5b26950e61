// The window as a whole: its state at start-up, the control groups, and a run driven by
// Simulate, the ticks, Step, Continue, Stop and Exit. The tests call the tick handler
// themselves, so none waits for the clock.

#include "form_fixture.h"

using app::Flag;
using namespace apptest;

namespace {

// Start-up, as the user sees it: caption, then "e" usable, "v" shown, "c" checked.
const char* const kStartup[][3] = {
    {"mnu50Ohms", "50 ", "ev"},  // the blank belongs to the caption
    {"mnuEnterPeakVoltage", "Enter  Peak Voltage", "ev"},
    {"mnuAttn", "&Attn", "e"},  // the Advanced-mode and load menus wait off the bar
    {"mnuRLoad", "R-&Load", "ev"},
    {"mnuNormal", "Normal", "evc"},
    {"mnuSingleLine", "Single Line", "evc"},
    {"mnuDC", "DC", "evc"},
    {"mnu0attn", "0%", "evc"},
    {"lblR1", "50 Ω", "ev"},
    {"cmdLu", "L", "v"},  // the Load frame: only the resistor's button and label usable
    {"cmdR2", "R2", "ev"},
    {"optResistor", "Resistor", "evc"},
    {"cmdStep", "Step", "v"},  // the Display group greyed
    {"lblDisplay", "Tick Mark / Elapsed Time:", "v"},
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

enum State { SetUp, FreeRunning, LastStepPending, Halted, Stopping };
const char* const kStateNames[] = {"set-up", "free", "pending", "halted", "stopping"};

// Two ticks into a run (Step shows ".4"), then whatever reaches the state.
void Bring(app::Form1& f, State state) {
    if (state == SetUp) return;
    FreeRun(f, 2);
    if (state == LastStepPending || state == Halted) Click(f.cmdStep);
    if (state == Halted) f.Timer1_Timer();
    if (state == Stopping) Click(f.cmdStop);
}
State Observe(const app::Form1& f) {
    const bool on = f.Timer1->isActive();
    if (!f.FlagOf("cmdStep", Flag::Enabled)) return on ? Stopping : SetUp;
    if (!on) return Halted;
    return f.Model().StepMode ? LastStepPending : FreeRunning;
}

const QString kTicks = QStringLiteral("Tick Mark= \r\n.5V\r\n   or \r\n10 mA");
const QString kAt4 = QStringLiteral("Elapsed Time = \r\n.4 ns");

// Ticks never rewrite the status line.
const struct Transition {
    State from;
    QString event;
    State to;
    int elapsed;
    QString status;
} kTransitions[] = {
    {SetUp, "Simulate", FreeRunning, 0, kTicks},
    {SetUp, "Step", SetUp, 0, "Tick Mark / Elapsed Time:"},  // greyed
    {FreeRunning, "tick", FreeRunning, 3, kTicks},
    {FreeRunning, "Step", LastStepPending, 2, kAt4},
    {FreeRunning, "Stop", Stopping, 0, kTicks},
    {LastStepPending, "tick", Halted, 3, kAt4},
    {LastStepPending, "Continue", FreeRunning, 2, kTicks},
    {LastStepPending, "Stop", Stopping, 0, kAt4},
    {Halted, "Step", LastStepPending, 3, "Elapsed Time = \r\n.6 ns"},
    {Halted, "Continue", FreeRunning, 3, kTicks},
    {Halted, "Stop", SetUp, 0, kAt4},
    {Halted, "Simulate", FreeRunning, 0, kTicks},
    {Stopping, "tick", SetUp, 1, kTicks},  // the tick that was due still runs, counted from 0
};

// Served between two points of the third tick of a free run.
const struct {
    QString what;
    State to;
    int elapsed;
} kDuringATick[] = {
    {"cmdStep", Halted, 3},  // Step and Stop make this tick the last
    {"cmdStop", SetUp, 1},
    {"tick", FreeRunning, 3},  // never nested
    {"cmdCancel", Halted, 2},  // Exit: the tick is neither drawn nor counted
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
        // The held parameter's controls are greyed whatever the action says.
        for (const char* held : {"optParameter(0)", "optParameter(1)"}) {
            w->SetControlState("Enable", "Advanced");
            w->SetFlag(held, Flag::Checked, true);
            const Snapshot advanced = Flags(*w);
            w->SetControlState("Enable", "FixedParameter");
            QCOMPARE(Changes(advanced, Flags(*w)),
                     Expect(held[13] == '0' ? "enabled: cmdF lblF"
                                            : "enabled: cmdCycles_Len lblCycles_Len mnuCycles"));
        }
    }

    void transitions_data() { Rows(std::size(kTransitions)); }
    void transitions() {
        QFETCH(int, row);
        const Transition& t = kTransitions[row];
        Window w;
        Bring(*w, t.from);
        QCOMPARE(kStateNames[Observe(*w)], kStateNames[t.from]);
        t.event == "tick" ? w->Timer1_Timer() : Click(w->Element("cmd" + t.event));
        QCOMPARE(kStateNames[Observe(*w)], kStateNames[t.to]);
        QCOMPARE(w->Model().ElapsedTicks, t.elapsed);
        QCOMPARE(w->lblDisplay->text(), t.status);
    }

    // As a click arriving while the tick processes events after its first point.
    void duringATick_data() { Rows(std::size(kDuringATick)); }
    void duringATick() {
        QFETCH(int, row);
        const auto& [what, to, elapsed] = kDuringATick[row];
        Window w;
        FreeRun(*w, 2);
        int pointSeen = -1;
        QMetaObject::invokeMethod(
            w.form.get(),
            [&] {
                if (w->TickRunning()) pointSeen = w->Model().PointIndex;
                what == "tick" ? w->Timer1_Timer() : Click(w->Element(what));
            },
            Qt::QueuedConnection);
        w->Timer1_Timer();
        QCOMPARE(pointSeen, 0);  // with 200 points still to come
        QCOMPARE(kStateNames[Observe(*w)], kStateNames[to]);
        QCOMPARE(w->Model().ElapsedTicks, elapsed);
        QCOMPARE(w->isVisible(), what != "cmdCancel");
        // Every point done: a 1 V DC step into a matched line is three points on.
        if (what != "cmdCancel") QCOMPARE(w->Model().LineVoltage[0][2], 0.5);
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
            QTRY_VERIFY(w->Model().ElapsedTicks >= 2);  // waits for a count, not a time
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
