#pragma once
// From line values to plot pixels: the mapping each tick and each zoom redraw use.
//
// A coordinate is the mapped value rounded to the nearest whole pixel, a half to the even
// neighbour, kept as a 32-bit integer. Two corners of the mapping have no natural answer:
//  - a plot amplitude of 0 (a peak voltage of 0): a value of 0 lies on the axis, as the line at
//    rest does; any other value is infinitely far off the plot and is clamped, below;
//  - values beyond what a pixel can hold (extreme zoom or values, infinities): clamped to
//    ±kCoordinateLimit, far outside any plot but well inside what the painter draws safely, so a
//    trace that leaves the plot runs straight off its edge;
//  - a value that is not a number (nan) gets kNoCoordinate: the point has no place, and the
//    polyline is broken there (nothing is drawn to or from it).

#include <array>
#include <cstdint>
#include <limits>

#include "display/geometry.h"
#include "sim/model.h"

namespace display {

// The scale of the plot for a run. The half sizes are taken in single precision at run start.
struct PlotScale {
    float PlotHalfWidth = 0;
    float PlotHalfHeight = 0;
    double PlotAmplitude = 0;  // volts drawn as a quarter of the plot height at zoom 1
    double ZoomFactor = 1;
    double NormZ1 = 1;  // the current's scale relative to the voltage's; always 1
};

// The scale from the run's quantities in the model and the window's own plot state.
PlotScale PlotScaleOf(const sim::Model& m, float plotHalfWidth, float plotHalfHeight,
                      double zoomFactor);

inline constexpr std::int32_t kCoordinateLimit = 1 << 20;
inline constexpr std::int32_t kNoCoordinate = std::numeric_limits<std::int32_t>::min();

using TracePoints = std::array<Point, sim::kPoints>;

// Rounds half to even, clamps to ±kCoordinateLimit; nan gives kNoCoordinate.
std::int32_t PixelCoordinate(double pixels);

// Point i of the grid: 0 at the left edge, 200 at twice the half width.
std::int32_t TraceX(const PlotScale& scale, int i);
// A voltage, positive upward, PlotAmplitude a quarter of the height above the axis at zoom 1.
std::int32_t VoltageY(const PlotScale& scale, double volts);
// A current stored as reference impedance × amperes; it shares the voltage scale.
std::int32_t CurrentY(const PlotScale& scale, double current);

// True when both coordinates have a place on the plot (neither is kNoCoordinate).
bool HasPlace(Point p);

// Stores point i of both traces; the tick calls this for each point as it shifts the line.
void StoreTracePoint(const PlotScale& scale, int i, double volts, double current,
                     TracePoints& voltagePoints, TracePoints& currentPoints);

// Both traces from the samples of the last completed step (level 1 of the line), for a redraw
// that does not advance time. The current uses the voltage scale directly (NormZ1 is 1).
void MapLastStep(const sim::Model& m, const PlotScale& scale, TracePoints& voltagePoints,
                 TracePoints& currentPoints);

}  // namespace display
