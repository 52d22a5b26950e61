// Reading the plot as the window shows it: the plot's presses and releases go to the session (the trace and envelope boxes go there with every check box, see
// element_flags.cpp), and the session's clears and back colours are put on Picture1.

#include <QCheckBox>
#include <QPushButton>

#include "app/form1.h"
#include "app/plot_area.h"

namespace app {
namespace {

session::MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return session::MouseButton::Left;
        case Qt::RightButton:
            return session::MouseButton::Right;
        default:
            return session::MouseButton::Middle;
    }
}

}  // namespace

void Form1::WirePlotReading() {
    cmdZoomIn = qobject_cast<QPushButton*>(Element(QStringLiteral("cmdZoomIn")));
    cmdZoomOut = qobject_cast<QPushButton*>(Element(QStringLiteral("cmdZoomOut")));
    chkMeter = qobject_cast<QCheckBox*>(Element(QStringLiteral("chkMeter")));
    connect(Picture1, &PlotArea::MousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                session_.PlotPress(ButtonOf(button), x, y);
            });
    connect(Picture1, &PlotArea::MouseReleased, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                session_.PlotRelease(ButtonOf(button), x, y);
            });
}

void Form1::PlotCleared() { Picture1->Clear(); }

void Form1::PlotBackColourChanged(display::Rgb colour) { Picture1->SetBackColor(QColor(colour)); }


}  // namespace app
