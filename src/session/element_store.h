#pragma once
// The enabled, visible and checked flags of every element and menu item of the main window, kept
// by name in this one place. The rules a widget toolkit applies on its own are written out here,
// so that every view of the window follows the same ones: the option buttons of one container
// exclude each other, a container that is greyed or hidden blocks what it holds, only check boxes,
// option buttons and checkable menu items carry a check mark, and a change is reported only when
// a flag really changes.

#include <functional>
#include <map>
#include <string_view>
#include <vector>

namespace session {

// The three flags of an element that the control groups switch.
enum class Flag { Enabled, Visible, Checked };

class ElementStore {
  public:
    // Called once for every flag that changed, in the order of the changes. The store holds the
    // new value already, and the listener may change flags in turn.
    using Listener = std::function<void(std::string_view name, Flag flag, bool on)>;

    // Every element, menu, menu item and named schematic piece, in the state it is created in.
    // The timer is not among them: whether it runs is its own state.
    ElementStore();

    bool Has(std::string_view name) const { return index_.find(name) != index_.end(); }
    // The element's own flag, whatever its container's state (a greyed frame does not change the
    // enabled flag of what it contains). Unknown names read false.
    bool Get(std::string_view name, Flag flag) const;
    // Unknown names are not written; a flag the element cannot carry stays as it is.
    void Set(std::string_view name, Flag flag, bool on);
    // Whether the user can use the element now: it and its frame (for a menu item its menu) are
    // enabled and visible.
    bool Usable(std::string_view name) const;

    void SetListener(Listener listener) { listener_ = std::move(listener); }

  private:
    enum class Kind { Plain, Option, CheckMark };
    struct Entry {
        std::string_view name;
        std::string_view container;  // "" at the top, else a frame's or a menu's name
        Kind kind;
        bool flags[3];  // by Flag
    };
    void Add(std::string_view name, std::string_view container, Kind kind, bool enabled,
             bool visible, bool checked);
    const Entry* Find(std::string_view name) const;
    void Write(Entry& entry, Flag flag, bool on);

    std::vector<Entry> entries_;
    std::map<std::string_view, std::size_t, std::less<>> index_;
    Listener listener_;
};

}  // namespace session
