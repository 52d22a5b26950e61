#include "entry/load_types.h"

namespace entry {

namespace {

constexpr std::array<LoadTypeRow, 6> kLoadTypes = {{
    {"optResistor", "Resistor", {"cmdR2", "lblR2", "", ""}, "mnuRLoad"},
    {"optInductor", "Inductor", {"cmdLu", "lblL", "", ""}, "mnuLLoad"},
    {"optCapacitor", "Capacitor", {"cmdCu", "lblC", "", ""}, "mnuCLoad"},
    {"optParallelRC", "ParallelRC", {"cmdCu", "cmdR2", "lblC", "lblR2"}, "mnuRCLoad"},
    {"optSeriesRL", "SeriesRL", {"cmdLu", "cmdR2", "lblL", "lblR2"}, "mnuRLLoad"},
    {"optImpedance", "Impedance", {"cmdR2", "cmdX2", "lblX2", "lblR2"}, "mnuZLoad"},
}};

}  // namespace

std::span<const LoadTypeRow> LoadTypes() { return kLoadTypes; }

const LoadTypeRow* LoadTypeOfOption(std::string_view option) {
    for (const auto& row : kLoadTypes)
        if (row.option == option) return &row;
    return nullptr;
}

const LoadTypeRow* LoadTypeOfKeyword(std::string_view keyword) {
    for (const auto& row : kLoadTypes)
        if (row.keyword == keyword) return &row;
    return nullptr;
}

LoadSelection SelectLoadType(std::string_view keyword) {
    LoadSelection selection;
    const LoadTypeRow* row = LoadTypeOfKeyword(keyword);
    if (!row) return selection;  // an unknown type enables nothing and shows no menu
    selection.known = true;
    for (auto name : row->enabled)
        if (!name.empty()) selection.enable.emplace_back(name);
    selection.menu = std::string(row->menu);
    return selection;
}

}  // namespace entry
