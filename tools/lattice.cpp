#include "lattice.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "entry/format_value.h"
#include "probe_writer.h"

namespace trace {

namespace {

constexpr QRgb kPositiveEnd = qRgb(178, 24, 43);   // dark red
constexpr QRgb kNegativeEnd = qRgb(33, 102, 172);  // blue
constexpr int kBarWidth = 14, kBarGap = 14, kRightMargin = 64, kBottomMargin = 8;

QString Number(double x) { return QString::fromStdString(entry::FormatValue(sim::Value(x))); }

int Mix(int from, int to, double t) { return int(std::lround(from + (to - from) * t)); }

// A step of 1, 2 or 5 times a power of ten that cuts `span` into four to ten parts.
double NiceStep(double span) {
    if (!(span > 0)) return 1;
    const double decade = std::pow(10, std::floor(std::log10(span / 4)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (span / (f * decade) <= 10) return f * decade;
    return 10 * decade;
}

}  // namespace

QRgb LatticeColour(double fraction) {
    const double k = std::nearbyint(std::clamp(fraction, -1.0, 1.0) * kColourSteps);
    const double t = std::fabs(k) / kColourSteps;
    const QRgb end = k < 0 ? kNegativeEnd : kPositiveEnd;
    return qRgb(Mix(255, qRed(end), t), Mix(255, qGreen(end), t), Mix(255, qBlue(end), t));
}

Lattice::Lattice(std::int64_t ticks, bool current, bool cascaded)
    : ticks_(ticks),
      current_(current),
      cascaded_(cascaded),
      rows_(int(std::min<std::int64_t>(ticks, kMostRows)) + 1),
      values_(std::size_t(rows_) * sim::kPoints) {}

std::int64_t Lattice::TickOfRow(int row) const {
    if (ticks_ <= kMostRows) return row;
    return std::llround(double(row) * double(ticks_) / kMostRows);
}

void Lattice::Record(std::int64_t tick, const sim::Model& m) {
    if (nextRow_ >= rows_ || tick != TickOfRow(nextRow_)) return;
    float* row = &values_[std::size_t(nextRow_) * sim::kPoints];
    for (int i = 0; i <= sim::kLastPoint; ++i) {
        const double v = current_ ? 1000 * m.LineCurrent[0][i] / m.Zo : m.LineVoltage[0][i];
        row[i] = std::isfinite(v) ? float(v) : 0.0f;
        largest_ = std::max(largest_, double(std::fabs(row[i])));
    }
    ++nextRow_;
}

double Lattice::Range() const { return largest_ > 0 ? largest_ : 1; }

QImage Lattice::Paint(const sim::Model& m, const std::string& caption, int scale) const {
    const double range = Range();
    QImage data(sim::kPoints, rows_, QImage::Format_RGB32);
    for (int r = 0; r < rows_; ++r) {
        auto* line = reinterpret_cast<QRgb*>(data.scanLine(r));
        for (int i = 0; i < sim::kPoints; ++i)
            line[i] = LatticeColour(values_[std::size_t(r) * sim::kPoints + i] / range);
    }

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const QRect area(kLatticeLeft, kLatticeTop, sim::kPoints, rows_);
    const QRect bar(area.right() + 1 + kBarGap, area.top(), kBarWidth,
                    std::max(rows_, 2 * kColourSteps + 1));
    const int width = bar.right() + 1 + kRightMargin;
    const QRect captionArea(8, std::max(area.bottom(), bar.bottom()) + 14, width - 16, 1000);
    const QString text = QString::fromStdString(caption);
    const int captionHeight = metrics.boundingRect(captionArea, Qt::TextWordWrap, text).height();
    const int height = captionArea.top() + captionHeight + kBottomMargin;

    QImage picture(width * scale, height * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setFont(font);
    p.drawImage(area, data);  // one block of scale × scale pixels per point and tick
    p.setPen(Qt::black);
    p.drawRect(area.adjusted(-1, -1, 0, 0));

    // Position across the top, at every quarter of the line.
    p.drawText(QRect(area.left(), 2, area.width(), 14), Qt::AlignCenter,
               QStringLiteral("position along the line (m)"));
    for (int q = 0; q <= 4; ++q) {
        const int x = area.left() + q * sim::kLastPoint / 4;
        p.drawLine(x, area.top() - 5, x, area.top() - 1);
        p.drawText(QRect(x - 30, area.top() - 20, 60, 14), Qt::AlignCenter,
                   Number(m.LineLength * q / 4));
    }
    if (cascaded_) {
        QPen dashed(Qt::black, 1, Qt::DashLine);
        p.setPen(dashed);
        const int x = area.left() + sim::kJunction;
        p.drawLine(x, area.top(), x, area.bottom());
        p.setPen(Qt::black);
        p.drawText(QRect(x + 3, area.top() + 2, 60, 14), Qt::AlignLeft, QStringLiteral("junction"));
    }

    // Time down the left side, at round numbers of nanoseconds.
    const double nsPerTick = 1000 * m.PointDuration;
    const double lastNs = nsPerTick * double(ticks_);
    const double step = NiceStep(lastNs);
    for (double ns = 0; lastNs > 0 && ns <= lastNs * (1 + 1e-9); ns += step) {
        const int y = area.top() + int(std::lround(ns / lastNs * (rows_ - 1)));
        p.drawLine(area.left() - 5, y, area.left() - 2, y);
        p.drawText(QRect(0, y - 7, area.left() - 8, 14), Qt::AlignRight | Qt::AlignVCenter,
                   Number(ns));
    }
    p.save();
    p.translate(10, area.top() + area.height() / 2);
    p.rotate(-90);
    p.drawText(QRect(-60, -7, 120, 14), Qt::AlignCenter, QStringLiteral("time (ns)"));
    p.restore();

    // The colour bar: the full range from the top (+) to the bottom (−), 0 in the middle.
    for (int y = 0; y < bar.height(); ++y) {
        p.setPen(QColor(LatticeColour(1 - 2.0 * y / (bar.height() - 1))));
        p.drawLine(bar.left(), bar.top() + y, bar.right(), bar.top() + y);
    }
    p.setPen(Qt::black);
    p.drawRect(bar.adjusted(-1, -1, 0, 0));
    const QString unit = current_ ? QStringLiteral(" mA") : QStringLiteral(" V");
    p.drawText(QRect(bar.left() - 10, area.top() - 20, kBarWidth + 20, 14), Qt::AlignCenter,
               current_ ? QStringLiteral("mA") : QStringLiteral("V"));
    const int labelLeft = bar.right() + 4;
    const struct {
        double value;
        int y;
    } labels[] = {{range, bar.top()}, {0, bar.center().y()}, {-range, bar.bottom()}};
    for (const auto& l : labels)
        p.drawText(QRect(labelLeft, l.y - 7, kRightMargin, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   (l.value > 0 ? "+" : "") + Number(l.value) + unit);

    p.drawText(captionArea, Qt::TextWordWrap, text);
    return picture;
}

}  // namespace trace
