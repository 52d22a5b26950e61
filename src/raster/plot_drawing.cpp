#include "raster/plot_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "display/plot_marks.h"
#include "display/trace_points.h"
#include "raster/thin_stroke.h"

namespace raster {

using display::HasPlace;
using display::Point;

void DrawPolyline(Image& image, std::span<const Point> points, display::Rgb colour, double ratio) {
    // In device pixels; a point without a place keeps its mark.
    std::vector<Point> device;
    device.reserve(points.size());
    for (const Point& p : points)
        device.push_back(ratio != 1 && HasPlace(p) ? Point{int(std::floor(p.x * ratio)),
                                                           int(std::floor(p.y * ratio))}
                                                   : p);
    // Wide enough to fill every enlarged pixel, which at an uneven ratio spans one more device
    // pixel in some rows than in others.
    const int width = std::max(1, int(std::ceil(ratio - 1e-9)));
    std::vector<Point> stretch;
    for (int pass = 0; pass < width * width; ++pass) {
        const Point shift{pass % width, pass / width};
        std::size_t start = 0;
        while (start < device.size()) {
            while (start < device.size() && !HasPlace(points[start])) ++start;
            stretch.clear();
            for (; start < device.size() && HasPlace(points[start]); ++start)
                stretch.push_back({device[start].x + shift.x, device[start].y + shift.y});
            ThinStroke stroke(image, colour);
            if (stretch.size() == 1) stroke.Dot(stretch.front());
            stroke.Polyline(stretch);
        }
    }
}

void DrawFixedMarks(Image& image, double ratio, double dpi) {
    ThinStroke stroke(image, 0xFF000000u);
    for (const display::TwipLine& l : display::kFixedMarks) {
        const Point ends[] = {
            {display::TwipsToPixels(l.x1, dpi), display::TwipsToPixels(l.y1, dpi)},
            {display::TwipsToPixels(l.x2, dpi), display::TwipsToPixels(l.y2, dpi)}};
        (void)ratio;
        stroke.Polyline(ends);
    }
}

}  // namespace raster
