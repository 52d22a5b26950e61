#pragma once
// The load's symbol painted on the main window's persistent surface. A symbol is drawn in the
// window's foreground colour and erased by drawing the very same strokes, with the same pen and
// no antialiasing, in its background colour, so erasing leaves no pixel of it behind.

#include <QColor>
#include <string_view>

class QPainter;

namespace paint {

// Draws the symbol of `loadType`, or erases it when `mode` is "Erase" or "erase" (any other
// mode draws; the callers that draw pass an empty text).
void DrawLoad(QPainter& painter, std::string_view loadType, std::string_view mode,
              QColor foreground, QColor background, double logicalDpi = 96);

// Erases the symbols of all six load types, leaving the load area blank whatever was drawn.
void EraseLoadSymbols(QPainter& painter, QColor foreground, QColor background,
                      double logicalDpi = 96);

}  // namespace paint
