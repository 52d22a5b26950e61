#include "app/about_box.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QtGlobal>

#include "display/twips.h"
#include "paint/qt_geometry.h"
#include "session/dialog_texts.h"
#include "session/session.h"

namespace app {
namespace {

QLabel* MakeLabel(QWidget* box, int line) {
    const session::AboutLine& row = session::kAboutLines[line];
    QString text = QString::fromUtf8(row.text);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(QStringLiteral(CORVANE_VERSION),
                        QStringLiteral("the Qt %1 toolkit").arg(QString::fromLatin1(qVersion())));
    auto* label = new QLabel(text, box);
    label->setObjectName(QString::fromLatin1(row.name));
    QFont font(QString::fromLatin1(session::kDialogTypeface));
    font.setPointSizeF(row.points);
    font.setWeight(row.bold ? QFont::Bold : QFont::Normal);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* mainWindow, session::Session& session)
    : QWidget(nullptr, Qt::Window),
      mainWindow_(mainWindow),
      Picture1(new QWidget(this)),
      lblTitle(MakeLabel(this, 0)),
      Label1(MakeLabel(this, 1)),
      Label2(MakeLabel(this, 2)),
      Label3(MakeLabel(this, 3)),
      cmdOK(new QPushButton(QString::fromLatin1(session::kAboutOk), this)),
      session_(session) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(session::kAboutCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(display::TwipsToPixels(session::kAboutWidthTwips, logicalDpiX()),
                 display::TwipsToPixels(session::kAboutHeightTwips, logicalDpiX()));

    const auto place = [this](const help::TwipRect& twips) {
        return paint::ToQRect(twips.Pixels(logicalDpiX()));
    };
    // A plain coloured band, no picture on it.
    Picture1->setObjectName(QStringLiteral("Picture1"));
    QPalette band = Picture1->palette();
    band.setColor(QPalette::Window, QColor::fromRgb(session::kAboutBandColour));
    Picture1->setPalette(band);
    Picture1->setAutoFillBackground(true);
    Picture1->setGeometry(place(session::kAboutBandPlace));

    QLabel* const lines[] = {lblTitle, Label1, Label2, Label3};
    for (std::size_t i = 0; i < session::kAboutLines.size(); ++i)
        lines[i]->setGeometry(place(session::kAboutLines[i].place));
    Label3->setWordWrap(true);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(place(session::kAboutOkPlace));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { session_.cmdOK_Click(); });
    // Escape leaves the box as OK does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { session_.cmdOK_Click(); });
}

void AboutBox::ReturnToMainWindow() {
    hide();
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

void AboutBox::closeEvent(QCloseEvent* event) {
    discarded_ = true;
    session_.AboutClosed();
    QWidget::closeEvent(event);
}

}  // namespace app
