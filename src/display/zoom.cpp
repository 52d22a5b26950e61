#include "display/zoom.h"

namespace display {

bool ZoomLimitExceeded(double zoom, double limit, std::string_view direction) {
    return (direction == "In" && zoom > limit) || (direction == "Out" && zoom < limit);
}

entry::Task<bool> CheckZoomLimit(entry::Dialogs& dialogs, double zoom, double limit,
                                 std::string direction) {
    if (!ZoomLimitExceeded(zoom, limit, direction)) co_return true;
    co_await dialogs.MessageBox(std::string(kZoomLimitText), kExclamationStyle,
                                std::string(kZoomLimitTitle));
    co_return false;
}

entry::Task<double> ZoomIn(entry::Dialogs& dialogs, double zoomFactor) {
    const double zoomed = zoomFactor * 2;
    co_return co_await CheckZoomLimit(dialogs, zoomed, kZoomInLimit, "In") ? zoomed : zoomFactor;
}

entry::Task<double> ZoomOut(entry::Dialogs& dialogs, double zoomFactor) {
    const double zoomed = zoomFactor * 0.5;
    co_return co_await CheckZoomLimit(dialogs, zoomed, kZoomOutLimit, "Out") ? zoomed : zoomFactor;
}

}  // namespace display
