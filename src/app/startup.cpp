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
    session_.Model() = sim::StartValues();
    {
        // Cycles per length held. Start-up makes this choice, not a user: no handler runs.
        const QSignalBlocker quiet(Element(QStringLiteral("optParameter(1)")));
        SetFlag(QStringLiteral("optParameter(1)"), Flag::Checked, true);
    }
    SetControlState(QStringLiteral("Disable"), QStringLiteral("Advanced"));
    show();  // the following steps draw into a visible window
    FillValueLabels();
    session_.Model().LoadType = "Resistor";
    DrawStartLoad();
    session_.Model().SourceType = "DC";
    SetControlState(QStringLiteral("Disable"), QStringLiteral("Display"));
    session_.Model().StepMode = false;
    session_.ZoomFactor = 1;
    sldSpeedControl->setValue(5);
    // The interval follows even if the slider already stood at 5.
    session_.sldSpeedControl_Change(sldSpeedControl->value());
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
    labels.labels = entry::StartUpLabels(session_.Model());
    ApplyEffects(labels);
}

}  // namespace app
