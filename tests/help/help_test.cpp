// The help window and the about box beside the real main window, and the irregular tooltips.

#include "help/help.h"

#include <QtTest>
#include <QtWidgets>

#include "app/form1.h"
#include "app/identity.h"

namespace {

// The open (shown) top-level windows of that name.
QList<QWidget*> Windows(const char* name) {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible()) found.append(window);
    return found;
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
    void cleanup() { help::CloseAll(); }

    void treeStartsCollapsedInOrder() {
        help::ShowHelp(nullptr);
        QStringList shape;  // each top-level node: its children's count, first and last
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* top = Tree()->topLevelItem(i);
            shape << QString("%1 (%2): %3 .. %4")
                         .arg(top->text(0))
                         .arg(top->childCount())
                         .arg(top->child(0)->text(0), top->child(top->childCount() - 1)->text(0));
        }
        QCOMPARE(shape, (QStringList{
                            "Menus (15): Control Menu .. Help Menu",
                            "TL/Source Parameters (6): Source Types .. Zo2",
                            "Load Parameters (5): Load Option Buttons .. jX2",
                            "Advanced Parameters (8): Fix: Option Buttons .. Pulse Separation (PS)",
                            "Display (13): Simulate .. Meter Display Window",
                        }));
        QCOMPARE(Tree()->findItems("", Qt::MatchContains | Qt::MatchRecursive).size(), 52);
        QVERIFY(Expanded().isEmpty());
        QVERIFY(Tree()->selectedItems().isEmpty());
    }

    void clickShowsTheTopic_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");  // as the pane reads it, one \n per line break
        QTest::newRow("top-level: title and two breaks") << "Menus" << QString("Menus\n\n");
        QTest::newRow("range on two lines")
            << "V"
            << "V\n\nThis button allows the user to specify the peak voltage amplitude of the "
               "source excitations. \n\nMax: 20 Volts\nMin: -20 Volts";
        QTest::newRow("max text taken literally")
            << "F-Frequency"
            << "F-Frequency\n\nFrequency of Sinusoidal Excitations. \n\nMax: "
               "VariableMax=Vp*(maxCycles/Length)/Length\nMin:  10^-8 MHz (0.01Hz) ";
    }
    // A topic clicked, then Quit Help: opened again, the same window shows the same topic with
    // the same nodes expanded.
    void clickShowsTheTopic() {
        QFETCH(QString, title);
        QFETCH(QString, shown);
        help::ShowHelp(nullptr);
        QWidget* window = Windows("frmHelp")[0];
        Click(title);
        QCOMPARE(Pane()->toPlainText(), shown);
        QCOMPARE(LargeText(), title);
        const QStringList expanded = Expanded();
        QTest::mouseClick(window->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
        QVERIFY(Windows("frmHelp").isEmpty());
        help::ShowHelp(nullptr);
        QCOMPARE(Windows("frmHelp"), QList<QWidget*>{window});
        QCOMPARE(Pane()->toPlainText(), shown);
        QCOMPARE(LargeText(), title);
        QCOMPARE(Expanded(), expanded);
    }

    // Enlarged, the tree and the text pane take the room and Quit Help keeps to the corner; it
    // cannot be made smaller than designed. At that size a long title reads whole in its tooltip.
    void helpWindowResizes() {
        help::ShowHelp(nullptr);
        QWidget* window = Windows("frmHelp").value(0);
        QCOMPARE(window->size(), QSize(577, 368));
        const QRect tree = Tree()->geometry(), pane = Pane()->geometry();
        QWidget* quit = window->findChild<QPushButton*>("cmdQuit");
        const QPoint fromCorner = window->rect().bottomRight() - quit->geometry().topLeft();
        window->resize(577 + 300, 368 + 200);
        QCOMPARE(Tree()->geometry(), tree.adjusted(0, 0, 106, 200));  // 300 × 185 / (185 + 337)
        QCOMPARE(Pane()->geometry(), pane.adjusted(106, 0, 300, 200));
        QCOMPARE(window->rect().bottomRight() - quit->geometry().topLeft(), fromCorner);
        window->resize(300, 200);
        QCOMPARE(window->size(), QSize(577, 368));  // no smaller than designed
        QTreeWidgetItem* node =
            Tree()->findItems("Meter Display Window", Qt::MatchExactly | Qt::MatchRecursive)[0];
        QCOMPARE(node->toolTip(0), QString("Meter Display Window"));
    }

    // The irregular tooltips, blanks included, also on hidden and greyed elements.
    void tooltips() {
        const std::pair<const char*, const char*> tips[] = {
            {"optParallelRC", " Parallel RC Load"},
            {"cmdR2", "Specify Load Resistance "},
            {"cmdStop", "Stop & Change SetUp"},
            {"cmdCycles_Len", "For Sinusoidal Sources: # of Cycles seen between Source and Load"},
            {"cmdZo1", "Line 1 Characteristic Impedance"},  // hidden at start-up
            {"cmdStep", "Advance 1 Time Step"},             // greyed at start-up
        };
        app::Form1 form;
        for (const auto& [element, text] : tips) {
            const auto found = form.findChildren<QWidget*>(element);
            QCOMPARE(found.size(), 1);
            QCOMPARE(found[0]->toolTip(), QString(text));
        }
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
#include "help_test.moc"
