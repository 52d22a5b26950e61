#include "app/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QString>

namespace app {
namespace {

// The texts break lines with carriage return + line feed (a few prompts with line feed +
// carriage return); a Qt label breaks at the line feed and would show the carriage return.
QString Shown(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.remove(QLatin1Char('\r'));
    return s;
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    QInputDialog dialog(owner_);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(Shown(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    dialog.setInputMode(QInputDialog::TextInput);
    // Cancel answers with an empty text, exactly like confirming an emptied field.
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

void QtDialogs::MessageBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box(IconOf(style), QString::fromStdString(title), Shown(text), QMessageBox::Ok,
                    owner_);
    box.exec();
}

}  // namespace app
