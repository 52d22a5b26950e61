#include "help/help_window.h"

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
#include "help/topics.h"

namespace help {
namespace {

const QString kTypeface = QStringLiteral("Times New Roman");
constexpr qreal kTitlePoints = 18;
constexpr qreal kTextPoints = 12;

// Designed places in twips (left, top, width, height). The tree, the text pane and Quit Help
// follow the window's size (HelpWindow::PlaceGrowingElements).
struct TwipRect {
    int left, top, width, height;
    QRect Pixels(double dpi) const { return display::TwipsToPixels(left, top, width, height, dpi); }
};
constexpr TwipRect kTreePlace{240, 1080, 2775, 3855};
constexpr TwipRect kTextPlace{3120, 1080, 5055, 3855};
constexpr TwipRect kQuitPlace{6120, 5040, 975, 375};

void SetPointSize(QTextCursor range, qreal points) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    range.mergeCharFormat(format);
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      lblSelectTopic(new QLabel(QStringLiteral("Help File:"), this)),
      tvwHelpTree(new QTreeWidget(this)),
      rtfHelpDisplay(new QTextEdit(this)),
      cmdQuit(new QPushButton(QStringLiteral("Quit Help"), this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Corvane Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Resizable from its designed size up; the tree and the text pane grow with it.
    const QSize designed(display::TwipsToPixels(8655, logicalDpiX()),
                         display::TwipsToPixels(5520, logicalDpiX()));
    setMinimumSize(designed);
    resize(designed);

    lblSelectTopic->setObjectName(QStringLiteral("lblSelectTopic"));
    lblSelectTopic->setFont(QFont(kTypeface, 12, QFont::Bold));
    lblSelectTopic->setGeometry(display::TwipsToPixels(360, 360, 1815, 375, logicalDpiX()));

    tvwHelpTree->setObjectName(QStringLiteral("tvwHelpTree"));
    tvwHelpTree->setFont(QFont(kTypeface, 12));
    tvwHelpTree->setHeaderHidden(true);
    // Long titles scroll sideways rather than being cut short with an ellipsis.
    tvwHelpTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tvwHelpTree->header()->setStretchLastSection(false);

    rtfHelpDisplay->setObjectName(QStringLiteral("rtfHelpDisplay"));
    rtfHelpDisplay->setFont(QFont(kTypeface, 12));
    rtfHelpDisplay->setReadOnly(true);

    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    PlaceGrowingElements();

    BuildTree();

    connect(tvwHelpTree, &QTreeWidget::itemClicked, this, &HelpWindow::ShowTopicOf);
    // Enter on a node reads it too, so the tree can be used from the keyboard.
    connect(tvwHelpTree, &QTreeWidget::itemActivated, this, &HelpWindow::ShowTopicOf);
    connect(cmdQuit, &QPushButton::clicked, this, &QWidget::hide);
    // Escape closes the window as Quit Help does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::hide);
}

void HelpWindow::BuildTree() {
    const auto topics = HelpTopics();
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

void HelpWindow::ShowTopicOf(QTreeWidgetItem* node) {
    if (node == nullptr) return;
    const auto topics = HelpTopics();
    const HelpTopic* shown = nullptr;
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (topicNodes_[i]->text(0) == node->text(0)) shown = &topics[i];
    }
    if (shown == nullptr) return;

    rtfHelpDisplay->setPlainText(TopicDisplayText(*shown));
    QTextDocument* document = rtfHelpDisplay->document();
    QTextCursor everything(document);
    everything.select(QTextCursor::Document);
    SetPointSize(everything, kTextPoints);
    const QTextCursor title = document->find(QString::fromUtf8(shown->title));
    if (!title.isNull()) SetPointSize(title, kTitlePoints);
    rtfHelpDisplay->setTextCursor(QTextCursor(document));
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceGrowingElements();
}

// The extra room goes to the tree and the text pane in proportion to their designed widths, and
// all of the extra height; Quit Help keeps its distance from the bottom right corner. At the
// designed size every element is at its designed place.
void HelpWindow::PlaceGrowingElements() {
    const double dpi = logicalDpiX();
    const QSize extra = (size() - minimumSize()).expandedTo({0, 0});
    const QRect tree = kTreePlace.Pixels(dpi), text = kTextPlace.Pixels(dpi);
    const int treeExtra = extra.width() * tree.width() / (tree.width() + text.width());
    tvwHelpTree->setGeometry(tree.adjusted(0, 0, treeExtra, extra.height()));
    rtfHelpDisplay->setGeometry(text.adjusted(treeExtra, 0, extra.width(), extra.height()));
    cmdQuit->setGeometry(kQuitPlace.Pixels(dpi).translated(extra.width(), extra.height()));
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    discarded_ = true;
    QWidget::closeEvent(event);
}

}  // namespace help
