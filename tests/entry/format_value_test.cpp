// Numbers in and out: what counts as a typed number, the general conversion, and FormatValue.

#include "entry/format_value.h"

#include <QtTest>
#include <cmath>
#include <limits>

#include "entry/number.h"

class FormatValueTest : public QObject {
    Q_OBJECT
  private slots:
    void formatValue_data();
    void formatValue();
    void typedWholeNumberShowsAsTyped();
    void generalText_data();
    void generalText();
    void parseNumber_data();
    void parseNumber();
    void tinyValuesAreAlwaysScientific();
};

void FormatValueTest::formatValue_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("50") << 50.0 << "50";
    QTest::newRow("-100") << -100.0 << "-100";
    QTest::newRow("1000") << 1000.0 << "1000";
    QTest::newRow("0.5") << 0.5 << ".5";
    QTest::newRow("0.25") << 0.25 << ".25";
    QTest::newRow("-0.25") << -0.25 << "-.25";
    QTest::newRow("3.14159") << 3.14159 << "3.14";
    QTest::newRow("123.456") << 123.456 << "123.46";
    QTest::newRow("2.001") << 2.001 << "2.";
    QTest::newRow("0.005") << 0.005 << "5.0E-3";
    QTest::newRow("0.001") << 0.001 << "1.0E-3";
    QTest::newRow("0.0001234") << 0.0001234 << "1.234E-4";
    QTest::newRow("1500") << 1500.0 << "1.5E3";
    QTest::newRow("123456") << 123456.0 << "1.235E5";
    QTest::newRow("1e10") << 1e10 << "1.0E10";
    QTest::newRow("-5000") << -5000.0 << "-5.0E3";
    // The edges of the fixed pattern, where single precision decides.
    QTest::newRow("0.01 is fixed") << 0.01 << ".01";
    QTest::newRow("just above 1000") << 1000.6 << "1.001E3";
    QTest::newRow("rounds up to a whole") << 9.999 << "10.";
    QTest::newRow("carry in the mantissa") << 99999.0 << "1.0E5";
    QTest::newRow("2.5 cycles") << 2.5 << "2.5";
    QTest::newRow("4.8 m") << 4.8 << "4.8";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "∞";
}

void FormatValueTest::formatValue() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(entry::FormatValue(sim::Value(value))), text);
}

void FormatValueTest::typedWholeNumberShowsAsTyped() {
    QCOMPARE(entry::FormatValue(sim::Value(50, "050")), std::string("050"));
    QCOMPARE(entry::FormatValue(sim::Value(-20, "-20.0")), std::string("-20.0"));
    // Only whole numbers keep the typed text; the others are formatted.
    QCOMPARE(entry::FormatValue(sim::Value(0.5, "0.50")), std::string(".5"));
    QCOMPARE(entry::FormatValue(sim::Value(1500, "1500")), std::string("1.5E3"));
    QCOMPARE(entry::FormatValue(sim::Value(0, "0.0")), std::string("0"));
}

void FormatValueTest::generalText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 50.0 << "50";
    QTest::newRow("fraction with leading zero") << 0.5 << "0.5";
    QTest::newRow("9.6") << 9.6 << "9.6";
    QTest::newRow("15 digits hide the binary tail") << 0.19999999999999998 << "0.2";
    QTest::newRow("negative") << -300.0 << "-300";
    QTest::newRow("source infinite") << 9999999.0 << "9999999";
    QTest::newRow("load infinite") << 99999999.0 << "99999999";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("nan never shows") << std::nan("") << "0";
}

void FormatValueTest::generalText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(entry::GeneralText(value)), text);
}

void FormatValueTest::parseNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "50" << true << 50.0;
    QTest::newRow("leading zeros") << "050" << true << 50.0;
    QTest::newRow("decimal") << "2.5" << true << 2.5;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("point last") << "5." << true << 5.0;
    QTest::newRow("plus sign") << "+7" << true << 7.0;
    QTest::newRow("minus sign") << "-20" << true << -20.0;
    QTest::newRow("scientific") << "1.5e3" << true << 1500.0;
    QTest::newRow("scientific capital") << "1E10" << true << 1e10;
    QTest::newRow("negative exponent") << "-2.5E-3" << true << -0.0025;
    QTest::newRow("surrounding blanks") << "  12 " << true << 12.0;
    QTest::newRow("tab") << "\t3" << true << 3.0;
    QTest::newRow("underflows to zero") << "1e-400" << true << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("only blanks") << "   " << false << 0.0;
    QTest::newRow("trailing text") << "12abc" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("two signs") << "--5" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("exponent alone") << "e5" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("infinity") << "-Infinity" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("comma decimal") << "2,5" << false << 0.0;
}

void FormatValueTest::parseNumber() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = entry::ParseNumber(text.toStdString());
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber) QCOMPARE(*parsed, value);
}

void FormatValueTest::tinyValuesAreAlwaysScientific() {
    for (double x : {9.9e-3, 1e-9, -3e-30, 5e-324}) {
        const std::string text = entry::FormatValue(sim::Value(x));
        QVERIFY2(text.find('E') != std::string::npos, text.c_str());
    }
}

QTEST_APPLESS_MAIN(FormatValueTest)
#include "format_value_test.moc"
