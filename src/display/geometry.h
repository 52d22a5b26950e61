#pragma once
// Points, sizes, rectangles and colours as plain values, so that the plot mapping, the twips
// conversion and the schematic's strokes need no toolkit. The views turn them into their own
// types where they draw (paint/qt_geometry.h).

#include <cstdint>

namespace display {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// An opaque colour as 0xAARRGGBB with AA = FF: the layout a painter's 32-bit pixel has, so the
// same number names the colour on the screen, in a picture file and in a GIF's palette.
using Rgb = std::uint32_t;

constexpr Rgb RgbOf(int red, int green, int blue) {
    return 0xFF000000u | (Rgb(red & 0xFF) << 16) | (Rgb(green & 0xFF) << 8) | Rgb(blue & 0xFF);
}

}  // namespace display
