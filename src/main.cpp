// Corvane: the program is its main window.

#include <QApplication>

#include "app/form1.h"
#include "app/identity.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::SetApplicationIdentity();
    app::Form1 form1;
    return application.exec();
}
