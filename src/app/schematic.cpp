#include "app/schematic.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "display/twips.h"
#include "paint/pixel_grid.h"

namespace app {
namespace {

using session::PieceKind;
using session::TwipPoint;

QPoint ToPixels(TwipPoint p, double dpi) {
    return {display::TwipsToPixels(p.x, dpi), display::TwipsToPixels(p.y, dpi)};
}

}  // namespace

SchematicPiece::SchematicPiece(const session::SchematicRow& row, double dpi, QWidget* parent)
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
