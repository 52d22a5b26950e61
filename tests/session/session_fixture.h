#pragma once
// A session with a view that records what it is told, as the run and plot tests drive it.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "display/plot_colours.h"
#include "session/session.h"

namespace sessiontest {

// Every report as a short word, and the timer, status line, pointer, captions, load symbol, the
// traces of the last tick and the questions as a view would show them. It answers the questions
// from a script (Cancel, "", when it runs out): at once, or only when Later() is called.
struct RecordingView : session::View {
    session::Session* session = nullptr;
    std::deque<std::string> answers;
    bool answerLater = false;
    std::vector<std::string> titles;  // of every question, in order
    std::map<std::string, std::string> captions;
    std::string load;
    int slider = 0;
    std::vector<std::string> reports;
    bool running = false;
    int interval = 0;
    std::string status;
    session::Pointer pointer = session::Pointer::Arrow;
    bool envelope = false;                  // the last tick painted its traces over in white
    bool voltage = false, current = false;  // the traces last drawn
    std::vector<std::string> messages;      // "title: text" and, if not 32, " style"

    void TimerStarted(int ms) override {
        running = true;
        interval = ms;
        reports.push_back("start" + std::to_string(ms));
    }
    void TimerStopped() override {
        running = false;
        reports.push_back("stop");
    }
    void TimerIntervalChanged(int ms) override {
        interval = ms;
        reports.push_back("interval" + std::to_string(ms));
    }
    void StatusTextChanged(const std::string& text) override {
        status = text;
        reports.push_back("status");
    }
    void PointerChanged(session::Pointer shape) override {
        pointer = shape;
        reports.push_back(shape == session::Pointer::Arrow ? "arrow" : "cross");
    }
    int PlotInnerWidth() const override { return 389; }
    int PlotInnerHeight() const override { return 221; }
    void TickDrawingBegun(bool envelopeOn, bool, bool, const display::TracePoints&,
                          const display::TracePoints&) override {
        envelope = envelopeOn;
        reports.push_back("begin");
    }
    void TracesDrawn(bool voltageOn, bool currentOn, const display::TracePoints&,
                     const display::TracePoints&) override {
        voltage = voltageOn;
        current = currentOn;
        reports.push_back("draw");
    }
    void PlotCleared() override { reports.push_back("clear"); }
    void PlotBackColourChanged(display::Rgb colour) override {
        reports.push_back(colour == display::kEnvelopeBackColour ? "green"
                          : colour == display::kPlotBackColour   ? "white"
                                                                 : "other");
    }
    void CaptionChanged(const std::string& name, const std::string& text) override {
        captions[name] = text;
        written.push_back(name + "=" + text);
    }
    std::vector<std::string> written;  // "label=caption", every caption written, in order
    void SliderMoved(int value) override { slider = value; }
    void LoadShown(const std::string& loadType) override { load = loadType; }
    void HelpShown() override { reports.push_back("help"); }
    void AboutShown() override { reports.push_back("about"); }
    void QuestionAsked(const entry::Question& q) override {
        titles.push_back(q.title);
        if (q.kind == entry::Question::Kind::Message) {
            messages.push_back(q.title + ": " + q.prompt +
                               (q.style == entry::kQuestionStyle ? "" : " " + std::to_string(q.style)));
            reports.push_back("message");
        }
        if (!answerLater) Later();
    }
    // Answers the question waiting, if any, with the script's next answer.
    void Later() {
        const entry::Question* q = session->PendingQuestion();
        if (!q) return;
        std::string answer;
        if (q->kind == entry::Question::Kind::Input && !answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        session->Answer(answer);
    }
    void ProgramEnded() override { reports.push_back("end"); }

    std::string Reports() const {
        std::string text;
        for (const std::string& r : reports) text += (text.empty() ? "" : " ") + r;
        return text;
    }
};

// A session as start-up leaves it: the slider at 5.
struct Run {
    RecordingView view;
    session::Session s{view};
    Run() {
        view.session = &s;
        s.sldSpeedControl_Change(5);
    }
};

// Two ticks into a run at the slowest speed (Step shows ".4"), then whatever reaches the state:
// "set-up", "free", "pending" (Step clicked), "halted" (after the step's tick), "stopping".
inline void Bring(Run& r, const std::string& state) {
    if (state != "set-up") {
        r.s.sldSpeedControl_Change(1);
        r.s.cmdSimulate_Click();
        r.s.Timer1_Timer();
        r.s.Timer1_Timer();
    }
    if (state == "pending" || state == "halted") r.s.cmdStep_Click();
    if (state == "halted") r.s.Timer1_Timer();
    if (state == "stopping") r.s.cmdStop_Click();
}

}  // namespace sessiontest
