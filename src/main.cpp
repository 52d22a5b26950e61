// Corvane: the program is its main window.

#include <QApplication>
#include <QTimer>

#include "app/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    app::Form1 form1;
    // For screenshots on a machine without a screen: CORVANE_QUIT_AFTER_MS ends the program
    // after that many milliseconds, exactly as Exit does.
    if (const int ms = qEnvironmentVariableIntValue("CORVANE_QUIT_AFTER_MS"); ms > 0) {
        QTimer::singleShot(ms, &form1, &app::Form1::ExitProgram);
    }
    return application.exec();
}
