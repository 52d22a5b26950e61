#pragma once
// Every parameter entry button and its menu twin, as one table, and the routine the window
// runs when one of them is clicked.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "entry/coupling.h"
#include "entry/dialogs.h"
#include "entry/effects.h"
#include "entry/enter_parameter.h"
#include "sim/model.h"

namespace entry {

// What follows the entry (after the label is rewritten, except the rounding, which comes
// before it so the label shows the whole number).
enum class Then {
    Nothing,
    NormSourceResistance,
    NormLoadResistance,
    NormLoadInductance,
    NormLoadCapacitance,
    Vp,
    AttenuationConstant,
    RoundToWhole,
    CouplingFromFrequency,  // RecomputeCoupling("F")
    CouplingFromCycles,     // RecomputeCoupling("Cycles_Len")
    CouplingFromLength,     // RecomputeCoupling("Length")
    ApplyCyclesChange,
};

// Where the largest accepted number comes from.
enum class MaxFrom { Table, Frequency, Length };

struct EntryCommand {
    std::string_view name;       // the button, or the menu item that has its own copy
    std::string_view menuTwin;   // the "Enter ..." menu item that runs the button, or ""
    std::string_view parameter;  // sim::Model field name
    sim::Value sim::Model::*field;
    std::string_view prompt;  // "{ns}" stands for the duration of one point in ns
    std::string_view title;
    bool nonNegativeOnly;
    float min, max;
    MaxFrom maxFrom;
    std::string_view note;
    std::string_view label;
    std::string_view unit;       // after an entry or a preset; "{ns}" as in the prompt
    std::string_view startUnit;  // at start-up
    Then then;
};

std::span<const EntryCommand> EntryCommands();

// Finds a row by button or menu-twin name ("cmdR1", "mnuEnterR1", "mnuEnterCycles").
const EntryCommand* FindEntryCommand(std::string_view name);
// Finds the row of a parameter (its first row: cmdCycles_Len for CyclesPerLength).
const EntryCommand* EntryCommandOf(std::string_view parameter);

// The request as the entry fills it from the present values (prompt with the point duration,
// computed maxima).
EntryRequest RequestFor(const EntryCommand& command, const sim::Model& model);

// Runs an entry button or its menu twin: the checked entry, the rounding of the pulse
// timings, the label, and the recomputation, whatever the entry's outcome. Returns nothing
// for a name that is not an entry command. The window fills `coupling` from its own flags
// (the three coupled buttons' enabled state, the selected optParameter, whether Timer1 runs)
// and then applies the returned Effects. `model` must outlive the entry.
Task<std::optional<Effects>> RunEntryCommand(std::string name, sim::Model& model, Dialogs& dialogs,
                                             CouplingState coupling);

// Recomputes what `then` names (not the coupling: RunEntryCommand does that).
void RecomputeDerived(Then then, sim::Model& model);

// A value label's caption: the value through FormatValue (or, at start-up, through the
// general conversion) followed by its unit text.
std::string LabelAfterEntry(const EntryCommand& command, const sim::Model& model);
std::string LabelAtStartUp(const EntryCommand& command, const sim::Model& model);

// Every value label's caption at start-up, in the order the window writes them.
std::vector<LabelText> StartUpLabels(const sim::Model& model);

}  // namespace entry
