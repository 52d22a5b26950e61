// The main window at any size: the designed layout shown larger by one factor, centred in the
// client area. Places come from the element and schematic tables, multiplied; fonts from their
// designed point sizes; the plot keeps its own coordinates and is drawn at a higher resolution,
// so every reading is the same at any size.

#include <cmath>

#include "app/client_area.h"
#include "app/form1.h"
#include "app/plot_area.h"
#include "app/schematic.h"
#include "app/window_scale.h"
#include "display/twips.h"
#include "paint/qt_geometry.h"
#include "session/element_table.h"

namespace app {

QSize Form1::DesignedClientSize() const {
    return {display::TwipsToPixels(session::kClientWidthTwips, dpi_),
            display::TwipsToPixels(session::kClientHeightTwips, dpi_)};
}

// The surface holds designed pixels at the resolution the screen shows them at.
QImage Form1::NewSurface(double s) const {
    const double ratio = s * devicePixelRatioF();
    const QSize designed = DesignedClientSize();
    QImage image(QSize(int(std::lround(designed.width() * ratio)),
                       int(std::lround(designed.height() * ratio))),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Window));
    return image;
}

void Form1::FitToHost(QSize size) {
    const double s = LayoutScale(size, DesignedClientSize());
    // A move to a screen of another pixel ratio needs a sharper surface at the same scale.
    if (s != scale_ || surface_.devicePixelRatio() != s * devicePixelRatioF()) Relayout(s);
    client->setGeometry(Centred(ScaledRect(QRect(QPoint(), DesignedClientSize()), s).size(), size));
}

void Form1::Relayout(double s) {
    if (!(s > 0)) return;
    scale_ = s;
    for (const session::ElementRow& row : session::ElementTable()) {
        QWidget* widget = Element(QString::fromLatin1(row.name));
        if (!widget) continue;  // Timer1
        // The plot takes its scale first, so that its new size is read in plot coordinates.
        if (widget == Picture1) Picture1->SetScale(s);
        widget->setGeometry(ScaledRect(
            paint::ToQRect(display::TwipsToPixels(row.left, row.top, row.width, row.height, dpi_)),
            s));
        ScaleFont(widget, s);
        const bool boxed =
            row.kind == session::ElementKind::Option || row.kind == session::ElementKind::CheckBox;
        if (boxed || row.kind == session::ElementKind::Slider) ScaleIndicator(widget, s);
        if (boxed) WidenToCaption(widget);
    }
    for (SchematicPiece* piece : client->findChildren<SchematicPiece*>()) piece->SetScale(s);
    // The load symbol lives only as drawing: drawn again, sharp, on a surface of the new size.
    surface_ = NewSurface(s);
    static_cast<ClientArea*>(client)->SetScale(s);
    PaintLoad(shownLoad_, false);
}

}  // namespace app
