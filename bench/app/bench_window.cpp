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

// Envelope mode with both traces: two traces painted white, two drawn, the most a tick draws.
void BM_WindowTick(benchmark::State& state) {
    app::Form1 form;
    form.chkCurrent->setChecked(true);
    form.chkEnvelope->setChecked(true);
    form.cmdSimulate_Click();
    form.Timer1->stop();  // the benchmark calls the tick itself
    for (auto _ : state) form.Timer1_Timer();
    state.counters["ticks"] = double(form.Model().ElapsedTicks);
}
BENCHMARK(BM_WindowTick)->Unit(benchmark::kMillisecond)->Repetitions(10);

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
