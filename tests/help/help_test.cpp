// The help topics, their texts and the help window's places, without a window.

#include <QtTest>

#include "display/twips.h"
#include "help/help_places.h"
#include "help/topics.h"

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    // Five top-level topics, each with its children in the order the tree shows them.
    void topicTree() {
        const auto topics = help::HelpTopics();
        QStringList shape;  // each top-level topic: its children's count, first and last
        for (std::size_t i = 0; i < topics.size(); ++i) {
            if (topics[i].parent != 0) continue;
            QStringList children;
            for (const help::HelpTopic& child : topics)
                if (child.parent == int(i) + 1) children << child.title;
            shape << QString("%1 (%2): %3 .. %4")
                         .arg(topics[i].title)
                         .arg(children.size())
                         .arg(children.value(0), children.value(children.size() - 1));
        }
        QCOMPARE(shape, (QStringList{
                            "Menus (15): Control Menu .. Help Menu",
                            "TL/Source Parameters (6): Source Types .. Zo2",
                            "Load Parameters (5): Load Option Buttons .. jX2",
                            "Advanced Parameters (8): Fix: Option Buttons .. Pulse Separation (PS)",
                            "Display (13): Simulate .. Meter Display Window",
                        }));
        QCOMPARE(topics.size(), std::size_t(52));
    }

    // What the text pane shows for a title, line breaks as CR LF; a title of no topic has none.
    void topicTexts() {
        const struct {
            const char* title;
            const char* shown;  // nullptr: no topic
        } rows[] = {
            {"Menus", "Menus\r\n\r\n"},
            {"V",
             "V\r\n\r\nThis button allows the user to specify the peak voltage amplitude of the "
             "source excitations. \r\n\r\nMax: 20 Volts\r\nMin: -20 Volts"},
            {"F-Frequency",
             "F-Frequency\r\n\r\nFrequency of Sinusoidal Excitations. \r\n\r\nMax: "
             "VariableMax=Vp*(maxCycles/Length)/Length\r\nMin:  10^-8 MHz (0.01Hz) "},
            {"menus", nullptr},
            {"", nullptr},
        };
        for (const auto& r : rows) {
            const help::HelpTopic* topic = help::TopicTitled(r.title);
            QCOMPARE(topic != nullptr, r.shown != nullptr);
            if (topic) QCOMPARE(help::TopicDisplayText(*topic), std::string(r.shown));
        }
    }

    // At the designed size every element is at its designed place. Enlarged by 300 × 200
    // pixels, the tree gets 300 × 185 / (185 + 337) of the width, the pane the rest, both all of
    // the height, and Quit Help keeps its distance from the bottom right corner.
    void growingPlaces() {
        const auto px = [](help::TwipRect r) {
            return display::TwipsToPixels(r.left, r.top, r.width, r.height);
        };
        const help::GrowingPlaces designed = help::PlacesAtExtra({0, 0}, 96);
        QVERIFY(designed.tree == px(help::kTreePlace));
        QVERIFY(designed.text == px(help::kTextPlace));
        QVERIFY(designed.quit == px(help::kQuitPlace));
        QCOMPARE(designed.tree.width, 185);
        QCOMPARE(designed.text.width, 337);

        const help::GrowingPlaces grown = help::PlacesAtExtra({300, 200}, 96);
        const auto moved = [](display::Rect r, int left, int top, int width, int height) {
            return display::Rect{r.left + left, r.top + top, r.width + width, r.height + height};
        };
        QVERIFY(grown.tree == moved(designed.tree, 0, 0, 106, 200));
        QVERIFY(grown.text == moved(designed.text, 106, 0, 194, 200));
        QVERIFY(grown.quit == moved(designed.quit, 300, 200, 0, 0));
    }
};

QTEST_GUILESS_MAIN(HelpTest)
#include "help_test.moc"
