// A set-up carried in a link: "source=Pulse&zo=75&load=Capacitor&load-capacitance=47". The names
// and keyword values are corvane-trace's long options; the window's own choices add
// "mode=advanced", "cascade" and "held=frequency|length". Every value is checked as a typed
// entry is; a refused one is named in a message of its own and keeps the value it had.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>
#include <vector>

#include "display/zoom.h"
#include "entry/c_locale.h"
#include "entry/circuit_options.h"
#include "entry/entry_commands.h"
#include "entry/format_value.h"
#include "entry/load_types.h"
#include "entry/presets.h"
#include "session/control_state.h"
#include "session/session.h"

namespace session {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kLinkTitle = "Set-up Link";
constexpr std::string_view kHeldWords[] = {"frequency", "cycles", "length"};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "%20" and the like decoded; a "%" not followed by two hex digits stays as it is.
std::string Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            out += char(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Encoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '.' || c == '-' || c == '_' || c == '+')
            out += c;
        else
            out += {'%', kHex[byte >> 4], kHex[byte & 15]};
    }
    return out;
}

Pairs PairsOf(std::string_view fragment) {
    if (fragment.starts_with('#')) fragment.remove_prefix(1);
    Pairs pairs;
    while (!fragment.empty()) {
        const auto end = std::min(fragment.find('&'), fragment.size());
        const std::string_view pair = fragment.substr(0, end);
        fragment.remove_prefix(std::min(end + 1, fragment.size()));
        if (pair.empty()) continue;
        const auto equals = pair.find('=');
        pairs.emplace_back(Decoded(pair.substr(0, equals)),
                           equals == std::string_view::npos ? "" : Decoded(pair.substr(equals + 1)));
    }
    return pairs;
}

// As typed, or as the labels write a preset's or a recomputed value; with all its digits where
// those would not read back as the same number, so the link runs exactly the same line.
std::string NumberText(const sim::Value& value) {
    if (value.isTyped()) return value.typed;
    const std::string general = entry::GeneralText(value.number);
    return entry::ReadNumber(general.c_str(), nullptr) == value.number
               ? general
               : entry::PrintNumber("%.17g", value.number);
}

// The label of a value as its entry writes it; a preset's infinite resistance as the preset does.
std::string LabelOf(const entry::EntryCommand& command, const sim::Model& model) {
    const double x = (model.*command.field).number;
    for (const entry::Preset& p : entry::Presets())
        if (p.infinite && p.parameter == command.parameter && p.value == x) return " ∞ Ω";
    return entry::LabelAfterEntry(command, model);
}

const entry::NumberOption* NumberOptionNamed(std::string_view name) {
    for (const entry::NumberOption& o : entry::NumberOptions())
        if (o.name == name) return &o;
    return nullptr;
}

const entry::ChoiceOption* ChoiceOptionNamed(std::string_view name) {
    for (const entry::ChoiceOption& o : entry::ChoiceOptions())
        if (o.name == name) return &o;
    return nullptr;
}

// The set-up's words, in corvane-trace's order, for the link and the command line alike.
Pairs SetupPairs(const sim::Model& m, const ElementStore& store) {
    const sim::Model start = sim::StartValues();
    Pairs pairs;
    for (const entry::ChoiceOption& o : entry::ChoiceOptions())
        if (m.*o.field != start.*o.field) pairs.emplace_back(o.name, m.*o.field);
    for (const entry::NumberOption& o : entry::NumberOptions())
        if ((m.*o.field).number != (start.*o.field).number)
            pairs.emplace_back(o.name, NumberText(m.*o.field));
    if (store.Get("mnuCascadedLine", Flag::Checked)) pairs.emplace_back("cascade", "");
    if (store.Get("mnuAdvanced", Flag::Checked)) pairs.emplace_back("mode", "advanced");
    // Normal mode keeps the selection Advanced mode left.
    if (const int held = HeldIndex(store); held >= 0 && held != 1)
        pairs.emplace_back("held", kHeldWords[held]);
    return pairs;
}

}  // namespace

void Session::OpenLink(std::string_view fragment) { StartAsking(ApplyLink(PairsOf(fragment))); }

entry::Task<> Session::ApplyLink(std::vector<std::pair<std::string, std::string>> pairs) {
    const auto refuse = [this](const std::string& key, const std::string& why) {
        return questions_.MessageBox(key + ": " + why, display::kExclamationStyle, kLinkTitle);
    };
    // The mode and line type first: the held parameter needs Advanced mode.
    for (const auto& [key, value] : pairs) {
        if (key == "mode" && (value == "advanced" || value == "normal"))
            ModeItem_Click(value == "advanced" ? "mnuAdvanced" : "mnuNormal");
        else if (key == "mode")
            co_await refuse(key, value + " is not one of normal, advanced");
        if (key == "cascade") ModeItem_Click("mnuCascadedLine");
    }
    const sim::Model before = model_;
    bool frequencyGiven = false, lengthGiven = false;
    std::string typedForCycles[3];  // as given: frequency, length, phase velocity
    for (const auto& [key, value] : pairs) {
        if (key == "mode" || key == "cascade") continue;
        if (key == "held") {
            const auto word = std::find(std::begin(kHeldWords), std::end(kHeldWords), value);
            if (word == std::end(kHeldWords)) {
                co_await refuse(key, value + " is not one of frequency, cycles, length");
            } else {
                // Selected as a click selects it; in Normal mode the greyed frame keeps it.
                store_.Set(HeldOption(int(word - std::begin(kHeldWords))), Flag::Checked, true);
                if (store_.Get("mnuAdvanced", Flag::Checked)) optParameter_Click();
            }
        } else if (const entry::ChoiceOption* choice = ChoiceOptionNamed(key)) {
            const auto& words = choice->keywords;
            if (std::find(words.begin(), words.end(), value) == words.end()) {
                std::string list;
                for (const char* w : words) list += std::string(list.empty() ? "" : ", ") + w;
                co_await refuse(key, value + " is not one of " + list);
            } else if (key == "load") {
                const std::string option(entry::LoadTypeOfKeyword(value)->option);
                store_.Set(option, Flag::Checked, true);
                LoadOption_Click(option);
            } else {
                for (const entry::Preset& preset : entry::Presets())
                    if (preset.kind == entry::PresetKind::Source && preset.sourceType == value)
                        if (const auto effects = co_await entry::ApplyPreset(
                                std::string(preset.item), model_, questions_, CouplingNow()))
                            ApplyEffects(*effects);
            }
        } else if (const entry::NumberOption* number = NumberOptionNamed(key)) {
            const entry::CheckedNumber checked =
                entry::CheckNumber(value, *entry::LimitsOf(number->parameter));
            if (!checked.value) {
                co_await refuse(key, checked.refusal);
                continue;
            }
            model_.*number->field = sim::Value(*checked.value, value);
            frequencyGiven = frequencyGiven || key == "frequency";
            lengthGiven = lengthGiven || key == "length";
            if (key == "frequency") typedForCycles[0] = value;
            if (key == "length") typedForCycles[1] = value;
            if (key == "phase-velocity") typedForCycles[2] = value;
        } else {
            co_await refuse(key, "is no setting of Corvane");
        }
    }
    const std::string& blamedTyped = frequencyGiven ? typedForCycles[0]
                                     : lengthGiven  ? typedForCycles[1]
                                                    : typedForCycles[2];
    if (const auto refused =
            entry::CheckCycles(model_, frequencyGiven, lengthGiven, blamedTyped)) {
        model_.Frequency = before.Frequency;
        model_.LineLength = before.LineLength;
        model_.PhaseVelocity = before.PhaseVelocity;
        co_await refuse(refused->option, refused->refusal);
    }
    // What an entry of each value would have worked out, in the entry's own order.
    model_.PulseWidth = std::nearbyint(model_.PulseWidth.number);
    model_.PulseSeparation = std::nearbyint(model_.PulseSeparation.number);
    for (const entry::Then then : {entry::Then::Vp, entry::Then::NormSourceResistance,
                                   entry::Then::NormLoadResistance, entry::Then::NormLoadInductance,
                                   entry::Then::NormLoadCapacitance,
                                   entry::Then::AttenuationConstant})
        entry::RecomputeDerived(then, model_);
    // As an entry of the frequency or the length does; a new phase velocity alone leaves the
    // cycles as they were, as its entry does.
    if (frequencyGiven || lengthGiven)
        model_.CyclesPerLength = model_.LineLength * model_.Frequency / model_.Vp;
    // The labels of the values that changed, and of the cycles they make.
    for (const entry::NumberOption& o : entry::NumberOptions())
        if ((model_.*o.field).number != (before.*o.field).number) {
            const entry::EntryCommand& command = *entry::EntryCommandOf(o.parameter);
            SetCaption(command.label, LabelOf(command, model_));
        }
    if (model_.CyclesPerLength != before.CyclesPerLength) {
        const entry::EntryCommand& cycles = *entry::EntryCommandOf("CyclesPerLength");
        SetCaption(cycles.label, LabelOf(cycles, model_));
    }
}

std::string Session::SetupLink() const {
    std::string link;
    for (const auto& [key, value] : SetupPairs(model_, store_)) {
        if (!link.empty()) link += '&';
        link += Encoded(key);
        if (!value.empty()) link += '=' + Encoded(value);
    }
    return link;
}

std::string Session::TraceCommand() const {
    std::string command = "corvane-trace";
    for (const auto& [key, value] : SetupPairs(model_, store_)) {
        if (key == "mode" || key == "held") continue;  // the window's choices, not the circuit's
        command += " --" + key;
        if (value.empty()) continue;
        const bool plain = std::all_of(value.begin(), value.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+';
        });
        command += "=" + (plain ? value : "'" + value + "'");
    }
    return command;
}

}  // namespace session
