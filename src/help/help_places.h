#pragma once
// Where the help window's elements stand: the designed places in twips, and how the tree, the
// text pane and Quit Help follow the window when it is made larger than designed.

#include "display/geometry.h"

namespace help {

// The window's designed size, which is also its smallest.
inline constexpr int kHelpWidthTwips = 8655;
inline constexpr int kHelpHeightTwips = 5520;

// Left, top, width and height in twips.
struct TwipRect {
    int left, top, width, height;
    display::Rect Pixels(double dpi) const;
};
inline constexpr TwipRect kSelectTopicPlace{360, 360, 1815, 375};
inline constexpr TwipRect kTreePlace{240, 1080, 2775, 3855};
inline constexpr TwipRect kTextPlace{3120, 1080, 5055, 3855};
inline constexpr TwipRect kQuitPlace{6120, 5040, 975, 375};

struct GrowingPlaces {
    display::Rect tree, text, quit;
};

// `extra` is how much larger than designed the window is (never negative). The extra room goes
// to the tree and the text pane in proportion to their designed widths, and all of the extra
// height; Quit Help keeps its distance from the bottom right corner. At the designed size every
// element is at its designed place.
GrowingPlaces PlacesAtExtra(display::Size extra, double dpi);

}  // namespace help
