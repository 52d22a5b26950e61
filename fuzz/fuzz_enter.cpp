// EnterParameter with scripted dialogs: the first bytes choose the limits, the rest is what the
// user types. An accepted text is stored as typed, is a finite number inside the limits, and
// every message is one of the four refusals.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "entry/enter_parameter.h"
#include "entry/number.h"
#include "fuzz_check.h"

namespace {

struct Scripted : entry::Dialogs {
    std::string answer;
    int messages = 0;
    void Ask(const entry::Question& q) override {
        if (q.kind == entry::Question::Kind::Input) return Answer(answer);
        ++messages;
        fuzz::Require(q.style == entry::kQuestionStyle, "refusals have the question style");
        fuzz::Require(q.title == "Invalid Entry" || q.title == "Negative Entry" ||
                          q.title == "Below Minimum " || q.title == "Above Maximum ",
                      "a refusal is one of the four");
        fuzz::Require(!q.prompt.empty(), "a refusal explains itself");
        Answer("");
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 * sizeof(float) + 1) return 0;
    float min, max;
    std::memcpy(&min, data, sizeof min);
    std::memcpy(&max, data + sizeof min, sizeof max);
    // The program's limits are finite and ordered; they come from its tables.
    if (!std::isfinite(min) || !std::isfinite(max) || min > max) return 0;
    const bool nonNegative = data[2 * sizeof(float)] & 1;
    Scripted dialogs;
    dialogs.answer.assign(reinterpret_cast<const char*>(data) + 2 * sizeof(float) + 1,
                          size - 2 * sizeof(float) - 1);
    sim::Value target(7, "07");
    auto entry =
        entry::EnterParameter(dialogs, target, {"Prompt", "Title", nonNegative, max, min, "NOTE"});
    entry.Start();
    fuzz::Require(entry.Done(), "answered at once, the entry ends at once");
    if (dialogs.answer.empty() || dialogs.messages > 0) {
        fuzz::Require(target.typed == "07" && target.number == 7, "a refusal changes nothing");
        fuzz::Require(dialogs.messages == (dialogs.answer.empty() ? 0 : 1),
                      "one message per refusal, none on cancel");
        return 0;
    }
    fuzz::Require(target.typed == dialogs.answer, "an accepted entry is stored as typed");
    fuzz::Require(std::isfinite(target.number), "an accepted entry is finite");
    fuzz::Require(target.number >= min && target.number <= max, "inside the limits");
    fuzz::Require(!nonNegative || target.number >= 0, "not negative");
    return 0;
}
