#include "entry/presets.h"

#include <array>

#include "entry/entry_commands.h"
#include "entry/format_value.h"

namespace entry {

namespace {

constexpr Preset Number(std::string_view menu, std::string_view item, std::string_view caption,
                        std::string_view parameter, double value, bool infinite = false) {
    return {menu, item, caption, PresetKind::Value, parameter, value, "", 0, "", infinite, ""};
}
constexpr Preset Pair(std::string_view menu, std::string_view item, std::string_view caption,
                      std::string_view second, double resistance, double value) {
    return {menu, item,  caption, PresetKind::Value, "LoadResistance", resistance, second, value,
            "",   false, ""};
}
constexpr Preset Cycles(std::string_view item, std::string_view caption, double value) {
    return {"mnuCycles", item,  caption, PresetKind::Cycles, "CyclesPerLength", value, "", 0,
            "",          false, ""};
}
constexpr Preset Source(std::string_view item, std::string_view caption, std::string_view type) {
    return {"mnuSource", item, caption, PresetKind::Source, "", 0, "", 0, type, false, ""};
}
constexpr Preset Separator(std::string_view menu, std::string_view item) {
    return {menu, item, "-", PresetKind::Separator, "", 0, "", 0, "", false, ""};
}
constexpr Preset Enter(std::string_view menu, std::string_view item, std::string_view caption,
                       std::string_view runs) {
    return {menu, item, caption, PresetKind::Enter, "", 0, "", 0, "", false, runs};
}

// Captions exactly as the menus show them, odd blanks included.
constexpr std::array kPresets = {
    Number("mnuZo", "mnu50Ohms", "50 ", "Zo", 50),
    Number("mnuZo", "mnu100Ohms", "100", "Zo", 100),
    Number("mnuZo", "mnu300Ohms", "300", "Zo", 300),
    Separator("mnuZo", "mnuHyp2"),
    Enter("mnuZo", "mnuEnterZo", "Enter Zo", "cmdZo"),

    Source("mnuDC", "DC", "DC"),
    Source("mnuSine", "Sine", "Sine"),
    Source("mnuCosine", "Cosine", "Cosine"),
    Source("mnuSinglePulse", "Single Pulse", "Pulse"),
    Source("mnuPulseTrain", "Pulse Train", "Pulse Train"),
    Source("mnuSourceOff", "Source Off", "Off"),

    Number("mnuVoltage", "mnu0volts", "0 V", "PeakVoltage", 0),
    Number("mnuVoltage", "mnu1volt", "1 V", "PeakVoltage", 1),
    Number("mnuVoltage", "mnu2volts", "2 V", "PeakVoltage", 2),
    Number("mnuVoltage", "mnu3volts", "3 V", "PeakVoltage", 3),
    Number("mnuVoltage", "mnu4volts", "4 V", "PeakVoltage", 4),
    Separator("mnuVoltage", "mnuHyp3"),
    Enter("mnuVoltage", "mnuEnterPeakVoltage", "Enter  Peak Voltage", "cmdPeakVoltage"),

    Number("mnuAttn", "mnu0attn", "0%", "Attenuation", 0),
    Number("mnuAttn", "mnu10attn", "10%", "Attenuation", 10),
    Number("mnuAttn", "mnu30attn", "30%", "Attenuation", 30),
    Number("mnuAttn", "mnu50attn", "50%", "Attenuation", 50),
    Number("mnuAttn", "mnu70attn", "70%", "Attenuation", 70),
    Number("mnuAttn", "mnu90attn", "90%", "Attenuation", 90),
    Number("mnuAttn", "mnu99attn", "99%", "Attenuation", 99),
    Separator("mnuAttn", "mnuHyp4"),
    Enter("mnuAttn", "mnuEnterAttn", "Enter Attenuation", "cmdAttn"),

    Cycles("mnuQuarterCycle", "0.25", 0.25),
    Cycles("mnuHalfCycle", "0.5", 0.5),
    Cycles("mnu1Cycle", "1", 1),
    Cycles("mnu2Cycles", "2", 2),
    Cycles("mnu4Cycles", "4", 4),
    Separator("mnuCycles", "mnuHyphen"),
    Enter("mnuCycles", "mnuEnterCycles", "Enter Cycles", "mnuEnterCycles"),

    Number("mnuRSource", "mnu0OhmsR1", "0", "SourceResistance", 0),
    Number("mnuRSource", "mnu50OhmsR1", "50", "SourceResistance", 50),
    Number("mnuRSource", "mnu100OhmsR1", "100", "SourceResistance", 100),
    Number("mnuRSource", "mnu500OhmsR1", "500", "SourceResistance", 500),
    // The two "Infinite" values differ on purpose: the load's is ten times the source's.
    Number("mnuRSource", "mnuInfiniteOhmsR1", "Infinite", "SourceResistance", 9999999, true),
    Separator("mnuRSource", "mnuHyp6"),
    Enter("mnuRSource", "mnuEnterR1", "Enter R1", "cmdR1"),

    Number("mnuRLoad", "mnu0OhmsR2", "0", "LoadResistance", 0),
    Number("mnuRLoad", "mnu50OhmsR2", "50", "LoadResistance", 50),
    Number("mnuRLoad", "mnu100OhmsR2", "100", "LoadResistance", 100),
    Number("mnuRLoad", "mnu500OhmsR2", "500", "LoadResistance", 500),
    Number("mnuRLoad", "mnuInfiniteOhmsR2", "Infinite", "LoadResistance", 99999999, true),
    Separator("mnuRLoad", "mnuHyp7"),
    Enter("mnuRLoad", "mnuEnterR2", "Enter R2", "cmdR2"),

    Number("mnuLLoad", "mnuHalfuH", "0.5 uH", "LoadInductance", 0.5),
    Number("mnuLLoad", "mnu1uH", "1 uH", "LoadInductance", 1),
    Number("mnuLLoad", "mnu2uH", "2 uH", "LoadInductance", 2),
    Separator("mnuLLoad", "mnuHyp11"),
    Enter("mnuLLoad", "mnuEnterL", "Enter L", "cmdLu"),

    Number("mnuCLoad", "mnu50pF", "50 pF", "LoadCapacitance", 50),
    Number("mnuCLoad", "mnu100pF", "100 pF", "LoadCapacitance", 100),
    Number("mnuCLoad", "mnu200pF", "200 pF", "LoadCapacitance", 200),
    Separator("mnuCLoad", "mnyHyp12"),
    Enter("mnuCLoad", "mnuEnterC", "Enter C", "cmdCu"),

    Pair("mnuRCLoad", "mnu50Ohms50pF", "50 ohms,  50 pF", "LoadCapacitance", 50, 50),
    Pair("mnuRCLoad", "mnu50Ohms100pF", "50 ohms,  100 pF", "LoadCapacitance", 50, 100),
    Pair("mnuRCLoad", "mnu50Ohms200pF", "50 ohms,  200 pF", "LoadCapacitance", 50, 200),
    Pair("mnuRCLoad", "mnu100Ohms50pF", "100 ohms,  50 pF", "LoadCapacitance", 100, 50),
    Pair("mnuRCLoad", "mnu100Ohms100pF", "100 ohms,  100 pF", "LoadCapacitance", 100, 100),
    Pair("mnuRCLoad", "mnu100Ohms200pF", "100 ohms,200 pF", "LoadCapacitance", 100, 200),
    Pair("mnuRCLoad", "mnu200Ohms50pF", "200 ohms,  50 pF", "LoadCapacitance", 200, 50),
    Pair("mnuRCLoad", "mnu200Ohms100pF", "200 ohms, 100 pF", "LoadCapacitance", 200, 100),
    Pair("mnuRCLoad", "mnu200Ohms200pF", "200 ohms,  200 pF", "LoadCapacitance", 200, 200),

    Pair("mnuRLLoad", "mnu50OhmsHalfuH", "50 ohms, 0.5 uH", "LoadInductance", 50, 0.5),
    Pair("mnuRLLoad", "mnu50Ohms1uH", "50 ohms, 1 uH", "LoadInductance", 50, 1),
    Pair("mnuRLLoad", "mnu50Ohms2uH", "50 ohms, 2 uH", "LoadInductance", 50, 2),
    Pair("mnuRLLoad", "mnu100OhmsHalfuH", "100 ohms, 0.5 uH", "LoadInductance", 100, 0.5),
    Pair("mnuRLLoad", "mnu100Ohms1uH", "100 ohms, 1 uH", "LoadInductance", 100, 1),
    Pair("mnuRLLoad", "mnu100Ohms2uH", "100 ohms, 2 uH", "LoadInductance", 100, 2),
    Pair("mnuRLLoad", "mnu200OhmsHalfuH", "200 ohms, 0.5 uH", "LoadInductance", 200, 0.5),
    Pair("mnuRLLoad", "mnu200Ohms1uH", "200 ohms, 1 uH", "LoadInductance", 200, 1),
    Pair("mnuRLLoad", "mnu200Ohms2uH", "200 ohms, 2 uH", "LoadInductance", 200, 2),

    Pair("mnuZLoad", "mnu25PlusJ25", "25 + j25", "LoadReactance", 25, 25),
    Pair("mnuZLoad", "mnu25PlusJ100", "25 + j100", "LoadReactance", 25, 100),
    Pair("mnuZLoad", "mnu100PlusJ30", "100 + j30", "LoadReactance", 100, 30),
    Pair("mnuZLoad", "mnu100PlusJ100", "100 + j100", "LoadReactance", 100, 100),
    Pair("mnuZLoad", "mnu100PlusJ300", "100 + j300", "LoadReactance", 100, 300),
    Pair("mnuZLoad", "mnu25MinusJ25", "25 - j25", "LoadReactance", 25, -25),
    Pair("mnuZLoad", "mnu25MinusJ100", "25 - j100", "LoadReactance", 25, -100),
    Pair("mnuZLoad", "mnu100MinusJ30", "100 - j30", "LoadReactance", 100, -30),
    Pair("mnuZLoad", "mnu100MinusJ100", "100 - j100", "LoadReactance", 100, -100),
    Pair("mnuZLoad", "mnu100MinusJ300", "100 - j300", "LoadReactance", 100, -300),
};

// Sets one parameter from a preset, writes its label by the general conversion (or the
// infinity sign) and recomputes what the entry command would.
void SetNumber(std::string_view parameter, double value, bool infinite, sim::Model& model,
               Effects& effects) {
    const EntryCommand* row = EntryCommandOf(parameter);
    if (!row) return;
    model.*row->field = value;
    const std::string text =
        infinite ? std::string(" ∞ Ω") : GeneralText(value) + std::string(row->unit);
    effects.labels.push_back({std::string(row->label), text});
    RecomputeDerived(row->then, model);
}

}  // namespace

std::span<const Preset> Presets() { return kPresets; }

const Preset* FindPreset(std::string_view item) {
    for (const auto& row : kPresets)
        if (row.item == item) return &row;
    return nullptr;
}

std::optional<Effects> ApplyPreset(std::string_view item, sim::Model& model, Dialogs& dialogs,
                                   const CouplingState& coupling) {
    const Preset* preset = FindPreset(item);
    if (!preset) return std::nullopt;
    Effects effects;
    switch (preset->kind) {
        case PresetKind::Separator:
            return std::nullopt;
        case PresetKind::Enter:
            return RunEntryCommand(preset->runs, model, dialogs, coupling);
        case PresetKind::Source:
            model.SourceType = std::string(preset->sourceType);
            model.SourceTicks = 0;  // the new waveform starts at its beginning
            effects.controlSteps.push_back({"Unchecked", "Source"});
            effects.checkItem = std::string(preset->item);
            return effects;
        case PresetKind::Cycles: {
            model.CyclesPerLength = preset->value;
            ShowCyclesNote(dialogs);
            effects.labels.push_back(
                {"lblCycles_Len", FormatValue(model.CyclesPerLength) + " Cycles/LineLength"});
            Effects applied = ApplyCyclesChange(model, coupling);
            effects.controlSteps = std::move(applied.controlSteps);
            effects.labels.insert(effects.labels.end(), applied.labels.begin(),
                                  applied.labels.end());
            return effects;
        }
        case PresetKind::Value:
            SetNumber(preset->parameter, preset->value, preset->infinite, model, effects);
            if (!preset->secondParameter.empty())
                SetNumber(preset->secondParameter, preset->secondValue, false, model, effects);
            return effects;
    }
    return std::nullopt;
}

}  // namespace entry
