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

std::string AskModally(QWidget* owner, const entry::Question& question) {
    if (question.kind == entry::Question::Kind::Message) {
        QMessageBox box(IconOf(question.style), QString::fromStdString(question.title),
                        Shown(question.prompt), QMessageBox::Ok, owner);
        box.exec();
        return {};
    }
    QInputDialog dialog(owner);
    dialog.setWindowTitle(QString::fromStdString(question.title));
    dialog.setLabelText(Shown(question.prompt));
    dialog.setTextValue(QString::fromStdString(question.defaultText));
    dialog.setInputMode(QInputDialog::TextInput);
    // Cancel answers with an empty text, exactly like confirming an emptied field.
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

}  // namespace app
