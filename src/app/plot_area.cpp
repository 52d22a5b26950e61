#include "app/plot_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "paint/pixel_grid.h"

namespace app {

PlotArea::PlotArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_.OnChange([this] { update(); });
    EnsureSurfaceSize();
}

// The scaled size rounds to whole pixels; dividing by the scale (at least 1) finds the designed
// size again.
int PlotArea::InnerWidth() const {
    return std::max(0, int(std::lround(width() / scale_)) - 2 * kBorder);
}
int PlotArea::InnerHeight() const {
    return std::max(0, int(std::lround(height() / scale_)) - 2 * kBorder);
}

// The surface also follows the screen's pixel ratio, which is known once the widget is shown
// and changes when the window moves to another screen.
void PlotArea::EnsureSurfaceSize() const {
    picture_.SetScale(scale_ * devicePixelRatioF());
    picture_.SetSize({InnerWidth(), InnerHeight()});
}

paint::PlotPicture& PlotArea::Picture() {
    EnsureSurfaceSize();
    return picture_;
}

void PlotArea::SetScale(double s) {
    if (!(s > 0)) return;
    scale_ = s;
    picture_.SetScale(scale_ * devicePixelRatioF());
    update();
}

const QImage& PlotArea::Surface() const {
    EnsureSurfaceSize();
    return picture_.Surface();
}

void PlotArea::Clear() { Picture().Clear(); }

void PlotArea::SetBackColor(QColor colour) { Picture().SetBackColor(colour); }

void PlotArea::DrawPolyline(std::span<const display::Point> points, QColor colour) {
    Picture().DrawPolyline(points, colour);
}

QImage PlotArea::Composed() const {
    EnsureSurfaceSize();
    return picture_.Composed(logicalDpiX());  // the window lays itself out at this dpi too
}

void PlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    // Everything below in the plot's designed pixels; the border's lines grow with the scale.
    painter.scale(scale_, scale_);
    // A sunken border: dark grey and black at the top and left, light grey and white below.
    const int w = InnerWidth() + 2 * kBorder, h = InnerHeight() + 2 * kBorder;
    painter.save();
    paint::OnDesignPixels(painter);
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
    painter.restore();

    // The picture's pixels land one to one on the screen's: its pixel ratio is the scale.
    const QImage shown = Composed();
    painter.setClipRect(kBorder, kBorder, w - 2 * kBorder, h - 2 * kBorder);
    painter.drawImage(QPoint(kBorder, kBorder), shown);
}

void PlotArea::resizeEvent(QResizeEvent* event) {
    EnsureSurfaceSize();
    QWidget::resizeEvent(event);
}

// The plot pixel under the pointer: every screen pixel of an enlarged plot belongs to one.
QPoint PlotArea::InnerPoint(QPointF widgetPoint) const {
    const QPointF inner = widgetPoint / scale_ - QPointF(kBorder, kBorder);
    return {int(std::floor(inner.x())), int(std::floor(inner.y()))};
}

bool PlotArea::OnPlot(QPoint inner) const {
    return inner.x() >= 0 && inner.y() >= 0 && inner.x() < InnerWidth() &&
           inner.y() < InnerHeight();
}

// The sunken frame belongs to the widget but is no part of the plot: a press on it is no press
// on the plot, so the meter never reads a distance outside the line. (Clamping it to the inner
// edge would report a place the user did not point at.) A release anywhere still counts, as the
// release that ends a press begun on the plot.
void PlotArea::mousePressEvent(QMouseEvent* event) {
    const QPoint p = InnerPoint(event->position());
    if (!OnPlot(p)) return;
    emit MousePressed(event->button(), event->modifiers(), p.x(), p.y());
}

void PlotArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = InnerPoint(event->position());
    emit MouseReleased(event->button(), event->modifiers(), p.x(), p.y());
}

}  // namespace app
