#include "entry/enter_parameter.h"

#include "entry/format_value.h"
#include "entry/limits.h"
#include "entry/number.h"

namespace entry {

namespace {
const std::string kNewLine = "\r\n";
}

Dialogs::Asked ShowInvalidEntry(Dialogs& dialogs, const std::string& typed) {
    return dialogs.MessageBox(
        "Please Enter a Valid Numerical Expression" + kNewLine + typed + "  was entered.",
        kQuestionStyle, "Invalid Entry");
}

Dialogs::Asked ShowNegativeEntry(Dialogs& dialogs, const std::string& typed) {
    return dialogs.MessageBox("This Parameter Cannot be Negative" + kNewLine + typed + "  was entered.",
                       kQuestionStyle, "Negative Entry");
}

Dialogs::Asked ShowBelowMinimum(Dialogs& dialogs, const std::string& /*typed: not shown*/) {
    return dialogs.MessageBox("This Number Entered is Below the Minimum for this Parameter" + kNewLine +
                           "Please Enter a Larger Value",
                       kQuestionStyle, "Below Minimum ");
}

Dialogs::Asked ShowAboveMaximum(Dialogs& dialogs, const std::string& /*typed: not shown*/,
                      const std::string& note) {
    return dialogs.MessageBox("This Number Entered is Above the Maximum for this Parameter" + kNewLine +
                           "Please Enter a Smaller Value" + kNewLine + note,
                       kQuestionStyle, "Above Maximum ");
}

Task<> EnterParameter(Dialogs& dialogs, sim::Value& target, EntryRequest request) {
    const std::string present = target.isTyped() ? target.typed : GeneralText(target.number);
    const std::string typed = co_await dialogs.InputBox(request.prompt, request.title, present);
    if (typed.empty()) co_return;
    const auto number = ParseNumber(typed);
    if (!number) {
        co_await ShowInvalidEntry(dialogs, typed);
        co_return;
    }
    switch (CheckLimits(*number, {request.min, request.max, request.nonNegativeOnly})) {
        case LimitCheck::Negative:
            co_await ShowNegativeEntry(dialogs, typed);
            break;
        case LimitCheck::AboveMaximum:
            co_await ShowAboveMaximum(dialogs, typed, request.note);
            break;
        case LimitCheck::BelowMinimum:
            co_await ShowBelowMinimum(dialogs, typed);
            break;
        case LimitCheck::Within:
            target = sim::Value(*number, typed);
            break;
    }
}

}  // namespace entry
