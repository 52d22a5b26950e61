#pragma once
// Plays the user in the entry's dialogs: answers input boxes from a script and keeps every
// prompt and message for the test to read.

#include <deque>
#include <string>
#include <vector>

#include "entry/dialogs.h"

namespace entry_test {

struct Shown {
    std::string text, title, defaultText;
    int style = 0;
    bool input = false;  // an input box rather than a message
};

class ScriptedDialogs : public entry::Dialogs {
  public:
    explicit ScriptedDialogs(std::deque<std::string> answers = {}) : answers_(std::move(answers)) {}

    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        shown.push_back({prompt, title, defaultText, 0, true});
        if (answers_.empty()) return "";  // nothing scripted: the user cancels
        std::string answer = answers_.front();
        answers_.pop_front();
        // "<default>" confirms the box as it opened.
        return answer == "<default>" ? defaultText : answer;
    }
    void MessageBox(const std::string& text, int style, const std::string& title) override {
        shown.push_back({text, title, "", style, false});
    }

    std::vector<Shown> Messages() const {
        std::vector<Shown> messages;
        for (const auto& s : shown)
            if (!s.input) messages.push_back(s);
        return messages;
    }

    std::vector<Shown> shown;

  private:
    std::deque<std::string> answers_;
};

}  // namespace entry_test
