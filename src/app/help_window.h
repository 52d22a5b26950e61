#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace app {

// The help window: a tree of topics and a text pane that explains the clicked topic. It is
// non-modal; Quit Help only hides it, so the expanded nodes and the text shown survive until the
// window is closed through its frame, which discards it.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // True once the window has been closed through its frame (it is then on its way out and must
    // not be shown again).
    bool IsDiscarded() const { return discarded_; }

    // Shows the topic whose node text equals that of node; a node of no topic shows nothing.
    void ShowTopicOf(QTreeWidgetItem* node);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildTree();
    void PlaceGrowingElements();

    QLabel* lblSelectTopic;
    QTreeWidget* tvwHelpTree;
    QTextEdit* rtfHelpDisplay;
    QPushButton* cmdQuit;
    std::array<QTreeWidgetItem*, 52> topicNodes_{};  // the node of topic n at n - 1
    bool discarded_ = false;
};

}  // namespace app
