#include "display/meter.h"

#include <cmath>

namespace display {

std::optional<MeterReading> ReadMeter(const StatusInputs& in, float x, float y) {
    if (!HasPlotScale(in)) return std::nullopt;
    const float columns = 200 * x;  // taken in single precision, as the scale's sizes are
    const float plotWidth = in.PlotHalfWidth * 2;
    const float rise = in.PlotHalfHeight - y;
    const double fullScale = double(in.PlotHalfHeight) * in.ZoomFactor / 2;
    MeterReading r;
    r.Distance = in.PointLength * columns / plotWidth;
    r.Voltage = rise * in.PlotAmplitude / fullScale;
    r.Current = 1000 * double(rise) * (in.PlotAmplitude / in.Zo) / fullScale;
    if (!std::isfinite(r.Distance) || !std::isfinite(r.Voltage) || !std::isfinite(r.Current))
        return std::nullopt;
    return r;
}

}  // namespace display
