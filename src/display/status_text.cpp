#include "display/status_text.h"

#include <cmath>

#include "display/meter.h"
#include "entry/c_locale.h"
#include "entry/format_value.h"

namespace display {

namespace {

// The readouts divide only by values the entry keeps away from zero (Zo, the zoom); should one
// ever be out of range anyway, the status line shows 0 rather than nan or inf.
double Shown(double x) { return std::isfinite(x) ? x : 0; }

std::string Format(double x) { return entry::FormatValue(sim::Value(Shown(x))); }

}  // namespace

StatusInputs StatusInputsOf(const sim::Model& m, const PlotScale& scale, bool voltageChecked,
                            bool currentChecked) {
    StatusInputs in;
    in.PlotAmplitude =
        scale.PlotHalfHeight > 0 ? scale.PlotAmplitude : std::abs(m.PeakVoltage.number);
    in.ZoomFactor = scale.ZoomFactor;
    in.Zo = m.Zo;
    in.PointDuration = m.PointDuration;
    in.PointLength = m.PointLength;
    in.ElapsedTicks = m.ElapsedTicks;
    in.PlotHalfWidth = scale.PlotHalfWidth;
    in.PlotHalfHeight = scale.PlotHalfHeight;
    in.Voltage = voltageChecked;
    in.Current = currentChecked;
    return in;
}

bool HasPlotScale(const StatusInputs& in) { return in.PlotHalfWidth > 0 && in.PlotHalfHeight > 0; }

std::string TickMarksText(const StatusInputs& in) {
    const double volts = in.PlotAmplitude / (in.ZoomFactor * 2);
    const double milliamps = 1000 * in.PlotAmplitude / (in.Zo * in.ZoomFactor * 2);
    std::string text = "Tick Mark= ";
    text += kStatusLineBreak;
    text += Format(volts) + "V";
    text += kStatusLineBreak;
    text += "   or ";
    text += kStatusLineBreak;
    text += Format(milliamps) + " mA";
    return text;
}

std::string ElapsedTimeText(const StatusInputs& in) {
    const double ns = 1000 * in.PointDuration * double(in.ElapsedTicks);
    std::string text = "Elapsed Time = ";
    text += kStatusLineBreak;
    text += Format(ns) + " ns";
    return text;
}

std::optional<std::string> MeterText(const StatusInputs& in, float x, float y) {
    if (!in.Voltage && !in.Current) return std::nullopt;
    const std::optional<MeterReading> r = ReadMeter(in, x, y);
    if (!r) return std::nullopt;
    const std::string br(kStatusLineBreak);
    const std::string distance = br + " Distance = " + Format(r->Distance) + " m";
    const std::string current = "Current =" + br + Format(r->Current) + "mA";
    if (in.Voltage && in.Current)
        return "Voltage =" + br + ScientificText(r->Voltage) + "V" + br + current + distance;
    if (in.Voltage) return "Voltage =" + br + Format(r->Voltage) + "V" + distance;
    return current + distance;
}

std::optional<std::string> UpdateDisplayText(std::string_view mode, const StatusInputs& in, float x,
                                             float y) {
    if (mode == "TickMarks") return TickMarksText(in);
    if (mode == "ElapsedTime") return ElapsedTimeText(in);
    if (mode == "Meter") return MeterText(in, x, y);
    return std::nullopt;
}

std::string ScientificText(double x) {
    const double shown = Shown(x) == 0 ? 0.0 : Shown(x);  // no "-0.00E+00"
    return entry::PrintNumber("%.2E", shown);
}

}  // namespace display
