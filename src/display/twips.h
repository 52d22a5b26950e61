#pragma once
// Window layouts are given in twips, 1/1440 inch. Every conversion to screen pixels goes through
// here so that the whole window agrees on where a twip lands.

#include "display/geometry.h"

namespace display {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kDefaultDpi = 96;  // 15 twips to the pixel

// Rounds to the nearest pixel, a half to the even neighbour.
int TwipsToPixels(double twips, double logicalDpi = kDefaultDpi);

// A rectangle given as Left, Top, Width, Height in twips; each of the four converted on its own,
// as the element tables give them.
Rect TwipsToPixels(int left, int top, int width, int height, double logicalDpi = kDefaultDpi);

}  // namespace display
