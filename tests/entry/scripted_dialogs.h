#pragma once
// The entry's and the plot's tests' user at the dialogs.

#include <string>
#include <vector>

#include "entry/dialogs.h"

// Plays the user: answers each input box from the script (Cancel, "", once it runs out) and
// keeps the default text of every box and "title|text|style" of every message.
struct ScriptedDialogs : entry::Dialogs {
    explicit ScriptedDialogs(std::vector<std::string> script = {}) : answers(std::move(script)) {}
    std::string InputBox(const std::string&, const std::string&,
                         const std::string& defaultText) override {
        defaults.push_back(defaultText);
        return defaults.size() <= answers.size() ? answers[defaults.size() - 1] : "";
    }
    void MessageBox(const std::string& text, int style, const std::string& title) override {
        messages.push_back(title + "|" + text + "|" + std::to_string(style));
    }
    std::vector<std::string> answers, defaults, messages;
};
