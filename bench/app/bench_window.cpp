// The window's costs: one full tick (the engine, event processing after each of the 201 points,
// four polylines) and start-up (building and showing the main window). Run with the offscreen
// platform unless a display is chosen; read the medians from the output.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <memory>

#include "app/form1.h"

namespace {

// The window as a projector shows it, maximised on a 1920 × 1080 screen (a menu bar less).
void Maximise(app::Form1& form) {
    form.resize(1920, 1080);
    QCoreApplication::processEvents();
}

// Envelope mode with both traces: two traces painted white, two drawn, the most a tick draws.
// Argument 1: the window maximised at 1920 × 1080 instead of its designed size.
void BM_WindowTick(benchmark::State& state) {
    app::Form1 form;
    if (state.range(0)) Maximise(form);
    form.chkCurrent->setChecked(true);
    form.chkEnvelope->setChecked(true);
    form.Session().cmdSimulate_Click();
    form.Timer1->stop();  // the benchmark calls the tick itself
    for (auto _ : state) {
        form.Timer1_Timer();
        QCoreApplication::processEvents();  // the repaint the tick asked for
    }
    state.counters["ticks"] = double(form.Model().ElapsedTicks);
    state.counters["scale"] = form.WindowScale();
}
BENCHMARK(BM_WindowTick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(10);

// A resize between the designed size and the maximised window, running in envelope mode with a
// band of 200 ticks to draw again: the relayout of every element, the surfaces and the repaint.
void BM_Relayout(benchmark::State& state) {
    app::Form1 form;
    form.chkCurrent->setChecked(true);
    form.chkEnvelope->setChecked(true);
    form.Session().cmdSimulate_Click();
    form.Timer1->stop();
    for (int i = 0; i < 200; ++i) form.Timer1_Timer();
    bool large = false;
    for (auto _ : state) {
        large = !large;
        large ? form.resize(1920, 1080) : form.resize(1000, 700);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Relayout)->Unit(benchmark::kMillisecond)->Repetitions(10);

void BM_Startup(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<app::Form1>();
        QCoreApplication::processEvents();  // the first paint
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->Repetitions(10);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
