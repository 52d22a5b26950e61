#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace session {
class Session;
}

namespace app {

// The help window: a tree of topics and a text pane that explains the clicked topic. It is
// non-modal; Quit Help only hides it, so the expanded nodes and the text shown survive until the
// window is closed through its frame, which discards it. Its clicks, Quit Help and the closing go
// to the session, which tells the window what to show.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    // `session` must outlive the window's use.
    explicit HelpWindow(session::Session& session);

    // True once the window has been closed through its frame (it is then on its way out and must
    // not be shown again).
    bool IsDiscarded() const { return discarded_; }

    // The topic of that title in the text pane, its title larger.
    void ShowTopic(const QString& title);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void NodeClicked(QTreeWidgetItem* node);
    void BuildTree();
    void PlaceGrowingElements();

    QLabel* lblSelectTopic;
    QTreeWidget* tvwHelpTree;
    QTextEdit* rtfHelpDisplay;
    QPushButton* cmdQuit;
    std::array<QTreeWidgetItem*, 52> topicNodes_{};  // the node of topic n at n - 1
    session::Session& session_;
    bool discarded_ = false;
};

}  // namespace app
