// The engine tick timed without Google Benchmark, which the browser build lacks, so that the
// native and the WebAssembly build are measured by the same code: medians of 21 batches of
// 20 000 ticks each, per circuit, in ns per tick. bench/wasm/compare.sh runs both.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "running_line.h"
#include "sim/engine.h"

namespace {

double MedianNsPerTick(const char* source, const char* load, bool cascaded) {
    sim::Model m = RunningLine(source, load, cascaded);
    constexpr int kBatch = 20000;
    std::vector<double> batches;
    double sink = 0;
    for (int b = 0; b < 21; ++b) {
        const auto start = std::chrono::steady_clock::now();
        for (int t = 0; t < kBatch; ++t) sim::Tick(m);
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        sink += m.LineVoltage[0][sim::kLastPoint];
        batches.push_back(took.count() / kBatch);
    }
    std::nth_element(batches.begin(), batches.begin() + 10, batches.end());
    if (sink == 12345.678) std::puts("");  // keeps the ticks from being optimised away
    return batches[10];
}

}  // namespace

int main() {
    const struct {
        const char *source, *load;
        bool cascaded;
    } circuits[] = {{"DC", "Resistor", false},
                    {"Sine", "Capacitor", false},
                    {"Pulse", "ParallelRC", true},
                    {"Cosine", "Impedance", false}};
    for (const auto& c : circuits) {
        std::printf("%s %s %s: %.0f ns per tick\n", c.source, c.load,
                    c.cascaded ? "cascade" : "single",
                    MedianNsPerTick(c.source, c.load, c.cascaded));
    }
}
