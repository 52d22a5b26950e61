#include "app/window_scale.h"

#include <QFont>
#include <QProxyStyle>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace app {

double LayoutScale(QSize available, QSize designed) {
    if (designed.isEmpty()) return 1;
    const double across = double(available.width()) / designed.width();
    const double down = double(available.height()) / designed.height();
    return std::max(1.0, std::min(across, down));
}

QRect ScaledRect(const QRect& designed, double s) {
    const auto scaled = [s](int v) { return int(std::nearbyint(v * s)); };
    return QRect(scaled(designed.left()), scaled(designed.top()), scaled(designed.width()),
                 scaled(designed.height()));
}

QRect Centred(QSize inner, QSize outer) {
    return QRect(QPoint((outer.width() - inner.width()) / 2, (outer.height() - inner.height()) / 2),
                 inner);
}

void SetDesignFont(QWidget* widget, const QFont& font, double s) {
    widget->setProperty(kDesignPoints, font.pointSizeF());
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * s);
    widget->setFont(scaled);
}

void ScaleFont(QWidget* widget, double s) {
    const QVariant points = widget->property(kDesignPoints);
    if (!points.isValid()) return;
    QFont font = widget->font();
    font.setPointSizeF(points.toDouble() * s);
    widget->setFont(font);
}

namespace {

// The application's style, with the boxes of check boxes and option buttons and the slider's
// handle grown by the scale their widget carries; everything else as the style has it.
class ScaledIndicatorStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        const bool box = metric == PM_IndicatorWidth || metric == PM_IndicatorHeight ||
                         metric == PM_ExclusiveIndicatorWidth ||
                         metric == PM_ExclusiveIndicatorHeight || metric == PM_SliderThickness ||
                         metric == PM_SliderLength || metric == PM_SliderControlThickness ||
                         metric == PM_SliderTickmarkOffset;
        const double s = widget ? widget->property(kLayoutScale).toDouble() : 0;
        return box && s > 1 ? int(std::lround(base * s)) : base;
    }
};

}  // namespace

void ScaleIndicator(QWidget* widget, double s) {
    // One style for the program's lifetime, shared by every such widget.
    static QStyle* const style = new ScaledIndicatorStyle;
    if (widget->style() != style) widget->setStyle(style);
    widget->setProperty(kLayoutScale, s);
    widget->updateGeometry();
    widget->update();
}

void WidenToCaption(QWidget* widget) {
    const int needed = widget->sizeHint().width();
    const QRect place = widget->geometry();
    if (needed <= place.width()) return;
    const int room = widget->parentWidget()->width() - place.left() - 2;
    widget->resize(std::max(place.width(), std::min(needed, room)), place.height());
}

}  // namespace app
