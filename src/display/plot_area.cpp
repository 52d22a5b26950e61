#include "display/plot_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <array>

#include "display/trace_points.h"
#include "display/twips.h"

namespace display {

namespace {

struct TwipLine {
    int x1, y1, x2, y2;
};

// The plot's fixed black marks, in twips of its inner area: the axis, the ticks on the left edge
// at each eighth of the height above and below it, and the ticks across the axis at a quarter,
// half and three quarters of the width.
constexpr std::array kFixedMarks{
    TwipLine{0, 1650, 5880, 1650},    TwipLine{0, 422, 60, 422},
    TwipLine{0, 844, 60, 844},        TwipLine{0, 1266, 60, 1266},
    TwipLine{0, 2109, 60, 2109},      TwipLine{0, 2531, 60, 2531},
    TwipLine{0, 2953, 60, 2953},      TwipLine{1474, 1620, 1474, 1680},
    TwipLine{2948, 1620, 2948, 1680}, TwipLine{4421, 1620, 4421, 1680},
};

QPen ThinPen(QColor colour) {
    QPen pen(colour);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

}  // namespace

PlotArea::PlotArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    EnsureSurfaceSize();
}

int PlotArea::InnerWidth() const { return std::max(0, width() - 2 * kBorder); }
int PlotArea::InnerHeight() const { return std::max(0, height() - 2 * kBorder); }

void PlotArea::EnsureSurfaceSize() const {
    const QSize inner(std::max(1, InnerWidth()), std::max(1, InnerHeight()));
    if (surface_.size() == inner) return;
    QImage grown(inner, QImage::Format_RGB32);
    grown.fill(backColour_);
    if (!surface_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, surface_);
    }
    surface_ = grown;
}

const QImage& PlotArea::Surface() const {
    EnsureSurfaceSize();
    return surface_;
}

void PlotArea::Clear() {
    EnsureSurfaceSize();
    surface_.fill(backColour_);
    update();
}

void PlotArea::SetBackColor(QColor colour) {
    backColour_ = colour;
    Clear();
}

void PlotArea::DrawPolyline(std::span<const QPoint> points, QColor colour) {
    EnsureSurfaceSize();
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ThinPen(colour));
    // Draw each stretch of points that have a place; a lone point shows as a dot.
    std::size_t start = 0;
    while (start < points.size()) {
        while (start < points.size() && !HasPlace(points[start])) ++start;
        std::size_t end = start;
        while (end < points.size() && HasPlace(points[end])) ++end;
        if (end - start == 1) painter.drawPoint(points[start]);
        if (end - start > 1) painter.drawPolyline(points.data() + start, int(end - start));
        start = end;
    }
    update();
}

void PlotArea::PaintFixedMarks(QPainter& painter) const {
    const double dpi = logicalDpiX();  // the window lays itself out at this dpi too
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ThinPen(Qt::black));
    for (const TwipLine& l : kFixedMarks)
        painter.drawLine(TwipsToPixels(l.x1, dpi), TwipsToPixels(l.y1, dpi),
                         TwipsToPixels(l.x2, dpi), TwipsToPixels(l.y2, dpi));
}

QImage PlotArea::Composed() const {
    QImage picture = Surface().copy();
    QPainter painter(&picture);
    PaintFixedMarks(painter);
    return picture;
}

void PlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A sunken border: dark grey and black at the top and left, light grey and white below.
    const int w = width(), h = height();
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, w - 1, 0);
    painter.drawLine(0, 0, 0, h - 1);
    painter.setPen(Qt::white);
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, 0, w - 1, h - 1);
    painter.setPen(Qt::black);
    painter.drawLine(1, 1, w - 2, 1);
    painter.drawLine(1, 1, 1, h - 2);
    painter.setPen(QColor(192, 192, 192));
    painter.drawLine(1, h - 2, w - 2, h - 2);
    painter.drawLine(w - 2, 1, w - 2, h - 2);

    painter.translate(kBorder, kBorder);
    painter.setClipRect(0, 0, InnerWidth(), InnerHeight());
    painter.drawImage(0, 0, Surface());
    PaintFixedMarks(painter);
}

void PlotArea::resizeEvent(QResizeEvent* event) {
    EnsureSurfaceSize();
    QWidget::resizeEvent(event);
}

void PlotArea::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - QPoint(kBorder, kBorder);
    emit MousePressed(event->button(), event->modifiers(), p.x(), p.y());
}

void PlotArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - QPoint(kBorder, kBorder);
    emit MouseReleased(event->button(), event->modifiers(), p.x(), p.y());
}

}  // namespace display
