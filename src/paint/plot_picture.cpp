#include "paint/plot_picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "display/plot_marks.h"
#include "display/trace_points.h"
#include "paint/pixel_grid.h"

namespace paint {

namespace {

using display::HasPlace;

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

std::size_t HashOf(std::span<const display::Point> points) {
    std::size_t h = points.size();
    for (const display::Point& p : points)
        h = h * 1000003u ^ (std::size_t(p.x) * 31u + std::size_t(p.y));
    return h;
}

}  // namespace

void PlotPicture::DrawPolyline(std::span<const display::Point> points, QColor colour) {
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
void PlotPicture::Paint(QPainter& painter, std::span<const display::Point> points, QColor colour,
                        double ratio) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ThinPen(colour));
    // In device pixels; a point without a place keeps its mark.
    std::vector<QPoint> device;
    device.reserve(points.size());
    for (const display::Point& p : points)
        device.push_back(ratio != 1 && HasPlace(p)
                             ? QPoint(int(std::floor(p.x * ratio)), int(std::floor(p.y * ratio)))
                             : QPoint(p.x, p.y));
    const auto placed = [&](std::size_t k) { return HasPlace(points[k]); };
    // Wide enough to fill every enlarged pixel, which at an uneven ratio spans one more device
    // pixel in some rows than in others.
    const int width = std::max(1, int(std::ceil(ratio - 1e-9)));
    for (int pass = 0; pass < width * width; ++pass) {
        const QPoint shift(pass % width, pass / width);
        // Draw each stretch of points that have a place; a lone point shows as a dot.
        std::size_t start = 0;
        while (start < device.size()) {
            while (start < device.size() && !placed(start)) ++start;
            std::size_t end = start;
            while (end < device.size() && placed(end)) ++end;
            if (end - start == 1) painter.drawPoint(device[start] + shift);
            if (end - start > 1) {
                painter.translate(shift);
                painter.drawPolyline(device.data() + start, int(end - start));
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
    for (const display::TwipLine& l : display::kFixedMarks)
        painter.drawLine(display::TwipsToPixels(l.x1, dpi), display::TwipsToPixels(l.y1, dpi),
                         display::TwipsToPixels(l.x2, dpi), display::TwipsToPixels(l.y2, dpi));
    painter.restore();
}

QImage PlotPicture::Composed(double dpi) const {
    QImage picture = surface_.copy();
    QPainter painter(&picture);
    PaintFixedMarks(painter, dpi);
    return picture;
}

}  // namespace paint
