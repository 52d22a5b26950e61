// Start-up of the main window, in its fixed order, and the value labels it fills.

#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <array>

#include "app/form1.h"
#include "app/tooltips.h"
#include "display/load_schematic.h"
#include "entry/format_value.h"

namespace app {
namespace {

struct ValueLabelRow {
    const char* label;
    sim::Value sim::Model::*parameter;
    const char* unit;  // UTF-8; the ohm and micro signs are written as characters
    double points;     // typeface size set before the first text, 0 for the default
};

// In the order start-up fills them.
const std::array<ValueLabelRow, 14> kValueLabels{{
    {"lblPeakVoltage", &sim::Model::PeakVoltage, " Volts", 0},
    {"lblR1", &sim::Model::SourceResistance, " \u03A9", 10},
    {"lblR2", &sim::Model::LoadResistance, " \u03A9", 10},
    {"lblZo", &sim::Model::Zo, " \u03A9", 0},
    {"lblZo1", &sim::Model::Zo1, " \u03A9", 0},
    {"lblZo2", &sim::Model::Zo2, " \u03A9", 0},
    {"lblL", &sim::Model::LoadInductance, " \u00B5H", 0},
    {"lblC", &sim::Model::LoadCapacitance, " pF", 0},
    {"lblX2", &sim::Model::LoadReactance, " \u03A9", 10},
    {"lblF", &sim::Model::Frequency, " MHz", 0},
    {"lblCycles_Len", &sim::Model::CyclesPerLength, " Cycles/LineLength", 0},
    {"lblLength", &sim::Model::LineLength, " m", 0},
    {"lblAttn", &sim::Model::Attenuation, " %/len", 0},
    {"lblVp", &sim::Model::PhaseVelocity, "% c", 0},
}};

const std::array<std::pair<const char*, sim::Value sim::Model::*>, 2> kPointLabels{{
    {"lblPW", &sim::Model::PulseWidth},
    {"lblPS", &sim::Model::PulseSeparation},
}};

}  // namespace

void Form1::Startup() {
    model_ = sim::StartValues();
    SetFlag(QStringLiteral("optParameter(1)"), Flag::Checked, true);  // cycles per length held
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
    for (const ValueLabelRow& row : kValueLabels) {
        auto* label = qobject_cast<QLabel*>(Element(QString::fromLatin1(row.label)));
        if (row.points > 0) {
            QFont font = label->font();
            font.setPointSizeF(row.points);
            label->setFont(font);
        }
        const std::string value = entry::GeneralText(model_.*row.parameter);
        label->setText(QString::fromStdString(value) + QString::fromUtf8(row.unit));
    }
    // Pulse width and separation are counted in points; the label says how long one lasts.
    const double nanoseconds =
        1000 * model_.LineLength / (200 * 3 * model_.PhaseVelocity);  // 0.2 with the defaults
    const QString perPoint = QStringLiteral(" points, 1pt = ") +
                             QString::fromStdString(entry::GeneralText(nanoseconds)) +
                             QStringLiteral(" ns");
    for (const auto& [name, parameter] : kPointLabels) {
        qobject_cast<QLabel*>(Element(QString::fromLatin1(name)))
            ->setText(QString::fromStdString(entry::GeneralText(model_.*parameter)) + perPoint);
    }
}

void Form1::DrawStartLoad() {
    QPainter painter(&surface_);
    display::DrawLoad(painter, model_.LoadType, "", palette().color(QPalette::WindowText),
                      palette().color(QPalette::Window), dpi_);
    painter.end();
    SurfaceChanged();
}

}  // namespace app
