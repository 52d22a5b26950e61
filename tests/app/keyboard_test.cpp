// The window with the keyboard alone: the order Tab visits the elements in, option groups
// entered at their selection, focus shown, Escape on the help window and the about box,
// and the names a screen reader announces and the tooltips.

#include <QAccessible>

#include "form_fixture.h"
#include "session/reading_order.h"
#include "session/tooltips.h"

using namespace apptest;

namespace {

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString("(none)");
}

// From the first element, Tab all the way round. Each stop must show that it has the focus, and
// show it no more when Tab moves on (a keyboard user on a projected screen must see where the
// next key goes); one that does not is marked "(unmarked)".
QStringList TabRound(app::Form1& f, const char* first = "optResistor") {
    // Arrived at by the keyboard, as a window shows the focus only then.
    f.Element(first)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QStringList visited;
    for (int i = 0; i < 40 && (visited.isEmpty() || FocusName() != first); ++i) {
        QWidget* stop = QApplication::focusWidget();
        const QImage focused = stop->grab().toImage();
        QTest::keyClick(stop, Qt::Key_Tab);
        visited << stop->objectName() + (stop->grab().toImage() == focused ? "(unmarked)" : "");
    }
    return visited;
}

QStringList SessionStops(const app::Form1& f) {
    QStringList stops;
    for (const std::string& stop : session::TabStops(f.Session().Store()))
        stops << QString::fromStdString(stop);
    return stops;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    // The Tab round is the session's tab stops (tests/session), each showing the focus; the
    // window opens with the focus on the first.
    void tabOrder() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(FocusName(), "optResistor");  // where reading starts
        QCOMPARE(TabRound(*w), SessionStops(*w));
        Activate(*w, "mnuAdvanced|optParameter(2)|mnuCascadedLine|optSeriesRL");
        QCOMPARE(TabRound(*w, "cmdLu"), SessionStops(*w));
        Activate(*w, "run");
        QCOMPARE(TabRound(*w, "cmdLu"), SessionStops(*w));
    }

    // The arrow keys move the selection within a group and its handler runs; Tab then leaves
    // the group from the new selection.
    void arrowsWithinAGroup() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        Activate(*w, "mnuAdvanced");
        w->Element("optParameter(1)")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(FocusName(), "optParameter(2)");
        QCOMPARE(w->HeldIndex(), 2);
        QVERIFY(!w->FlagOf("cmdLength", app::Flag::Enabled));
        QVERIFY(w->FlagOf("cmdCycles_Len", app::Flag::Enabled));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(FocusName(), "cmdCycles_Len");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), "optParameter(2)");
        w->Element("optResistor")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QString::fromStdString(w->Model().LoadType), "Inductor");
        QVERIFY(w->FlagOf("mnuLLoad", app::Flag::Visible));
    }

    // Escape closes the help window and the about box; their own buttons are reachable by Tab.
    void escapeCloses() {
        Window w;
        for (const char* item : {"mnuHelpText", "mnuAboutCorvane"}) {
            w->MenuItem(item)->trigger();
            QWidget* shown = QApplication::activeWindow();
            QTRY_VERIFY((shown = QApplication::activeWindow()) && shown != w.form.get());
            QVERIFY(shown->isVisible());
            QList<QWidget*> focusable;
            for (QWidget* child : shown->findChildren<QWidget*>())
                if (child->focusPolicy() & Qt::TabFocus) focusable << child;
            QVERIFY(!focusable.isEmpty());
            QTest::keyClick(shown, Qt::Key_Escape);
            QVERIFY(!shown->isVisible());
        }
    }

    // What a screen reader announces for every element that can be worked: its caption, and
    // for the three option buttons without one, what they hold.
    void accessibleNames() {
        Window w;
        for (const auto& row : session::ElementTable()) {
            QWidget* widget = w->Element(row.name);
            if (!widget || !(widget->focusPolicy() & Qt::TabFocus)) continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface, row.name);
            const QString name = iface->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), row.name);
            if (*row.caption) QCOMPARE(name, QString::fromUtf8(row.caption).remove('&'));
        }
        const char* held[] = {"Hold Frequency", "Hold Cycles/Length", "Hold Line Length"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QAccessible::queryAccessibleInterface(w->Element(app::HeldOption(i)))
                         ->text(QAccessible::Name),
                     held[i]);
        }
        // Menu items and titles read their captions, blanks included; a pointer resting on an
        // element shows its tooltip.
        for (const auto& row : session::MenuTable())
            if (*row.caption != '-')
                QCOMPARE(w->MenuItem(row.name)->text(), QString::fromUtf8(row.caption));
        for (const auto& tip : session::ToolTipTable())
            QCOMPARE(w->Element(tip.element)->toolTip(), QString::fromLatin1(tip.text));
        // The value labels and the status line read as they show.
        for (const char* label : {"lblR1", "lblDisplay"}) {
            QWidget* widget = w->Element(label);
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                     widget->property("text").toString());
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
