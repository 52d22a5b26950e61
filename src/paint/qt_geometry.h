#pragma once
// The plain points, sizes and rectangles of the Qt-free libraries as QtGui's own types.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "display/geometry.h"

namespace paint {

inline QPoint ToQPoint(display::Point p) { return {p.x, p.y}; }
inline QSize ToQSize(display::Size s) { return {s.width, s.height}; }
inline QRect ToQRect(display::Rect r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace paint
