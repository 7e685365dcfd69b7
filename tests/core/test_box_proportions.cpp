#include "calc/box_proportions.h"
#include "core/locales.h"

#include <QTest>

using namespace kx;
using namespace kxtest;

class TestBoxProportions : public QObject {
    Q_OBJECT
private slots:
    void workedResults_data();
    void workedResults();
    void nothingToShow_data();
    void nothingToShow();
};

void TestBoxProportions::workedResults_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("depth");
    forBothLocales([](const QLocale& locale, const QString& name) {
        auto row = [&](const char* volume, const char* height, const char* width, const char* depth) {
            QTest::newRow(qPrintable(name + ": " + volume))
                << locale << inLocale(volume, locale) << inLocale(height, locale) << inLocale(width, locale)
                << inLocale(depth, locale);
        };
        row("0", "0.00", "0.00", "0.00");
        row("1", "16.18", "6.18", "10.00");
        row("27", "48.53", "18.54", "30.00");
        row("50", "59.60", "22.76", "36.84");
        row("50.3", "59.72", "22.81", "36.91"); // 50.3 enters the power narrowed to single precision
        row("64", "64.71", "24.72", "39.99");   // the exponent is 0.3333, not a third
        row("1000", "161.76", "61.79", "99.98");
    });
}

void TestBoxProportions::workedResults() {
    QFETCH(QLocale, locale);
    QFETCH(QString, volume);
    const auto box = proportionBox(volume, locale);
    QVERIFY(box);
    QTEST(box->height, "height");
    QTEST(box->width, "width");
    QTEST(box->depth, "depth");
}

void TestBoxProportions::nothingToShow_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("volume");
    forBothLocales([](const QLocale& locale, const QString& name) {
        const QString separator = locale.decimalPoint();
        auto row = [&](const char* what, const QString& volume) {
            QTest::newRow(qPrintable(name + ": " + what)) << locale << volume;
        };
        row("empty", QString());
        row("lone separator", separator);
        row("two separators", "5" + separator + "0" + separator + "3");
        row("pasted letters", "cinquanta");
        row("beyond single precision", QString(40, QLatin1Char('9')));
        row("negative", "-50");
        row("infinity", "inf");
    });
}

void TestBoxProportions::nothingToShow() {
    QFETCH(QLocale, locale);
    QFETCH(QString, volume);
    QCOMPARE(proportionBox(volume, locale), std::nullopt);
}

QTEST_APPLESS_MAIN(TestBoxProportions)
#include "test_box_proportions.moc"
