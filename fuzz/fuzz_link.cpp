// A set-up link as anyone may type or mangle it: the session never falls over, every value stays
// finite and within its entry limits, no label reads nan or inf, and the link the session then
// makes opens again without a refusal into the same set-up.

#include <cmath>
#include <cstdint>
#include <string>

#include "entry/circuit_options.h"
#include "fuzz_check.h"
#include "session/element_table.h"
#include "session/session.h"

namespace {

// Answers every message at once and counts them; draws nothing.
struct QuietView : session::View {
    session::Session* session = nullptr;
    int messages = 0;
    void TimerStarted(int) override {}
    void TimerStopped() override {}
    void TimerIntervalChanged(int) override {}
    void StatusTextChanged(const std::string&) override {}
    void PointerChanged(session::Pointer) override {}
    int PlotInnerWidth() const override { return 389; }
    int PlotInnerHeight() const override { return 221; }
    void TickDrawingBegun(bool, bool, bool, const display::TracePoints&,
                          const display::TracePoints&) override {}
    void TracesDrawn(bool, bool, const display::TracePoints&,
                     const display::TracePoints&) override {}
    void PlotCleared() override {}
    void PlotBackColourChanged(display::Rgb) override {}
    void CaptionChanged(const std::string&, const std::string&) override {}
    void SliderMoved(int) override {}
    void LoadShown(const std::string&) override {}
    void QuestionAsked(const entry::Question&) override {
        ++messages;
        session->Answer("");
    }
    void HelpShown() override {}
    void HelpTopicShown(const std::string&) override {}
    void HelpHidden() override {}
    void AboutShown() override {}
    void AboutHidden() override {}
    void ProgramEnded() override {}
};

struct Opened {
    QuietView view;
    session::Session s{view};
    explicit Opened(const std::string& link) {
        view.session = &s;
        s.Startup();
        s.OpenLink(link);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Opened first(std::string(reinterpret_cast<const char*>(data), size));
    fuzz::Require(!first.s.PendingQuestion(), "every message answered");
    const sim::Model start = sim::StartValues();
    for (const entry::NumberOption& o : entry::NumberOptions()) {
        const double x = (first.s.Model().*o.field).number;
        const auto limits = entry::LimitsOf(o.parameter);
        fuzz::Require(std::isfinite(x), "a value is finite");
        fuzz::Require(x == (start.*o.field).number ||
                          entry::CheckLimits(x, *limits) == entry::LimitCheck::Within,
                      "a value within its limits");
    }
    for (const auto& row : session::ElementTable())
        fuzz::Require(!fuzz::ReadsNonFinite(first.s.Caption(row.name)), "no caption reads nan");
    const std::string link = first.s.SetupLink();
    const Opened again(link);
    fuzz::Require(again.view.messages == 0, "a made link opens without a refusal");
    fuzz::Require(again.s.SetupLink() == link, "a made link makes itself again");
    return 0;
}
