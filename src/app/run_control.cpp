// Run control: Simulate starts a run; Stop, Step and Continue work only through Timer1, the
// step mode and the control groups; the slider sets the tick interval.

#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <cmath>

#include "app/form1.h"
#include "app/plot_area.h"
#include "sim/engine.h"

namespace app {

int Form1::IntervalFor(int speed) { return static_cast<int>(std::nearbyint(200.0 / speed)); }

void Form1::WireRunControl() {
    Timer1->setTimerType(Qt::PreciseTimer);  // an even pace at 20 ms
    connect(cmdSimulate, &QPushButton::clicked, this, &Form1::cmdSimulate_Click);
    connect(cmdStop, &QPushButton::clicked, this, &Form1::cmdStop_Click);
    connect(cmdStep, &QPushButton::clicked, this, &Form1::cmdStep_Click);
    connect(cmdContinue, &QPushButton::clicked, this, &Form1::cmdContinue_Click);
    connect(sldSpeedControl, &QSlider::valueChanged, this, &Form1::sldSpeedControl_Change);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::cmdSimulate_Click() {
    SetControlState(QStringLiteral("Disable"), QStringLiteral("SimulationStatic"));
    SetControlState(QStringLiteral("Enable"), QStringLiteral("Display"));
    Timer1->stop();
    ++runStarts_;
    // The engine's part of the run start, then the window's: the status line for the new scale,
    // the plot's half sizes (single precision), the tick interval.
    sim::PrepareRun(model_, store_.Get("mnuCascadedLine", Flag::Checked));
    UpdateDisplay(QStringLiteral("TickMarks"), 0, 0);
    PlotHalfWidth = static_cast<float>(Picture1->InnerWidth()) / 2;
    PlotHalfHeight = static_cast<float>(Picture1->InnerHeight()) / 2;
    sim::ResetLine(model_);
    Timer1->start(IntervalFor(sldSpeedControl->value()));
}

// Stop leaves the timer alone: a tick that is due still runs, finds the step mode set and
// switches the timer off.
void Form1::cmdStop_Click() {
    model_.StepMode = true;
    model_.ElapsedTicks = 0;
    SetControlState(QStringLiteral("Disable"), QStringLiteral("Display"));
    SetControlState(QStringLiteral("Enable"), QStringLiteral("SimulationStatic"));
    if (!store_.Get("mnuAdvanced", Flag::Checked)) {
        SetControlState(QStringLiteral("Disable"), QStringLiteral("Advanced"));
    } else {
        SetControlState(QStringLiteral("Enable"), QStringLiteral("Combo"));
        SetControlState(QStringLiteral("Disable"), QStringLiteral("FixedParameter"));
    }
}

// Switching on a timer that already runs keeps its rhythm; QTimer::start would restart it.
static void SwitchOn(QTimer* timer) {
    if (!timer->isActive()) timer->start();
}

// The status line shows the time of the state on screen, before the step this click starts.
void Form1::cmdStep_Click() {
    model_.StepMode = true;
    SwitchOn(Timer1);
    UpdateDisplay(QStringLiteral("ElapsedTime"), 0, 0);
}

void Form1::cmdContinue_Click() {
    model_.StepMode = false;
    SwitchOn(Timer1);
    UpdateDisplay(QStringLiteral("TickMarks"), 0, 0);
    Picture1->setCursor(Qt::ArrowCursor);  // a meter reading leaves a cross-hair
}

void Form1::sldSpeedControl_Change() { Timer1->setInterval(IntervalFor(sldSpeedControl->value())); }

}  // namespace app
