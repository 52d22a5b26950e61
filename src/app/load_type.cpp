// The load: the six option buttons choose what terminates the line, which entry buttons and
// which preset menu go with it, and the symbol drawn between the load-end terminals.

#include <QPainter>
#include <QRadioButton>

#include "app/form1.h"
#include "entry/load_types.h"
#include "paint/load_symbol.h"

namespace app {

// Every change of selection runs the handler once, whatever made it: a click, the arrow keys
// within the frame, or a screen reader's toggle. The button that loses the selection reports
// the same change and is passed over.
void Form1::WireLoadTypes() {
    for (const entry::LoadTypeRow& row : entry::LoadTypes()) {
        connect(qobject_cast<QRadioButton*>(Element(QString::fromLatin1(row.option))),
                &QRadioButton::toggled, this, &Form1::LoadOption_Click);
    }
}

void Form1::LoadOption_Click(bool selected) {
    if (!selected || !sender()) return;
    const entry::LoadTypeRow* row = entry::LoadTypeOfOption(sender()->objectName().toStdString());
    if (!row) return;
    session_.Model().LoadType = std::string(row->keyword);
    SelectLoadType(QString::fromLatin1(row->keyword));
}

// Nothing is recomputed here: the next run start derives the load's quantities afresh.
void Form1::SelectLoadType(const QString& loadType) {
    const entry::LoadSelection selection = entry::SelectLoadType(loadType.toStdString());
    SetControlState(QString::fromStdString(selection.disableStep.action),
                    QString::fromStdString(selection.disableStep.group));
    HideLoadMenus();
    PaintLoad(loadType, true);
    for (const std::string& name : selection.enable) {
        SetFlag(QString::fromStdString(name), Flag::Enabled, true);
    }
    if (!selection.menu.empty())
        SetFlag(QString::fromStdString(selection.menu), Flag::Visible, true);
}

void Form1::HideLoadMenus() {
    for (std::string_view menu : entry::kLoadMenus) {
        SetFlag(QString::fromLatin1(menu.data(), qsizetype(menu.size())), Flag::Visible, false);
    }
}

void Form1::DrawStartLoad() { PaintLoad(QString::fromStdString(session_.Model().LoadType), false); }

// On the window's own surface, in its foreground colour; erasing overdraws every symbol in the
// background colour, so no stroke of the previous load is left.
void Form1::PaintLoad(const QString& loadType, bool eraseFirst) {
    const QColor foreground = palette().color(QPalette::WindowText);
    const QColor background = palette().color(QPalette::Window);
    shownLoad_ = loadType;
    QPainter painter(&surface_);
    if (eraseFirst) paint::EraseLoadSymbols(painter, foreground, background, dpi_);
    paint::DrawLoad(painter, loadType.toStdString(), "", foreground, background, dpi_);
    painter.end();
    SurfaceChanged();
}

}  // namespace app
