// SetControlState: one call switches one flag of a whole named group of elements. The state of
// the window is nothing but these flags; the procedure itself keeps none.

#include "session/control_state.h"

#include <array>

namespace session {
namespace {

struct GroupRow {
    const char* keyword;
    Flag flag;
    const char* elements;  // names separated by blanks, in the order they are set
};

// A keyword may take several consecutive rows ("Advanced" greys its controls, then hides two
// menus). "FixedParameter" has no row: it stands for the group of the held parameter.
constexpr std::array<GroupRow, 14> kGroups{{
    {"Load", Flag::Enabled, "cmdLu cmdCu cmdR2 cmdX2 lblL lblC lblR2 lblX2"},
    {"Advanced", Flag::Enabled,
     "frameAdvPar cmdF cmdCycles_Len cmdLength cmdVp cmdAttn cmdPW cmdPS lblF lblCycles_Len "
     "lblLength lblVp lblAttn lblPW lblPS optParameter(0) optParameter(1) optParameter(2)"},
    {"Advanced", Flag::Visible, "mnuAttn mnuCycles"},
    {"Display", Flag::Enabled, "cmdStep cmdContinue cmdZoomIn cmdZoomOut lblDisplay"},
    {"SimulationStatic", Flag::Enabled,
     "cmdZo cmdZo1 cmdZo2 optResistor optInductor optCapacitor optParallelRC optSeriesRL "
     "optImpedance mnuZo mnuLineType cmdF cmdCycles_Len cmdLength cmdVp lblF lblCycles_Len "
     "lblLength lblVp optParameter(0) optParameter(1) optParameter(2) mnuNormal mnuAdvanced"},
    {"Combo", Flag::Enabled,
     "cmdF cmdCycles_Len cmdLength cmdVp lblF lblCycles_Len lblLength lblVp mnuCycles"},
    {"Frequency", Flag::Enabled, "cmdF lblF"},
    {"Cycles/LineLength", Flag::Enabled, "cmdCycles_Len lblCycles_Len mnuCycles"},
    {"Length", Flag::Enabled, "cmdLength lblLength"},
    {"Control", Flag::Checked, "mnuNormal mnuAdvanced"},
    {"Source", Flag::Checked, "mnuDC mnuSine mnuCosine mnuSinglePulse mnuPulseTrain mnuSourceOff"},
    {"LineType", Flag::Checked, "mnuSingleLine mnuCascadedLine"},
    {"SingleLine", Flag::Visible, "cmdZo lblZo Line20 Line21 mnuZo"},
    {"Cascade", Flag::Visible, "cmdZo1 cmdZo2 lblZo1 lblZo2 Shape4 Shape5"},
}};

// The group of each held parameter, by the index of its option button.
constexpr std::array<const char*, kHeldOptions> kHeldGroups{"Frequency", "Cycles/LineLength",
                                                            "Length"};

}  // namespace

std::string HeldOption(int index) { return "optParameter(" + std::to_string(index) + ")"; }

int HeldIndex(const ElementStore& store) {
    for (int i = 0; i < kHeldOptions; ++i) {
        if (store.Get(HeldOption(i), Flag::Checked)) return i;
    }
    return -1;
}

void SetControlState(ElementStore& store, std::string_view action, std::string_view group) {
    // Only these two exact words mean on; every other word, in any letter case, means off.
    const bool on = action == "Checked" || action == "Enable";
    if (group == "FixedParameter") {
        // The action given is not used: the held parameter's controls are always switched off.
        if (const int held = HeldIndex(store); held >= 0)
            SetControlState(store, "Disable", kHeldGroups[held]);
        return;
    }
    bool matched = false;
    for (const GroupRow& row : kGroups) {
        if (group == row.keyword) {
            matched = true;
            std::string_view names = row.elements;
            while (!names.empty()) {
                const std::size_t blank = names.find(' ');
                store.Set(names.substr(0, blank), row.flag, on);
                names.remove_prefix(blank == names.npos ? names.size() : blank + 1);
            }
        } else if (matched) {
            return;  // the rows of one keyword are consecutive
        }
    }
}

}  // namespace session
