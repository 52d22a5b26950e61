#pragma once
// The load's symbol in the circuit schematic, between the load-end terminals at (7215, 960) and
// (7215, 1920), twips of the client area: its strokes as data. The painter that draws them on
// the main window's persistent surface is paint/load_symbol.h.

#include <array>
#include <string_view>
#include <vector>

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

// The six load types that have a symbol, in the order a new choice erases them.
inline constexpr std::array<std::string_view, 6> kLoadSymbolTypes{
    "Resistor", "Capacitor", "Inductor", "Impedance", "ParallelRC", "SeriesRL"};

}  // namespace display
