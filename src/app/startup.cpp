// Start-up of the main window: what only the window does (the larger value labels, showing
// itself, the tooltips) around the session's own start-up sequence.

#include <array>

#include "app/form1.h"
#include "app/tooltips.h"
#include "app/window_scale.h"

namespace app {
namespace {

// The resistance labels are set a little larger before their first text.
constexpr std::array<const char*, 3> kLargerLabels{"lblR1", "lblR2", "lblX2"};
constexpr double kLargerPoints = 10;

}  // namespace

void Form1::Startup() {
    for (const char* name : kLargerLabels) {
        QWidget* label = Element(QString::fromLatin1(name));
        QFont font = label->font();
        font.setPointSizeF(kLargerPoints);
        SetDesignFont(label, font, scale_);
    }
    show();  // the session's start-up draws into a visible window
    session_.Startup();
    SpecifyToolTips(*this);
}

}  // namespace app
