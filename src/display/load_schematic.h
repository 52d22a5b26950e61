#pragma once
// The load's symbol in the circuit schematic, drawn on the main window's persistent surface
// between the load-end terminals at (7215, 960) and (7215, 1920), twips of the client area.
// A symbol is drawn in the window's foreground colour and erased by drawing the very same
// strokes, with the same pen and no antialiasing, in its background colour, so erasing leaves
// no pixel of it behind.

#include <QColor>
#include <string_view>
#include <vector>

class QPainter;

namespace display {

struct TwipPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TwipPoint&, const TwipPoint&) = default;
};

inline constexpr int kCoilArcRadius = 60;  // twips

// A straight stroke from `a` to `b`, or an arc of radius kCoilArcRadius around `a` drawn
// counter-clockwise (as seen on the screen) from `startDegrees` to `endDegrees`, 90° pointing up.
struct Stroke {
    enum class Kind { Line, Arc };
    Kind kind = Kind::Line;
    TwipPoint a;
    TwipPoint b;
    int startDegrees = 0;
    int endDegrees = 0;
};

// The strokes of a load type's symbol in drawing order; none for a type that is not a load.
std::vector<Stroke> LoadStrokes(std::string_view loadType);

// Draws the symbol of `loadType`, or erases it when `mode` is "Erase" or "erase" (any other
// mode draws; the callers that draw pass an empty text).
void DrawLoad(QPainter& painter, std::string_view loadType, std::string_view mode,
              QColor foreground, QColor background, double logicalDpi = 96);

// Erases the symbols of all six load types, leaving the load area blank whatever was drawn.
void EraseLoadSymbols(QPainter& painter, QColor foreground, QColor background,
                      double logicalDpi = 96);

}  // namespace display
