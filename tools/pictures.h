#pragma once
// The pictures of one run of corvane-trace: the plot after the last tick (PNG), the animation
// (GIF) and the lattice diagram (PNG). Every file is opened before the run, so one that cannot
// be written is refused at once, and is written beside its target and renamed into place only
// when complete, so no partial file is ever left.

#include <QSaveFile>
#include <memory>
#include <optional>
#include <string>

#include "gif_writer.h"
#include "lattice.h"
#include "plot_run.h"
#include "trace_options.h"

namespace trace {

class Pictures {
  public:
    // `run.model` holds the parameters as given; `m` is the model after the run start.
    Pictures(const TraceRun& run, const sim::Model& m);

    // Empty when every file could be opened, else the refusal to print.
    std::string Open();
    // One tick of the engine: drawn on the plot when the plot is painted.
    void Tick(sim::Model& m);
    // Called with the line at rest (tick 0) and after every tick.
    void Record(std::int64_t tick, const sim::Model& m);
    // Paints what is left and puts every file in place; empty, or what went wrong.
    std::string Finish(const sim::Model& m);

  private:
    bool GifFrameAt(std::int64_t tick) const;

    const PictureRequest request_;
    const std::int64_t ticks_;
    const std::string circuit_;
    std::int64_t every_;
    std::optional<PlotRun> plot_;
    std::optional<Lattice> lattice_;
    std::unique_ptr<QSaveFile> png_, gif_, latticeFile_;
    std::unique_ptr<GifWriter> gifWriter_;
};

}  // namespace trace
