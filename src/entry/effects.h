#pragma once
// What an entry, a preset or a recomputation asks of the window once its plain part is done.

#include <string>
#include <vector>

namespace entry {

// One call of the window's SetControlState, e.g. {"Unchecked", "Source"}.
struct ControlStep {
    std::string action, group;
    bool operator==(const ControlStep&) const = default;
};

// A value label to rewrite: its element name and its whole caption (value and unit).
struct LabelText {
    std::string label, text;
    bool operator==(const LabelText&) const = default;
};

// The window applies these in this order: every control step, then every label caption,
// then the check mark. Steps and captions touch different flags, so the order between the
// two lists never changes what the user sees.
struct Effects {
    std::vector<ControlStep> controlSteps;
    std::vector<LabelText> labels;
    std::string checkItem;  // menu item to check after the steps, or empty
};

}  // namespace entry
