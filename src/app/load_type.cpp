// The load symbol between the load-end terminals, drawn on the window's own surface as the
// session tells.

#include <QPainter>

#include "app/form1.h"
#include "paint/load_symbol.h"

namespace app {

// In the window's foreground colour; a symbol shown before is erased first by overdrawing every
// symbol in the background colour, so no stroke of the previous load is left.
void Form1::LoadShown(const std::string& loadType) {
    PaintLoad(QString::fromStdString(loadType), !shownLoad_.isEmpty());
}

void Form1::PaintLoad(const QString& loadType, bool eraseFirst) {
    const QColor foreground = palette().color(QPalette::WindowText);
    const QColor background = palette().color(QPalette::Window);
    shownLoad_ = loadType;
    QPainter painter(&surface_);
    if (eraseFirst) paint::EraseLoadSymbols(painter, foreground, background, dpi_);
    paint::DrawLoad(painter, loadType.toStdString(), "", foreground, background, dpi_);
    painter.end();
    SurfaceChanged();
}

}  // namespace app
