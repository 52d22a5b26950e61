#include "app/help_window.h"

#include "session/session.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>

#include "display/twips.h"
#include "help/help_places.h"
#include "help/topics.h"
#include "paint/qt_geometry.h"
#include "session/dialog_texts.h"

namespace app {
namespace {

QFont HelpFont(QFont::Weight weight = QFont::Normal) {
    return QFont(QString::fromLatin1(session::kDialogTypeface), int(session::kHelpElementPoints),
                 weight);
}

void SetPointSize(QTextCursor range, qreal points) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    range.mergeCharFormat(format);
}

}  // namespace

HelpWindow::HelpWindow(session::Session& session)
    : QWidget(nullptr, Qt::Window),
      lblSelectTopic(new QLabel(QString::fromLatin1(session::kHelpSelectTopic), this)),
      tvwHelpTree(new QTreeWidget(this)),
      rtfHelpDisplay(new QTextEdit(this)),
      cmdQuit(new QPushButton(QString::fromLatin1(session::kHelpQuit), this)),
      session_(session) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromLatin1(session::kHelpCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    // Resizable from its designed size up; the tree and the text pane grow with it.
    const QSize designed(display::TwipsToPixels(help::kHelpWidthTwips, logicalDpiX()),
                         display::TwipsToPixels(help::kHelpHeightTwips, logicalDpiX()));
    setMinimumSize(designed);
    resize(designed);

    lblSelectTopic->setObjectName(QStringLiteral("lblSelectTopic"));
    lblSelectTopic->setFont(HelpFont(QFont::Bold));
    lblSelectTopic->setGeometry(paint::ToQRect(help::kSelectTopicPlace.Pixels(logicalDpiX())));

    tvwHelpTree->setObjectName(QStringLiteral("tvwHelpTree"));
    tvwHelpTree->setFont(HelpFont());
    tvwHelpTree->setHeaderHidden(true);
    // Long titles scroll sideways rather than being cut short with an ellipsis.
    tvwHelpTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tvwHelpTree->header()->setStretchLastSection(false);

    rtfHelpDisplay->setObjectName(QStringLiteral("rtfHelpDisplay"));
    rtfHelpDisplay->setFont(HelpFont());
    rtfHelpDisplay->setReadOnly(true);

    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    PlaceGrowingElements();

    BuildTree();

    connect(tvwHelpTree, &QTreeWidget::itemClicked, this, &HelpWindow::NodeClicked);
    // Enter on a node reads it too, so the tree can be used from the keyboard.
    connect(tvwHelpTree, &QTreeWidget::itemActivated, this, &HelpWindow::NodeClicked);
    connect(cmdQuit, &QPushButton::clicked, this, [this] { session_.cmdQuit_Click(); });
    // Escape closes the window as Quit Help does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { session_.cmdQuit_Click(); });
}

void HelpWindow::BuildTree() {
    const auto topics = help::HelpTopics();
    // Top-level topics come first in the table, so each parent exists before its children.
    for (std::size_t i = 0; i < topics.size(); ++i) {
        const QString title = QString::fromUtf8(topics[i].title);
        auto* node = topics[i].parent == 0 ? new QTreeWidgetItem(tvwHelpTree)
                                           : new QTreeWidgetItem(topicNodes_[topics[i].parent - 1]);
        node->setText(0, title);
        node->setData(0, Qt::UserRole, title);  // the node's key
        node->setToolTip(0, title);  // the whole title, where the tree is too narrow for it
        topicNodes_[i] = node;
    }
    tvwHelpTree->collapseAll();
    tvwHelpTree->clearSelection();
}

void HelpWindow::NodeClicked(QTreeWidgetItem* node) {
    if (node != nullptr) session_.tvwHelpTree_NodeClick(node->text(0).toStdString());
}

void HelpWindow::ShowTopic(const QString& title) {
    const help::HelpTopic* shown = help::TopicTitled(title.toStdString());
    if (shown == nullptr) return;

    rtfHelpDisplay->setPlainText(QString::fromStdString(help::TopicDisplayText(*shown)));
    QTextDocument* document = rtfHelpDisplay->document();
    QTextCursor everything(document);
    everything.select(QTextCursor::Document);
    SetPointSize(everything, session::kHelpTextPoints);
    const QTextCursor heading = document->find(QString::fromUtf8(shown->title));
    if (!heading.isNull()) SetPointSize(heading, session::kHelpTitlePoints);
    rtfHelpDisplay->setTextCursor(QTextCursor(document));
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceGrowingElements();
}

// The designed places, moved and grown by what the window has beyond its designed size.
void HelpWindow::PlaceGrowingElements() {
    const QSize extra = (size() - minimumSize()).expandedTo({0, 0});
    const help::GrowingPlaces places =
        help::PlacesAtExtra({extra.width(), extra.height()}, logicalDpiX());
    tvwHelpTree->setGeometry(paint::ToQRect(places.tree));
    rtfHelpDisplay->setGeometry(paint::ToQRect(places.text));
    cmdQuit->setGeometry(paint::ToQRect(places.quit));
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    discarded_ = true;
    session_.HelpClosed();
    QWidget::closeEvent(event);
}

}  // namespace app
