// Start-up of the main window, in its fixed order, and the value labels it fills.

#include <QSignalBlocker>
#include <QSlider>
#include <array>

#include "app/form1.h"
#include "app/tooltips.h"
#include "app/window_scale.h"
#include "entry/entry_commands.h"

namespace app {
namespace {

// The resistance labels are set a little larger before their first text.
constexpr std::array<const char*, 3> kLargerLabels{"lblR1", "lblR2", "lblX2"};
constexpr double kLargerPoints = 10;

}  // namespace

void Form1::Startup() {
    model_ = sim::StartValues();
    {
        // Cycles per length held. Start-up makes this choice, not a user: no handler runs.
        const QSignalBlocker quiet(Element(QStringLiteral("optParameter(1)")));
        SetFlag(QStringLiteral("optParameter(1)"), Flag::Checked, true);
    }
    SetControlState(QStringLiteral("Disable"), QStringLiteral("Advanced"));
    show();  // the following steps draw into a visible window
    FillValueLabels();
    model_.LoadType = "Resistor";
    DrawStartLoad();
    model_.SourceType = "DC";
    SetControlState(QStringLiteral("Disable"), QStringLiteral("Display"));
    model_.StepMode = false;
    ZoomFactor = 1;
    sldSpeedControl->setValue(5);
    sldSpeedControl_Change();  // the interval follows even if the slider already stood at 5
    SpecifyToolTips(*this);
}

void Form1::FillValueLabels() {
    for (const char* name : kLargerLabels) {
        QWidget* label = Element(QString::fromLatin1(name));
        QFont font = label->font();
        font.setPointSizeF(kLargerPoints);
        SetDesignFont(label, font, scale_);
    }
    entry::Effects labels;
    labels.labels = entry::StartUpLabels(model_);
    ApplyEffects(labels);
}

}  // namespace app
