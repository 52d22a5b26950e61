#include "session/tooltips.h"

#include <array>

namespace session {
namespace {

// Tooltips are plain text: the ampersands show as they are, and no access letter is taken.
constexpr std::array<ToolTipRow, 37> kToolTips{{
    {"cmdR1", "Source Resistance"},
    {"cmdPeakVoltage", "Peak Voltage Amplitude"},
    {"cmdZo1", "Line 1 Characteristic Impedance"},
    {"cmdZo2", "Line 2 Characteristic Impedance"},
    {"cmdZo", "Characteristic Impedance"},
    {"optResistor", "Resistive Load"},
    {"optInductor", "Inductive Load"},
    {"optCapacitor", "Capacitive Load"},
    {"optParallelRC", " Parallel RC Load"},
    {"optSeriesRL", "Series RL Load"},
    {"optImpedance", "General Complex Load"},
    {"cmdR2", "Specify Load Resistance "},
    {"cmdCu", "Specify Load Capacitance"},
    {"cmdLu", "Specify Load Inductance"},
    {"cmdX2", "Specify Load Reactance"},
    {"optParameter(0)", "Hold Frequency Constant"},
    {"optParameter(1)", "Hold Cycles/Length Constant"},
    {"optParameter(2)", "Hold Line Length Constant"},
    {"cmdF", " Sinusoidal Excitation Frequency"},
    // One text made of two pieces; the second begins with a blank.
    {"cmdCycles_Len",
     "For Sinusoidal Sources:"
     " # of Cycles seen between Source and Load"},
    {"cmdLength", "Length of Line"},
    {"cmdVp", "Phase Velocity"},
    {"cmdAttn", "Line Attenuation"},
    {"cmdPW", "Pulse Width"},
    {"cmdPS", "Pulse Separation"},
    {"cmdSimulate", "Start/Restart Simulation"},
    {"cmdStop", "Stop & Change SetUp"},
    {"cmdCancel", "Exit"},
    {"cmdStep", "Advance 1 Time Step"},
    {"cmdContinue", "Free Running Animation"},
    {"cmdZoomIn", "Halve Amplitude Range"},
    {"cmdZoomOut", "Double Amplitude Range"},
    {"chkMeter", "Measure Ampl. & Distance"},
    {"chkVoltage", "Plot Voltage"},
    {"chkCurrent", "Plot Current"},
    {"chkEnvelope", "Display Envelope"},
    {"sldSpeedControl", "Rate of Time Step"},
}};

}  // namespace

std::span<const ToolTipRow> ToolTipTable() { return kToolTips; }

}  // namespace session
