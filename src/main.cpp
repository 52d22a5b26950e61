// Corvane: the program is its main window.

#include <QApplication>

#include "app/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    app::Form1 form1;
    return application.exec();
}
