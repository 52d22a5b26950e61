#include "web/web_view.h"

#include "display/load_schematic.h"
#include "display/plot_colours.h"
#include "display/plot_marks.h"
#include "raster/plot_drawing.h"

namespace web {
namespace {

const char* FlagName(session::Flag flag) {
    switch (flag) {
        case session::Flag::Enabled:
            return "enabled";
        case session::Flag::Visible:
            return "visible";
        case session::Flag::Checked:
            return "checked";
    }
    return "";
}

}  // namespace

WebView::WebView()
    : backColour_(display::kPlotBackColour),
      designed_(display::DesignedPlotSize()),
      drawing_(designed_.width, designed_.height, display::kPlotBackColour) {
    reports_.BeginArray();
}

Json& WebView::Record() { return reports_.BeginObject(); }

std::string WebView::TakeReports() {
    reports_.EndArray();
    std::string text = reports_.Text();
    reports_.Clear();
    reports_.BeginArray();
    plotInQueue_ = false;
    return text;
}

void WebView::PlotChanged() {
    // One record per change would flood the queue during a fast run; the page copies the
    // pixels once per batch anyway.
    rgbaStale_ = true;
    if (plotInQueue_) return;
    Record().Field("plot", true).EndObject();
    plotInQueue_ = true;
}

const std::vector<unsigned char>& WebView::PlotRgba() {
    if (!rgbaStale_) return rgba_;
    raster::Image shown = drawing_;
    raster::DrawFixedMarks(shown, ratio_);
    rgba_.resize(shown.Pixels().size() * 4);
    std::size_t at = 0;
    for (const display::Rgb p : shown.Pixels()) {
        rgba_[at++] = static_cast<unsigned char>(p >> 16);
        rgba_[at++] = static_cast<unsigned char>(p >> 8);
        rgba_[at++] = static_cast<unsigned char>(p);
        rgba_[at++] = 0xFF;
    }
    rgbaStale_ = false;
    return rgba_;
}

void WebView::FlagChanged(std::string_view name, session::Flag flag, bool on) {
    Record().Field("flag", name).Field("which", FlagName(flag)).Field("on", on).EndObject();
}

void WebView::TimerStarted(int interval) {
    Record().Field("timer", "started").Field("interval", interval).EndObject();
}

void WebView::TimerStopped() { Record().Field("timer", "stopped").EndObject(); }

void WebView::TimerIntervalChanged(int interval) {
    Record().Field("timer", "interval").Field("interval", interval).EndObject();
}

void WebView::StatusTextChanged(const std::string& text) {
    statusText_ = text;
    CaptionChanged("lblDisplay", text);
}

void WebView::PointerChanged(session::Pointer shape) {
    Record().Field("pointer", shape == session::Pointer::Cross ? "cross" : "arrow").EndObject();
}

// The same order and colours as the desktop's plot: old traces in white for the envelope, or
// a clear; then the voltage in dark red and the current in orange.
void WebView::TickDrawingBegun(bool envelope, bool voltage, bool current,
                               const display::TracePoints& voltagePoints,
                               const display::TracePoints& currentPoints) {
    if (!envelope) {
        PlotCleared();
        return;
    }
    if (voltage) Draw(voltagePoints, display::kEnvelopePaint);
    if (current) Draw(currentPoints, display::kEnvelopePaint);
    PlotChanged();
}

void WebView::TracesDrawn(bool voltage, bool current, const display::TracePoints& voltagePoints,
                          const display::TracePoints& currentPoints) {
    if (voltage) Draw(voltagePoints, display::kVoltageColour);
    if (current) Draw(currentPoints, display::kCurrentColour);
    PlotChanged();
}

void WebView::PlotCleared() {
    drawing_.Fill(backColour_);
    older_.reset();
    kept_.clear();
    PlotChanged();
}

// A polyline through the same points covers every pixel of an earlier one (same pen), so that
// one need not be drawn again: the envelope's white copy of a trace replaces the trace.
void WebView::Draw(const display::TracePoints& points, display::Rgb colour) {
    raster::DrawPolyline(drawing_, points, colour, ratio_);
    std::erase_if(kept_, [&](const Polyline& line) {
        return std::equal(line.points.begin(), line.points.end(), points.begin(), points.end());
    });
    if (kept_.size() == kKeptPolylines) {
        older_ = drawing_;
        kept_.clear();
    } else {
        kept_.push_back({{points.begin(), points.end()}, colour});
    }
}

void WebView::SetPlotRatio(int ratio) {
    if (ratio == ratio_ || ratio < 1) return;
    raster::Image finer(designed_.width * ratio, designed_.height * ratio, backColour_);
    if (older_) {
        // Nearest device pixel of the older picture, whatever its ratio was.
        for (int y = 0; y < finer.Height(); ++y)
            for (int x = 0; x < finer.Width(); ++x)
                finer.Plot(x, y,
                           older_->Pixel(x * older_->Width() / finer.Width(),
                                         y * older_->Height() / finer.Height()));
    }
    ratio_ = ratio;
    drawing_ = std::move(finer);
    if (older_) older_ = drawing_;
    for (const Polyline& line : kept_) raster::DrawPolyline(drawing_, line.points, line.colour, ratio_);
    PlotChanged();
}

void WebView::PlotBackColourChanged(display::Rgb colour) {
    backColour_ = colour;
    PlotCleared();
}

void WebView::CaptionChanged(const std::string& name, const std::string& text) {
    Record().Field("caption", name).Field("text", text).EndObject();
}

void WebView::SliderMoved(int value) { Record().Field("slider", value).EndObject(); }

// The symbol's strokes go along in twips of the client area, for the page to draw.
void WebView::LoadShown(const std::string& loadType) {
    Record().Field("load", loadType).Key("strokes").BeginArray();
    for (const display::Stroke& s : display::LoadStrokes(loadType)) {
        const bool arc = s.kind == display::Stroke::Kind::Arc;
        reports_.BeginObject()
            .Field("arc", arc)
            .Field("ax", s.a.x)
            .Field("ay", s.a.y)
            .Field("bx", s.b.x)
            .Field("by", s.b.y)
            .Field("from", s.startDegrees)
            .Field("to", s.endDegrees)
            .Field("radius", display::kCoilArcRadius)
            .EndObject();
    }
    reports_.EndArray().EndObject();
}

void WebView::QuestionAsked(const entry::Question& question) {
    const bool input = question.kind == entry::Question::Kind::Input;
    Record()
        .Key("question")
        .BeginObject()
        .Field("kind", input ? "input" : "message")
        .Field("prompt", question.prompt)
        .Field("title", question.title)
        .Field("defaultText", question.defaultText)
        .Field("style", question.style)
        .EndObject()
        .EndObject();
}

void WebView::HelpShown() { Record().Field("shown", "help").EndObject(); }

void WebView::HelpTopicShown(const std::string& title) {
    Record().Field("topic", title).EndObject();
}

void WebView::HelpHidden() { Record().Field("hidden", "help").EndObject(); }

void WebView::AboutShown() { Record().Field("shown", "about").EndObject(); }

void WebView::AboutHidden() { Record().Field("hidden", "about").EndObject(); }

void WebView::ProgramEnded() { Record().Field("ended", true).EndObject(); }

}  // namespace web
