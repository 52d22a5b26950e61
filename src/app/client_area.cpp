#include "app/client_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace app {

ClientArea::ClientArea(const QImage& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setObjectName(QStringLiteral("client"));
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_, event->rect());
}

}  // namespace app
