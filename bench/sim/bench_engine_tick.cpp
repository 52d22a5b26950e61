// One tick of the engine alone (source, 201 points, load, shift, count), per load type and for
// a cascade, with and without a per-point hook; and runs of a thousand ticks as corvane-trace
// makes them. The budget is a microsecond per tick; read it from the median of repeated runs:
// bench_engine_tick --benchmark_repetitions=10.

#include <benchmark/benchmark.h>

#include "running_line.h"
#include "sim/engine.h"

namespace {

sim::Model Running(const char* load, bool cascaded) { return RunningLine("Sine", load, cascaded); }

void Tick(benchmark::State& state, const char* load, bool cascaded) {
    sim::Model m = Running(load, cascaded);
    for (auto _ : state) {
        sim::Tick(m);
        benchmark::DoNotOptimize(m.LineVoltage[0][200]);
    }
}

// A thousand ticks in one run, the levels taking turns (the time shown is for all of them).
void RunTicks(benchmark::State& state, const char* load, bool cascaded) {
    sim::Model m = Running(load, cascaded);
    for (auto _ : state) {
        sim::RunTicks(m, 1000,
                      [](const auto& V, const auto&) { benchmark::DoNotOptimize(V[200]); });
    }
}

void TickWithHook(benchmark::State& state) {
    sim::Model m = Running("ParallelRC", true);
    long calls = 0;
    const sim::PointHook hook = [&calls] { ++calls; };
    for (auto _ : state) {
        sim::Tick(m, hook);
        benchmark::DoNotOptimize(m.LineVoltage[0][200]);
    }
    benchmark::DoNotOptimize(calls);
}

}  // namespace

BENCHMARK_CAPTURE(Tick, Resistor, "Resistor", false);
BENCHMARK_CAPTURE(Tick, Capacitor, "Capacitor", false);
BENCHMARK_CAPTURE(Tick, Inductor, "Inductor", false);
BENCHMARK_CAPTURE(Tick, ParallelRC, "ParallelRC", false);
BENCHMARK_CAPTURE(Tick, SeriesRL, "SeriesRL", false);
BENCHMARK_CAPTURE(Tick, Impedance, "Impedance", false);
BENCHMARK_CAPTURE(Tick, CascadeParallelRC, "ParallelRC", true);
BENCHMARK(TickWithHook);
BENCHMARK_CAPTURE(RunTicks, Capacitor, "Capacitor", false);
BENCHMARK_CAPTURE(RunTicks, CascadeParallelRC, "ParallelRC", true);
