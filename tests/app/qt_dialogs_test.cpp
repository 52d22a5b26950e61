// The real modal dialogs behind the entry: what the user sees and what comes back.

#include "app/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Acts on the modal dialog once it is open; the dialog's own event loop runs this.
void WhenOpen(QObject* context, std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, context, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void inputBox_data();
    void inputBox();
    void messageBox_data();
    void messageBox();
};

void QtDialogsTest::inputBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("answer");
    QTest::newRow("a number") << "050" << true << "050";
    QTest::newRow("the default, unchanged") << "" << true << "9.6";
    QTest::newRow("cancel") << "123" << false << "";
    QTest::newRow("emptied") << "<empty>" << true << "";
}

void QtDialogsTest::inputBox() {
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(QString, answer);
    QWidget owner;
    app::QtDialogs dialogs(&owner);
    QString prompt, title, shownDefault;
    WhenOpen(&owner, [&](QWidget* modal) {
        auto* box = qobject_cast<QInputDialog*>(modal);
        QVERIFY(box);
        prompt = box->labelText();
        title = box->windowTitle();
        shownDefault = box->textValue();
        if (typed == QLatin1String("<empty>"))
            box->setTextValue({});
        else if (!typed.isEmpty())
            box->setTextValue(typed);
        accept ? box->accept() : box->reject();
    });
    const std::string got = dialogs.InputBox("Enter Line Length\n\r(meters)", "Length", "9.6");
    QCOMPARE(QString::fromStdString(got), answer);
    QCOMPARE(prompt, QStringLiteral("Enter Line Length\n(meters)"));
    QCOMPARE(title, QStringLiteral("Length"));
    QCOMPARE(shownDefault, QStringLiteral("9.6"));
}

void QtDialogsTest::messageBox_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::newRow("32, question") << 32 << int(QMessageBox::Question);
    QTest::newRow("48, exclamation") << 48 << int(QMessageBox::Warning);
}

void QtDialogsTest::messageBox() {
    QFETCH(int, style);
    QFETCH(int, icon);
    QWidget owner;
    app::QtDialogs dialogs(&owner);
    QString text, title;
    int shownIcon = -1, buttons = 0;
    WhenOpen(&owner, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        shownIcon = box->icon();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.MessageBox("Please Enter a Valid Numerical Expression\r\nabc  was entered.", style,
                       "Invalid Entry");
    QCOMPARE(text, QStringLiteral("Please Enter a Valid Numerical Expression\nabc  was entered."));
    QCOMPARE(title, QStringLiteral("Invalid Entry"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(buttons, 1);
}

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
