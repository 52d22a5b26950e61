// The help window and the about box beside the real main window.

#include <QtTest>
#include <QtWidgets>

#include "app/form1.h"
#include "app/help_windows.h"
#include "app/identity.h"
#include "help/help_places.h"
#include "help/topics.h"
#include "paint/qt_geometry.h"

namespace {

// The open (shown) top-level windows of that name.
QList<QWidget*> Windows(const char* name) {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible()) found.append(window);
    return found;
}

// A fresh main window with its help window opened from the Help menu.
std::unique_ptr<app::Form1> OpenHelp() {
    auto form = std::make_unique<app::Form1>();
    form->MenuItem("mnuHelpText")->trigger();
    return form;
}

QTreeWidget* Tree() { return Windows("frmHelp").value(0)->findChild<QTreeWidget*>(); }
QTextEdit* Pane() { return Windows("frmHelp").value(0)->findChild<QTextEdit*>(); }

// Expands the node's parent as a user would, then clicks the node.
void Click(const QString& title) {
    QTreeWidgetItem* node = Tree()->findItems(title, Qt::MatchExactly | Qt::MatchRecursive)[0];
    if (node->parent() != nullptr) node->parent()->setExpanded(true);
    Tree()->scrollToItem(node);
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {},
                      Tree()->visualItemRect(node).center());
}

QStringList Expanded() {
    QStringList titles;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
        if ((*it)->isExpanded()) titles.append((*it)->text(0));
    return titles;
}

// The pane's text at 18 points, from the top; "" if any other text is not at 12 points.
QString LargeText() {
    QString large;
    for (QTextBlock block = Pane()->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const qreal points = it.fragment().charFormat().fontPointSize();
            if (points == 18 && it.fragment().position() == large.size())
                large += it.fragment().text();
            else if (points != 12)
                return {};
        }
    }
    return large;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { app::CloseAll(); }

    // Every topic of the table is a node under its parent's node, in the table's order; the
    // tree starts collapsed with nothing selected.
    void treeStartsCollapsedInOrder() {
        const auto form = OpenHelp();
        QStringList tree, table;  // "parent / title", in order
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            tree << ((*it)->parent() ? (*it)->parent()->text(0) : "") + " / " + (*it)->text(0);
        const auto topics = help::HelpTopics();
        for (const help::HelpTopic& top : topics) {
            if (top.parent != 0) continue;
            const int number = int(&top - topics.data()) + 1;
            table << QString(" / ") + top.title;
            for (const help::HelpTopic& child : topics)
                if (child.parent == number) table << QString(top.title) + " / " + child.title;
        }
        QCOMPARE(tree, table);
        QCOMPARE(tree.size(), 52);
        QVERIFY(Expanded().isEmpty());
        QVERIFY(Tree()->selectedItems().isEmpty());
    }

    void clickShowsTheTopic_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");  // as the pane reads it, one \n per line break
        for (const char* title : {"Menus", "V", "F-Frequency"}) {
            const std::string text = help::TopicDisplayText(*help::TopicTitled(title));
            QTest::newRow(title) << title << QString::fromStdString(text).replace("\r\n", "\n");
        }
    }
    // A topic clicked, then Quit Help: opened again, the same window shows the same topic with
    // the same nodes expanded.
    void clickShowsTheTopic() {
        QFETCH(QString, title);
        QFETCH(QString, shown);
        const auto form = OpenHelp();
        QWidget* window = Windows("frmHelp")[0];
        Click(title);
        QCOMPARE(Pane()->toPlainText(), shown);
        QCOMPARE(LargeText(), title);
        const QStringList expanded = Expanded();
        QTest::mouseClick(window->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
        QVERIFY(Windows("frmHelp").isEmpty());
        form->MenuItem("mnuHelpText")->trigger();
        QCOMPARE(Windows("frmHelp"), QList<QWidget*>{window});
        QCOMPARE(Pane()->toPlainText(), shown);
        QCOMPARE(LargeText(), title);
        QCOMPARE(Expanded(), expanded);
    }

    // Enlarged, the tree, the text pane and Quit Help take their places for the extra room; the
    // window cannot be made smaller than designed. At that size a long title reads whole in its
    // tooltip.
    void helpWindowResizes() {
        const auto form = OpenHelp();
        QWidget* window = Windows("frmHelp").value(0);
        QCOMPARE(window->size(), QSize(577, 368));
        QWidget* quit = window->findChild<QPushButton*>("cmdQuit");
        for (const QSize extra : {QSize(0, 0), QSize(300, 200)}) {
            window->resize(QSize(577, 368) + extra);
            const help::GrowingPlaces places =
                help::PlacesAtExtra({extra.width(), extra.height()}, window->logicalDpiX());
            QCOMPARE(Tree()->geometry(), paint::ToQRect(places.tree));
            QCOMPARE(Pane()->geometry(), paint::ToQRect(places.text));
            QCOMPARE(quit->geometry(), paint::ToQRect(places.quit));
        }
        window->resize(300, 200);
        QCOMPARE(window->size(), QSize(577, 368));  // no smaller than designed
        QTreeWidgetItem* node =
            Tree()->findItems("Meter Display Window", Qt::MatchExactly | Qt::MatchRecursive)[0];
        QCOMPARE(node->toolTip(0), QString("Meter Display Window"));
    }

    // A run goes on beside the help window and the about box, each open once however often
    // chosen. Exit, by its button, the menu or the window's frame, closes them all, and a timer
    // event already queued runs no tick. The task bar finds the icon through the desktop entry
    // named by the desktop file name, and groups the windows by their class, which on X11 is
    // the application's name.
    void runBesideHelpAndAboutUntilExit() {
        app::SetApplicationIdentity();
        for (const QString exit : {"button", "menu", "frame"}) {
            app::Form1 form;
            QTest::mouseClick(form.cmdSimulate, Qt::LeftButton);
            for (int i = 0; i < 2; ++i) {
                form.MenuItem("mnuHelpText")->trigger();
                form.MenuItem("mnuAboutCorvane")->trigger();
            }
            const auto before = form.Model().ElapsedTicks;
            QTRY_VERIFY(form.Model().ElapsedTicks > before + 3);
            QCOMPARE(Windows("frmHelp").size(), 1);
            QCOMPARE(Windows("frmAbout").size(), 1);
            QCOMPARE(Tree()->topLevelItemCount(), 5);  // set up once

            const QString id = QString::fromLatin1(app::kApplicationId);
            QCOMPARE(QGuiApplication::desktopFileName(), id);
            const QList<QSize> sizes{{16, 16}, {32, 32},   {48, 48},
                                     {64, 64}, {128, 128}, {256, 256}};
            for (QWidget* window :
                 QWidgetList{&form, Windows("frmHelp")[0], Windows("frmAbout")[0]})
                QCOMPARE(window->windowIcon().availableSizes(), sizes);
            QFile entry(QStringLiteral(CORVANE_SOURCE_DIR "/data/%1.desktop").arg(id));
            QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
            const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
            QVERIFY(lines.contains("Icon=" + id));
            QVERIFY(lines.contains("StartupWMClass=" + QApplication::applicationName()));

            if (exit == "button") QTest::mouseClick(form.cmdCancel, Qt::LeftButton);
            if (exit == "menu") form.mnuExit->trigger();
            if (exit == "frame") form.close();
            QVERIFY(!form.Timer1->isActive() && !form.isVisible());
            QVERIFY(Windows("frmHelp").isEmpty() && Windows("frmAbout").isEmpty());
            const auto ticks = form.Model().ElapsedTicks;
            form.Timer1_Timer();
            QCOMPARE(form.Model().ElapsedTicks, ticks);
        }
    }
};

QTEST_MAIN(HelpTest)
#include "help_window_test.moc"
