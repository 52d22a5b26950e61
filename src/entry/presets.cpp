#include "entry/presets.h"

#include <array>

#include "entry/entry_commands.h"
#include "entry/format_value.h"

namespace entry {

namespace {

constexpr Preset Number(std::string_view item, std::string_view parameter, double value,
                        bool infinite = false) {
    return {item, PresetKind::Value, parameter, value, "", 0, "", infinite, ""};
}
constexpr Preset Pair(std::string_view item, std::string_view second, double resistance,
                      double value) {
    return {item, PresetKind::Value, "LoadResistance", resistance, second, value, "", false, ""};
}
constexpr Preset Cycles(std::string_view item, double value) {
    return {item, PresetKind::Cycles, "CyclesPerLength", value, "", 0, "", false, ""};
}
constexpr Preset Source(std::string_view item, std::string_view type) {
    return {item, PresetKind::Source, "", 0, "", 0, type, false, ""};
}
constexpr Preset Enter(std::string_view item, std::string_view runs) {
    return {item, PresetKind::Enter, "", 0, "", 0, "", false, runs};
}

// What each preset item of the menus sets; the menu table gives their captions and order.
constexpr std::array kPresets = {
    Number("mnu50Ohms", "Zo", 50),
    Number("mnu100Ohms", "Zo", 100),
    Number("mnu300Ohms", "Zo", 300),
    Enter("mnuEnterZo", "cmdZo"),

    Source("mnuDC", "DC"),
    Source("mnuSine", "Sine"),
    Source("mnuCosine", "Cosine"),
    Source("mnuSinglePulse", "Pulse"),
    Source("mnuPulseTrain", "Pulse Train"),
    Source("mnuSourceOff", "Off"),

    Number("mnu0volts", "PeakVoltage", 0),
    Number("mnu1volt", "PeakVoltage", 1),
    Number("mnu2volts", "PeakVoltage", 2),
    Number("mnu3volts", "PeakVoltage", 3),
    Number("mnu4volts", "PeakVoltage", 4),
    Enter("mnuEnterPeakVoltage", "cmdPeakVoltage"),

    Number("mnu0attn", "Attenuation", 0),
    Number("mnu10attn", "Attenuation", 10),
    Number("mnu30attn", "Attenuation", 30),
    Number("mnu50attn", "Attenuation", 50),
    Number("mnu70attn", "Attenuation", 70),
    Number("mnu90attn", "Attenuation", 90),
    Number("mnu99attn", "Attenuation", 99),
    Enter("mnuEnterAttn", "cmdAttn"),

    Cycles("mnuQuarterCycle", 0.25),
    Cycles("mnuHalfCycle", 0.5),
    Cycles("mnu1Cycle", 1),
    Cycles("mnu2Cycles", 2),
    Cycles("mnu4Cycles", 4),
    Enter("mnuEnterCycles", "mnuEnterCycles"),

    Number("mnu0OhmsR1", "SourceResistance", 0),
    Number("mnu50OhmsR1", "SourceResistance", 50),
    Number("mnu100OhmsR1", "SourceResistance", 100),
    Number("mnu500OhmsR1", "SourceResistance", 500),
    // The two "Infinite" values differ on purpose: the load's is ten times the source's.
    Number("mnuInfiniteOhmsR1", "SourceResistance", 9999999, true),
    Enter("mnuEnterR1", "cmdR1"),

    Number("mnu0OhmsR2", "LoadResistance", 0),
    Number("mnu50OhmsR2", "LoadResistance", 50),
    Number("mnu100OhmsR2", "LoadResistance", 100),
    Number("mnu500OhmsR2", "LoadResistance", 500),
    Number("mnuInfiniteOhmsR2", "LoadResistance", 99999999, true),
    Enter("mnuEnterR2", "cmdR2"),

    Number("mnuHalfuH", "LoadInductance", 0.5),
    Number("mnu1uH", "LoadInductance", 1),
    Number("mnu2uH", "LoadInductance", 2),
    Enter("mnuEnterL", "cmdLu"),

    Number("mnu50pF", "LoadCapacitance", 50),
    Number("mnu100pF", "LoadCapacitance", 100),
    Number("mnu200pF", "LoadCapacitance", 200),
    Enter("mnuEnterC", "cmdCu"),

    Pair("mnu50Ohms50pF", "LoadCapacitance", 50, 50),
    Pair("mnu50Ohms100pF", "LoadCapacitance", 50, 100),
    Pair("mnu50Ohms200pF", "LoadCapacitance", 50, 200),
    Pair("mnu100Ohms50pF", "LoadCapacitance", 100, 50),
    Pair("mnu100Ohms100pF", "LoadCapacitance", 100, 100),
    Pair("mnu100Ohms200pF", "LoadCapacitance", 100, 200),
    Pair("mnu200Ohms50pF", "LoadCapacitance", 200, 50),
    Pair("mnu200Ohms100pF", "LoadCapacitance", 200, 100),
    Pair("mnu200Ohms200pF", "LoadCapacitance", 200, 200),

    Pair("mnu50OhmsHalfuH", "LoadInductance", 50, 0.5),
    Pair("mnu50Ohms1uH", "LoadInductance", 50, 1),
    Pair("mnu50Ohms2uH", "LoadInductance", 50, 2),
    Pair("mnu100OhmsHalfuH", "LoadInductance", 100, 0.5),
    Pair("mnu100Ohms1uH", "LoadInductance", 100, 1),
    Pair("mnu100Ohms2uH", "LoadInductance", 100, 2),
    Pair("mnu200OhmsHalfuH", "LoadInductance", 200, 0.5),
    Pair("mnu200Ohms1uH", "LoadInductance", 200, 1),
    Pair("mnu200Ohms2uH", "LoadInductance", 200, 2),

    Pair("mnu25PlusJ25", "LoadReactance", 25, 25),
    Pair("mnu25PlusJ100", "LoadReactance", 25, 100),
    Pair("mnu100PlusJ30", "LoadReactance", 100, 30),
    Pair("mnu100PlusJ100", "LoadReactance", 100, 100),
    Pair("mnu100PlusJ300", "LoadReactance", 100, 300),
    Pair("mnu25MinusJ25", "LoadReactance", 25, -25),
    Pair("mnu25MinusJ100", "LoadReactance", 25, -100),
    Pair("mnu100MinusJ30", "LoadReactance", 100, -30),
    Pair("mnu100MinusJ100", "LoadReactance", 100, -100),
    Pair("mnu100MinusJ300", "LoadReactance", 100, -300),
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

Task<std::optional<Effects>> ApplyPreset(std::string item, sim::Model& model, Dialogs& dialogs,
                                         CouplingState coupling) {
    const Preset* preset = FindPreset(item);
    if (!preset) co_return std::nullopt;
    Effects effects;
    switch (preset->kind) {
        case PresetKind::Enter:
            co_return co_await RunEntryCommand(std::string(preset->runs), model, dialogs, coupling);
        case PresetKind::Source:
            model.SourceType = std::string(preset->sourceType);
            model.SourceTicks = 0;  // the new waveform starts at its beginning
            effects.controlSteps.push_back({"Unchecked", "Source"});
            effects.checkItem = std::string(preset->item);
            co_return effects;
        case PresetKind::Cycles: {
            model.CyclesPerLength = preset->value;
            co_await ShowCyclesNote(dialogs);
            effects.labels.push_back(
                {"lblCycles_Len", FormatValue(model.CyclesPerLength) + " Cycles/LineLength"});
            Effects applied = ApplyCyclesChange(model, coupling);
            effects.controlSteps = std::move(applied.controlSteps);
            effects.labels.insert(effects.labels.end(), applied.labels.begin(),
                                  applied.labels.end());
            co_return effects;
        }
        case PresetKind::Value:
            SetNumber(preset->parameter, preset->value, preset->infinite, model, effects);
            if (!preset->secondParameter.empty())
                SetNumber(preset->secondParameter, preset->secondValue, false, model, effects);
            co_return effects;
    }
    co_return std::nullopt;
}

}  // namespace entry
