#pragma once
// The plot's drawing surface, without a widget: a persistent image that the traces are drawn
// into, its back colour, and the fixed axis and tick marks painted over a copy of it. The window's
// plot owns one and shows it; corvane-trace paints its pictures with one, so the two agree pixel
// for pixel.
//
// Everything is drawn in the plot's own coordinates (pixels of the inner area at the designed
// size). A scale factor s makes the image s times as large in each direction, with a device
// pixel ratio of s, so the same drawing comes out sharp instead of stretched; at s = 1 the image
// is exactly the designed pixels.

#include <QColor>
#include <QImage>
#include <QSize>
#include <functional>
#include <span>
#include <vector>

#include "display/geometry.h"
#include "display/twips.h"

class QPainter;

namespace paint {

class PlotPicture {
  public:
    explicit PlotPicture(QSize size = {1, 1}, double scale = 1);

    // The size in the plot's own coordinates. Growing keeps what is drawn and fills the new
    // part with the back colour, as a picture box does.
    void SetSize(QSize size);
    QSize Size() const { return size_; }
    // What is drawn stays: the polylines drawn since the picture was last cleared are drawn
    // again at the new scale, sharp. Only a long envelope run has more of them than the picture
    // keeps (kKeptPolylines); what was drawn before the kept ones is resampled. The bound keeps
    // the redraw after a resize short: each kept polyline is drawn s² times at scale s.
    void SetScale(double scale);
    static constexpr std::size_t kKeptPolylines = 256;
    double Scale() const { return scale_; }

    // Fills the picture with the back colour.
    void Clear();
    // A new back colour erases everything drawn, as on a real picture box.
    void SetBackColor(QColor colour);
    QColor BackColor() const { return backColour_; }

    // An open polyline through integer points, pen width 1, no antialiasing, so drawing the same
    // points again in another colour covers every pixel. Points without a place (see
    // trace_points.h) break the line; nothing is drawn to them.
    void DrawPolyline(std::span<const display::Point> points, QColor colour);

    // What has been drawn, without the fixed marks.
    const QImage& Surface() const { return surface_; }
    // The drawing with the fixed marks over it; the marks' twips become pixels at `dpi`.
    QImage Composed(double dpi = display::kDefaultDpi) const;
    // The fixed marks alone, onto a painter in the plot's coordinates.
    static void PaintFixedMarks(QPainter& painter, double dpi = display::kDefaultDpi);

    // Called after every change of the drawing, so a widget showing it can repaint.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

  private:
    QImage NewImage() const;
    void Rebuild();
    // Onto a painter in device pixels, `ratio` of them to a plot pixel.
    static void Paint(QPainter& painter, std::span<const display::Point> points, QColor colour,
                      double ratio);
    void Changed() const;

    QSize size_;
    double scale_;
    QColor backColour_{Qt::white};
    QImage surface_;
    // The drawing since the last clear, to draw it again at another scale: an image of what
    // came before the kept polylines (null when nothing did), then the polylines in order.
    struct Polyline {
        std::vector<display::Point> points;
        QRgb colour;
        std::size_t hash;
    };
    QImage older_;
    std::vector<Polyline> kept_;
    std::function<void()> changed_;
};

}  // namespace paint
