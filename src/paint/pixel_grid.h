#pragma once
// Drawing designed pixels larger. Qt centres an aliased pen on its coordinate, and at one device
// pixel per designed pixel that fills the pixel below and to the right of the coordinate. Drawn
// larger (a window scale, a screen's pixel ratio), the same stroke would straddle that pixel's
// upper-left edge; half a designed pixel of shift puts it on the pixel's enlarged place, so an
// enlarged picture is the designed one, finer, and not moved.

#include <QPainter>

namespace paint {

inline void OnDesignPixels(QPainter& painter) {
    if (painter.deviceTransform().m11() != 1) painter.translate(0.5, 0.5);
}

}  // namespace paint
