// The help window and the about box beside the real main window: a run goes on while they are
// open, and Exit takes them along.
#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/form1.h"
#include "help/help.h"
#include "help_test_support.h"

using helptest::RunPendingDeletes;
using helptest::TopLevels;

namespace {

// Help Text and About Corvane, as a user chooses them from the Help menu.
void OpenHelpAndAbout(app::Form1& form) {
    QAction* helpText = form.MenuItem(QStringLiteral("mnuHelpText"));
    QAction* about = form.MenuItem(QStringLiteral("mnuAboutCorvane"));
    QVERIFY(helpText != nullptr && about != nullptr);
    helpText->trigger();
    about->trigger();
    QCOMPARE(TopLevels(QStringLiteral("frmHelp")).size(), 1);
    QCOMPARE(TopLevels(QStringLiteral("frmAbout")).size(), 1);
}

}  // namespace

class HelpBesideForm1Test : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        help::CloseAll();
        RunPendingDeletes();
    }

    void runKeepsTickingWhileHelpAndAboutAreOpen() {
        app::Form1 form;
        QTest::mouseClick(form.cmdSimulate, Qt::LeftButton);
        QVERIFY(form.Timer1->isActive());
        OpenHelpAndAbout(form);

        const auto before = form.Model().ElapsedTicks;
        QTRY_VERIFY(form.Model().ElapsedTicks > before + 3);
        QVERIFY(form.Timer1->isActive());
        QVERIFY(TopLevels(QStringLiteral("frmHelp")).front()->isVisible());
        QVERIFY(TopLevels(QStringLiteral("frmAbout")).front()->isVisible());
        form.Timer1->stop();
    }

    void exitClosesHelpAndAboutToo() {
        app::Form1 form;
        QTest::mouseClick(form.cmdSimulate, Qt::LeftButton);
        OpenHelpAndAbout(form);

        QTest::mouseClick(form.cmdCancel, Qt::LeftButton);
        RunPendingDeletes();
        QVERIFY(!form.Timer1->isActive());
        QVERIFY(TopLevels(QStringLiteral("frmHelp")).isEmpty());
        QVERIFY(TopLevels(QStringLiteral("frmAbout")).isEmpty());
    }
};

QTEST_MAIN(HelpBesideForm1Test)
#include "help_beside_form1_test.moc"
