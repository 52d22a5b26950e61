#include "paint/trace_drawing.h"

namespace paint {

using display::kCurrentColour;
using display::kEnvelopePaint;
using display::kVoltageColour;

void BeginTickDrawing(PlotPicture& plot, bool envelope, bool voltage, bool current,
                      const TracePoints& voltagePoints, const TracePoints& currentPoints) {
    if (!envelope) {
        plot.Clear();
        return;
    }
    if (voltage) plot.DrawPolyline(voltagePoints, QColor(kEnvelopePaint));
    if (current) plot.DrawPolyline(currentPoints, QColor(kEnvelopePaint));
}

void DrawTraces(PlotPicture& plot, bool voltage, bool current, const TracePoints& voltagePoints,
                const TracePoints& currentPoints) {
    if (voltage) plot.DrawPolyline(voltagePoints, QColor(kVoltageColour));
    if (current) plot.DrawPolyline(currentPoints, QColor(kCurrentColour));
}

}  // namespace paint
