// Start-up of the main window: what only the window does (the larger value labels, showing
// itself, the tooltips) around the session's own start-up sequence.

#include "app/form1.h"
#include "app/tooltips.h"
#include "app/window_scale.h"
#include "session/element_table.h"

namespace app {

void Form1::Startup() {
    for (const char* name : session::kLargerLabels) {
        QWidget* label = Element(QString::fromLatin1(name));
        QFont font = label->font();
        font.setPointSizeF(session::kLargerPoints);
        SetDesignFont(label, font, scale_);
    }
    show();  // the session's start-up draws into a visible window
    session_.Startup();
    SpecifyToolTips(*this);
}

}  // namespace app
