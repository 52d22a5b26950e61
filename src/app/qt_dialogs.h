#pragma once
// The input and message boxes of the entry, answered by the user through modal Qt dialogs.

#include "entry/dialogs.h"

class QWidget;

namespace app {

// Message styles the window uses: 32 a question mark, 48 an exclamation mark; one OK button.
inline constexpr int kExclamationStyle = 48;

class QtDialogs : public entry::Dialogs {
  public:
    explicit QtDialogs(QWidget* owner) : owner_(owner) {}
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void MessageBox(const std::string& text, int style, const std::string& title) override;

  private:
    QWidget* owner_;
};

}  // namespace app
