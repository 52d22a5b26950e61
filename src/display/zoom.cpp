#include "display/zoom.h"

namespace display {

bool ZoomLimitExceeded(double zoom, double limit, std::string_view direction) {
    return (direction == "In" && zoom > limit) || (direction == "Out" && zoom < limit);
}

bool CheckZoomLimit(entry::Dialogs& dialogs, double zoom, double limit,
                    std::string_view direction) {
    if (!ZoomLimitExceeded(zoom, limit, direction)) return true;
    dialogs.MessageBox(std::string(kZoomLimitText), kExclamationStyle,
                       std::string(kZoomLimitTitle));
    return false;
}

double ZoomIn(entry::Dialogs& dialogs, double zoomFactor) {
    const double zoomed = zoomFactor * 2;
    return CheckZoomLimit(dialogs, zoomed, kZoomInLimit, "In") ? zoomed : zoomFactor;
}

double ZoomOut(entry::Dialogs& dialogs, double zoomFactor) {
    const double zoomed = zoomFactor * 0.5;
    return CheckZoomLimit(dialogs, zoomed, kZoomOutLimit, "Out") ? zoomed : zoomFactor;
}

}  // namespace display
