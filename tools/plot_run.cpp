#include "plot_run.h"

#include <QPainter>

#include "circuit_text.h"
#include "display/plot_colours.h"
#include "display/plot_marks.h"
#include "display/status_text.h"
#include "paint/qt_geometry.h"
#include "paint/trace_drawing.h"
#include "sim/engine.h"

namespace trace {

namespace {

// The caption's type, in the plot's own pixels: small enough that a circuit fits in two lines.
constexpr int kCaptionPixels = 11;
constexpr int kCaptionMargin = 4;

QFont CaptionFont(int scale) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kCaptionPixels * scale);
    return font;
}

}  // namespace

PlotRun::PlotRun(const sim::Model& m, const PictureRequest& request, std::string circuit)
    : request_(request),
      circuit_(std::move(circuit)),
      picture_(paint::ToQSize(display::DesignedPlotSize()), request.scale) {
    // The plot's half sizes, in single precision, as the window takes them at run start.
    const display::Size size = display::DesignedPlotSize();
    scale_ = display::PlotScaleOf(m, float(size.width) / 2, float(size.height) / 2, request.zoom);
    if (request.envelope) picture_.SetBackColor(QColor(display::kEnvelopeBackColour));
}

void PlotRun::Tick(sim::Model& m) {
    const bool v = request_.voltage, c = request_.current;
    paint::BeginTickDrawing(picture_, request_.envelope, v, c, voltagePoints_, currentPoints_);
    sim::AdvanceLine(m);
    sim::ShiftLine(m, [&](int i, double volts, double current) {
        display::StoreTracePoint(scale_, i, volts, current, voltagePoints_, currentPoints_);
    });
    paint::DrawTraces(picture_, v, c, voltagePoints_, currentPoints_);
    sim::CountTick(m);
}

std::string PlotRun::Caption(const sim::Model& m, bool elapsed) const {
    const display::StatusInputs in =
        display::StatusInputsOf(m, scale_, request_.voltage, request_.current);
    std::string text = circuit_ + ". " + OneLine(display::TickMarksText(in));
    if (elapsed) text += ". " + OneLine(display::ElapsedTimeText(in));
    return text;
}

QImage PlotRun::Frame(const sim::Model& m, bool elapsed) const {
    const std::string text = Caption(m, elapsed);
    const int s = request_.scale;
    const QImage plot = Plot();
    const QFont font = CaptionFont(s);
    const QRect textArea(kCaptionMargin * s, 0, plot.width() - 2 * kCaptionMargin * s, 10000);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QString caption = QString::fromStdString(text);
    const QRect needed = QFontMetrics(font).boundingRect(textArea, flags, caption);

    QImage frame(plot.width(), plot.height() + needed.height() + 2 * kCaptionMargin * s,
                 QImage::Format_RGB32);
    frame.fill(Qt::white);
    QPainter painter(&frame);
    painter.drawImage(QRect(QPoint(0, 0), plot.size()), plot);
    painter.setPen(QColor(170, 170, 170));
    painter.drawLine(0, plot.height(), plot.width() - 1, plot.height());  // where the plot ends
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(textArea.translated(0, plot.height() + kCaptionMargin * s), flags, caption);
    return frame;
}

}  // namespace trace
