// Normal and Advanced mode, single and cascaded line. Each choice is a fixed sequence of
// control groups and one check mark; the mode and the line type live only in these marks, and
// no choice touches a parameter's value.

#include <QAction>
#include <array>

#include "app/form1.h"

namespace app {

namespace {

struct Step {
    const char* action;
    const char* group;
};

struct ModeRow {
    const char* item;           // the menu item, which gets the check mark at the end
    std::array<Step, 3> steps;  // in order; a null action ends the sequence early
};

constexpr std::array<ModeRow, 4> kModes{{
    {"mnuNormal", {{{"Disable", "Advanced"}, {"Unchecked", "Control"}, {nullptr, nullptr}}}},
    // The held parameter's controls stay greyed in Advanced mode.
    {"mnuAdvanced",
     {{{"Enable", "Advanced"}, {"Unchecked", "Control"}, {"Disable", "FixedParameter"}}}},
    {"mnuSingleLine",
     {{{"Enable", "SingleLine"}, {"Disable", "Cascade"}, {"Unchecked", "LineType"}}}},
    {"mnuCascadedLine",
     {{{"Disable", "SingleLine"}, {"Enable", "Cascade"}, {"Unchecked", "LineType"}}}},
}};

}  // namespace

void Form1::WireModes() {
    for (const ModeRow& row : kModes) {
        connect(MenuItem(QString::fromLatin1(row.item)), &QAction::triggered, this,
                &Form1::ModeItem_Click);
    }
}

void Form1::ModeItem_Click() {
    if (sender()) ChooseMode(sender()->objectName());
}

void Form1::ChooseMode(const QString& item) {
    for (const ModeRow& row : kModes) {
        if (item != QLatin1String(row.item)) continue;
        entry::Effects effects;
        for (const Step& step : row.steps) {
            if (step.action) effects.controlSteps.push_back({step.action, step.group});
        }
        effects.checkItem = row.item;
        ApplyEffects(effects);
        return;
    }
}

}  // namespace app
