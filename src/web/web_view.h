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

#include <string>

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
    // bytes, rows top to bottom.
    const std::vector<unsigned char>& PlotRgba();
    int PlotWidth() const { return drawing_.Width(); }
    int PlotHeight() const { return drawing_.Height(); }
    // The status line's text as last told, "" before the first.
    const std::string& StatusText() const { return statusText_; }

    // The store's flag changes, connected by the bridge.
    void FlagChanged(std::string_view name, session::Flag flag, bool on);

    void TimerStarted(int interval) override;
    void TimerStopped() override;
    void TimerIntervalChanged(int interval) override;
    void StatusTextChanged(const std::string& text) override;
    void PointerChanged(session::Pointer shape) override;
    int PlotInnerWidth() const override { return drawing_.Width(); }
    int PlotInnerHeight() const override { return drawing_.Height(); }
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

    Json reports_;
    std::string statusText_;
    display::Rgb backColour_;
    raster::Image drawing_;  // what is drawn, without the fixed marks
    std::vector<unsigned char> rgba_;
    bool rgbaStale_ = true;
    bool plotInQueue_ = false;  // a plot record waits in the queue
};

}  // namespace web
