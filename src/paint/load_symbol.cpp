#include "paint/load_symbol.h"

#include <QPainter>

#include "display/load_schematic.h"
#include "display/twips.h"
#include "paint/pixel_grid.h"

namespace paint {

namespace {

using display::Stroke;

void DrawStroke(QPainter& painter, const Stroke& s, double dpi) {
    const auto px = [dpi](int twips) { return display::TwipsToPixels(twips, dpi); };
    if (s.kind == Stroke::Kind::Line) {
        painter.drawLine(px(s.a.x), px(s.a.y), px(s.b.x), px(s.b.y));
        return;
    }
    const int r = px(display::kCoilArcRadius);
    const int span = ((s.endDegrees - s.startDegrees) % 360 + 360) % 360;
    painter.drawArc(QRect(px(s.a.x) - r, px(s.a.y) - r, 2 * r, 2 * r), s.startDegrees * 16,
                    span * 16);
}

}  // namespace

void DrawLoad(QPainter& painter, std::string_view loadType, std::string_view mode,
              QColor foreground, QColor background, double logicalDpi) {
    const bool erase = mode == "Erase" || mode == "erase";
    painter.save();
    // One pen for drawing and erasing, no antialiasing: the erasing strokes cover exactly the
    // pixels the drawing strokes set.
    painter.setRenderHint(QPainter::Antialiasing, false);
    OnDesignPixels(painter);
    QPen pen(erase ? background : foreground);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const Stroke& s : display::LoadStrokes(loadType)) DrawStroke(painter, s, logicalDpi);
    painter.restore();
}

void EraseLoadSymbols(QPainter& painter, QColor foreground, QColor background, double logicalDpi) {
    for (std::string_view type : display::kLoadSymbolTypes)
        DrawLoad(painter, type, "Erase", foreground, background, logicalDpi);
}

}  // namespace paint
