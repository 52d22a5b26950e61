#pragma once
// The checked entry that every typed parameter goes through.

#include <string>

#include "entry/dialogs.h"
#include "sim/model.h"

namespace entry {

struct EntryRequest {
    std::string prompt, title;
    bool nonNegativeOnly = false;
    float max = 0, min = 0;  // inclusive, held in single precision
    std::string note;        // last line of the "Above Maximum " message
};

// Asks for a number with the target's present value as default text. An empty answer
// (cancel) changes nothing silently; a refusal explains itself in a message and changes
// nothing; an accepted number is stored as the text the user typed. The caller cannot tell
// which happened and refreshes its label either way. `target` must outlive the entry.
Task<> EnterParameter(Dialogs& dialogs, sim::Value& target, EntryRequest request);

// The four refusals; every line break is carriage return + line feed.
Dialogs::Asked ShowInvalidEntry(Dialogs& dialogs, const std::string& typed);
Dialogs::Asked ShowNegativeEntry(Dialogs& dialogs, const std::string& typed);
Dialogs::Asked ShowBelowMinimum(Dialogs& dialogs, const std::string& typed);
Dialogs::Asked ShowAboveMaximum(Dialogs& dialogs, const std::string& typed,
                                const std::string& note);

}  // namespace entry
