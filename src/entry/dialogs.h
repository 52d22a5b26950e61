#pragma once
// The two modal dialogs the entry needs. The window answers them with QInputDialog and
// QMessageBox; tests answer them from a script. All texts are UTF-8.

#include <string>

namespace entry {

// Style of every message of the entry: a question-mark icon and a single OK button.
inline constexpr int kQuestionStyle = 32;

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Returns what the user typed, or "" when the user cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    virtual void MessageBox(const std::string& text, int style, const std::string& title) = 0;
};

}  // namespace entry
