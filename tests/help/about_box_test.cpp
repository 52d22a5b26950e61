#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "help/help.h"
#include "help_test_support.h"

using helptest::RunPendingDeletes;
using helptest::TopLevels;

namespace {

QWidget* AboutBox() {
    const auto boxes = TopLevels(QStringLiteral("frmAbout"));
    return boxes.size() == 1 ? boxes.front() : nullptr;
}

QLabel* Label(const char* name) {
    return AboutBox()->findChild<QLabel*>(QString::fromLatin1(name));
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        help::CloseAll();
        RunPendingDeletes();
    }

    void aboutTwiceShowsOneBox() {
        help::ShowAbout(nullptr);
        QWidget* first = AboutBox();
        QVERIFY(first != nullptr);
        help::ShowAbout(nullptr);
        QCOMPARE(TopLevels(QStringLiteral("frmAbout")).size(), 1);
        QCOMPARE(AboutBox(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("About Corvane"));
    }

    void labelsCarryTheirTypefaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");  // empty: credit lines, checked on their own
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("title") << "lblTitle"
                               << "Corvane 1.0" << 18.0 << true;
        QTest::newRow("subtitle") << "Label1"
                                  << "Transmission Line Simulator" << 14.25 << false;
        QTest::newRow("credits") << "Label2"
                                 << "" << 9.75 << false;
        QTest::newRow("more credits") << "Label3"
                                      << "" << 9.75 << false;
    }
    void labelsCarryTheirTypefaces() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        help::ShowAbout(nullptr);
        const QLabel* label = Label(qPrintable(name));
        QVERIFY(label != nullptr);
        if (!caption.isEmpty()) QCOMPARE(label->text(), caption);
        QCOMPARE(label->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        // The whole text fits the label's place: no line cut at the right, and the baseline of
        // the last line inside the label (a tall title may lose only its line gap below).
        const QRect place = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            place, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        QVERIFY2(needed.width() <= place.width(), qPrintable(name));
        QVERIFY2(needed.height() - label->fontMetrics().descent() <= place.height(),
                 qPrintable(name));
    }

    void creditLinesNameProgramVersionToolkitAndLicence() {
        help::ShowAbout(nullptr);
        const QStringList two = Label("Label2")->text().split(QLatin1Char('\n'));
        QCOMPARE(two.size(), 2);
        const QStringList three = Label("Label3")->text().split(QLatin1Char('\n'));
        QCOMPARE(three.size(), 4);  // a line, a second line, a blank line, the closing sentence
        QVERIFY(three[2].isEmpty());
        const QString credits = two.join(' ') + ' ' + three.join(' ');
        QVERIFY(credits.contains(QStringLiteral("Corvane")));
        QVERIFY(credits.contains(QStringLiteral(CORVANE_VERSION)));
        QVERIFY(credits.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
        QVERIFY(credits.contains(QStringLiteral("MIT licence")));
    }

    void bandIsDarkRed() {
        help::ShowAbout(nullptr);
        QWidget* band = AboutBox()->findChild<QWidget*>(QStringLiteral("Picture1"));
        QVERIFY(band != nullptr);
        const QImage shot = band->grab().toImage();
        QVERIFY(!shot.isNull());
        for (const QPoint at : {QPoint(1, 1), QPoint(shot.width() / 2, shot.height() / 2),
                                QPoint(shot.width() - 2, shot.height() - 2)}) {
            QCOMPARE(QColor(shot.pixel(at)), QColor(128, 0, 0));
        }
    }

    void okHidesTheBoxAndBringsTheMainWindowBack() {
        QWidget mainWindow;
        mainWindow.setObjectName(QStringLiteral("Form1"));
        mainWindow.show();
        help::ShowAbout(&mainWindow);
        QWidget* box = AboutBox();
        QVERIFY(box->isVisible());

        mainWindow.hide();  // OK shows the main window again if it had gone
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!box->isVisible());
        QVERIFY(mainWindow.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&mainWindow));

        help::ShowAbout(&mainWindow);
        QCOMPARE(AboutBox(), box);
        QVERIFY(box->isVisible());
    }

    void closingThroughTheFrameDiscardsTheBox() {
        help::ShowAbout(nullptr);
        QWidget* closed = AboutBox();
        closed->close();
        help::ShowAbout(nullptr);
        RunPendingDeletes();
        QCOMPARE(TopLevels(QStringLiteral("frmAbout")).size(), 1);
        QVERIFY(AboutBox()->isVisible());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
