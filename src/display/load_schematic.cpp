#include "display/load_schematic.h"

#include <array>
#include <initializer_list>

namespace display {

namespace {

// A piece of a symbol: a connected chain of straight strokes, a zig-zag Z(y0) or a coil C(y0),
// each hanging from the lead at x = 7455 starting at height y0.
struct Piece {
    enum class Kind { Path, ZigZag, Coil };
    Kind kind = Kind::Path;
    std::array<TwipPoint, 5> path{};
    int count = 0;
    int y0 = 0;
};

constexpr Piece Path(std::initializer_list<TwipPoint> points) {
    Piece piece;
    for (TwipPoint p : points) piece.path[piece.count++] = p;
    return piece;
}
constexpr Piece Z(int y0) { return Piece{Piece::Kind::ZigZag, {}, 0, y0}; }
constexpr Piece C(int y0) { return Piece{Piece::Kind::Coil, {}, 0, y0}; }

struct LoadSymbol {
    std::string_view type;
    std::array<Piece, 7> pieces{};
    int count = 0;
};

constexpr LoadSymbol Symbol(std::string_view type, std::initializer_list<Piece> pieces) {
    LoadSymbol symbol{type};
    for (const Piece& p : pieces) symbol.pieces[symbol.count++] = p;
    return symbol;
}

constexpr std::array kLoadSymbols{
    Symbol("Resistor", {Path({{7215, 960}, {7455, 960}, {7455, 1320}}), Z(1320),
                        Path({{7455, 1560}, {7455, 1920}, {7215, 1920}})}),
    Symbol("Capacitor",
           {Path({{7215, 960}, {7695, 960}, {7695, 1320}}), Path({{7575, 1320}, {7815, 1320}}),
            Path({{7815, 1560}, {7575, 1560}}), Path({{7695, 1560}, {7695, 1920}, {7215, 1920}})}),
    Symbol("Inductor", {Path({{7215, 960}, {7455, 960}, {7455, 1320}}), C(1320),
                        Path({{7455, 1620}, {7455, 1920}, {7215, 1920}})}),
    // The capacitor branch first, then the resistor branch beside it.
    Symbol("ParallelRC",
           {Path({{7455, 960}, {7695, 960}, {7695, 1320}}), Path({{7575, 1320}, {7815, 1320}}),
            Path({{7815, 1560}, {7575, 1560}}), Path({{7695, 1560}, {7695, 1920}, {7455, 1920}}),
            Path({{7215, 960}, {7455, 960}, {7455, 1320}}), Z(1320),
            Path({{7455, 1560}, {7455, 1920}, {7215, 1920}})}),
    Symbol("SeriesRL", {Path({{7215, 960}, {7455, 960}, {7455, 1110}}), Z(1110),
                        Path({{7455, 1350}, {7455, 1470}}), C(1470),
                        Path({{7455, 1770}, {7455, 1920}, {7215, 1920}})}),
    Symbol("Impedance",
           {Path({{7215, 960}, {7695, 960}, {7695, 1320}}),
            Path({{7575, 1320}, {7815, 1320}, {7815, 1560}, {7575, 1560}, {7575, 1320}}),
            Path({{7695, 1560}, {7695, 1920}, {7215, 1920}})}),
};

// The zig-zag: peaks 60 twips either side of the lead, 240 twips tall.
constexpr std::array<TwipPoint, 6> kZigZag{
    {{7455, 0}, {7515, 30}, {7395, 90}, {7515, 150}, {7395, 210}, {7455, 240}}};

// The coil: four overlapping loops; the wire meets the top of the first and leaves the bottom
// of the last, 300 twips lower.
struct CoilArc {
    int centreY, startDegrees, endDegrees;
};
constexpr std::array kCoil{CoilArc{60, 210, 90}, CoilArc{120, 210, 150}, CoilArc{180, 210, 150},
                           CoilArc{240, 270, 150}};
constexpr int kCoilX = 7455;

void AddChain(std::vector<Stroke>& strokes, const TwipPoint* points, int count, int dy) {
    for (int k = 1; k < count; ++k)
        strokes.push_back({Stroke::Kind::Line,
                           {points[k - 1].x, points[k - 1].y + dy},
                           {points[k].x, points[k].y + dy}});
}

}  // namespace

std::vector<Stroke> LoadStrokes(std::string_view loadType) {
    std::vector<Stroke> strokes;
    for (const LoadSymbol& symbol : kLoadSymbols) {
        if (symbol.type != loadType) continue;
        for (int k = 0; k < symbol.count; ++k) {
            const Piece& piece = symbol.pieces[k];
            if (piece.kind == Piece::Kind::Path)
                AddChain(strokes, piece.path.data(), piece.count, 0);
            if (piece.kind == Piece::Kind::ZigZag)
                AddChain(strokes, kZigZag.data(), int(kZigZag.size()), piece.y0);
            if (piece.kind == Piece::Kind::Coil)
                for (const CoilArc& arc : kCoil)
                    strokes.push_back({Stroke::Kind::Arc,
                                       {kCoilX, piece.y0 + arc.centreY},
                                       {},
                                       arc.startDegrees,
                                       arc.endDegrees});
        }
    }
    return strokes;
}

}  // namespace display
