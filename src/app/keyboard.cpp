// The keyboard and the screen reader: the order Tab visits the elements in, the names a screen
// reader announces, and Return and Enter on a focused button.

#include <QAbstractButton>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <array>
#include <vector>

#include "app/element_table.h"
#include "app/form1.h"

namespace app {
namespace {

// The option buttons without a caption are named after what they hold.
constexpr std::array<const char*, kHeldOptions> kHeldNames{"Hold Frequency", "Hold Cycles/Length",
                                                           "Hold Line Length"};

// Elements whose tops lie this close to the first of a row are read as one row.
constexpr int kSameRowTwips = 120;

// Reading order of the elements in one container: rows from the top, left to right in a row.
std::vector<const ElementRow*> ReadingOrder(std::vector<const ElementRow*> rows) {
    std::ranges::stable_sort(rows, {}, &ElementRow::top);
    std::vector<std::pair<int, const ElementRow*>> banded;
    int band = -1, bandTop = 0;
    for (const ElementRow* row : rows) {
        if (band < 0 || row->top > bandTop + kSameRowTwips) bandTop = row->top, ++band;
        banded.push_back({band, row});
    }
    std::ranges::stable_sort(banded, {},
                             [](const auto& b) { return std::pair(b.first, b.second->left); });
    std::vector<const ElementRow*> ordered;
    for (const auto& b : banded) ordered.push_back(b.second);
    return ordered;
}

// The whole window in reading order; a frame's contents follow the frame, together.
std::vector<const ElementRow*> WindowReadingOrder() {
    std::vector<const ElementRow*> topLevel;
    for (const ElementRow& row : ElementTable())
        if (!*row.container) topLevel.push_back(&row);
    std::vector<const ElementRow*> ordered;
    for (const ElementRow* row : ReadingOrder(topLevel)) {
        ordered.push_back(row);
        std::vector<const ElementRow*> contents;
        for (const ElementRow& inner : ElementTable())
            if (QLatin1String(inner.container) == QLatin1String(row->name))
                contents.push_back(&inner);
        for (const ElementRow* inner : ReadingOrder(contents)) ordered.push_back(inner);
    }
    return ordered;
}

}  // namespace

// Return and Enter press the focused button as Space does (a main window has no default
// button to take them).
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (button->isEnabled()) button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::SetUpKeyboard() {
    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (const ElementRow* row : WindowReadingOrder()) {
        QWidget* widget = Element(QString::fromLatin1(row->name));
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
        if (!first && widget->isEnabled()) first = widget;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->installEventFilter(this);
        if (auto* option = qobject_cast<QRadioButton*>(widget))
            connect(option, &QRadioButton::toggled, this, &Form1::OptionFocus);
    }
    sldSpeedControl->setAccessibleName(QStringLiteral("Speed"));  // the caption under it
    for (int i = 0; i < kHeldOptions; ++i)
        Element(HeldOption(i))->setAccessibleName(QString::fromLatin1(kHeldNames[i]));
    for (const char* frame : {"Frame1", "frameAdvPar"}) {
        for (QRadioButton* option :
             Element(QString::fromLatin1(frame))->findChildren<QRadioButton*>())
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
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
