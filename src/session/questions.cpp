#include "session/questions.h"

#include "session/view.h"

namespace session {

void Questions::Ask(const entry::Question& question) {
    view_.QuestionAsked(question);
}

}  // namespace session
