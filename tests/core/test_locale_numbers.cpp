#include "calc/locale_numbers.h"
#include "core/locales.h"

#include <QTest>

using namespace kx;
using namespace kxtest;

class TestLocaleNumbers : public QObject {
    Q_OBJECT
private slots:
    void generalTextIsShortest_data();
    void generalTextIsShortest();
    void twoDecimalsAlwaysShowsTwo_data();
    void twoDecimalsAlwaysShowsTwo();
    void absentResultIsEmpty();
    void readingTakesOnlyTheLocalesNotation();
};

void TestLocaleNumbers::generalTextIsShortest_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    forBothLocales([](const QLocale& locale, const QString& name) {
        auto row = [&](const char* what, float value, const char* expected) {
            QTest::newRow(qPrintable(name + ": " + what)) << locale << value << inLocale(expected, locale);
        };
        row("whole number", 50.0f, "50");
        row("two decimals", 2.5f * 3.3f, "8.25");
        row("seven digits", 1234567.0f, "1234567");
        row("large", 1e8f, "1E+08");
        row("zero", 0.0f, "0");
        row("negative zero", -0.0f, "0");
    });
}

void TestLocaleNumbers::generalTextIsShortest() {
    QFETCH(QLocale, locale);
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(generalText(value, locale), expected);
}

void TestLocaleNumbers::twoDecimalsAlwaysShowsTwo_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    forBothLocales([](const QLocale& locale, const QString& name) {
        auto row = [&](const char* what, double value, const char* expected) {
            QTest::newRow(qPrintable(name + ": " + what)) << locale << value << inLocale(expected, locale);
        };
        row("whole", 10.0, "10.00");
        row("rounded", 41.5649, "41.56");
        row("below one", 0.004, "0.00");
        row("no grouping", 12345.678, "12345.68");
        row("negative zero", -0.0, "0.00");
    });
}

void TestLocaleNumbers::twoDecimalsAlwaysShowsTwo() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(twoDecimals(value, locale), expected);
}

void TestLocaleNumbers::absentResultIsEmpty() {
    QCOMPARE(resultText(std::nullopt, commaLocale()), QString());
    QCOMPARE(resultText(34.094, commaLocale()), QStringLiteral("34,09"));
}

void TestLocaleNumbers::readingTakesOnlyTheLocalesNotation() {
    QCOMPARE(readSingle("12,5", commaLocale()), 12.5f);
    QCOMPARE(readSingle("12,5", pointLocale()), std::nullopt);
    QCOMPARE(readSingle("1.000", commaLocale()), std::nullopt); // a group separator is no number
    QCOMPARE(readSingle("inf", pointLocale()), std::nullopt);
    QCOMPARE(readSingle("nan", commaLocale()), std::nullopt);
    QCOMPARE(readSingle("1e39", pointLocale()), std::nullopt); // beyond single precision
    QCOMPARE(readDouble("1E+08", commaLocale()), 1e8);         // a general text reads back
}

QTEST_APPLESS_MAIN(TestLocaleNumbers)
#include "test_locale_numbers.moc"
