#pragma once
// The plot's traces and fixed marks drawn into an Image, pixel for pixel as the desktop's plot
// picture paints them with its painter, for a view that has no such painter (the browser).

#include <span>

#include "display/geometry.h"
#include "display/twips.h"
#include "raster/image.h"

namespace raster {

// An open polyline through points in the plot's own coordinates onto an image with `ratio`
// device pixels to a plot pixel. Points without a place break the line; a point alone between
// such breaks (or at an end) shows as a dot. Larger than designed, the points are floored to
// device pixels and the one-pixel line is drawn side by side to fill each enlarged pixel.
void DrawPolyline(Image& image, std::span<const display::Point> points, display::Rgb colour,
                  double ratio);

// The axis and its ticks in black, their twips turned into plot pixels at `dpi`.
void DrawFixedMarks(Image& image, double ratio, double dpi = display::kDefaultDpi);

}  // namespace raster
