#include "entry/enter_parameter.h"

#include "entry/format_value.h"
#include "entry/limits.h"
#include "entry/number.h"

namespace entry {

namespace {
const std::string kNewLine = "\r\n";
}

void ShowInvalidEntry(Dialogs& dialogs, const std::string& typed) {
    dialogs.MessageBox(
        "Please Enter a Valid Numerical Expression" + kNewLine + typed + "  was entered.",
        kQuestionStyle, "Invalid Entry");
}

void ShowNegativeEntry(Dialogs& dialogs, const std::string& typed) {
    dialogs.MessageBox("This Parameter Cannot be Negative" + kNewLine + typed + "  was entered.",
                       kQuestionStyle, "Negative Entry");
}

void ShowBelowMinimum(Dialogs& dialogs, const std::string& /*typed: not shown*/) {
    dialogs.MessageBox("This Number Entered is Below the Minimum for this Parameter" + kNewLine +
                           "Please Enter a Larger Value",
                       kQuestionStyle, "Below Minimum ");
}

void ShowAboveMaximum(Dialogs& dialogs, const std::string& /*typed: not shown*/,
                      const std::string& note) {
    dialogs.MessageBox("This Number Entered is Above the Maximum for this Parameter" + kNewLine +
                           "Please Enter a Smaller Value" + kNewLine + note,
                       kQuestionStyle, "Above Maximum ");
}

void EnterParameter(Dialogs& dialogs, sim::Value& target, const EntryRequest& request) {
    const std::string present = target.isTyped() ? target.typed : GeneralText(target.number);
    const std::string typed = dialogs.InputBox(request.prompt, request.title, present);
    if (typed.empty()) return;
    const auto number = ParseNumber(typed);
    if (!number) return ShowInvalidEntry(dialogs, typed);
    switch (CheckLimits(*number, {request.min, request.max, request.nonNegativeOnly})) {
        case LimitCheck::Negative:
            return ShowNegativeEntry(dialogs, typed);
        case LimitCheck::AboveMaximum:
            return ShowAboveMaximum(dialogs, typed, request.note);
        case LimitCheck::BelowMinimum:
            return ShowBelowMinimum(dialogs, typed);
        case LimitCheck::Within:
            target = sim::Value(*number, typed);
            return;
    }
}

}  // namespace entry
