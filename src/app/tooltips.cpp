#include "app/tooltips.h"

#include <QString>
#include <QWidget>

#include "session/tooltips.h"

namespace app {

void SpecifyToolTips(QWidget& form1) {
    for (const session::ToolTipRow& row : session::ToolTipTable()) {
        if (auto* element = form1.findChild<QWidget*>(QString::fromLatin1(row.element))) {
            element->setToolTip(QString::fromLatin1(row.text));
        }
    }
}

}  // namespace app
