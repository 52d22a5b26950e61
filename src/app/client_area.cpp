#include "app/client_area.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace app {

ClientArea::ClientArea(const QImage& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setObjectName(QStringLiteral("client"));
}

void ClientArea::SetScale(double s) {
    scale_ = s;
    update();
}

// The surface's pixel ratio is the scale times the screen's, so its pixels land one to one.
void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(scale_, scale_);
    painter.drawImage(QPointF(0, 0), surface_);
}

ClientHost::ClientHost(QSize designed, QWidget* parent) : QWidget(parent), designed_(designed) {
    setObjectName(QStringLiteral("clientHost"));
    setMinimumSize(designed);
}

void ClientHost::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized(event->size());
}

}  // namespace app
