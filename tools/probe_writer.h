#pragma once
// The rows of a probe run, formatted and written on a second thread while the engine goes on:
// turning numbers into text costs about as much as the ticks themselves, and the two need not
// wait for each other. The engine hands over the probes' values a block of ticks at a time.

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "sim/model.h"

namespace trace {

// Currents are stored as reference impedance × amperes; Zo is the reference after the run
// start (Zo1 for a cascade).
inline double Milliamperes(const sim::Model& m, double current) { return 1000 * current / m.Zo; }

class ProbeWriter {
  public:
    // Writes the header at once; `probes` are the points, in the order given.
    ProbeWriter(std::FILE* out, std::vector<int> probes);
    ~ProbeWriter();
    ProbeWriter(const ProbeWriter&) = delete;
    ProbeWriter& operator=(const ProbeWriter&) = delete;

    // The line `V`, `I` after `tick`: the time and each probe's voltage and current (mA).
    void Add(std::int64_t tick, const sim::Model& m, const sim::Points& V, const sim::Points& I);
    // Writes what is left and waits for it; false when the output could not be written.
    bool Finish();

  private:
    struct Block {
        std::int64_t firstTick = 0;
        std::vector<double> values;  // per tick: the time, then voltage and current per probe
    };
    void Hand(Block&& block);
    void Write();

    std::FILE* out_;
    const std::vector<int> probes_;
    Block filling_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Block> ready_;  // handed over, not yet taken by the writer
    std::vector<double> spare_;   // a taken block's storage, back for the engine to fill
    bool finished_ = false;
    bool written_ = true;
    std::thread writer_;
};

}  // namespace trace
