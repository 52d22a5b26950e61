#pragma once
// The three readouts of the status line, composed as the exact text the label shows. A line
// break is carriage return + line feed.

#include <optional>
#include <string>
#include <string_view>

#include "display/status_inputs.h"

namespace display {

inline constexpr std::string_view kStatusLineBreak = "\r\n";
// What the status line shows until the first readout is written.
inline constexpr std::string_view kStatusCaption = "Tick Mark / Elapsed Time:";

// What one tick mark (a quarter of the half height) is worth, in volts and milliamperes.
std::string TickMarksText(const StatusInputs& in);

// The simulated time since the run started, in nanoseconds.
std::string ElapsedTimeText(const StatusInputs& in);

// The meter reading at pixel (x, y), following the trace check boxes. Nothing when neither
// trace is checked or before the first run: the status line then keeps its text.
std::optional<std::string> MeterText(const StatusInputs& in, float x, float y);

// UpdateDisplay's text for a mode "TickMarks", "ElapsedTime" or "Meter" (exact case). Nothing
// means: leave the status line as it is (also for any other mode word).
std::optional<std::string> UpdateDisplayText(std::string_view mode, const StatusInputs& in, float x,
                                             float y);

// One digit, the point, two decimals, E, the exponent's sign and two or more digits: 1.23E+00.
std::string ScientificText(double x);

}  // namespace display
