#pragma once
// The window's plot, followed through a run without the window: every tick draws on a
// PlotPicture exactly as the window's tick draws on Picture1, and a frame is that picture with
// a caption under it.

#include <QImage>
#include <string>

#include "display/trace_points.h"
#include "paint/plot_picture.h"
#include "sim/model.h"
#include "trace_options.h"

namespace trace {

class PlotRun {
  public:
    // `m` has been through the run start; `circuit` names it (see circuit_text.h).
    PlotRun(const sim::Model& m, const PictureRequest& request, std::string circuit);

    // One tick of the engine, drawn: white-out or clear, the line, the new traces.
    void Tick(sim::Model& m);

    // The plot as it stands (without the caption), at the requested scale.
    QImage Plot() const { return picture_.Composed(); }
    // The plot and, under it, the circuit and the tick-mark readout; with `elapsed` also the
    // elapsed time, for the frames of an animation.
    QImage Frame(const sim::Model& m, bool elapsed) const;
    // The caption's text.
    std::string Caption(const sim::Model& m, bool elapsed) const;

  private:
    const PictureRequest request_;
    const std::string circuit_;
    display::PlotScale scale_;
    paint::PlotPicture picture_;
    display::TracePoints voltagePoints_{}, currentPoints_{};
};

}  // namespace trace
