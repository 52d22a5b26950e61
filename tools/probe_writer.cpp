#include "probe_writer.h"

#include "csv_writer.h"

namespace trace {

namespace {
constexpr std::size_t kTicksPerBlock = 1024;
}

ProbeWriter::ProbeWriter(std::FILE* out, std::vector<int> probes)
    : out_(out), probes_(std::move(probes)) {
    filling_.values.reserve(kTicksPerBlock * (1 + 2 * probes_.size()));
    writer_ = std::thread([this] { Write(); });
}

ProbeWriter::~ProbeWriter() {
    if (writer_.joinable()) Finish();
}

void ProbeWriter::Add(std::int64_t tick, const sim::Model& m, const sim::Points& V,
                      const sim::Points& I) {
    if (filling_.values.empty()) filling_.firstTick = tick;
    filling_.values.push_back(1000 * m.PointDuration * tick);
    for (int p : probes_) {
        filling_.values.push_back(V[p]);
        filling_.values.push_back(Milliamperes(m, I[p]));
    }
    if (filling_.values.size() >= kTicksPerBlock * (1 + 2 * probes_.size())) {
        Hand(std::move(filling_));
        filling_ = Block{};
        std::lock_guard lock(mutex_);
        filling_.values.swap(spare_);
        filling_.values.clear();
    }
}

void ProbeWriter::Hand(Block&& block) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !ready_; });
    ready_ = std::move(block);
    changed_.notify_all();
}

void ProbeWriter::Write() {
    CsvWriter csv(out_);
    csv.Text("tick,time_ns,point,voltage_V,current_mA");
    csv.EndRow();
    // The writer's own copy: the engine's thread writes the block being filled at every tick,
    // and the probes beside it would share its cache line, moving it between the cores at
    // every row.
    const std::vector<int> probes = probes_;
    CsvWriter::Memo time;
    std::vector<std::pair<CsvWriter::Memo, CsvWriter::Memo>> memos(probes.size());
    const std::size_t stride = 1 + 2 * probes.size();
    for (;;) {
        Block block;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return ready_ || finished_; });
            if (!ready_) break;
            block = std::move(*ready_);
            ready_.reset();
            changed_.notify_all();
        }
        const std::size_t ticks = block.values.size() / stride;
        for (std::size_t t = 0; t < ticks; ++t) {
            const double* v = &block.values[t * stride];
            const std::int64_t tick = block.firstTick + std::int64_t(t);
            for (std::size_t k = 0; k < probes.size(); ++k) {
                csv.Whole(tick);
                csv.Number(v[0], time);
                csv.Whole(probes[k]);
                csv.Number(v[1 + 2 * k], memos[k].first);
                csv.Number(v[2 + 2 * k], memos[k].second);
                csv.EndRow();
            }
        }
        std::lock_guard lock(mutex_);
        if (spare_.capacity() < block.values.capacity()) spare_.swap(block.values);
    }
    const bool flushed = csv.Flush();
    std::lock_guard lock(mutex_);
    written_ = flushed;
}

bool ProbeWriter::Finish() {
    if (!filling_.values.empty()) Hand(std::move(filling_));
    filling_ = Block{};
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_all();
    writer_.join();
    return written_;
}

}  // namespace trace
