// Parameter entry from the window: the entry buttons, every preset menu item (the "Enter ..."
// items run their button's entry) and the held-parameter option buttons. The entry library
// does the arithmetic and says what the window must change; this file only connects the
// elements named in its tables and applies what comes back.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/form1.h"
#include "entry/entry_commands.h"
#include "entry/presets.h"

namespace app {

void Form1::WireEntry() {
    for (const entry::EntryCommand& row : entry::EntryCommands()) {
        // The menu items among the rows (the "Enter ..." twins) are wired with the presets.
        if (auto* button = qobject_cast<QPushButton*>(Element(QString::fromLatin1(row.name)))) {
            connect(button, &QPushButton::clicked, this, &Form1::EntryButton_Click);
        }
    }
    for (const entry::Preset& row : entry::Presets()) {
        connect(MenuItem(QString::fromLatin1(row.item)), &QAction::triggered, this,
                &Form1::PresetItem_Click);
    }
    for (int i = 0; i < kHeldOptions; ++i) {
        // A change of selection however it comes (mouse, arrow keys, a screen reader), once.
        connect(qobject_cast<QRadioButton*>(Element(HeldOption(i))), &QRadioButton::toggled, this,
                &Form1::optParameter_Click);
    }
}

// Called only through a connection; the sender is the element that was clicked.
void Form1::EntryButton_Click() {
    if (sender()) RunEntryCommand(sender()->objectName());
}

void Form1::PresetItem_Click() {
    if (sender()) ApplyPreset(sender()->objectName());
}

void Form1::RunEntryCommand(const QString& name) {
    if (auto effects =
            entry::RunEntryCommand(name.toStdString(), session_.Model(), *dialogs_, CouplingNow()))
        ApplyEffects(*effects);
}

void Form1::ApplyPreset(const QString& item) {
    if (auto effects =
            entry::ApplyPreset(item.toStdString(), session_.Model(), *dialogs_, CouplingNow()))
        ApplyEffects(*effects);
}

// Which button was clicked does not matter: the selection is already made, and the held
// parameter is read back from it. The button that lost the selection reports it too; only the
// newly selected one runs the handler, so one change runs it once.
void Form1::optParameter_Click(bool selected) {
    if (!selected) return;
    SetControlState(QStringLiteral("Enable"), QStringLiteral("Combo"));
    SetControlState(QStringLiteral("Disable"), QStringLiteral("FixedParameter"));
}

void Form1::ApplyEffects(const entry::Effects& effects) {
    for (const entry::ControlStep& step : effects.controlSteps) {
        SetControlState(QString::fromStdString(step.action), QString::fromStdString(step.group));
    }
    for (const entry::LabelText& label : effects.labels) {
        if (auto* shown = qobject_cast<QLabel*>(Element(QString::fromStdString(label.label)))) {
            shown->setText(QString::fromStdString(label.text));
        }
    }
    if (!effects.checkItem.empty()) {
        SetFlag(QString::fromStdString(effects.checkItem), Flag::Checked, true);
    }
}

// The recomputation follows the buttons' own enabled flags, not what a greyed frame makes of
// them, so a halted run (every coupled button greyed) recomputes nothing.
entry::CouplingState Form1::CouplingNow() const {
    entry::CouplingState state;
    state.buttons.cyclesEnabled = FlagOf(QStringLiteral("cmdCycles_Len"), Flag::Enabled);
    state.buttons.frequencyEnabled = FlagOf(QStringLiteral("cmdF"), Flag::Enabled);
    state.buttons.lengthEnabled = FlagOf(QStringLiteral("cmdLength"), Flag::Enabled);
    state.heldIndex = HeldIndex();
    state.timerEnabled = session_.TimerRunning();
    return state;
}

}  // namespace app
