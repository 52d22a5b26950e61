// The run as the window shows it. The slider's changes go to the session by name, Timer1's timeout runs the session's tick, and the session's reports are put
// on the QTimer, the status line and the plot, exactly as told.

#include <QApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include "app/form1.h"
#include "app/plot_area.h"
#include "paint/trace_drawing.h"

namespace app {

void Form1::WireRunControl() {
    Timer1->setTimerType(Qt::PreciseTimer);  // an even pace at 20 ms
    connect(sldSpeedControl, &QSlider::valueChanged, this,
            [this](int value) { session_.Change("sldSpeedControl", value); });
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::Timer1_Timer() {
    session_.Timer1_Timer([] { QCoreApplication::processEvents(); });
}

void Form1::TimerStarted(int interval) { Timer1->start(interval); }

void Form1::TimerStopped() { Timer1->stop(); }

void Form1::TimerIntervalChanged(int interval) { Timer1->setInterval(interval); }

void Form1::StatusTextChanged(const std::string& text) {
    lblDisplay->setText(QString::fromStdString(text));
}

void Form1::CaptionChanged(const std::string& name, const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(Element(QString::fromStdString(name))))
        label->setText(QString::fromStdString(text));
}

void Form1::SliderMoved(int value) {
    const QSignalBlocker quiet(sldSpeedControl);
    sldSpeedControl->setValue(value);
}

void Form1::PointerChanged(session::Pointer shape) {
    Picture1->setCursor(shape == session::Pointer::Cross ? Qt::CrossCursor : Qt::ArrowCursor);
}

int Form1::PlotInnerWidth() const { return Picture1->InnerWidth(); }

int Form1::PlotInnerHeight() const { return Picture1->InnerHeight(); }

void Form1::TickDrawingBegun(bool envelope, bool voltage, bool current,
                             const display::TracePoints& voltagePoints,
                             const display::TracePoints& currentPoints) {
    paint::BeginTickDrawing(Picture1->Picture(), envelope, voltage, current, voltagePoints,
                            currentPoints);
}

void Form1::TracesDrawn(bool voltage, bool current, const display::TracePoints& voltagePoints,
                        const display::TracePoints& currentPoints) {
    paint::DrawTraces(Picture1->Picture(), voltage, current, voltagePoints, currentPoints);
}

// Every window closes and the event loop ends; closing this window asks the session to end
// again, which it already does.
void Form1::ProgramEnded() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

}  // namespace app
