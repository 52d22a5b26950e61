#pragma once
// The preset menus: one click sets a parameter (or a resistance and a second component),
// rewrites its label and recomputes what depends on it; the Source menu picks the waveform.

#include <optional>
#include <span>
#include <string_view>

#include "entry/coupling.h"
#include "entry/dialogs.h"
#include "entry/effects.h"
#include "sim/model.h"

namespace entry {

enum class PresetKind {
    Value,   // sets one or two parameters
    Cycles,  // sets the cycles per length, with its note and the coupling
    Source,  // picks the source waveform
    Enter,   // runs an entry command
};

struct Preset {
    std::string_view item;  // the menu item's name
    PresetKind kind;
    std::string_view parameter;  // sim::Model field name, for Value and Cycles
    double value;
    std::string_view secondParameter;  // "" when the item sets one value
    double secondValue;
    std::string_view sourceType;  // for Source
    bool infinite;                // the label shows ∞ instead of the number
    std::string_view runs;        // for Enter: the entry command it runs
};

std::span<const Preset> Presets();
const Preset* FindPreset(std::string_view item);

// Applies a menu item to the model. Shows the cycles note (before any label changes) and, for
// an "Enter" item, the entry's dialogs. Returns nothing for a name that is no preset item.
// `model` must outlive the entry.
Task<std::optional<Effects>> ApplyPreset(std::string item, sim::Model& model, Dialogs& dialogs,
                                         CouplingState coupling);

}  // namespace entry
