#include "app/about_box.h"

#include "session/session.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QtGlobal>

#include "display/twips.h"
#include "paint/qt_geometry.h"
#include "session/dialog_texts.h"

namespace app {
namespace {

QLabel* MakeLabel(QWidget* box, int line) {
    const session::AboutLine& row = session::kAboutLines[line];
    QString text = QString::fromUtf8(row.text);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(QStringLiteral(CORVANE_VERSION), QString::fromLatin1(qVersion()));
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
    setFixedSize(display::TwipsToPixels(6555, logicalDpiX()),
                 display::TwipsToPixels(4605, logicalDpiX()));

    const auto place = [this](int left, int top, int width, int height) {
        return paint::ToQRect(display::TwipsToPixels(left, top, width, height, logicalDpiX()));
    };
    // A plain coloured band, no picture on it.
    Picture1->setObjectName(QStringLiteral("Picture1"));
    QPalette band = Picture1->palette();
    band.setColor(QPalette::Window, QColor(128, 0, 0));
    Picture1->setPalette(band);
    Picture1->setAutoFillBackground(true);
    Picture1->setGeometry(place(360, 360, 1215, 3975));

    lblTitle->setGeometry(place(1800, 360, 2895, 375));
    Label1->setGeometry(place(1800, 840, 3495, 375));
    Label2->setGeometry(place(1800, 1320, 4335, 615));
    Label3->setGeometry(place(1800, 2160, 4215, 1575));
    Label3->setWordWrap(true);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(place(5280, 3960, 855, 375));
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
