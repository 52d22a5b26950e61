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
        device.push_back(ratio != 1 && HasPlace(p)
                             ? Point{int(std::floor(p.x * ratio)), int(std::floor(p.y * ratio))}
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

// The marks are lines along the axes; larger than designed, the painter fills each one as the
// pen's square around every point of it, one plot pixel wide and moved half a pixel onto the
// designed pixel: the rectangle of its designed pixels, enlarged. It takes the device pixels whose
// centres fall inside, a centre on the top (left) edge out and one on the bottom (right) edge in.
// It enlarges by the image's pixel ratio as the image holds it, in 65536ths cut down; at a ratio
// such as 1.1 that puts an edge just short of a centre that the exact ratio would reach.
// (std::all_of: emscripten's C++ library has no std::ranges::all_of.)
static_assert(std::all_of(display::kFixedMarks.begin(), display::kFixedMarks.end(),
                          [](const display::TwipLine& l) { return l.x1 == l.x2 || l.y1 == l.y2; }));

void DrawFixedMarks(Image& image, double ratio, double dpi) {
    constexpr display::Rgb kBlack = 0xFF000000u;
    ThinStroke stroke(image, kBlack);
    const double scale = std::floor(ratio * 65536) / 65536;
    // The device pixels whose centres lie in (lo, hi] times the scale (exact in a double).
    const auto span = [scale](int lo, int hi) {
        return std::pair{int(std::floor(lo * scale + 0.5)), int(std::floor(hi * scale + 0.5))};
    };
    for (const display::TwipLine& l : display::kFixedMarks) {
        const Point a{display::TwipsToPixels(l.x1, dpi), display::TwipsToPixels(l.y1, dpi)};
        const Point b{display::TwipsToPixels(l.x2, dpi), display::TwipsToPixels(l.y2, dpi)};
        if (ratio == 1) {
            const Point ends[] = {a, b};
            stroke.Polyline(ends);
            continue;
        }
        const auto [x0, x1] = span(std::min(a.x, b.x), std::max(a.x, b.x) + 1);
        const auto [y0, y1] = span(std::min(a.y, b.y), std::max(a.y, b.y) + 1);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) image.Plot(x, y, kBlack);
    }
}

}  // namespace raster
