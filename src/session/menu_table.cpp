#include "session/menu_table.h"

#include <array>

namespace session {
namespace {

constexpr bool kMenu = true, kItem = false;

constexpr std::array<MenuRow, 110> kMenus{{
    {kMenu, "mnuControl", "&Control"},
    {kItem, "mnuNormal", "Normal", kMenuCheckable | kMenuChecked},
    {kItem, "mnuAdvanced", "Advanced", kMenuCheckable},
    {kItem, "mnuHyp", "-"},
    {kItem, "mnuExit", "E&xit"},

    {kMenu, "mnuZo", "&Zo"},
    {kItem, "mnu50Ohms", "50 "},
    {kItem, "mnu100Ohms", "100"},
    {kItem, "mnu300Ohms", "300"},
    {kItem, "mnuHyp2", "-"},
    {kItem, "mnuEnterZo", "Enter Zo"},

    {kMenu, "mnuSource", "&Source"},
    {kItem, "mnuDC", "DC", kMenuCheckable | kMenuChecked},
    {kItem, "mnuSine", "Sine", kMenuCheckable},
    {kItem, "mnuCosine", "Cosine", kMenuCheckable},
    {kItem, "mnuSinglePulse", "Single Pulse", kMenuCheckable},
    {kItem, "mnuPulseTrain", "Pulse Train", kMenuCheckable},
    {kItem, "mnuSourceOff", "Source Off", kMenuCheckable},

    {kMenu, "mnuVoltage", "&Voltage"},
    {kItem, "mnu0volts", "0 V"},
    {kItem, "mnu1volt", "1 V"},
    {kItem, "mnu2volts", "2 V"},
    {kItem, "mnu3volts", "3 V"},
    {kItem, "mnu4volts", "4 V"},
    {kItem, "mnuHyp3", "-"},
    {kItem, "mnuEnterPeakVoltage", "Enter  Peak Voltage"},

    {kMenu, "mnuAttn", "&Attn", kMenuHidden},
    {kItem, "mnu0attn", "0%", kMenuCheckable | kMenuChecked},
    {kItem, "mnu10attn", "10%"},
    {kItem, "mnu30attn", "30%"},
    {kItem, "mnu50attn", "50%"},
    {kItem, "mnu70attn", "70%"},
    {kItem, "mnu90attn", "90%"},
    {kItem, "mnu99attn", "99%"},
    {kItem, "mnuHyp4", "-"},
    {kItem, "mnuEnterAttn", "Enter Attenuation"},

    {kMenu, "mnuCycles", "Cycles", kMenuHidden},
    {kItem, "mnuQuarterCycle", "0.25"},
    {kItem, "mnuHalfCycle", "0.5"},
    {kItem, "mnu1Cycle", "1"},
    {kItem, "mnu2Cycles", "2"},
    {kItem, "mnu4Cycles", "4"},
    {kItem, "mnuHyphen", "-"},
    {kItem, "mnuEnterCycles", "Enter Cycles"},

    {kMenu, "mnuRSource", "R-&Source"},
    {kItem, "mnu0OhmsR1", "0"},
    {kItem, "mnu50OhmsR1", "50"},
    {kItem, "mnu100OhmsR1", "100"},
    {kItem, "mnu500OhmsR1", "500"},
    {kItem, "mnuInfiniteOhmsR1", "Infinite"},
    {kItem, "mnuHyp6", "-"},
    {kItem, "mnuEnterR1", "Enter R1"},

    {kMenu, "mnuRLoad", "R-&Load"},
    {kItem, "mnu0OhmsR2", "0"},
    {kItem, "mnu50OhmsR2", "50"},
    {kItem, "mnu100OhmsR2", "100"},
    {kItem, "mnu500OhmsR2", "500"},
    {kItem, "mnuInfiniteOhmsR2", "Infinite"},
    {kItem, "mnuHyp7", "-"},
    {kItem, "mnuEnterR2", "Enter R2"},

    {kMenu, "mnuLLoad", "L-Load", kMenuHidden},
    {kItem, "mnuHalfuH", "0.5 uH"},
    {kItem, "mnu1uH", "1 uH"},
    {kItem, "mnu2uH", "2 uH"},
    {kItem, "mnuHyp11", "-"},
    {kItem, "mnuEnterL", "Enter L"},

    {kMenu, "mnuCLoad", "C-Load", kMenuHidden},
    {kItem, "mnu50pF", "50 pF"},
    {kItem, "mnu100pF", "100 pF"},
    {kItem, "mnu200pF", "200 pF"},
    {kItem, "mnyHyp12", "-"},
    {kItem, "mnuEnterC", "Enter C"},

    {kMenu, "mnuRCLoad", "RC-Load", kMenuHidden},
    {kItem, "mnu50Ohms50pF", "50 ohms,  50 pF"},
    {kItem, "mnu50Ohms100pF", "50 ohms,  100 pF"},
    {kItem, "mnu50Ohms200pF", "50 ohms,  200 pF"},
    {kItem, "mnu100Ohms50pF", "100 ohms,  50 pF"},
    {kItem, "mnu100Ohms100pF", "100 ohms,  100 pF"},
    {kItem, "mnu100Ohms200pF", "100 ohms,200 pF"},
    {kItem, "mnu200Ohms50pF", "200 ohms,  50 pF"},
    {kItem, "mnu200Ohms100pF", "200 ohms, 100 pF"},
    {kItem, "mnu200Ohms200pF", "200 ohms,  200 pF"},

    {kMenu, "mnuRLLoad", "RL-Load", kMenuHidden},
    {kItem, "mnu50OhmsHalfuH", "50 ohms, 0.5 uH"},
    {kItem, "mnu50Ohms1uH", "50 ohms, 1 uH"},
    {kItem, "mnu50Ohms2uH", "50 ohms, 2 uH"},
    {kItem, "mnu100OhmsHalfuH", "100 ohms, 0.5 uH"},
    {kItem, "mnu100Ohms1uH", "100 ohms, 1 uH"},
    {kItem, "mnu100Ohms2uH", "100 ohms, 2 uH"},
    {kItem, "mnu200OhmsHalfuH", "200 ohms, 0.5 uH"},
    {kItem, "mnu200Ohms1uH", "200 ohms, 1 uH"},
    {kItem, "mnu200Ohms2uH", "200 ohms, 2 uH"},

    {kMenu, "mnuZLoad", "Z-Load", kMenuHidden},
    {kItem, "mnu25PlusJ25", "25 + j25"},
    {kItem, "mnu25PlusJ100", "25 + j100"},
    {kItem, "mnu100PlusJ30", "100 + j30"},
    {kItem, "mnu100PlusJ100", "100 + j100"},
    {kItem, "mnu100PlusJ300", "100 + j300"},
    {kItem, "mnu25MinusJ25", "25 - j25"},
    {kItem, "mnu25MinusJ100", "25 - j100"},
    {kItem, "mnu100MinusJ30", "100 - j30"},
    {kItem, "mnu100MinusJ100", "100 - j100"},
    {kItem, "mnu100MinusJ300", "100 - j300"},

    {kMenu, "mnuLineType", "&Line Type"},
    {kItem, "mnuSingleLine", "Single Line", kMenuCheckable | kMenuChecked},
    {kItem, "mnuCascadedLine", "Cascaded Line", kMenuCheckable},

    {kMenu, "mnuHelp", "&Help"},
    {kItem, "mnuHelpText", "Help Text"},
    {kItem, "mnuHyp8", "-"},
    {kItem, "mnuAboutCorvane", "About Corvane"},
}};

}  // namespace

std::span<const MenuRow> MenuTable() { return kMenus; }

}  // namespace session
