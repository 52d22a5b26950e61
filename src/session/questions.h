#pragma once
// The session's questions: each input box and message box of an entry or a zoom goes to the view,
// which answers it through Session::Answer, at once or later.

#include "entry/dialogs.h"

namespace session {

class View;

class Questions : public entry::Dialogs {
  public:
    explicit Questions(View& view) : view_(view) {}

  protected:
    void Ask(const entry::Question& question) override;

  private:
    View& view_;
};

}  // namespace session
