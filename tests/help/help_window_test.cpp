#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include "help/help.h"
#include "help/topics.h"
#include "help_test_support.h"

using helptest::RunPendingDeletes;
using helptest::TopLevels;

namespace {

QWidget* HelpWindow() {
    const auto windows = TopLevels(QStringLiteral("frmHelp"));
    return windows.size() == 1 ? windows.front() : nullptr;
}

QTreeWidget* Tree(QWidget* window) {
    return window->findChild<QTreeWidget*>(QStringLiteral("tvwHelpTree"));
}

QTextEdit* Pane(QWidget* window) {
    return window->findChild<QTextEdit*>(QStringLiteral("rtfHelpDisplay"));
}

QTreeWidgetItem* Node(QTreeWidget* tree, const QString& title) {
    const auto found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.front() : nullptr;
}

// Opens the node's parent as a user would, then clicks the node itself.
void ClickNode(QTreeWidget* tree, const QString& title) {
    QTreeWidgetItem* node = Node(tree, title);
    QVERIFY2(node != nullptr, qPrintable(title));
    if (node->parent() != nullptr) node->parent()->setExpanded(true);
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

int CountNodes(QTreeWidget* tree) {
    int count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) ++count;
    return count;
}

QStringList ExpandedTitles(QTreeWidget* tree) {
    QStringList titles;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->isExpanded()) titles.append((*it)->text(0));
    }
    return titles;
}

// The pane's text split by point size: the characters shown at 18 points, and whether every
// other character is at 12.
struct Sizes {
    QString large;
    int largeStart = -1;
    bool restAtTwelve = true;
};

Sizes SizesIn(const QTextDocument& document) {
    Sizes sizes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const qreal points = fragment.charFormat().fontPointSize();
            if (points == 18) {
                if (sizes.largeStart < 0) sizes.largeStart = fragment.position();
                sizes.large += fragment.text();
            } else if (points != 12) {
                sizes.restAtTwelve = false;
            }
        }
    }
    return sizes;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        help::CloseAll();
        RunPendingDeletes();
    }

    void treeStartsCollapsedWithTopicsInOrder() {
        help::ShowHelp(nullptr);
        QWidget* window = HelpWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Corvane Help"));
        QVERIFY(window->isVisible());
        QTreeWidget* tree = Tree(window);

        const QList<std::pair<QString, QStringList>> expected = {
            {"Menus",
             {"Control Menu", "Zo Menu", "Source Menu", "Voltage Menu", "Attenuation Menu",
              "Cycles Menu", "R-Source Menu", "R-Load Menu", "C-Load Menu", "L-Load Menu",
              "RC-Load Menu", "RL-Load Menu", "Z-Load Menu", "Line Type Menu", "Help Menu"}},
            {"TL/Source Parameters", {"Source Types", "R1", "V", "Zo", "Zo1", "Zo2"}},
            {"Load Parameters", {"Load Option Buttons", "L", "R2", "C", "jX2"}},
            {"Advanced Parameters",
             {"Fix: Option Buttons", "F-Frequency", "Cycles/Length", "Length", "Vp, Phase Velocity",
              "Attenuation", "Pulse Width (PW)", "Pulse Separation (PS)"}},
            {"Display",
             {"Simulate", "Stop", "Exit", "Step", "Continue", "Zoom In", "Zoom Out",
              "Meter Check Box", "Voltage Check Box", "Current Check Box", "Envelope Check Box",
              "Speed Slider", "Meter Display Window"}},
        };
        QCOMPARE(tree->topLevelItemCount(), 5);
        QCOMPARE(CountNodes(tree), 52);
        for (int i = 0; i < 5; ++i) {
            QTreeWidgetItem* top = tree->topLevelItem(i);
            QCOMPARE(top->text(0), expected[i].first);
            QStringList children;
            for (int c = 0; c < top->childCount(); ++c) {
                QCOMPARE(top->child(c)->childCount(), 0);
                children.append(top->child(c)->text(0));
            }
            QCOMPARE(children, expected[i].second);
        }
        QVERIFY(ExpandedTitles(tree).isEmpty());
        QVERIFY(tree->selectedItems().isEmpty());
        QVERIFY(Pane(window)->document()->isEmpty());
    }

    void clickShowsTitleLargeAndText_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");  // as the pane reads, one \n per line break
        QTest::newRow("top-level node: title and two breaks only") << "Menus"
                                                                   << "Menus\n\n";
        QTest::newRow("range on two lines")
            << "V"
            << "V\n\nThis button allows the user to specify the peak voltage amplitude of the "
               "source excitations. \n\nMax: 20 Volts\nMin: -20 Volts";
        QTest::newRow("max text taken literally")
            << "F-Frequency"
            << "F-Frequency\n\nFrequency of Sinusoidal Excitations. \n\nMax: "
               "VariableMax=Vp*(maxCycles/Length)/Length\nMin:  10^-8 MHz (0.01Hz) ";
        QTest::newRow("paragraphs, no range")
            << "Control Menu"
            << "Control Menu\n\nNormal: This mode allows control of the basic transmission line "
               "parameters. This mode is recommended for beginning users of the simulator.\n\n"
               "Advanced: This mode allows for control over all simulation parameters.\n\n"
               "Exit: Quits and Exits Corvane";
        QTest::newRow("micro sign, one-letter title")
            << "L"
            << QString::fromUtf8(
                   "L\n\nSpecify Load Inductance in units of microHenrys (µ H) for purely "
                   "Inductive and and series RL loads.\n\nMax: 10^8 µH (100H)\nMin: 0 µH (Short "
                   "Circuit)");
    }
    void clickShowsTitleLargeAndText() {
        QFETCH(QString, title);
        QFETCH(QString, shown);
        help::ShowHelp(nullptr);
        QWidget* window = HelpWindow();
        QTextEdit* pane = Pane(window);
        ClickNode(Tree(window), title);

        QCOMPARE(pane->toPlainText(), shown);
        const Sizes sizes = SizesIn(*pane->document());
        QCOMPARE(sizes.large, title);
        QCOMPARE(sizes.largeStart, 0);
        QVERIFY(sizes.restAtTwelve);
        QCOMPARE(pane->textCursor().position(), 0);
        QVERIFY(!pane->textCursor().hasSelection());

        // The text itself breaks lines with CR LF pairs.
        QString crlf = shown;
        crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        for (const help::HelpTopic& topic : help::HelpTopics()) {
            if (QString::fromUtf8(topic.title) == title) {
                QCOMPARE(help::TopicDisplayText(topic), crlf);
            }
        }
    }

    void quitHelpThenHelpTextKeepsTopicAndExpandedNodes() {
        help::ShowHelp(nullptr);
        QWidget* window = HelpWindow();
        QTreeWidget* tree = Tree(window);
        Node(tree, QStringLiteral("Display"))->setExpanded(true);
        ClickNode(tree, QStringLiteral("F-Frequency"));
        const QString shown = Pane(window)->toPlainText();

        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdQuit")),
                          Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(HelpWindow(), window);

        help::ShowHelp(nullptr);
        QCOMPARE(HelpWindow(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(Pane(window)->toPlainText(), shown);
        QCOMPARE(ExpandedTitles(tree),
                 (QStringList{QStringLiteral("Advanced Parameters"), QStringLiteral("Display")}));
        QCOMPARE(SizesIn(*Pane(window)->document()).large, QStringLiteral("F-Frequency"));
    }

    void helpTextTwiceKeepsOneWindowSetUpOnce() {
        help::ShowHelp(nullptr);
        QWidget* first = HelpWindow();
        help::ShowHelp(nullptr);
        QCOMPARE(TopLevels(QStringLiteral("frmHelp")).size(), 1);
        QCOMPARE(HelpWindow(), first);
        QCOMPARE(CountNodes(Tree(first)), 52);
    }

    void closingThroughTheFrameDiscardsTheWindow() {
        help::ShowHelp(nullptr);
        QWidget* closed = HelpWindow();
        ClickNode(Tree(closed), QStringLiteral("Zo1"));
        closed->close();

        // Help Text before the closed window is gone still gives a fresh one.
        help::ShowHelp(nullptr);
        RunPendingDeletes();
        QWidget* fresh = HelpWindow();
        QVERIFY(fresh != nullptr);
        QVERIFY(fresh->isVisible());
        QVERIFY(ExpandedTitles(Tree(fresh)).isEmpty());
        QVERIFY(Pane(fresh)->document()->isEmpty());
        QCOMPARE(CountNodes(Tree(fresh)), 52);
    }

    void exitAndTheMainWindowTakeTheHelpWindowsAlong() {
        help::ShowHelp(nullptr);
        help::ShowAbout(nullptr);
        help::CloseAll();
        QVERIFY(TopLevels(QStringLiteral("frmHelp")).isEmpty());
        QVERIFY(TopLevels(QStringLiteral("frmAbout")).isEmpty());

        auto* mainWindow = new QWidget;
        help::ShowHelp(mainWindow);
        help::ShowAbout(mainWindow);
        delete mainWindow;
        RunPendingDeletes();
        QVERIFY(TopLevels(QStringLiteral("frmHelp")).isEmpty());
        QVERIFY(TopLevels(QStringLiteral("frmAbout")).isEmpty());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
