#pragma once
// The order a reader takes the window in (the Tab order follows it) and the names a screen reader
// announces for the elements whose caption does not say what they are.

#include <span>
#include <string>
#include <vector>

#include "session/element_store.h"
#include "session/element_table.h"

namespace session {

// The whole window in reading order: rows from the top, left to right in a row; a frame's contents
// follow the frame, together.
std::vector<const ElementRow*> WindowReadingOrder();

// The elements Tab stops at, in reading order: the usable buttons, check boxes and the slider,
// and of each group of option buttons the selected one only (the first usable one while none is
// selected), as the arrow keys move within the group.
std::vector<std::string> TabStops(const ElementStore& store);

struct AccessibleNameRow {
    const char* element;
    const char* name;
};

std::span<const AccessibleNameRow> AccessibleNameTable();

}  // namespace session
