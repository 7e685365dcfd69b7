#include "calc/port_length.h"
#include "core/locales.h"

#include <QTest>

using namespace kx;
using namespace kxtest;

class TestPortLength : public QObject {
    Q_OBJECT
private slots:
    void halvesGoToTheEvenNeighbour_data();
    void halvesGoToTheEvenNeighbour();
    void takingOverATypedLength_data();
    void takingOverATypedLength();
    void writtenLengthIsDigitsOnly();
};

void TestPortLength::halvesGoToTheEvenNeighbour_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("12.5") << 12.5 << 12.0;
    QTest::newRow("13.5") << 13.5 << 14.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("12.4") << 12.4 << 12.0;
    QTest::newRow("12.6") << 12.6 << 13.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
}

void TestPortLength::halvesGoToTheEvenNeighbour() {
    QFETCH(double, value);
    QTEST(roundHalfToEven(value), "rounded");
}

void TestPortLength::takingOverATypedLength_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value"); // 0: nothing to take over
    forBothLocales([](const QLocale& locale, const QString& name) {
        auto row = [&](const char* typed, int value) {
            QTest::newRow(qPrintable(name + ": '" + typed + "'"))
                << locale << inLocale(typed, locale) << value;
        };
        row("12", 12);
        row("12.5", 12);
        row("13.5", 14);
        row("1", 1);
        row("500", 500);
        row("0.4", 1);   // below the range: its nearest end
        row("600", 500); // above it
        row("1e30", 500);
        row("-7", 1);
        row("", 0);
        row(".", 0);
        row("1.2.3", 0);
        row("abc", 0);
    });
}

void TestPortLength::takingOverATypedLength() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(int, value);
    QCOMPARE(takenOverLength(typed, locale), value ? std::optional<int>(value) : std::nullopt);
}

void TestPortLength::writtenLengthIsDigitsOnly() {
    QCOMPARE(lengthText(1), QStringLiteral("1"));
    QCOMPARE(lengthText(250), QStringLiteral("250"));
    QCOMPARE(lengthText(1000), QStringLiteral("1000")); // no group separator
}

QTEST_APPLESS_MAIN(TestPortLength)
#include "test_port_length.moc"
