#include "app/schematic.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "display/twips.h"
#include "paint/pixel_grid.h"

namespace app {
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

QPoint ToPixels(TwipPoint p, double dpi) {
    return {display::TwipsToPixels(p.x, dpi), display::TwipsToPixels(p.y, dpi)};
}

}  // namespace

std::span<const SchematicRow> SchematicTable() { return kAll; }

SchematicPiece::SchematicPiece(const SchematicRow& row, double dpi, QWidget* parent)
    : QWidget(parent), kind_(row.kind), color_(QRgb(row.color)), pen_(row.penPixels) {
    if (*row.name) setObjectName(QString::fromLatin1(row.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QRect bounds;
    QVector<QPoint> points;
    if (kind_ == PieceKind::Circle) {
        // A circle of the box's smaller side, centred in the box.
        const TwipPoint box = row.points[0], size = row.points[1];
        const double diameter = std::min(size.x, size.y);
        const double cx = box.x + size.x / 2.0, cy = box.y + size.y / 2.0;
        const int left = display::TwipsToPixels(cx - diameter / 2, dpi);
        const int top = display::TwipsToPixels(cy - diameter / 2, dpi);
        const int d = display::TwipsToPixels(diameter, dpi);
        bounds = QRect(left, top, d + 1, d + 1);
        circle_ = QRect(left, top, d, d);
    } else {
        for (int i = 0; i < row.count; ++i) points.append(ToPixels(row.points[i], dpi));
        for (const QPoint& p : points) bounds |= QRect(p, QSize(1, 1));
    }
    // Room for the pen's width on every side.
    const int margin = pen_ / 2 + 1;
    bounds.adjust(-margin, -margin, margin, margin);
    designed_ = bounds;
    setGeometry(bounds);
    for (const QPoint& p : points) points_.append(p - bounds.topLeft());
    circle_.translate(-bounds.topLeft());
    if (row.hiddenAtStart) hide();
}

// The smallest whole-pixel place that holds the scaled drawing.
void SchematicPiece::SetScale(double s) {
    scale_ = s;
    const QRectF scaled(designed_.x() * s, designed_.y() * s, designed_.width() * s,
                        designed_.height() * s);
    setGeometry(scaled.toAlignedRect());
    update();
}

void SchematicPiece::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // In designed pixels of the container, then relative to the designed place.
    painter.translate(-pos());
    painter.scale(scale_, scale_);
    painter.translate(designed_.topLeft());
    paint::OnDesignPixels(painter);
    QPen pen(color_, pen_);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    if (kind_ == PieceKind::Circle) {
        painter.drawEllipse(circle_);
    } else {
        painter.drawPolyline(points_.data(), int(points_.size()));
    }
}

}  // namespace app
