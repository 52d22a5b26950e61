#pragma once
// The fixed drawing of the window as data: the circuit schematic (source, source resistor, wires,
// terminals, the two line conductors, the junction marks) and the etched rules, in twips.

#include <array>
#include <span>

namespace session {

enum class PieceKind { Polyline, Circle };

struct TwipPoint {
    int x, y;
};

struct SchematicRow {
    const char* name;       // "" for an unnamed piece
    const char* container;  // "" for the client area, else the frame's name
    PieceKind kind;
    unsigned color;  // 0xRRGGBB
    int penPixels;
    bool hiddenAtStart;
    int count;  // points of the polyline; a circle uses one point pair: box corner, box size
    std::array<TwipPoint, 8> points;
};

std::span<const SchematicRow> SchematicTable();

}  // namespace session
