// The flags of the named elements. The session's store holds them; the widgets and menu actions
// show what it holds. Every change the store reports is put on its widget here, and what the user
// changes directly on a widget (a check box, an option button) goes into the store before any
// handler sees it, through the session.

#include <QAbstractButton>
#include <QAction>

#include "app/form1.h"

namespace app {
namespace {

std::string Key(const QString& name) { return name.toStdString(); }

}  // namespace

QString HeldOption(int index) { return QString::fromStdString(session::HeldOption(index)); }

int Form1::HeldIndex() const { return session::HeldIndex(session_.Store()); }

void Form1::SetControlState(const QString& action, const QString& group) {
    session::SetControlState(session_.Store(), Key(action), Key(group));
}

bool Form1::FlagOf(const QString& name, Flag flag) const {
    const std::string key = Key(name);
    if (session_.Store().Has(key)) return session_.Store().Get(key, flag);
    if (flag == Flag::Enabled && others_.contains(name)) return session_.TimerRunning();
    return false;
}

void Form1::SetFlag(const QString& name, Flag flag, bool on) {
    session_.Store().Set(Key(name), flag, on);
}

// Only what differs from a new widget, so that the widgets are built exactly as they always were.
void Form1::ShowStartFlags(const QString& name) {
    const std::string key = Key(name);
    if (!session_.Store().Get(key, Flag::Enabled)) ShowFlag(key, Flag::Enabled);
    if (!session_.Store().Get(key, Flag::Visible)) ShowFlag(key, Flag::Visible);
    if (session_.Store().Get(key, Flag::Checked)) ShowFlag(key, Flag::Checked);
}

// The store's present value, not the one reported with the change: a handler run by an earlier
// change may have changed the flag again.
void Form1::ShowFlag(std::string_view name, Flag flag) {
    const QString key = QString::fromLatin1(name.data(), qsizetype(name.size()));
    const bool on = session_.Store().Get(name, flag);
    if (QAction* action = MenuItem(key)) {
        if (flag == Flag::Enabled) action->setEnabled(on);
        if (flag == Flag::Visible) action->setVisible(on);
        if (flag == Flag::Checked) action->setChecked(on);
        return;
    }
    QWidget* widget = Element(key);
    if (!widget) return;
    if (flag == Flag::Enabled) widget->setEnabled(on);
    if (flag == Flag::Visible) widget->setVisible(on);
    // An option button refuses to lose its selection until the store's next report selects
    // another one of its container; that one takes the selection over.
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && flag == Flag::Checked)
        button->setChecked(on);
}

// Connected before every handler of Form1, so that a handler of the same change reads the new
// state; the session runs its own handlers of the change (the trace and envelope boxes).
void Form1::ElementToggled(bool on) {
    if (sender()) session_.Toggle(Key(sender()->objectName()), on);
}

}  // namespace app
