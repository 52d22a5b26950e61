#include "entry/entry_commands.h"

#include <array>
#include <cmath>
#include <limits>

#include "entry/format_value.h"
#include "sim/engine.h"

namespace entry {

namespace {

using sim::Model;

// Prompts whose second and third lines are joined by line feed + carriage return, in that
// order, exactly as the program has always shown them.
constexpr std::string_view kFrequencyPrompt =
    "Please Enter the Excitation Frequency (MHz): \n\r"
    "Note: This will change either the Cycles per Line\n\r"
    "or the Length of the Line";
constexpr std::string_view kCyclesPrompt =
    "Please Enter the Number of Cycles (or Wavelengths) per Line Length (~/len): \n\r"
    "Note: This will change either the Frequency\n\r"
    " or the Length of the Line";
constexpr std::string_view kLengthPrompt =
    "Please Enter the Line Length (m): \n\r"
    "Note: This will change either the Cycles per Line\n\r"
    " or the Frequency";
constexpr std::string_view kCyclesTitle = "Cycles per Line Length";
constexpr std::string_view kCyclesUnit = " Cycles/LineLength";
constexpr std::string_view kPulseUnit = " points, 1pt = {ns} ns";
constexpr std::string_view kOhm = " Ω";

// In the order the window fills the labels at start-up; the menu item with its own copy of
// the cycles entry comes last.
constexpr std::array kCommands = {
    EntryCommand{"cmdPeakVoltage", "mnuEnterPeakVoltage", "PeakVoltage", &Model::PeakVoltage,
                 "Please Enter the Peak Voltage Amplitude (Volts): ", "Peak Source Voltage", false,
                 -20.0f, 20.0f, MaxFrom::Table, "", "lblPeakVoltage", " Volts", " Volts",
                 Then::Nothing},
    EntryCommand{"cmdR1", "mnuEnterR1", "SourceResistance", &Model::SourceResistance,
                 "Please Enter Source Resistance R1 (Ohms): ", "Source Resistance", true, 0.0f,
                 1e10f, MaxFrom::Table, "", "lblR1", kOhm, kOhm, Then::NormSourceResistance},
    EntryCommand{"cmdR2", "mnuEnterR2", "LoadResistance", &Model::LoadResistance,
                 "Please Enter Load Resistance R2 (Ohms): ", "Load Resistance", true, 0.0f, 1e10f,
                 MaxFrom::Table, "", "lblR2", kOhm, kOhm, Then::NormLoadResistance},
    EntryCommand{"cmdZo", "mnuEnterZo", "Zo", &Model::Zo,
                 "Please Enter Characteristic Impedance Zo (Ohms): ", "Characteristic Impedance ",
                 true, 1.0f, 1e10f, MaxFrom::Table, "", "lblZo", kOhm, kOhm, Then::Nothing},
    EntryCommand{"cmdZo1", "", "Zo1", &Model::Zo1,
                 "Please Enter Characteristic Impedance Zo1 (Ohms): ", "Characteristic Impedance ",
                 true, 1.0f, 1e10f, MaxFrom::Table, "", "lblZo1", kOhm, kOhm, Then::Nothing},
    EntryCommand{"cmdZo2", "", "Zo2", &Model::Zo2,
                 "Please Enter Characteristic Impedance Zo2 (Ohms): ", "Characteristic Impedance ",
                 true, 1.0f, 1e10f, MaxFrom::Table, "", "lblZo2", kOhm, kOhm, Then::Nothing},
    EntryCommand{"cmdLu", "mnuEnterL", "LoadInductance", &Model::LoadInductance,
                 "Please Enter the Load Inductance L (µH): ", "Load Inductance", true, 0.0f, 1e8f,
                 MaxFrom::Table, "", "lblL", " µH", " µH", Then::NormLoadInductance},
    EntryCommand{"cmdCu", "mnuEnterC", "LoadCapacitance", &Model::LoadCapacitance,
                 "Please Enter the Load Capacitiance (pF): ", "Load Capacitiance ", true, 0.0f,
                 1e12f, MaxFrom::Table, "", "lblC", " pF", " pF", Then::NormLoadCapacitance},
    EntryCommand{"cmdX2", "", "LoadReactance", &Model::LoadReactance,
                 "Please Enter Load Reactance X2 (Ohms): \n\r"
                 "Imaginary Component of Load Impedance",
                 "Load Reactance ", false, -1e10f, 1e10f, MaxFrom::Table, "", "lblX2", kOhm, kOhm,
                 Then::Nothing},
    EntryCommand{"cmdF", "", "Frequency", &Model::Frequency, kFrequencyPrompt, "Frequency", true,
                 0.01f, std::numeric_limits<float>::max(), MaxFrom::Frequency,
                 "NOTE: Maxium Frequency varies with present Length", "lblF", " MHz", " MHz",
                 Then::CouplingFromFrequency},
    EntryCommand{"cmdCycles_Len", "", "CyclesPerLength", &Model::CyclesPerLength, kCyclesPrompt,
                 kCyclesTitle, true, 0.01f, 20.0f, MaxFrom::Table, "", "lblCycles_Len", kCyclesUnit,
                 kCyclesUnit, Then::CouplingFromCycles},
    EntryCommand{"cmdLength", "", "LineLength", &Model::LineLength, kLengthPrompt, "Line Length",
                 true, 1e-6f, std::numeric_limits<float>::max(), MaxFrom::Length,
                 "NOTE: Maxium Length varies with present Frequency", "lblLength", " m", " m",
                 Then::CouplingFromLength},
    EntryCommand{
        "cmdAttn", "mnuEnterAttn", "Attenuation", &Model::Attenuation,
        "Please Enter the Attenuation per Line Length as a Pecentage: ", "Line Attenuation ", true,
        0.0f, 100.0f, MaxFrom::Table, "", "lblAttn", " %", " %/len", Then::AttenuationConstant},
    EntryCommand{"cmdVp", "", "PhaseVelocity", &Model::PhaseVelocity,
                 "Please Enter Phase Velocity (% of Speed of Light): ", "Phase Velocity", true,
                 10.0f, 100.0f, MaxFrom::Table, "", "lblVp", " % of c", "% c", Then::Vp},
    EntryCommand{"cmdPW", "", "PulseWidth", &Model::PulseWidth,
                 "Please Enter Pulse Width (points, 1pt = {ns} ns): ", "Pulse Width", true, 1.0f,
                 1000.0f, MaxFrom::Table, "", "lblPW", kPulseUnit, kPulseUnit, Then::RoundToWhole},
    EntryCommand{"cmdPS", "", "PulseSeparation", &Model::PulseSeparation,
                 "Please Enter Pulse Train Separation (points, 1pt = {ns} ns): ",
                 "Pulse Separation", true, 1.0f, 1000.0f, MaxFrom::Table, "", "lblPS", kPulseUnit,
                 kPulseUnit, Then::RoundToWhole},
    EntryCommand{"mnuEnterCycles", "", "CyclesPerLength", &Model::CyclesPerLength, kCyclesPrompt,
                 kCyclesTitle, true, 0.01f, 20.0f, MaxFrom::Table, "", "lblCycles_Len", kCyclesUnit,
                 kCyclesUnit, Then::ApplyCyclesChange},
};

// Replaces "{ns}" by the duration of one point in nanoseconds, by the general conversion.
std::string WithPointDuration(std::string_view text, double nanoseconds) {
    std::string result(text);
    const auto at = result.find("{ns}");
    if (at != std::string::npos) result.replace(at, 4, GeneralText(nanoseconds));
    return result;
}

}  // namespace

std::span<const EntryCommand> EntryCommands() { return kCommands; }

const EntryCommand* FindEntryCommand(std::string_view name) {
    for (const auto& row : kCommands)
        if (row.name == name || (!row.menuTwin.empty() && row.menuTwin == name)) return &row;
    return nullptr;
}

const EntryCommand* EntryCommandOf(std::string_view parameter) {
    for (const auto& row : kCommands)
        if (row.parameter == parameter) return &row;
    return nullptr;
}

EntryRequest RequestFor(const EntryCommand& command, const sim::Model& model) {
    EntryRequest request;
    request.prompt = WithPointDuration(command.prompt, model.PointDuration * 1000);
    request.title = std::string(command.title);
    request.nonNegativeOnly = command.nonNegativeOnly;
    request.min = command.min;
    switch (command.maxFrom) {
        case MaxFrom::Table:
            request.max = command.max;
            break;
        case MaxFrom::Frequency:
            request.max = FrequencyMaximum(model);
            break;
        case MaxFrom::Length:
            request.max = LengthMaximum(model);
            break;
    }
    request.note = std::string(command.note);
    return request;
}

void RecomputeDerived(Then then, sim::Model& m) {
    switch (then) {
        case Then::NormSourceResistance:
            m.NormSourceResistance = m.SourceResistance / m.Zo;
            break;
        case Then::NormLoadResistance:
            m.NormLoadResistance = m.LoadResistance / m.Zo;
            break;
        case Then::NormLoadInductance:
            m.NormLoadInductance = m.LoadInductance * m.Vp / (m.Zo * m.LineLength);
            break;
        case Then::NormLoadCapacitance:
            m.NormLoadCapacitance = m.LoadCapacitance * m.Vp * m.Zo / m.LineLength * 1e-6;
            break;
        case Then::Vp:
            m.Vp = m.PhaseVelocity / 100 * 300;
            break;
        case Then::AttenuationConstant:
            m.AttenuationConstant = sim::AttenuationConstantOf(m.Attenuation, m.StepTime);
            break;
        default:
            break;  // nothing, the rounding and the coupling are not derived quantities
    }
}

std::string LabelAfterEntry(const EntryCommand& command, const sim::Model& model) {
    const sim::Value& value = model.*command.field;
    return FormatValue(value) + WithPointDuration(command.unit, model.PointDuration * 1000);
}

std::string LabelAtStartUp(const EntryCommand& command, const sim::Model& model) {
    const sim::Value& value = model.*command.field;
    // At start-up the point duration is worked out from the length and the phase velocity.
    const double nanoseconds = 1000 * model.LineLength / (200 * 3 * model.PhaseVelocity);
    const std::string number = value.isTyped() ? value.typed : GeneralText(value.number);
    return number + WithPointDuration(command.startUnit, nanoseconds);
}

std::vector<LabelText> StartUpLabels(const sim::Model& model) {
    std::vector<LabelText> labels;
    for (const auto& row : kCommands) {
        if (row.name.starts_with("mnu")) continue;  // its label is the button's
        labels.push_back({std::string(row.label), LabelAtStartUp(row, model)});
    }
    return labels;
}

Task<std::optional<Effects>> RunEntryCommand(std::string name, sim::Model& model, Dialogs& dialogs,
                                             CouplingState coupling) {
    const EntryCommand* command = FindEntryCommand(name);
    if (!command) co_return std::nullopt;
    sim::Value& target = model.*command->field;
    co_await EnterParameter(dialogs, target, RequestFor(*command, model));

    // From here on the same steps run whether the entry was accepted, refused or cancelled.
    if (command->then == Then::RoundToWhole) target = std::nearbyint(target.number);
    Effects effects;
    effects.labels.push_back({std::string(command->label), LabelAfterEntry(*command, model)});
    auto append = [&](std::vector<LabelText> more) {
        effects.labels.insert(effects.labels.end(), more.begin(), more.end());
    };
    switch (command->then) {
        case Then::CouplingFromFrequency:
            append(RecomputeCoupling(model, "F", coupling.buttons));
            break;
        case Then::CouplingFromCycles:
            append(RecomputeCoupling(model, "Cycles_Len", coupling.buttons));
            break;
        case Then::CouplingFromLength:
            append(RecomputeCoupling(model, "Length", coupling.buttons));
            break;
        case Then::ApplyCyclesChange: {
            Effects applied = ApplyCyclesChange(model, coupling);
            effects.controlSteps = std::move(applied.controlSteps);
            append(std::move(applied.labels));
            break;
        }
        default:
            RecomputeDerived(command->then, model);
            break;
    }
    co_return effects;
}

}  // namespace entry
