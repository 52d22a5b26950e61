#pragma once
// The plot's designed size and its fixed black marks, which are painted over the drawing at
// every paint, so clearing the drawing never removes them.

#include <array>

#include "display/geometry.h"
#include "display/twips.h"

namespace display {

// The inner area of the window's plot at its designed size (5895 × 3375 twips less the sunken
// border of 2 pixels on each side), at the window's designed 96 dpi.
inline Size DesignedPlotSize() { return {TwipsToPixels(5895) - 4, TwipsToPixels(3375) - 4}; }

struct TwipLine {
    int x1, y1, x2, y2;
};

// In twips of the plot's inner area: the axis, the ticks on the left edge at each eighth of the
// height above and below it, and the ticks across the axis at a quarter, half and three quarters
// of the width.
inline constexpr std::array kFixedMarks{
    TwipLine{0, 1650, 5880, 1650},    TwipLine{0, 422, 60, 422},
    TwipLine{0, 844, 60, 844},        TwipLine{0, 1266, 60, 1266},
    TwipLine{0, 2109, 60, 2109},      TwipLine{0, 2531, 60, 2531},
    TwipLine{0, 2953, 60, 2953},      TwipLine{1474, 1620, 1474, 1680},
    TwipLine{2948, 1620, 2948, 1680}, TwipLine{4421, 1620, 4421, 1680},
};

}  // namespace display
