#include "session/questions.h"

#include "session/view.h"

namespace session {

void Questions::Ask(const entry::Question& question) {
    showing_ = true;
    view_.QuestionAsked(question);
    showing_ = false;
}

}  // namespace session
