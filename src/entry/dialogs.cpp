#include "entry/dialogs.h"

namespace entry {

Dialogs::Asked Dialogs::InputBox(std::string prompt, std::string title, std::string defaultText) {
    return {*this, {Question::Kind::Input, std::move(prompt), std::move(title),
                    std::move(defaultText), 0}};
}

Dialogs::Asked Dialogs::MessageBox(std::string text, int style, std::string title) {
    return {*this, {Question::Kind::Message, std::move(text), std::move(title), {}, style}};
}

bool Dialogs::Put(Asked& asked, coro::coroutine_handle<> asker) {
    pending_ = &asked;
    asker_ = asker;
    asking_ = true;
    answeredAtOnce_ = false;
    Ask(asked.question);
    asking_ = false;
    return !answeredAtOnce_;
}

void Dialogs::Answer(std::string text) {
    if (!pending_) return;
    pending_->answer = std::move(text);
    pending_ = nullptr;
    if (asking_) {
        answeredAtOnce_ = true;  // Put lets the asker go on without waiting
        return;
    }
    asker_.resume();
}

}  // namespace entry
