#include "pictures.h"

#include <cmath>

#include "circuit_text.h"
#include "sim/engine.h"

namespace trace {

namespace {

// A whole run in at most this many frames unless --every says otherwise.
constexpr std::int64_t kMostFrames = 200;

std::string CannotWrite(const char* option, const QSaveFile& file) {
    return std::string("corvane-trace: --") + option + ": cannot write " +
           file.fileName().toStdString() + ": " + file.errorString().toStdString();
}

}  // namespace

Pictures::Pictures(const TraceRun& run, const sim::Model& m)
    : request_(run.pictures),
      ticks_(run.ticks),
      circuit_(CircuitText(run.model, run.cascaded)),
      every_(run.pictures.every > 0
                 ? run.pictures.every
                 : std::max<std::int64_t>(1, (run.ticks + kMostFrames - 1) / kMostFrames)) {
    if (request_.Plot()) plot_.emplace(m, request_, circuit_);
    if (!request_.lattice.empty())
        lattice_.emplace(run.ticks, request_.latticeCurrent, run.cascaded);
}

std::string Pictures::Open() {
    const struct {
        const char* option;
        const std::string& name;
        std::unique_ptr<QSaveFile>& file;
    } files[] = {{"png", request_.png, png_},
                 {"gif", request_.gif, gif_},
                 {"lattice", request_.lattice, latticeFile_}};
    for (const auto& f : files) {
        if (f.name.empty()) continue;
        f.file = std::make_unique<QSaveFile>(QString::fromStdString(f.name));
        if (!f.file->open(QIODevice::WriteOnly)) return CannotWrite(f.option, *f.file);
    }
    if (gif_) gifWriter_ = std::make_unique<GifWriter>(*gif_);
    return {};
}

void Pictures::Tick(sim::Model& m) {
    if (plot_)
        plot_->Tick(m);
    else
        sim::Tick(m);
}

bool Pictures::GifFrameAt(std::int64_t tick) const {
    if (ticks_ == 0) return true;  // a run of no ticks is the line at rest
    return tick > 0 && (tick % every_ == 0 || tick == ticks_);
}

void Pictures::Record(std::int64_t tick, const sim::Model& m) {
    if (lattice_) lattice_->Record(tick, m);
    // A frame lasts 200 ms / speed, in the GIF's hundredths of a second.
    if (gifWriter_ && GifFrameAt(tick))
        gifWriter_->AddFrame(plot_->Frame(m, true), int(std::nearbyint(20.0 / request_.speed)));
}

std::string Pictures::Finish(const sim::Model& m) {
    if (png_) {
        if (!plot_->Frame(m, false).save(png_.get(), "PNG") || !png_->commit())
            return CannotWrite("png", *png_);
    }
    if (gifWriter_) {
        if (!gifWriter_->Finish()) {
            gif_->cancelWriting();
            return "corvane-trace: --gif: cannot write " + request_.gif + ": " +
                   gifWriter_->error();
        }
        if (!gif_->commit()) return CannotWrite("gif", *gif_);
    }
    if (latticeFile_) {
        const QImage picture = lattice_->Paint(m, circuit_, request_.scale);
        if (!picture.save(latticeFile_.get(), "PNG") || !latticeFile_->commit())
            return CannotWrite("lattice", *latticeFile_);
    }
    return {};
}

}  // namespace trace
