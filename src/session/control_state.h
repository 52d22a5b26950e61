#pragma once
// SetControlState: one call switches one flag of a whole named group of elements.

#include <string>
#include <string_view>

#include "session/element_store.h"

namespace session {

// The option buttons optParameter(0) .. optParameter(2): which of frequency, cycles per length
// and line length is held.
inline constexpr int kHeldOptions = 3;
std::string HeldOption(int index);
// The selected optParameter, looked at in index order; -1 when none is selected.
int HeldIndex(const ElementStore& store);

// "Checked" and "Enable" switch the group's flag on, every other word off; a group that is not
// in the table changes nothing.
void SetControlState(ElementStore& store, std::string_view action, std::string_view group);

}  // namespace session
