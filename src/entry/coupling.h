#pragma once
// Frequency, cycles per length and line length: CyclesPerLength = LineLength × Frequency / Vp.
// One of the three is held; changing another recomputes the third.

#include <string_view>

#include "entry/dialogs.h"
#include "entry/effects.h"
#include "sim/model.h"

namespace entry {

// The index of the selected optParameter button.
enum class Held { Frequency = 0, CyclesPerLength = 1, LineLength = 2 };

// Whether cmdCycles_Len, cmdF and cmdLength are enabled right now: the recomputation reads
// these, so a halted run (all three greyed) recomputes nothing.
struct CouplingButtons {
    bool cyclesEnabled = false;
    bool frequencyEnabled = false;
    bool lengthEnabled = false;
};

// What the window knows when a coupled value changes.
struct CouplingState {
    CouplingButtons buttons;  // as they are now
    int heldIndex = 1;        // selected optParameter, -1 when none is selected
    bool timerEnabled = false;
};

// The buttons right after ("Enable", "Combo"), ("Disable", "FixedParameter").
CouplingButtons ButtonsWithHeld(int heldIndex);

// The three tests, in order: cycles, frequency, length. `changed` is "F", "Cycles_Len" or
// "Length". Returns the captions of the recomputed labels.
std::vector<LabelText> RecomputeCoupling(sim::Model& model, std::string_view changed,
                                         const CouplingButtons& buttons);

// The note shown before a preset cycles value is applied.
Dialogs::Asked ShowCyclesNote(Dialogs& dialogs);

// After a new CyclesPerLength. During a free run the recomputation needs the coupled buttons
// enabled for a moment: the returned steps lift the run's set-up state and restore it, and the
// window applies them as they come. Halted or in set-up, the buttons decide as they are.
Effects ApplyCyclesChange(sim::Model& model, const CouplingState& state);

// The largest frequency (MHz) and length (m) the entry accepts, in single precision.
float FrequencyMaximum(const sim::Model& model);
float LengthMaximum(const sim::Model& model);

}  // namespace entry
