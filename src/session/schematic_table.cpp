#include "session/schematic_table.h"

#include <algorithm>

namespace session {
namespace {

using P = PieceKind;
constexpr unsigned kBlack = 0x000000, kWhite = 0xFFFFFF, kConductor = 0xC00000;

constexpr std::array<SchematicRow, 22> kPieces{{
    // Etched rule across the top of the client area.
    {"", "", P::Polyline, kBlack, 1, false, 2, {{{0, 0}, {11880, 0}}}},
    {"", "", P::Polyline, kWhite, 1, false, 2, {{{0, 8}, {11880, 8}}}},
    // The source: a circle with its plus and minus signs.
    {"", "", P::Circle, kBlack, 1, false, 2, {{{-240, 1080}, {1455, 615}}}},
    {"", "", P::Polyline, kBlack, 1, false, 2, {{{480, 1200}, {480, 1320}}}},
    {"", "", P::Polyline, kBlack, 1, false, 2, {{{420, 1260}, {540, 1260}}}},
    {"", "", P::Polyline, kBlack, 1, false, 2, {{{420, 1560}, {560, 1560}}}},
    // Wires and the source resistor.
    {"", "", P::Polyline, kBlack, 1, false, 3, {{{480, 1080}, {480, 960}, {720, 960}}}},
    {"",
     "",
     P::Polyline,
     kBlack,
     1,
     false,
     8,
     {{{720, 960},
       {750, 1020},
       {810, 840},
       {870, 1020},
       {930, 840},
       {990, 1020},
       {1050, 840},
       {1080, 960}}}},
    {"", "", P::Polyline, kBlack, 1, false, 2, {{{1080, 960}, {1300, 960}}}},
    {"", "", P::Polyline, kBlack, 1, false, 3, {{{480, 1680}, {480, 1920}, {1300, 1920}}}},
    // Source-end terminals.
    {"", "", P::Circle, kBlack, 1, false, 2, {{{1320, 900}, {135, 135}}}},
    {"", "", P::Circle, kBlack, 1, false, 2, {{{1320, 1845}, {135, 135}}}},
    // The two conductors, each in three pieces; the middle ones vanish for a cascade.
    {"", "", P::Polyline, kConductor, 4, false, 2, {{{1440, 960}, {4200, 960}}}},
    {"Line21", "", P::Polyline, kConductor, 4, false, 2, {{{4200, 960}, {4320, 960}}}},
    {"", "", P::Polyline, kConductor, 4, false, 2, {{{4320, 960}, {7080, 960}}}},
    {"", "", P::Polyline, kConductor, 4, false, 2, {{{1440, 1920}, {4200, 1920}}}},
    {"Line20", "", P::Polyline, kConductor, 4, false, 2, {{{4200, 1920}, {4320, 1920}}}},
    {"", "", P::Polyline, kConductor, 4, false, 2, {{{4320, 1920}, {7080, 1920}}}},
    // Junction marks of a cascade.
    {"Shape4", "", P::Circle, kBlack, 1, true, 2, {{{4140, 900}, {255, 135}}}},
    {"Shape5", "", P::Circle, kBlack, 1, true, 2, {{{4140, 1845}, {255, 135}}}},
    // Load-end terminals.
    {"", "", P::Circle, kBlack, 1, false, 2, {{{7080, 900}, {135, 135}}}},
    {"", "", P::Circle, kBlack, 1, false, 2, {{{7080, 1845}, {135, 135}}}},
}};

// The rule that divides the Advanced Parameters frame between the length and Vp rows.
constexpr std::array<SchematicRow, 2> kFrameRules{{
    {"", "frameAdvPar", P::Polyline, kBlack, 1, false, 2, {{{0, 1650}, {3120, 1650}}}},
    {"", "frameAdvPar", P::Polyline, kWhite, 1, false, 2, {{{0, 1665}, {3120, 1665}}}},
}};

constexpr auto kAll = [] {
    std::array<SchematicRow, kPieces.size() + kFrameRules.size()> all{};
    std::copy(kPieces.begin(), kPieces.end(), all.begin());
    std::copy(kFrameRules.begin(), kFrameRules.end(), all.begin() + kPieces.size());
    return all;
}();

}  // namespace

std::span<const SchematicRow> SchematicTable() { return kAll; }

}  // namespace session
