// The checked entry: what the user types, what is stored, and every refusal word for word.

#include "entry/enter_parameter.h"

#include <QtTest>

#include "scripted_dialogs.h"

using entry_test::ScriptedDialogs;

namespace {

entry::EntryRequest Request(bool nonNegative, float min, float max, std::string note = "") {
    return {"Prompt: ", "Title", nonNegative, max, min, std::move(note)};
}

}  // namespace

class EnterParameterTest : public QObject {
    Q_OBJECT
  private slots:
    void outcomes_data();
    void outcomes();
    void cancelIsSilent_data();
    void cancelIsSilent();
    void defaultTextIsThePresentValue();
    void aboveMaximumEndsWithTheNote();
};

void EnterParameterTest::outcomes_data() {
    QTest::addColumn<bool>("nonNegative");
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");  // empty: accepted
    QTest::addColumn<QString>("message");

    const QString crlf = "\r\n";
    const QString below = "This Number Entered is Below the Minimum for this Parameter" + crlf +
                          "Please Enter a Larger Value";
    const QString above = "This Number Entered is Above the Maximum for this Parameter" + crlf +
                          "Please Enter a Smaller Value" + crlf;
    QTest::newRow("invalid") << true << 1.f << 1e10f << "abc"
                             << "Invalid Entry"
                             << "Please Enter a Valid Numerical Expression" + crlf +
                                    "abc  was entered.";
    QTest::newRow("invalid keeps blanks")
        << true << 1.f << 1e10f << " 1 2"
        << "Invalid Entry"
        << "Please Enter a Valid Numerical Expression" + crlf + " 1 2  was entered.";
    QTest::newRow("negative before range")
        << true << 1.f << 1e10f << "-5"
        << "Negative Entry"
        << "This Parameter Cannot be Negative" + crlf + "-5  was entered.";
    QTest::newRow("below minimum") << true << 1.f << 1e10f << "0.5"
                                   << "Below Minimum " << below;
    QTest::newRow("minimum inclusive") << true << 1.f << 1e10f << "1"
                                       << ""
                                       << "";
    QTest::newRow("maximum inclusive") << true << 1.f << 1e10f << "1e10"
                                       << ""
                                       << "";
    QTest::newRow("above maximum") << true << 1.f << 1e10f << "2e10"
                                   << "Above Maximum " << above;
    QTest::newRow("negative allowed, at minimum") << false << -20.f << 20.f << "-20"
                                                  << ""
                                                  << "";
    QTest::newRow("negative allowed, below") << false << -20.f << 20.f << "-25"
                                             << "Below Minimum " << below;
    QTest::newRow("negative allowed, above") << false << -20.f << 20.f << "20.001"
                                             << "Above Maximum " << above;
    QTest::newRow("zero with non-negative") << true << 0.f << 100.f << "0"
                                            << ""
                                            << "";
    QTest::newRow("minus zero is not negative") << true << 0.f << 100.f << "-0"
                                                << ""
                                                << "";
    QTest::newRow("single-precision minimum") << true << 0.01f << 20.f << "0.01"
                                              << ""
                                              << "";
    QTest::newRow("under single-precision minimum") << true << 0.01f << 20.f << "0.005"
                                                    << "Below Minimum " << below;
}

void EnterParameterTest::outcomes() {
    QFETCH(bool, nonNegative);
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, message);

    ScriptedDialogs dialogs({typed.toStdString()});
    sim::Value target = 7;
    entry::EnterParameter(dialogs, target, Request(nonNegative, min, max));

    const auto messages = dialogs.Messages();
    if (title.isEmpty()) {
        QVERIFY(messages.empty());
        QCOMPARE(target.typed, typed.toStdString());  // stored as typed
        QCOMPARE(target.number, std::stod(typed.toStdString()));
    } else {
        QCOMPARE(int(messages.size()), 1);
        QCOMPARE(QString::fromStdString(messages[0].title), title);
        QCOMPARE(QString::fromStdString(messages[0].text), message);
        QCOMPARE(messages[0].style, 32);
        QCOMPARE(target.number, 7.0);  // unchanged
        QVERIFY(!target.isTyped());
    }
}

void EnterParameterTest::cancelIsSilent_data() {
    QTest::addColumn<bool>("scripted");
    QTest::newRow("cancel") << false;
    QTest::newRow("emptied field") << true;
}

void EnterParameterTest::cancelIsSilent() {
    QFETCH(bool, scripted);
    ScriptedDialogs dialogs(scripted ? std::deque<std::string>{""} : std::deque<std::string>{});
    sim::Value target(50, "050");
    entry::EnterParameter(dialogs, target, Request(true, 1, 10));
    QCOMPARE(int(dialogs.shown.size()), 1);  // the input box only
    QVERIFY(dialogs.Messages().empty());
    QCOMPARE(target.typed, std::string("050"));
    QCOMPARE(target.number, 50.0);
}

void EnterParameterTest::defaultTextIsThePresentValue() {
    // A number by the general conversion, a typed value as typed; confirming it stores it again.
    ScriptedDialogs dialogs({"<default>", "<default>"});
    sim::Value number = 9.6;
    entry::EnterParameter(dialogs, number, Request(true, 0, 100));
    QCOMPARE(dialogs.shown[0].defaultText, std::string("9.6"));
    QCOMPARE(dialogs.shown[0].text, std::string("Prompt: "));
    QCOMPARE(dialogs.shown[0].title, std::string("Title"));
    QCOMPARE(number.number, 9.6);

    sim::Value typed(50, "050");
    entry::EnterParameter(dialogs, typed, Request(true, 0, 100));
    QCOMPARE(dialogs.shown[1].defaultText, std::string("050"));
    QCOMPARE(typed.typed, std::string("050"));
    QCOMPARE(typed.number, 50.0);
}

void EnterParameterTest::aboveMaximumEndsWithTheNote() {
    ScriptedDialogs dialogs({"501"});
    sim::Value target = 100;
    entry::EnterParameter(dialogs, target,
                          Request(true, 0.01f, 500, "NOTE: Maxium Frequency varies"));
    const auto messages = dialogs.Messages();
    QCOMPARE(int(messages.size()), 1);
    QVERIFY(messages[0].text.ends_with(
        "Please Enter a Smaller Value\r\nNOTE: Maxium Frequency varies"));
}

QTEST_APPLESS_MAIN(EnterParameterTest)
#include "enter_parameter_test.moc"
