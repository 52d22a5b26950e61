#include "help/topics.h"

#include <array>

namespace help {
namespace {

// Texts are kept exactly as the user reads them, including doubled blanks, trailing blanks and the
// original wording (typing slips included): users compare what they read with printed notes.
constexpr std::array<HelpTopic, 52> kTopics{{
    {0, "Menus", "", "", ""},                 // 1
    {0, "TL/Source Parameters", "", "", ""},  // 2
    {0, "Load Parameters", "", "", ""},       // 3
    {0, "Advanced Parameters", "", "", ""},   // 4
    {0, "Display", "", "", ""},               // 5
    {1, "Control Menu",
     "Normal: This mode allows control of the basic transmission line parameters. This mode is "
     "recommended for beginning users of the simulator."
     "\r\n\r\n"
     "Advanced: This mode allows for control over all simulation parameters."
     "\r\n\r\n"
     "Exit: Quits and Exits Corvane",
     "", ""},  // 6
    {1, "Zo Menu",
     "Allows selection of the characteristic impedance of the single line type.  Several values "
     "are given as options (50, 100, 300) as well the option for the user to Enter Zo.",
     "", ""},  // 7
    {1, "Source Menu",
     "Provides six source choices from which the user can choose.   The Choices are DC, Sine, "
     "Cosine, a Single Pulse, a Pulse Train, or the option to turn off the source (i.e. Voltage "
     "=0). ",
     "", ""},  // 8
    {1, "Voltage Menu",
     "Allows selection of the input voltage source's peak amplitude.  Several predefined values "
     "are given as options (0 , 1, 2, 3, 4) as well the option for the user to Enter Peak "
     "Voltage. ",
     "", ""},  // 9
    {1, "Attenuation Menu",
     "Signal loss along the from Load to Source (and source to load) as a percentage. ",
     "100 (100%- Total Signal Loss)", "0 (0%- No Signal Loss)"},  // 10
    {1, "Cycles Menu",
     "This allows the user to chose the number of cycles (wavelengths) along the line's total "
     "length  Since, the display shows the entire length of the line, this determines the number "
     "of cycles seen on the screen for sinusoidal inputs.  Changing this parameter will change "
     "either the line length or the excitation frequency, whichever is not fixed. ",
     "20 Cycles/Length", " 0.01 Cycles/Length "},  // 11
    {1, "R-Source Menu", "Selection of Source Resistance in units of Ohms. ",
     "10 MOhms (~Open Circuit)", "0 Ohms (Short Circuit)"},  // 12
    {1, "R-Load Menu", "Selection of Load Resistance in units of Ohms.  ",
     "10 MOhms (~Open Circuit)", "0 Ohms (Short Circuit)"},  // 13
    {1, "C-Load Menu", "Selection of Load Capacitances in units of picoFarads (pF).  ",
     "10^12 pF (1F)", "0 pF (Open Circuit)"},  // 14
    {1, "L-Load Menu", "Selection of Load Inductances in units of microHenrys (µH).  ",
     "10^8 µH (100H)", "0 µH (Short Circuit)"},  // 15
    {1, "RC-Load Menu",
     "Selection of component values for a resistor and capacitor in parallel.  Maximum & Minimum "
     "for each component are the same as those for each component individually. ",
     "", ""},  // 16
    {1, "RL-Load Menu",
     "Selection of component values for a resistor and inductor in series.  Maximum & Minimum for "
     "each component are the same as those for each component individually ",
     "", ""},  // 17
    {1, "Z-Load Menu",
     "Selection of various resistive and reactive loads. It should be noted that any complex "
     "(R2+jX2) load can be implemented as either a parallel RC or series RL load.  Loads with "
     "negative reactance show parallel RC behavior, while those with positive reactance show "
     "series RL behavior.",
     "", ""},  // 18
    {1, "Line Type Menu",
     "   Single Line: The is the basic setup where only one transmission line is simulated. The "
     "charateristic impedance is constant along the entire length of the line. "
     "\r\n\r\n"
     "   Cascaded Line: In this mode, the simulation is performed on two single lines connected in "
     "series (cascaded).  Here the length of each is that same and half of the value depicted next "
     "to the Length button. This is also the case for the line attenuation & cycles/length.",
     "", ""},                                                                     // 19
    {1, "Help Menu", "I guess you already know how to use this part. ", "", ""},  // 20
    {2, "Source Types",
     "The are five available source types which can be selected under the Source Menu.  They are "
     "DC, Sine, Cosine, Single Pulse, and Pulse Train.  The peak amplitude of all types is set by "
     "the Voltage Menu or the Peak Voltage Button.  The frequency of the sinusoidal excitation can "
     "be set by the Frequency button under Advanced Parameters.  Likewise, for the pulsed "
     "excitations, the Pulse Widths and Pulse Separation can be set by the PS & PW buttons in the "
     "Advanced Parameters Frame.",
     "", ""},  // 21
    {2, "R1", "Selection of Source Resistance in units of Ohms. ", "10 MOhms (~Open Circuit)",
     "0 Ohms (Short Circuit)"},  // 22
    {2, "V",
     "This button allows the user to specify the peak voltage amplitude of the source "
     "excitations. ",
     "20 Volts", "-20 Volts"},  // 23
    {2, "Zo",
     "This button allows the user to specify the characteristic impedance of the line in units of "
     "Ohms.",
     "1000 Ohms", "1 Ohm"},  // 24
    {2, "Zo1",
     "This button allows the user to specify the characteristic impedance of line 1 in units of "
     "Ohms.",
     "1000 Ohms", "1 Ohm"},  // 25
    {2, "Zo2",
     "This button allows the user to specify the characteristic impedance of line 2 in units of "
     "Ohms.",
     "1000 Ohms", "1 Ohm"},  // 26
    {3, "Load Option Buttons",
     "These option buttons allow for the selection of each of the six load types.  The Options are "
     "mutually exclusive, no more than one can be selected at any given time. ",
     "", ""},  // 27
    {3, "L",
     "Specify Load Inductance in units of microHenrys (µ H) for purely Inductive and and series RL "
     "loads.",
     "10^8 µH (100H)", "0 µH (Short Circuit)"},  // 28
    {3, "R2",
     "Specify Load Resistance in units of Ohms for purely resistive, parallel RC, series RL, and "
     "general impedance loads.",
     "10 MOhms (~Open Circuit)", "0 Ohms (Short Circuit)"},  // 29
    {3, "C",
     "Specify Load Capacitance in units of picoFarads (pF) for purely inductive and parallel RC "
     "loads .  ",
     "10^12 pF (1F)", "0 pF (Open Circuit)"},  // 30
    {3, "jX2", "Specify Load Reactance in units of (Ohms) for general complex impedance. ",
     "10^6 Ohms", " -10^6 Ohms"},  // 31
    {4, "Fix: Option Buttons",
     "For computations, the parameter (F, Cycles/Length, or Length) selected by this option will "
     "be held constant.  As a result, a change in one of the remaining two will yield a "
     "recomputation of the other. The equation which relates these parameters is Cycles/Length = "
     "Length * Frequency/ Vp",
     "", ""},  // 32
    {4, "F-Frequency", "Frequency of Sinusoidal Excitations. ",
     "VariableMax=Vp*(maxCycles/Length)/Length", " 10^-8 MHz (0.01Hz) "},  // 33
    {4, "Cycles/Length",
     "This allows the user to chose the number of cycles (wavelengths) along the line's total "
     "length  Since, the display shows the entire length of the line, this determines the number "
     "of cycles seen on the screen for sinusoidal inputs.  Changing this parameter will change "
     "either the Line Length or the excitation frequency, whichever is not fixed. ",
     "20 Cycles/Length", " 0.01 Cycles/Length "},  // 34
    {4, "Length", "Length of the Transmission Line in meters. ",
     "VariableMax=Vp*(maxCycles/Length)/Frequency", " 10^-6 (m) "},  // 35
    {4, "Vp, Phase Velocity", "Phase Velocity of the TL as a Percentage of the Speed of Light.",
     " 100 (100% of c)", " 10 (10% of c)"},  // 36
    {4, "Attenuation",
     "Signal loss along the from Load to Source (and source to load) as a percentage. ",
     "100 (100%- Total Signal Loss)", "0 (0%- No Signal Loss)"},  // 37
    {4, "Pulse Width (PW)",
     "For Pulse excitation, this is the Pulse width in points. Each point represents "
     "Length/(Vp*200) seconds ",
     "1000 Points", "1 Point"},  // 38
    {4, "Pulse Separation (PS)",
     "For the Pulse Train excitation, this is the time between pulses in points. Each point "
     "represents Length/(Vp*200) seconds ",
     "1000 Points", "1 Point"},  // 39
    {5, "Simulate", "This button starts the simulation.  It will also restart the simulation. ", "",
     ""},  // 40
    {5, "Stop",
     "This button stops the simulation and enables all the setup parameters.  This differs from "
     "the Step button which does not enable all the parameters, and does not terminate the "
     "simulation, but halts the screen update. ",
     "", ""},                                    // 41
    {5, "Exit", "This Exits Corvane ", "", ""},  // 42
    {5, "Step",
     "This buttons halts the simulation and allows the user to progress in the simulation one time "
     "step for every click of the button. Unlike the Stop button, this does not enable all the "
     "setup parameters, nor does it terminate the simulation.",
     "", ""},  // 43
    {5, "Continue",
     "This feature allows the simulator to continue free running after being halted by (1) the "
     "clicking of the Display while the Meter check box is checked or  by (2) the clicking of the "
     "Step Button",
     "", ""},  // 44
    {5, "Zoom In", "This button halves the display range in the vertical direction. ", "",
     ""},  // 45
    {5, "Zoom Out", "This button doubles the display range in the vertical direction.", "",
     ""},  // 46
    {5, "Meter Check Box",
     "When checked, the user can click the main Display Window, and the Amplitude and the Distance "
     "away from the source will be shown in the  Meter Display Window (at the Bottom Left)",
     "", ""},                                                                                // 47
    {5, "Voltage Check Box", "Plots the Volage in the main display.", "", ""},               // 48
    {5, "Current Check Box", "Plots the current in the main display.", "", ""},              // 49
    {5, "Envelope Check Box", "Shows the Envelope of the Current and/or Voltage ", "", ""},  // 50
    {5, "Speed Slider",
     "This slider adjusts the rate at which time progresses for the simulator.  Slider values "
     "correspond to time delays of 200ms/(slider value).  1 = time delay of 200ms  and 10 = time "
     "delay of 20 ms.",
     "", ""},  // 51
    {5, "Meter Display Window",
     "During Simulation, this window shows information for three modes."
     "\r\n\r\n"
     "Free Running: If the simulator is free running, it displays the value of the vertical tick "
     "marks on the main display in terms of voltage and  current."
     "\r\n\r\n"
     "Step Mode: If the simulator is stepping in time, it displays the total (simulation) time "
     "elapsed since that start of the simulation."
     "\r\n\r\n"
     "Meter Mode: If the Meter check box is checked, it displays the voltage/current and the "
     "distance away from teh source in meters.",
     "", ""},  // 52
}};

constexpr std::string_view kBreak = "\r\n";

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

std::string TopicDisplayText(const HelpTopic& topic) {
    std::string shown = topic.title;
    shown.append(kBreak).append(kBreak).append(topic.text);
    if (*topic.maxText != '\0') {
        shown.append(kBreak).append(kBreak).append("Max: ").append(topic.maxText);
        shown.append(kBreak).append("Min: ").append(topic.minText);
    }
    return shown;
}

const HelpTopic* TopicTitled(std::string_view title) {
    for (const HelpTopic& topic : kTopics)
        if (topic.title == title) return &topic;
    return nullptr;
}

}  // namespace help
