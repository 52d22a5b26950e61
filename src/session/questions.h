#pragma once
// The session's questions: each input box and message box of an entry or a zoom goes to the view,
// which answers it through Session::Answer, at once or later.

#include "entry/dialogs.h"

namespace session {

class View;

class Questions : public entry::Dialogs {
  public:
    explicit Questions(View& view) : view_(view) {}
    // Inside the view's showing of a question (a modal dialog on the desktop).
    bool Showing() const { return showing_; }

  protected:
    void Ask(const entry::Question& question) override;

  private:
    View& view_;
    bool showing_ = false;
};

}  // namespace session
