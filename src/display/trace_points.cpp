#include "display/trace_points.h"

#include <cmath>

namespace display {

PlotScale PlotScaleOf(const sim::Model& m, float plotHalfWidth, float plotHalfHeight,
                      double zoomFactor) {
    return PlotScale{plotHalfWidth, plotHalfHeight, m.PlotAmplitude, zoomFactor, m.NormZ1};
}

std::int32_t PixelCoordinate(double pixels) {
    if (std::isnan(pixels)) return kNoCoordinate;
    const double rounded = std::nearbyint(pixels);  // default rounding mode: half to even
    if (rounded > kCoordinateLimit) return kCoordinateLimit;
    if (rounded < -kCoordinateLimit) return -kCoordinateLimit;
    return static_cast<std::int32_t>(rounded);
}

std::int32_t TraceX(const PlotScale& scale, int i) {
    return PixelCoordinate((double(scale.PlotHalfWidth) * 2) * i / 200);
}

namespace {

// y = half height − (half height × 0.5 × zoom × value) / amplitude, the amplitude being the value
// drawn a quarter height above the axis. A value of 0 on a scale of amplitude 0 rests on the axis
// (0/0 would otherwise leave the line at rest without a place).
std::int32_t MapY(const PlotScale& scale, double value, double amplitude) {
    const double halfHeight = scale.PlotHalfHeight;
    if (value == 0 && amplitude == 0) return PixelCoordinate(halfHeight);
    return PixelCoordinate(halfHeight -
                           ((halfHeight * 0.5) * (scale.ZoomFactor * value)) / amplitude);
}

}  // namespace

std::int32_t VoltageY(const PlotScale& scale, double volts) {
    return MapY(scale, volts, scale.PlotAmplitude);
}

std::int32_t CurrentY(const PlotScale& scale, double current) {
    return MapY(scale, current, scale.PlotAmplitude / scale.NormZ1);
}

bool HasPlace(Point p) { return p.x != kNoCoordinate && p.y != kNoCoordinate; }

void StoreTracePoint(const PlotScale& scale, int i, double volts, double current,
                     TracePoints& voltagePoints, TracePoints& currentPoints) {
    const int x = TraceX(scale, i);
    voltagePoints[i] = Point{x, VoltageY(scale, volts)};
    currentPoints[i] = Point{x, CurrentY(scale, current)};
}

void MapLastStep(const sim::Model& m, const PlotScale& scale, TracePoints& voltagePoints,
                 TracePoints& currentPoints) {
    PlotScale redraw = scale;
    redraw.NormZ1 = 1;
    for (int i = 0; i <= sim::kLastPoint; ++i)
        StoreTracePoint(redraw, i, m.LineVoltage[1][i], m.LineCurrent[1][i], voltagePoints,
                        currentPoints);
}

}  // namespace display
