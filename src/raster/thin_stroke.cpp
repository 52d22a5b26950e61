#include "raster/thin_stroke.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace raster {

namespace {

// A 64ths-of-a-pixel coordinate, cut toward zero as the painter cuts it.
int Sixtyfourths(double v) { return static_cast<int>(v * 64); }

// The slope in 65536ths of a pixel per pixel, cut toward zero.
int Slope(int rise, int run) { return static_cast<int>(std::int64_t(rise) * 65536 / run); }

}  // namespace

// The way a line runs along its longer axis (x for a diagonal).
ThinStroke::Direction ThinStroke::Heading(int dx, int dy) {
    using enum Direction;
    if (std::abs(dx) < std::abs(dy)) return dy > 0 ? kDown : kUp;
    return dx > 0 ? kRight : dx < 0 ? kLeft : kNone;
}

void ThinStroke::Polyline(std::span<const display::Point> points) {
    if (points.size() < 2) return;
    lastPixel_.reset();
    lastRow_.reset();
    lastColumn_.reset();
    Spot from{double(points[0].x), double(points[0].y)};
    // A polyline that comes back to where it began is drawn without caps, as the painter draws
    // it, and its first line follows on from its last: one that doubles back there (a line there
    // and back) gets its cap at the turn.
    const bool closed = points.front() == points.back();
    const display::Point& beforeEnd = points[points.size() - 2];
    lastDirection_ = closed ? Heading(points.back().x - beforeEnd.x, points.back().y - beforeEnd.y)
                            : Direction::kNone;
    bool capStart = !closed;
    for (std::size_t k = 1; k < points.size(); ++k) {
        const Spot to{double(points[k].x), double(points[k].y)};
        const bool capEnd = !closed && k + 1 == points.size();
        if (to.x == from.x && to.y == from.y) {
            capStart = false;
            continue;
        }
        Segment(from, to, capStart, capEnd);
        from = to;
        capStart = false;
    }
}

// A line cut where it leaves the picture, or where it enters across the top or bottom, does not
// join the one before; one that enters across a side still does. Found so by experiment.
bool ThinStroke::Clip(Spot& a, Spot& b) {
    const double left = -1, right = image_.Width() + 1;
    const double top = -1, bottom = image_.Height() + 1;
    // Moves one end along the line to where it crosses x = edge (or y = edge when `across`).
    const auto cut = [](Spot& end, const Spot& other, double edge, bool across) {
        if (across) {
            end.x += (other.x - end.x) / (other.y - end.y) * (edge - end.y);
            end.y = edge;
        } else {
            end.y += (other.y - end.y) / (other.x - end.x) * (edge - end.x);
            end.x = edge;
        }
    };
    for (const bool across : {false, true}) {
        const double lo = across ? top : left, hi = across ? bottom : right;
        const auto at = [across](const Spot& s) { return across ? s.y : s.x; };
        if (at(a) < lo) {
            if (at(b) <= lo) return false;
            if (across) lastPixel_.reset();
            cut(a, b, lo, across);
        } else if (at(a) > hi) {
            if (at(b) >= hi) return false;
            if (across) lastPixel_.reset();
            cut(a, b, hi, across);
        }
        if (at(b) < lo) {
            lastPixel_.reset();
            cut(b, a, lo, across);
        } else if (at(b) > hi) {
            lastPixel_.reset();
            cut(b, a, hi, across);
        }
    }
    return true;
}

void ThinStroke::Segment(Spot a, Spot b, bool capStart, bool capEnd) {
    if (!Clip(a, b)) {
        lastPixel_.reset();
        lastColumn_.reset();
        return;
    }
    int ax = Sixtyfourths(a.x), ay = Sixtyfourths(a.y);
    int bx = Sixtyfourths(b.x), by = Sixtyfourths(b.y);
    // Stepped along the longer axis ("major"); the other is "minor".
    const bool vertical = std::abs(bx - ax) < std::abs(by - ay);
    int aMajor = vertical ? ay : ax, aMinor = vertical ? ax : ay;
    int bMajor = vertical ? by : bx, bMinor = vertical ? bx : by;
    if (aMajor == bMajor) {
        lastColumn_.reset();
        return;
    }
    const bool reversed = aMajor > bMajor;
    const Direction direction = Heading(bx - ax, by - ay);
    if (reversed) {
        std::swap(aMajor, bMajor);
        std::swap(aMinor, bMinor);
        std::swap(capStart, capEnd);
    }
    const int step = Slope(bMinor - aMinor, bMajor - aMajor);
    int minor = aMinor * 1024;  // in 65536ths
    // Doubling back: the turn gets a cap, as if the line began there.
    const auto reverses = [](Direction before, Direction now) {
        using enum Direction;
        return (before == kRight && now == kLeft) || (before == kLeft && now == kRight) ||
               (before == kDown && now == kUp) || (before == kUp && now == kDown);
    };
    if (reverses(lastDirection_, direction)) (reversed ? capEnd : capStart) = true;
    if (capStart) {
        aMajor -= 32;
        minor -= step >> 1;
    }
    if (capEnd) bMajor += 32;
    int first = (aMajor + 32) >> 6;
    int end = (bMajor + 32) >> 6;
    // A cap that reaches back to the row (column) where the line before left off starts a row
    // later, as the painter has it, even when that line was cut at the edge and is not joined.
    if (capStart && (vertical ? lastRow_ : lastColumn_) == first + 1) ++first;
    if (first == end) return;
    minor += ((first * 64) + (step > 0 ? 32 : 0) - aMajor) * step >> 6;

    const auto pixel = [vertical](int major, int minorFixed) {
        const int m = minorFixed >> 16;
        return vertical ? display::Point{m, major} : display::Point{major, m};
    };
    display::Point begins = pixel(first, minor);
    display::Point ends = pixel(end - 1, minor + (end - first - 1) * step);
    if (reversed) std::swap(begins, ends);
    const bool axisAligned = std::abs(step) < (1 << 14);
    if (lastPixel_) {
        const display::Point last = *lastPixel_;
        const int dMajor = std::abs(vertical ? last.y - begins.y : last.x - begins.x);
        const int dMinor = std::abs(vertical ? last.x - begins.x : last.y - begins.y);
        if (last == begins) {
            // Lit by the segment before: not again.
            if (reversed) {
                --end;
            } else {
                ++first;
                minor += step;
            }
        } else if (lastDirection_ != direction &&
                   ((axisAligned && lastAxisAligned_ && last.x != begins.x && last.y != begins.y) ||
                    dMajor > 1 || dMinor > 1)) {
            // A corner left open: one more pixel toward the segment before.
            if (reversed) {
                ++end;
            } else {
                --first;
                minor -= step;
            }
        } else if (lastDirection_ == direction && dMinor <= 1 && dMajor > 1) {
            minor += step >> 1;
            const display::Point moved =
                reversed ? pixel(first, minor) : pixel(end - 1, minor + (end - first - 1) * step);
            ends = moved;
        }
    }
    lastDirection_ = direction;
    lastAxisAligned_ = axisAligned;
    do {
        const display::Point p = pixel(first, minor);
        image_.Plot(p.x, p.y, colour_);
        minor += step;
    } while (++first < end);
    lastPixel_ = ends;
    lastRow_ = ends.y;
    lastColumn_ = ends.x;
}

}  // namespace raster
