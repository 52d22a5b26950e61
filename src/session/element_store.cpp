#include "session/element_store.h"

#include "session/element_table.h"
#include "session/menu_table.h"
#include "session/schematic_table.h"

namespace session {

ElementStore::ElementStore() {
    for (const ElementRow& row : ElementTable()) {
        if (row.kind == ElementKind::Timer) continue;
        const bool marked = row.kind == ElementKind::CheckBox || row.kind == ElementKind::Option;
        Add(row.name, row.container,
            row.kind == ElementKind::Option ? Kind::Option
            : marked                        ? Kind::CheckMark
                                            : Kind::Plain,
            !(row.start & kGreyed), !(row.start & kHidden), row.start & kChecked);
    }
    std::string_view menu;
    for (const MenuRow& row : MenuTable()) {
        if (row.topLevel) menu = row.name;
        Add(row.name, row.topLevel ? "" : menu,
            row.start & kMenuCheckable ? Kind::CheckMark : Kind::Plain, true,
            !(row.start & kMenuHidden), row.start & kMenuChecked);
    }
    for (const SchematicRow& row : SchematicTable()) {
        if (*row.name) Add(row.name, row.container, Kind::Plain, true, !row.hiddenAtStart, false);
    }
}

void ElementStore::Add(std::string_view name, std::string_view container, Kind kind, bool enabled,
                       bool visible, bool checked) {
    index_.emplace(name, entries_.size());
    entries_.push_back({name, container, kind, {enabled, visible, checked}});
}

const ElementStore::Entry* ElementStore::Find(std::string_view name) const {
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : &entries_[found->second];
}

bool ElementStore::Get(std::string_view name, Flag flag) const {
    const Entry* entry = Find(name);
    return entry && entry->flags[int(flag)];
}

void ElementStore::Set(std::string_view name, Flag flag, bool on) {
    const Entry* found = Find(name);
    if (!found) return;
    Entry& entry = entries_[std::size_t(found - entries_.data())];
    if (flag == Flag::Checked && entry.kind == Kind::Plain) return;  // nothing to mark
    if (flag == Flag::Checked && entry.kind == Kind::Option) {
        // An option button loses its selection only to another one of its container, so a
        // container that had a selection keeps one; the one that loses it is reported first.
        if (!on || entry.flags[int(Flag::Checked)]) return;
        for (Entry& other : entries_) {
            if (other.kind == Kind::Option && other.container == entry.container)
                Write(other, Flag::Checked, false);
        }
    }
    Write(entry, flag, on);
}

void ElementStore::Write(Entry& entry, Flag flag, bool on) {
    if (entry.flags[int(flag)] == on) return;
    entry.flags[int(flag)] = on;
    if (listener_) listener_(entry.name, flag, on);
}

bool ElementStore::Usable(std::string_view name) const {
    const Entry* entry = Find(name);
    if (!entry || !entry->flags[int(Flag::Enabled)] || !entry->flags[int(Flag::Visible)])
        return false;
    return entry->container.empty() || Usable(entry->container);
}

}  // namespace session
