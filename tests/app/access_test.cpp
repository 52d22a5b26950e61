// Every way of working an element does what a mouse click does: a screen reader's actions
// through Qt's accessibility interface (press, toggle, the slider's value) and the keyboard's
// Space, Return and Enter. Two windows are brought to the same point; one is clicked, the other
// driven the other way, and everything a user can see must agree.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>

#include "form_fixture.h"

using namespace apptest;

namespace {

// The screen reader's way, or a key pressed on the focused element.
const std::pair<const char*, Qt::Key> kWays[] = {{"accessible", Qt::Key_unknown},
                                                 {"space", Qt::Key_Space},
                                                 {"return", Qt::Key_Return},
                                                 {"enter", Qt::Key_Enter}};

// What the user did first, then the element worked.
const std::pair<const char*, const char*> kUses[] = {
    // A load option: type, buttons, menu and symbol all follow; the selected one stays selected.
    {"", "optCapacitor"},
    {"", "optResistor"},
    {"mnuAdvanced", "optParameter(2)"},  // the held parameter
    // Check boxes on a plot that shows a step.
    {"halt", "chkCurrent"},
    {"halt|chkEnvelope", "chkEnvelope"},
    {"", "chkMeter"},
    // Buttons: run control, zoom, an entry with its dialog.
    {"", "cmdSimulate"},
    {"halt", "cmdStep"},
    {"halt", "cmdZoomIn"},
    {"", "cmdR1"},
    // Menu items, including those with check marks.
    {"", "mnuAdvanced"},
    {"", "mnuSine"},
    {"mnuAdvanced|optParameter(0)", "mnu2Cycles"}};

// Everything a user can see of the window, as text: flags, captions, the plot's and the
// window's drawing, the run state and what the dialogs were asked.
QStringList Seen(Window& w) {
    QStringList seen = Flags(*w).values();
    seen.sort();
    for (QLabel* label : w->findChildren<QLabel*>())
        seen << label->objectName() + '=' + label->text();
    const auto hash = [](const QImage& i) { return qHashBits(i.constBits(), i.sizeInBytes()); };
    const sim::Model& m = w->Model();
    seen << QString::fromStdString("load=" + m.LoadType + " source=" + m.SourceType)
         << QString("timer=%1 step=%2 ticks=%3 zoom=%4 interval=%5 plot=%6 surface=%7")
                .arg(w->Timer1->isActive())
                .arg(m.StepMode)
                .arg(m.ElapsedTicks)
                .arg(w->Session().ZoomFactor)
                .arg(w->Timer1->interval())
                .arg(hash(w->Picture1->Surface()))
                .arg(hash(w->Surface()))
         << "dialogs=" + w.dialogs->titles.join('|');
    return seen;
}

QAccessibleInterface* AccessibleOf(app::Form1& f, const QString& name) {
    if (QAction* action = f.MenuItem(name)) {
        // A menu item is a child of its menu's interface.
        for (QMenu* menu : f.findChildren<QMenu*>()) {
            QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; parent && i < parent->childCount(); ++i)
                if (parent->child(i)->object() == action) return parent->child(i);
        }
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(f.Element(name));
}

// The screen reader's way: toggle what can be toggled, press the rest. A pressed button
// answers after a short animation, so wait for its click.
void WorkAccessibly(app::Form1& f, const QString& name) {
    QAccessibleInterface* iface = AccessibleOf(f, name);
    QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
    QVERIFY2(actions, qPrintable(name));
    const QStringList offered = actions->actionNames();
    auto* button = qobject_cast<QAbstractButton*>(f.Element(name));
    if (button && button->isCheckable()) {
        QVERIFY2(offered.contains(QAccessibleActionInterface::toggleAction()), qPrintable(name));
        actions->doAction(QAccessibleActionInterface::toggleAction());
    } else {
        QVERIFY2(offered.contains(QAccessibleActionInterface::pressAction()), qPrintable(name));
        std::unique_ptr<QSignalSpy> clicked;
        if (button) clicked = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        if (clicked) QVERIFY(clicked->count() == 1 || clicked->wait(2000));
    }
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
  private slots:
    void sameAsAClick_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        for (size_t i = 0; i < std::size(kUses); ++i)
            for (const auto& [way, key] : kWays)  // a menu item has no keys of its own
                if (key == Qt::Key_unknown || !QString(kUses[i].second).startsWith("mnu"))
                    QTest::addRow("%s %s", kUses[i].second, way) << int(i) << int(key);
    }
    void sameAsAClick() {
        QFETCH(int, row);
        QFETCH(int, key);
        const auto [before, element] = kUses[row];
        Window clicked;
        clicked.dialogs->answers = {"75"};
        Activate(*clicked, before);
        const QStringList start = Seen(clicked);
        const bool selected = clicked->FlagOf(element, app::Flag::Checked);
        Activate(*clicked, element);
        const QStringList expected = Seen(clicked);
        QVERIFY2(expected != start || selected, "the click itself changes something");

        Window other;
        other.dialogs->answers = {"75"};
        Activate(*other, before);
        if (key == Qt::Key_unknown)
            WorkAccessibly(*other, element);
        else
            QTest::keyClick(other->Element(element), Qt::Key(key));
        QCOMPARE(Seen(other), expected);
    }

    // The slider's value set by a screen reader paces the timer.
    void sliderValue() {
        for (int value : {1, 4, 10}) {
            Window w;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w->sldSpeedControl);
            QVERIFY(iface && iface->valueInterface());
            QCOMPARE(iface->valueInterface()->currentValue().toInt(), 5);
            iface->valueInterface()->setCurrentValue(value);
            QCOMPARE(w->Timer1->interval(), session::Session::IntervalFor(value));
        }
    }
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
