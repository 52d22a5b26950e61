#include "app/identity.h"

#include <QApplication>
#include <QIcon>

namespace app {

void SetApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    // The hicolor PNGs built into the program, so that a build run from its folder shows the
    // same icon as the installed one. Set on the application, it is the icon of every window.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png")
                         .arg(size)
                         .arg(QString::fromLatin1(kApplicationId)),
                     QSize(size, size));
    QApplication::setWindowIcon(icon);
}

}  // namespace app
