#include "entry/coupling.h"

#include <limits>

#include "entry/format_value.h"

namespace entry {

namespace {
// The most cycles the line can show; both computed maxima keep the count within it.
constexpr double kMostCycles = 20;
}  // namespace

CouplingButtons ButtonsWithHeld(int heldIndex) {
    return {heldIndex != static_cast<int>(Held::CyclesPerLength),
            heldIndex != static_cast<int>(Held::Frequency),
            heldIndex != static_cast<int>(Held::LineLength)};
}

std::vector<LabelText> RecomputeCoupling(sim::Model& m, std::string_view changed,
                                         const CouplingButtons& buttons) {
    // Three independent tests; in set-up exactly one passes (neither held nor changed). The
    // recomputed value is not held to its own limits.
    std::vector<LabelText> labels;
    if (buttons.cyclesEnabled && changed != "Cycles_Len") {
        m.CyclesPerLength = m.LineLength * m.Frequency / m.Vp;
        labels.push_back({"lblCycles_Len", FormatValue(m.CyclesPerLength) + " ~/len"});
    }
    if (buttons.frequencyEnabled && changed != "F") {
        m.Frequency = m.CyclesPerLength * m.Vp / m.LineLength;
        labels.push_back({"lblF", FormatValue(m.Frequency) + " MHz"});
    }
    if (buttons.lengthEnabled && changed != "Length") {
        m.LineLength = m.CyclesPerLength * m.Vp / m.Frequency;
        labels.push_back({"lblLength", FormatValue(m.LineLength) + " m"});
    }
    return labels;
}

Dialogs::Asked ShowCyclesNote(Dialogs& dialogs) {
    return dialogs.MessageBox("Note: This will change either the Frequency\n\r or the Length of the Line",
                       kQuestionStyle, "Cycles/Length ");
}

Effects ApplyCyclesChange(sim::Model& m, const CouplingState& state) {
    Effects effects;
    if (state.timerEnabled) {
        // The run greys the coupled buttons; lift that for the recomputation only.
        effects.controlSteps = {
            {"Enable", "Combo"}, {"Disable", "FixedParameter"}, {"Disable", "SimulationStatic"}};
        effects.labels = RecomputeCoupling(m, "Cycles_Len", ButtonsWithHeld(state.heldIndex));
    } else {
        // Halted between steps the buttons stay greyed, so nothing but the cycles change.
        effects.labels = RecomputeCoupling(m, "Cycles_Len", state.buttons);
    }
    return effects;
}

namespace {
// Limits are single precision. A recomputed length or frequency is not held to its own limits,
// so the other maximum can leave the float range; it then stays at the largest float instead of
// an undefined conversion.
float AsLimit(double x) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (!(x < largest)) return std::numeric_limits<float>::max();
    return static_cast<float>(x);
}
}  // namespace

float FrequencyMaximum(const sim::Model& m) { return AsLimit(m.Vp * kMostCycles / m.LineLength); }

float LengthMaximum(const sim::Model& m) { return AsLimit(m.Vp * kMostCycles / m.Frequency); }

}  // namespace entry
