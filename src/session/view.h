#pragma once
// What the session tells a view of the window. Every call is synchronous and
// made in the order the changes happen, so a view that does exactly what it is told shows what
// the session holds: it decides nothing itself.

#include <string>

#include "display/geometry.h"
#include "display/trace_points.h"
#include "entry/dialogs.h"

namespace session {

// The plot's mouse pointer: the arrow, or the cross-hair a meter reading leaves.
enum class Pointer { Arrow, Cross };

class View {
  public:
    virtual ~View() = default;

    // Timer1. Started: it fires every `interval` ms from now on, a rhythm it had is dropped.
    // A new interval on a running timer takes effect at once; on a stopped one at its next start.
    virtual void TimerStarted(int interval) = 0;
    virtual void TimerStopped() = 0;
    virtual void TimerIntervalChanged(int interval) = 0;

    // The status line lblDisplay shows `text`.
    virtual void StatusTextChanged(const std::string& text) = 0;
    virtual void PointerChanged(Pointer shape) = 0;

    // The plot's inner size in its own pixels, read at run start for the plot's half sizes.
    virtual int PlotInnerWidth() const = 0;
    virtual int PlotInnerHeight() const = 0;
    // The plot's part of a tick, before the points are updated: in envelope mode the last tick's
    // checked traces are painted over in white, otherwise the plot is cleared.
    virtual void TickDrawingBegun(bool envelope, bool voltage, bool current,
                                  const display::TracePoints& voltagePoints,
                                  const display::TracePoints& currentPoints) = 0;
    // After the points: the checked traces of this tick.
    virtual void TracesDrawn(bool voltage, bool current, const display::TracePoints& voltagePoints,
                             const display::TracePoints& currentPoints) = 0;

    // The plot is filled with its back colour.
    virtual void PlotCleared() = 0;
    // A new back colour, which erases everything drawn.
    virtual void PlotBackColourChanged(display::Rgb colour) = 0;

    // A value label (or any captioned element) shows `text`.
    virtual void CaptionChanged(const std::string& name, const std::string& text) = 0;
    // The slider stands at `value`; the view moves it without reporting a change back.
    virtual void SliderMoved(int value) = 0;
    // Every load symbol is erased and this one drawn between the load-end terminals.
    virtual void LoadShown(const std::string& loadType) = 0;

    // An input box or a message box. The view shows it and gives the answer through
    // Session::Answer: before returning (a modal dialog) or later (the run goes on meanwhile).
    virtual void QuestionAsked(const entry::Question& question) = 0;

    // The help window and the about box, both non-modal: shown, or brought to the front.
    virtual void HelpShown() = 0;
    virtual void AboutShown() = 0;

    // Exit: the program ends now, with all its windows.
    virtual void ProgramEnded() = 0;
};

}  // namespace session
