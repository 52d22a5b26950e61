#pragma once
// The vertical zoom: powers of two from 1/32 to 32, refused with a message beyond either limit.

#include <string>
#include <string_view>

#include "entry/dialogs.h"

namespace display {

inline constexpr double kZoomInLimit = 32;
inline constexpr double kZoomOutLimit = 1.0 / 32;

// The refusal: the same text and title in both directions, an exclamation icon and one OK
// button (message box style 48).
inline constexpr std::string_view kZoomLimitText = "You have reached the Zoom's limit. ";
inline constexpr std::string_view kZoomLimitTitle = "Zoomed Out!";
inline constexpr int kExclamationStyle = 48;

// True when `zoom` lies beyond `limit` in `direction` ("In": above it, "Out": below it).
// Reaching the limit exactly is allowed; any other direction word exceeds nothing.
bool ZoomLimitExceeded(double zoom, double limit, std::string_view direction);

// Answers whether `zoom` may stand; beyond the limit it first shows the refusal.
entry::Task<bool> CheckZoomLimit(entry::Dialogs& dialogs, double zoom, double limit,
                                 std::string direction);

// The factor after a click on Zoom In or Zoom Out: doubled or halved, or the present one kept
// after the refusal. The window then redraws if the timer is off and writes the tick readout.
entry::Task<double> ZoomIn(entry::Dialogs& dialogs, double zoomFactor);
entry::Task<double> ZoomOut(entry::Dialogs& dialogs, double zoomFactor);

}  // namespace display
