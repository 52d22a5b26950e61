#include "app/about_box.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QtGlobal>

#include "display/twips.h"
#include "paint/qt_geometry.h"

namespace app {
namespace {

const QString kTypeface = QStringLiteral("Times New Roman");

QLabel* MakeLabel(QWidget* box, const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, box);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFont Typeface(qreal points, QFont::Weight weight = QFont::Normal) {
    QFont font(kTypeface);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

}  // namespace

AboutBox::AboutBox(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window),
      mainWindow_(mainWindow),
      Picture1(new QWidget(this)),
      lblTitle(
          MakeLabel(this, "lblTitle", QStringLiteral("Corvane 1.0"), Typeface(18, QFont::Bold))),
      Label1(MakeLabel(this, "Label1", QStringLiteral("Transmission Line Simulator"),
                       Typeface(14.25))),
      Label2(MakeLabel(this, "Label2",
                       QStringLiteral("Corvane, version %1\nBuilt with the Qt %2 toolkit")
                           .arg(QStringLiteral(CORVANE_VERSION), QString::fromLatin1(qVersion())),
                       Typeface(9.75))),
      Label3(MakeLabel(this, "Label3",
                       QStringLiteral("Transient waves on a transmission line,\n"
                                      "step by step, for the classroom.\n\n"
                                      "Corvane is free software under the MIT licence."),
                       Typeface(9.75))),
      cmdOK(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Corvane"));
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
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::ReturnToMainWindow);
    // Escape leaves the box as OK does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &AboutBox::ReturnToMainWindow);
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
    QWidget::closeEvent(event);
}

}  // namespace app
