#pragma once
// The wave plot: a picture box whose drawing persists. Traces are drawn into a PlotPicture that
// the paint event copies to the screen; the fixed axis and tick marks are painted over it at
// every paint, so clearing the picture never removes them, while painting old traces in white
// without clearing (the envelope) piles up on the image exactly as on a real drawing surface.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <span>

#include "display/geometry.h"
#include "paint/plot_picture.h"

namespace app {

class PlotArea : public QWidget {
    Q_OBJECT
  public:
    explicit PlotArea(QWidget* parent = nullptr);

    // The sunken border of a classic picture box, on each side; the inner area excludes it.
    static constexpr int kBorder = 2;

    // Fills the picture with the back colour.
    void Clear();
    // A new back colour erases everything drawn, as on a real picture box.
    void SetBackColor(QColor colour);
    QColor BackColor() const { return picture_.BackColor(); }

    // An open polyline through integer pixel points of the inner area, pen width 1, no
    // antialiasing, so drawing the same points again in another colour covers every pixel.
    // Points without a place (see display/trace_points.h) break the line; nothing is drawn to them.
    void DrawPolyline(std::span<const display::Point> points, QColor colour);

    // The inner area in the plot's own coordinates: the widget's size divided by the scale, less
    // the border.
    int InnerWidth() const;
    int InnerHeight() const;

    // The plot shown s times as large (a window enlarged beyond its designed size), border
    // included, in the same plot coordinates. The picture is painted at s times the resolution,
    // and at the screen's pixel ratio on top, so it stays sharp; what is drawn stays, drawn
    // again at the new size. Set it before the new geometry.
    void SetScale(double s);
    double Scale() const { return scale_; }

    // The surface the traces are drawn on.
    paint::PlotPicture& Picture();

    // What has been drawn, without the fixed marks.
    const QImage& Surface() const;
    // What the user sees inside the border: the drawing with the fixed marks over it.
    QImage Composed() const;

  signals:
    // Positions are pixels of the inner area, as the plot's own coordinates. A press on the
    // frame around it is not reported.
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // A widget position in the plot's own coordinates, and whether it lies inside the frame.
    QPoint InnerPoint(QPointF widgetPoint) const;
    bool OnPlot(QPoint inner) const;
    // A hidden widget gets its resize event only when shown; the surface follows the size
    // whenever it is used.
    void EnsureSurfaceSize() const;

    double scale_ = 1;
    mutable paint::PlotPicture picture_;
};

}  // namespace app
