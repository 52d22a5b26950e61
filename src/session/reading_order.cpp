#include "session/reading_order.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace session {
namespace {

// The slider is named after the caption under it; the option buttons without a caption after
// what they hold.
constexpr std::array<AccessibleNameRow, 4> kAccessibleNames{{
    {"sldSpeedControl", "Speed"},
    {"optParameter(0)", "Hold Frequency"},
    {"optParameter(1)", "Hold Cycles/Length"},
    {"optParameter(2)", "Hold Line Length"},
}};

// Elements whose tops lie this close to the first of a row are read as one row.
constexpr int kSameRowTwips = 120;

// Reading order of the elements in one container: rows from the top, left to right in a row.
std::vector<const ElementRow*> ReadingOrder(std::vector<const ElementRow*> rows) {
    // The browser build's C++ library has no ranges algorithms yet, hence the plain ones.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ElementRow* a, const ElementRow* b) { return a->top < b->top; });
    std::vector<std::pair<int, const ElementRow*>> banded;
    int band = -1, bandTop = 0;
    for (const ElementRow* row : rows) {
        if (band < 0 || row->top > bandTop + kSameRowTwips) bandTop = row->top, ++band;
        banded.push_back({band, row});
    }
    std::stable_sort(banded.begin(), banded.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first, a.second->left) < std::pair(b.first, b.second->left);
    });
    std::vector<const ElementRow*> ordered;
    for (const auto& b : banded) ordered.push_back(b.second);
    return ordered;
}

}  // namespace

std::vector<const ElementRow*> WindowReadingOrder() {
    std::vector<const ElementRow*> topLevel;
    for (const ElementRow& row : ElementTable())
        if (!*row.container) topLevel.push_back(&row);
    std::vector<const ElementRow*> ordered;
    for (const ElementRow* row : ReadingOrder(topLevel)) {
        ordered.push_back(row);
        std::vector<const ElementRow*> contents;
        for (const ElementRow& inner : ElementTable())
            if (std::string_view(inner.container) == row->name) contents.push_back(&inner);
        for (const ElementRow* inner : ReadingOrder(contents)) ordered.push_back(inner);
    }
    return ordered;
}

std::span<const AccessibleNameRow> AccessibleNameTable() { return kAccessibleNames; }

std::vector<std::string> TabStops(const ElementStore& store) {
    const auto rows = WindowReadingOrder();
    const auto selectedIn = [&](std::string_view container) {
        return std::any_of(rows.begin(), rows.end(), [&](const ElementRow* row) {
            return row->kind == ElementKind::Option && row->container == container &&
                   store.Get(row->name, Flag::Checked);
        });
    };
    std::vector<std::string> stops;
    std::vector<std::string_view> groupsEntered;
    for (const ElementRow* row : rows) {
        const bool focusable = row->kind == ElementKind::Button ||
                               row->kind == ElementKind::CheckBox ||
                               row->kind == ElementKind::Option || row->kind == ElementKind::Slider;
        if (!focusable || !store.Usable(row->name)) continue;
        if (row->kind == ElementKind::Option) {
            const std::string_view group = row->container;
            const bool entered = std::find(groupsEntered.begin(), groupsEntered.end(), group) !=
                                 groupsEntered.end();
            if (selectedIn(group) ? !store.Get(row->name, Flag::Checked) : entered) continue;
            groupsEntered.push_back(group);
        }
        stops.emplace_back(row->name);
    }
    return stops;
}

}  // namespace session
