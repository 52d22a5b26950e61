#pragma once
// The browser's view of the session: every report is written into a queue of JSON records that
// the page's script takes after each call into the bridge and shows exactly as told, and the
// plot is drawn into a picture in memory whose pixels the page copies onto its canvas.
//
// The records, one object each, in the order the session reports them:
//   {"flag":name,"which":"enabled"|"visible"|"checked","on":bool}
//   {"caption":name,"text":…}              a value label or the status line ("lblDisplay")
//   {"timer":"started","interval":ms} {"timer":"stopped"} {"timer":"interval","interval":ms}
//   {"slider":value}  {"pointer":"arrow"|"cross"}  {"plot":true} (its pixels changed)
//   {"load":type,"strokes":[…]}  {"question":{kind,prompt,title,defaultText,style}}
//   {"shown":"help"|"about"}  {"hidden":"help"|"about"}  {"topic":title}  {"ended":true}

#include <optional>
#include <string>
#include <vector>

#include "display/geometry.h"
#include "raster/image.h"
#include "session/element_store.h"
#include "session/view.h"
#include "web/json.h"

namespace web {

class WebView : public session::View {
  public:
    WebView();

    // The records since the last call, as a JSON array; the queue is empty afterwards.
    std::string TakeReports();
    // The plot as the user sees it: the drawing with the fixed marks over it, as R, G, B, A
    // bytes, rows top to bottom, `ratio` device pixels to a plot pixel.
    const std::vector<unsigned char>& PlotRgba();
    int PlotWidth() const { return drawing_.Width(); }
    int PlotHeight() const { return drawing_.Height(); }
    // Enlarged, the plot is drawn again at the finer resolution, sharp: the polylines since the
    // last clear at the new ratio, as the desktop's plot does (what came before its last
    // kKeptPolylines is resampled).
    void SetPlotRatio(int ratio);
    // The status line's text as last told, "" before the first.
    const std::string& StatusText() const { return statusText_; }

    // The store's flag changes, connected by the bridge.
    void FlagChanged(std::string_view name, session::Flag flag, bool on);

    void TimerStarted(int interval) override;
    void TimerStopped() override;
    void TimerIntervalChanged(int interval) override;
    void StatusTextChanged(const std::string& text) override;
    void PointerChanged(session::Pointer shape) override;
    int PlotInnerWidth() const override { return designed_.width; }
    int PlotInnerHeight() const override { return designed_.height; }
    void TickDrawingBegun(bool envelope, bool voltage, bool current,
                          const display::TracePoints& voltagePoints,
                          const display::TracePoints& currentPoints) override;
    void TracesDrawn(bool voltage, bool current, const display::TracePoints& voltagePoints,
                     const display::TracePoints& currentPoints) override;
    void PlotCleared() override;
    void PlotBackColourChanged(display::Rgb colour) override;
    void CaptionChanged(const std::string& name, const std::string& text) override;
    void SliderMoved(int value) override;
    void LoadShown(const std::string& loadType) override;
    void QuestionAsked(const entry::Question& question) override;
    void HelpShown() override;
    void HelpTopicShown(const std::string& title) override;
    void HelpHidden() override;
    void AboutShown() override;
    void AboutHidden() override;
    void ProgramEnded() override;

  private:
    Json& Record();
    void PlotChanged();
    void Draw(const display::TracePoints& points, display::Rgb colour);

    static constexpr std::size_t kKeptPolylines = 256;
    struct Polyline {
        std::vector<display::Point> points;
        display::Rgb colour;
    };

    Json reports_;
    std::string statusText_;
    display::Rgb backColour_;
    display::Size designed_;  // the plot's own pixels
    int ratio_ = 1;
    raster::Image drawing_;  // what is drawn, without the fixed marks, at ratio_
    // The drawing since the last clear: what came before the kept polylines (empty when
    // nothing did), then the polylines in order.
    std::optional<raster::Image> older_;
    std::vector<Polyline> kept_;
    std::vector<unsigned char> rgba_;
    bool rgbaStale_ = true;
    bool plotInQueue_ = false;  // a plot record waits in the queue
};

}  // namespace web
