// The keyboard and the screen reader: the order Tab visits the elements in, the names a screen
// reader announces, and Return and Enter on a focused button.

#include <QAbstractButton>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSlider>

#include "app/form1.h"
#include "session/reading_order.h"

namespace app {

// Return and Enter press the focused button as Space does (a main window has no default
// button to take them).
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (session_.Store().Usable(watched->objectName().toStdString())) button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::SetUpKeyboard() {
    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (const session::ElementRow* row : session::WindowReadingOrder()) {
        QWidget* widget = Element(QString::fromLatin1(row->name));
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
        if (!first && session_.Store().Usable(row->name)) first = widget;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->installEventFilter(this);
        if (auto* option = qobject_cast<QRadioButton*>(widget))
            connect(option, &QRadioButton::toggled, this, &Form1::OptionFocus);
    }
    for (const session::AccessibleNameRow& row : session::AccessibleNameTable())
        Element(QString::fromLatin1(row.element))->setAccessibleName(QString::fromUtf8(row.name));
    for (const char* frame : {"Frame1", "frameAdvPar"}) {
        for (QRadioButton* option :
             Element(QString::fromLatin1(frame))->findChildren<QRadioButton*>())
            option->setFocusPolicy(
                session_.Store().Get(option->objectName().toStdString(), Flag::Checked)
                    ? Qt::StrongFocus
                    : Qt::ClickFocus);
    }
    // The window opens with the focus where reading starts, so the first Tab goes on from there.
    if (first) first->setFocus(Qt::OtherFocusReason);
}

// Tab enters a group of option buttons at its selected one and leaves it from there; the arrow
// keys move the selection within the group.
void Form1::OptionFocus(bool selected) {
    if (auto* option = qobject_cast<QRadioButton*>(sender()))
        option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace app
