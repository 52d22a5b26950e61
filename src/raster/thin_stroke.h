#pragma once
// One-pixel lines without antialiasing, pixel for pixel as the desktop's painter draws them with
// a pen of width 1, square caps and no transform, so the browser's plot shows the same pixels.
//
// What that painter does was found by drawing and reading back its pixels:
//  - Coordinates are taken in 64ths of a pixel (cut toward zero) and a line is stepped along
//    its longer axis, the shorter one advancing by a slope in 65536ths that is cut toward zero
//    too. A pixel's row (or column) is the whole part of the position sampled half a pixel into
//    the step when the position grows, at the step's start when it shrinks. A diagonal steps
//    along x.
//  - Along the longer axis a line covers the pixels from its start up to, not including, its
//    end; a square cap adds half a pixel at either end, so a polyline shows both its end points.
//  - The joins of a polyline: a pixel already lit by the segment before is not lit again, a gap
//    left where the direction turns is filled, and a line that doubles back gets a cap at the
//    turn. A segment of no length is skipped and takes the caps meant for it along. A polyline
//    that ends where it began has no caps and its first line follows on from its last.
//  - Lines are first cut in floating point to the image grown by a pixel or two, so that far-off
//    points step from where the line enters; what is inside comes out as the painter has it.

#include <optional>
#include <span>

#include "display/geometry.h"
#include "raster/image.h"

namespace raster {

class ThinStroke {
  public:
    ThinStroke(Image& image, display::Rgb colour) : image_(image), colour_(colour) {}

    // An open polyline in device pixels; a single point or only repeated points draw nothing.
    void Polyline(std::span<const display::Point> points);
    // The pixel at a point, as the painter draws a point with that pen.
    void Dot(display::Point p) { image_.Plot(p.x, p.y, colour_); }

  private:
    struct Spot {
        double x, y;
    };
    enum class Direction { kNone, kRight, kLeft, kDown, kUp };

    static Direction Heading(int dx, int dy);
    void Segment(Spot a, Spot b, bool capStart, bool capEnd);
    // Cuts a segment to the grown image; false when nothing of it is left.
    bool Clip(Spot& a, Spot& b);

    Image& image_;
    display::Rgb colour_;
    // Where the segment before left off, for joining it; forgotten where a line is cut at the
    // edge.
    std::optional<display::Point> lastPixel_;
    // The same row and column for a cap that reaches back to them. The painter keeps both
    // through a line cut at the edge; the column, not the row, it forgets when a line draws
    // nothing (wholly off the picture, or of no length once cut).
    std::optional<int> lastRow_;
    std::optional<int> lastColumn_;
    Direction lastDirection_ = Direction::kNone;
    bool lastAxisAligned_ = false;
};

}  // namespace raster
