#include "app/identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace app {

void SetApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    // The hicolor PNGs built into the program (one folder per size, as the build lists them), so
    // that a build run from its folder shows the same icon as the installed one. Set on the
    // application, it is the icon of every window.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext())
        icon.addFile(sizes.next() + QStringLiteral("/apps/") + QString::fromLatin1(kApplicationId) +
                     QStringLiteral(".png"));
    QApplication::setWindowIcon(icon);
}

}  // namespace app
