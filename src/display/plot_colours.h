#pragma once
// The colours of the plot: the traces, the white that paints old traces over in envelope mode,
// and the two back colours.

#include "display/geometry.h"

namespace display {

inline constexpr Rgb kVoltageColour = RgbOf(128, 0, 0);    // dark red, palette colour 4
inline constexpr Rgb kCurrentColour = RgbOf(255, 128, 0);  // orange
inline constexpr Rgb kEnvelopePaint = RgbOf(255, 255, 255);
inline constexpr Rgb kPlotBackColour = RgbOf(255, 255, 255);
inline constexpr Rgb kEnvelopeBackColour = RgbOf(0, 255, 0);
// The captions of the trace check boxes match their traces.
inline constexpr Rgb kVoltageCaptionColour = RgbOf(128, 0, 0);
inline constexpr Rgb kCurrentCaptionColour = RgbOf(192, 64, 0);

}  // namespace display
