#pragma once
// The two kinds of question the entry puts to the user: an input box and a message box. All texts
// are UTF-8.
//
// The entry awaits each answer (see task.h). A Dialogs shows the question in Ask and the answer
// comes through Answer: before Ask returns (a modal dialog, a script) or later, after other events
// (a page's dialog); the entry that asked goes on from there in either case.

#include <string>

#include "entry/task.h"

namespace entry {

// Style of every message of the entry: a question-mark icon and a single OK button.
inline constexpr int kQuestionStyle = 32;

struct Question {
    enum class Kind { Input, Message };
    Kind kind = Kind::Message;
    std::string prompt;       // a message box's text
    std::string title;        // the box's title bar
    std::string defaultText;  // an input box's text at first
    int style = 0;            // a message box's icon and buttons
    bool operator==(const Question&) const = default;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // co_await one of these: an input box gives what the user typed, or "" when the user cancels;
    // a message box gives "" once it is closed.
    // Ending the entry while it waits (destroying its coroutine) withdraws the question.
    struct Asked {
        Dialogs& dialogs;
        Question question;
        std::string answer;
        Asked(Dialogs& d, Question q) : dialogs(d), question(std::move(q)) {}
        Asked(const Asked&) = delete;
        ~Asked() {
            if (dialogs.pending_ == this) dialogs.pending_ = nullptr;
        }
        bool await_ready() const noexcept { return false; }
        bool await_suspend(coro::coroutine_handle<> asker) { return dialogs.Put(*this, asker); }
        std::string await_resume() { return std::move(answer); }
    };
    Asked InputBox(std::string prompt, std::string title, std::string defaultText);
    Asked MessageBox(std::string text, int style, std::string title);

    // The answer to the question now shown; ignored when none is.
    void Answer(std::string text);
    // The question now shown, or null.
    const Question* Pending() const { return pending_ ? &pending_->question : nullptr; }
    // Inside Ask: the question is being shown right now (a modal dialog on the desktop), and the
    // entry that asked it is on the stack.
    bool Asking() const { return asking_; }

  protected:
    // Shows the question; Answer gives the answer, now or later.
    virtual void Ask(const Question& question) = 0;

  private:
    // True when the asker must wait: the answer did not come during Ask.
    bool Put(Asked& asked, coro::coroutine_handle<> asker);

    Asked* pending_ = nullptr;
    coro::coroutine_handle<> asker_;
    bool asking_ = false;         // inside Ask
    bool answeredAtOnce_ = false;  // Answer came inside Ask
};

}  // namespace entry
