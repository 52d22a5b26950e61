#pragma once
// What the window tests share: scripted dialogs, a fresh window, clicks, runs, a snapshot of
// every element's flags, and where the widgets show other flags than the window holds.

#include <QtTest>
#include <QtWidgets>
#include <deque>

#include "app/form1.h"
#include "app/plot_area.h"
#include "app/schematic.h"
#include "session/element_table.h"
#include "session/menu_table.h"

namespace apptest {

// Answers input boxes from a script (empty, as Cancel, when it runs out); records the title of
// every dialog, and "title|text|style" of every message box.
struct ScriptedDialogs {
    std::deque<std::string> answers;
    QStringList titles, messages;
    std::string Answer(const entry::Question& q) {
        titles << QString::fromStdString(q.title);
        if (q.kind == entry::Question::Kind::Message) {
            messages << titles.last() + '|' + QString::fromStdString(q.prompt) + '|' +
                            QString::number(q.style);
            return {};
        }
        const std::string answer = answers.empty() ? "" : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
};

struct Window {
    std::unique_ptr<ScriptedDialogs> dialogs = std::make_unique<ScriptedDialogs>();
    std::unique_ptr<app::Form1> form{new app::Form1(
        [d = dialogs.get()](const entry::Question& q) { return d->Answer(q); })};
    app::Form1* operator->() { return form.get(); }
    app::Form1& operator*() { return *form; }
};

// Near the left edge, where a check box has its indicator; a greyed element ignores it.
inline void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
}

// Resizes the window so that its client area is `s` times the designed one (to whole pixels)
// and `extra` pixels wider, and returns the scale the window chose.
inline double ScaleTo(app::Form1& f, double s, int extra = 0) {
    const QSize designed = f.DesignedClientSize();
    f.resize(int(std::ceil(designed.width() * s)) + extra,
             int(std::ceil(designed.height() * s)) + f.menuBar()->height());
    QCoreApplication::processEvents();
    return f.WindowScale();
}

// Rows of column x of `image` that show `colour`; of the plot's surface, in device pixels.
inline QList<int> RowsOf(const QImage& image, int x, QRgb colour) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) == colour) rows << y;
    return rows;
}
inline QList<int> RowsOf(app::Form1& f, int x, QRgb colour) {
    return RowsOf(f.Picture1->Surface(), x, colour);
}

// A _data() of row numbers into a table the test reads.
inline void Rows(size_t count) {
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < count; ++i) QTest::addRow("%zu", i) << int(i);
}

// The slowest speed keeps the real timer out of it: the test calls the tick itself.
inline void FreeRun(app::Form1& f, int ticks) {
    f.sldSpeedControl->setValue(1);
    Click(f.cmdSimulate);
    for (int i = 0; i < ticks; ++i) f.Timer1_Timer();
}
inline void Halt(app::Form1& f, int ticks) {
    FreeRun(f, ticks - 1);
    Click(f.cmdStep);
    f.Timer1_Timer();
}

// Each of the "|"-separated steps in turn: a button by a click, a menu item by choosing it, and
// "run" or "halt" for a run one tick in.
inline void Activate(app::Form1& f, const QString& steps) {
    for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
        if (step == "run") FreeRun(f, 1);
        if (step == "halt") Halt(f, 1);
        if (auto* button = qobject_cast<QAbstractButton*>(f.Element(step))) Click(button);
        if (QAction* item = f.MenuItem(step)) item->trigger();
    }
}

// "name:flag" of every flag that is on, over every named element, menu and schematic piece.
using Snapshot = QSet<QString>;
inline QStringList NamedElements() {
    QStringList names;
    for (const auto& row : session::ElementTable()) names << row.name;
    for (const auto& row : session::MenuTable()) names << row.name;
    for (const auto& row : session::SchematicTable())
        if (*row.name) names << row.name;
    return names;
}
inline Snapshot Flags(const app::Form1& form) {
    Snapshot on;
    for (const QString& name : NamedElements()) {
        if (form.FlagOf(name, app::Flag::Enabled)) on << name + ":enabled";
        if (form.FlagOf(name, app::Flag::Visible)) on << name + ":visible";
        if (form.FlagOf(name, app::Flag::Checked)) on << name + ":checked";
    }
    return on;
}
// The first "name:flag" where a widget or menu action shows another flag than the window holds;
// empty when they all agree. A widget's own flags count, not what its container makes of them;
// an action reports itself greyed while hidden, so its enabled flag shows only while it is shown.
inline QString ViewDisagrees(const app::Form1& form) {
    for (const QString& name : NamedElements()) {
        bool enabled = form.FlagOf(name, app::Flag::Enabled), shown = true, checked = false;
        if (const QAction* action = form.MenuItem(name)) {
            shown = action->isVisible();
            enabled = shown ? action->isEnabled() : enabled;
            checked = action->isChecked();
        } else if (const QWidget* widget = form.Element(name)) {
            enabled = !widget->testAttribute(Qt::WA_ForceDisabled);
            shown = !widget->isHidden();
            if (auto* button = qobject_cast<const QAbstractButton*>(widget))
                checked = button->isChecked();
        } else {
            continue;  // Timer1
        }
        if (enabled != form.FlagOf(name, app::Flag::Enabled)) return name + ":enabled";
        if (shown != form.FlagOf(name, app::Flag::Visible)) return name + ":visible";
        if (checked != form.FlagOf(name, app::Flag::Checked)) return name + ":checked";
    }
    return {};
}

}  // namespace apptest
