#include "display/plot_picture.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "display/pixel_grid.h"
#include "display/trace_points.h"

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

// A painter in the image's device pixels, whatever its pixel ratio.
struct DevicePainter {
    explicit DevicePainter(QImage& image) : image(image), ratio(image.devicePixelRatio()) {
        image.setDevicePixelRatio(1);
        painter.begin(&image);
    }
    ~DevicePainter() {
        painter.end();
        image.setDevicePixelRatio(ratio);
    }
    QImage& image;
    double ratio;
    QPainter painter;
};

QPen ThinPen(QColor colour) {
    QPen pen(colour);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

}  // namespace

PlotPicture::PlotPicture(QSize size, double scale)
    : size_(size.expandedTo({1, 1})), scale_(scale), surface_(NewImage()) {}

QImage PlotPicture::NewImage() const {
    const QSize pixels(int(std::lround(size_.width() * scale_)),
                       int(std::lround(size_.height() * scale_)));
    QImage image(pixels.expandedTo({1, 1}), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale_);
    image.fill(backColour_);
    return image;
}

void PlotPicture::Changed() const {
    if (changed_) changed_();
}

void PlotPicture::Rebuild() {
    surface_ = NewImage();
    if (!older_.isNull()) {
        QPainter painter(&surface_);
        // Both images in plot coordinates: the old drawing keeps its place and its size.
        painter.drawImage(0, 0, older_);
    }
    DevicePainter painter(surface_);
    for (const Polyline& line : kept_)
        Paint(painter.painter, line.points, QColor(line.colour), painter.ratio);
    Changed();
}

void PlotPicture::SetSize(QSize size) {
    size = size.expandedTo({1, 1});
    if (size == size_) return;
    size_ = size;
    Rebuild();
}

void PlotPicture::SetScale(double scale) {
    if (scale == scale_ || !(scale > 0)) return;
    scale_ = scale;
    Rebuild();
}

void PlotPicture::Clear() {
    older_ = QImage();
    kept_.clear();
    surface_.fill(backColour_);
    Changed();
}

void PlotPicture::SetBackColor(QColor colour) {
    backColour_ = colour;
    Clear();
}

namespace {

std::size_t HashOf(std::span<const QPoint> points) {
    std::size_t h = points.size();
    for (const QPoint& p : points)
        h = h * 1000003u ^ (std::size_t(p.x()) * 31u + std::size_t(p.y()));
    return h;
}

}  // namespace

void PlotPicture::DrawPolyline(std::span<const QPoint> points, QColor colour) {
    {
        DevicePainter painter(surface_);
        Paint(painter.painter, points, colour, painter.ratio);
    }
    // A polyline through the same points covers every pixel of an earlier one (same pen, no
    // antialiasing), so that one need not be drawn again: the white copy of a trace in envelope
    // mode replaces the trace, and a standing wave's repeated traces are kept once.
    const std::size_t hash = HashOf(points);
    std::erase_if(kept_, [&](const Polyline& line) {
        return line.hash == hash && std::ranges::equal(line.points, points);
    });
    // Beyond the bound the picture as it stands becomes the older part and the record starts
    // again; that part is resampled, the rest drawn sharp, at a new scale.
    if (kept_.size() == kKeptPolylines) {
        older_ = surface_;
        kept_.clear();
    } else {
        kept_.push_back({{points.begin(), points.end()}, colour.rgb(), hash});
    }
    Changed();
}

// Larger than designed, each polyline is drawn in device pixels: the same one-pixel line drawn
// side by side to fill every enlarged pixel, as sharp as a wide pen and many times quicker to
// draw again after a resize.
void PlotPicture::Paint(QPainter& painter, std::span<const QPoint> points, QColor colour,
                        double ratio) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ThinPen(colour));
    std::vector<QPoint> device;
    if (ratio != 1) {
        device.reserve(points.size());
        for (const QPoint& p : points)
            device.push_back(
                HasPlace(p) ? QPoint(int(std::floor(p.x() * ratio)), int(std::floor(p.y() * ratio)))
                            : p);
        points = device;
    }
    // Wide enough to fill every enlarged pixel, which at an uneven ratio spans one more device
    // pixel in some rows than in others.
    const int width = std::max(1, int(std::ceil(ratio - 1e-9)));
    for (int pass = 0; pass < width * width; ++pass) {
        const QPoint shift(pass % width, pass / width);
        // Draw each stretch of points that have a place; a lone point shows as a dot.
        std::size_t start = 0;
        while (start < points.size()) {
            while (start < points.size() && !HasPlace(points[start])) ++start;
            std::size_t end = start;
            while (end < points.size() && HasPlace(points[end])) ++end;
            if (end - start == 1) painter.drawPoint(points[start] + shift);
            if (end - start > 1) {
                painter.translate(shift);
                painter.drawPolyline(points.data() + start, int(end - start));
                painter.translate(-shift);
            }
            start = end;
        }
    }
}

void PlotPicture::PaintFixedMarks(QPainter& painter, double dpi) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    OnDesignPixels(painter);
    painter.setPen(ThinPen(Qt::black));
    for (const TwipLine& l : kFixedMarks)
        painter.drawLine(TwipsToPixels(l.x1, dpi), TwipsToPixels(l.y1, dpi),
                         TwipsToPixels(l.x2, dpi), TwipsToPixels(l.y2, dpi));
    painter.restore();
}

QImage PlotPicture::Composed(double dpi) const {
    QImage picture = surface_.copy();
    QPainter painter(&picture);
    PaintFixedMarks(painter, dpi);
    return picture;
}

}  // namespace display
