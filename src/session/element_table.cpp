#include "session/element_table.h"

#include <array>

namespace session {
namespace {

using K = ElementKind;

constexpr std::array<ElementRow, 61> kElements{{
    // Source and line, around the schematic.
    {"cmdR1", K::Button, "R1", "", 720, 480, 555, 255},
    {"lblR1", K::ValueLabel, "", "", 1320, 480, 1095, 255},
    {"cmdPeakVoltage", K::Button, "V", "", 840, 1500, 555, 255},
    {"lblPeakVoltage", K::ValueLabel, "", "", 1440, 1500, 1095, 255},
    {"cmdZo", K::Button, "Zo", "", 3840, 1440, 495, 255},
    {"lblZo", K::ValueLabel, "", "", 4440, 1440, 1095, 255},
    {"cmdZo1", K::Button, "Zo1", "", 2160, 1200, 555, 255, kHidden},
    {"lblZo1", K::ValueLabel, "", "", 2760, 1200, 1095, 255, kHidden},
    {"cmdZo2", K::Button, "Zo2", "", 5400, 1200, 555, 255, kHidden},
    {"lblZo2", K::ValueLabel, "", "", 6120, 1200, 1095, 375, kHidden},
    // Running a simulation.
    {"cmdSimulate", K::Button, "Simulate", "", 1920, 2520, 1335, 375},
    {"cmdStop", K::Button, "Stop", "", 3480, 2520, 1335, 375},
    {"cmdCancel", K::Button, "Exit", "", 5040, 2520, 1335, 375},
    // The plot and its surroundings.
    {"Label2", K::Label, "V/mA", "", 1320, 3120, 495, 255},
    {"Picture1", K::Plot, "", "", 1320, 3360, 5895, 3375},
    {"Label1", K::Label, "m", "", 7080, 6840, 255, 255},
    {"cmdStep", K::Button, "Step", "", 120, 3720, 1095, 375, kGreyed},
    {"cmdContinue", K::Button, "Continue", "", 120, 4080, 1095, 375, kGreyed},
    {"cmdZoomIn", K::Button, "Zoom In", "", 120, 4440, 1095, 375, kGreyed},
    {"cmdZoomOut", K::Button, "Zoom Out", "", 120, 4800, 1095, 375, kGreyed},
    {"lblDisplay", K::StatusLabel, "Tick Mark / Elapsed Time:", "", 120, 5280, 1095, 1335, kGreyed},
    {"chkMeter", K::CheckBox, "Meter", "", 480, 7320, 1095, 375},
    {"chkVoltage", K::CheckBox, "Voltage", "", 1785, 7320, 1095, 375, kChecked, 0x800000},
    {"chkCurrent", K::CheckBox, "Current", "", 3000, 7320, 1095, 405, kPlain, 0xC04000},
    {"chkEnvelope", K::CheckBox, "Envelope", "", 4245, 7320, 1155, 345},
    {"sldSpeedControl", K::Slider, "", "", 5520, 7365, 1695, 255},
    {"Label19", K::Label, "Speed", "", 6000, 7605, 735, 255, kPlain, 0, "Arial", 9.75},
    {"Timer1", K::Timer, "", "", 0, 0, 0, 0},
    // The load, in its frame at the top right.
    {"Frame1", K::Frame, "Load Parameters", "", 8055, 120, 3255, 2655, kPlain, 0, nullptr, 0, true},
    {"cmdLu", K::Button, "L", "Frame1", 240, 480, 495, 255, kGreyed},
    {"lblL", K::ValueLabel, "", "Frame1", 840, 480, 1095, 255, kGreyed},
    {"cmdR2", K::Button, "R2", "Frame1", 240, 960, 495, 255},
    {"lblR2", K::ValueLabel, "", "Frame1", 840, 960, 1095, 255},
    {"cmdCu", K::Button, "C", "Frame1", 240, 1425, 495, 255, kGreyed},
    {"lblC", K::ValueLabel, "", "Frame1", 840, 1440, 1095, 255, kGreyed},
    {"cmdX2", K::Button, "j X2", "Frame1", 240, 1875, 495, 255, kGreyed},
    {"lblX2", K::ValueLabel, "", "Frame1", 840, 1920, 1095, 255, kGreyed},
    {"optResistor", K::Option, "Resistor", "Frame1", 2040, 360, 975, 255, kChecked},
    {"optInductor", K::Option, "Inductor", "Frame1", 2040, 720, 975, 255},
    {"optCapacitor", K::Option, "Capacitor", "Frame1", 2040, 1080, 975, 255},
    {"optParallelRC", K::Option, "Parallel RC", "Frame1", 2040, 1440, 1095, 255},
    {"optSeriesRL", K::Option, "Series RL", "Frame1", 2040, 1800, 1095, 255},
    {"optImpedance", K::Option, "Impedance", "Frame1", 2040, 2160, 1095, 255},
    // The advanced line parameters, in their frame at the right.
    {"frameAdvPar", K::Frame, "Advanced Parameters", "", 8160, 3240, 3135, 3495, kGreyed, 0,
     nullptr, 0, true},
    {"optParameter(0)", K::Option, "", "frameAdvPar", 120, 480, 255, 255, kGreyed},
    {"optParameter(1)", K::Option, "", "frameAdvPar", 120, 840, 255, 255, kGreyed | kChecked},
    {"optParameter(2)", K::Option, "", "frameAdvPar", 120, 1200, 255, 255, kGreyed},
    {"cmdF", K::Button, "F", "frameAdvPar", 480, 480, 735, 255, kGreyed},
    {"cmdCycles_Len", K::Button, "Cyc/len", "frameAdvPar", 480, 840, 735, 255, kGreyed},
    {"cmdLength", K::Button, "Length", "frameAdvPar", 480, 1200, 735, 255, kGreyed},
    {"cmdVp", K::Button, "Vp", "frameAdvPar", 480, 1920, 735, 255, kGreyed},
    {"cmdAttn", K::Button, "Attn", "frameAdvPar", 480, 2280, 735, 255, kGreyed},
    {"cmdPW", K::Button, "PW", "frameAdvPar", 480, 2640, 735, 255, kGreyed},
    {"cmdPS", K::Button, "PS", "frameAdvPar", 480, 3000, 735, 255, kGreyed},
    {"lblF", K::ValueLabel, "", "frameAdvPar", 1320, 480, 1695, 255, kGreyed},
    {"lblCycles_Len", K::ValueLabel, "", "frameAdvPar", 1320, 840, 1695, 255, kGreyed},
    {"lblLength", K::ValueLabel, "", "frameAdvPar", 1320, 1200, 1695, 255, kGreyed},
    {"lblVp", K::ValueLabel, "", "frameAdvPar", 1320, 1920, 1695, 255, kGreyed},
    {"lblAttn", K::ValueLabel, "", "frameAdvPar", 1320, 2280, 1695, 255, kGreyed},
    {"lblPW", K::ValueLabel, "", "frameAdvPar", 1320, 2640, 1695, 255, kGreyed},
    {"lblPS", K::ValueLabel, "", "frameAdvPar", 1320, 3000, 1695, 255, kGreyed},
}};

}  // namespace

std::span<const ElementRow> ElementTable() { return kElements; }

}  // namespace session
