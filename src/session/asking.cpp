// Entries and zooms ask their questions through the view and go on when the answer comes: at once
// from a modal dialog, or later from a page's dialog while the run goes on.

#include "display/zoom.h"
#include "session/session.h"

namespace session {

void Session::StartAsking(entry::Task<> asking) {
    asking_.emplace(std::move(asking));
    asking_->Start();
    if (asking_->Done()) asking_.reset();
}

void Session::Answer(std::string text) {
    if (!questions_.Pending()) return;
    questions_.Answer(std::move(text));
    // The view answered at once: StartAsking finds the entry done itself.
    if (questions_.Asking()) return;
    if (asking_ && asking_->Done()) asking_.reset();
}

entry::Task<> Session::ApplyWhenAnswered(entry::Task<std::optional<entry::Effects>> entry) {
    if (const auto effects = co_await std::move(entry)) ApplyEffects(*effects);
}

entry::Task<> Session::Zoom(bool in) {
    // A named task: GCC 12 mishandles a co_await on a conditional expression.
    auto zoomed = in ? display::ZoomIn(questions_, ZoomFactor) : display::ZoomOut(questions_, ZoomFactor);
    ZoomFactor = co_await std::move(zoomed);
    ShowZoom();
}

void Session::cmdZoomIn_Click() { StartAsking(Zoom(true)); }

void Session::cmdZoomOut_Click() { StartAsking(Zoom(false)); }

}  // namespace session
