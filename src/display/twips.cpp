#include "display/twips.h"

#include <cmath>

namespace display {

int TwipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::nearbyint(twips * logicalDpi / kTwipsPerInch));
}

Rect TwipsToPixels(int left, int top, int width, int height, double logicalDpi) {
    return Rect{TwipsToPixels(left, logicalDpi), TwipsToPixels(top, logicalDpi),
                TwipsToPixels(width, logicalDpi), TwipsToPixels(height, logicalDpi)};
}

}  // namespace display
