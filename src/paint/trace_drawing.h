#pragma once
// The plot's part of the tick and of the zoom redraw: which traces are painted, in which colour.
// The session reads its check boxes just before each report, so a box changed during a tick
// takes effect at the next of these calls.

#include "display/plot_colours.h"
#include "display/trace_points.h"
#include "paint/plot_picture.h"

namespace paint {

using display::TracePoints;

// Before the points are updated: in envelope mode the last tick's traces are painted over in
// white and nothing is cleared, so the white grows into the envelope; otherwise the plot is
// cleared.
void BeginTickDrawing(PlotPicture& plot, bool envelope, bool voltage, bool current,
                      const TracePoints& voltagePoints, const TracePoints& currentPoints);

// After the points are built: the voltage trace in dark red, then the current in orange.
void DrawTraces(PlotPicture& plot, bool voltage, bool current, const TracePoints& voltagePoints,
                const TracePoints& currentPoints);

}  // namespace paint
