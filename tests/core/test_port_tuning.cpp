#include "calc/locale_numbers.h"
#include "calc/port_tuning.h"
#include "core/locales.h"

#include <QTest>

using namespace kx;
using namespace kxtest;

class TestPortTuning : public QObject {
    Q_OBJECT
private slots:
    void workedResults_data();
    void workedResults();
    void rectangularPortComesFirst();
    void diameterWithOneSideIsCircular();
    void missingData_data();
    void missingData();
    void inputsThatCannotBeComputed_data();
    void inputsThatCannotBeComputed();
    void hugeInputsNeverShowOverflow_data();
    void hugeInputsNeverShowOverflow();
    void repeatedRunsAgree();
};

namespace {

TuningTexts circular(const char* volume, const char* diameter, const char* length, const char* ports = "1") {
    return {volume, diameter, {}, {}, length, ports};
}

TuningTexts rectangular(const char* volume, const char* width, const char* height, const char* length,
                        const char* ports = "1") {
    return {volume, {}, width, height, length, ports};
}

// Writes the points of a text in the locale's notation, field by field.
TuningTexts localised(TuningTexts t, const QLocale& locale) {
    for (QString* text : {&t.volume, &t.diameter, &t.width, &t.height, &t.length}) {
        *text = inLocale(*text, locale);
    }
    return t;
}

} // namespace

void TestPortTuning::workedResults_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<TuningTexts>("texts");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("portVolume");
    QTest::addColumn<QString>("kx");
    forBothLocales([](const QLocale& locale, const QString& name) {
        auto row = [&](const char* what, TuningTexts texts, const char* section, const char* diameter,
                       const char* portVolume, const char* kx) {
            QTest::newRow(qPrintable(name + ": " + what))
                << locale << localised(texts, locale) << inLocale(section, locale)
                << inLocale(diameter, locale) << inLocale(portVolume, locale) << inLocale(kx, locale);
        };
        row("circular 50/10/20", circular("50", "10", "20"), "78.54", "", "1.57", "41.56");
        row("two ports", circular("50", "10", "20", "2"), "78.54", "", "1.57", "58.78");
        row("half the volume", circular("25", "10", "20"), "78.54", "", "1.57", "58.78");
        row("decimal diameter", circular("40", "7.5", "15"), "44.18", "", "0.66", "40.24");
        row("length 0", circular("50", "10", "0"), "78.54", "", "0.00", "80.40");
        row("diameter 0", circular("50", "0", "20"), "0.00", "", "0.00", "0.00");
        row("rectangular 10x5", rectangular("50", "10", "5", "20"), "50", "7.98", "1.00", "34.09");
        row("four rectangular ports", rectangular("100", "12", "3", "30", "4"), "36", "6.77", "1.08",
            "35.17");
        row("width 0", rectangular("50", "0", "5", "20"), "0", "0.00", "0.00", "0.00");
        row("decimal section", rectangular("50", "2.5", "3.3", "20"), "8.25", "3.24", "0.17", "14.88");
    });
}

void TestPortTuning::workedResults() {
    QFETCH(QLocale, locale);
    QFETCH(TuningTexts, texts);
    const auto tuning = computeTuning(texts, locale);
    QVERIFY(tuning);
    QTEST(tuning->section, "section");
    QTEST(tuning->equivalentDiameter, "diameter");
    QTEST(tuning->portVolume, "portVolume");
    QTEST(twoDecimals(tuning->kx, locale), "kx");
}

void TestPortTuning::rectangularPortComesFirst() {
    TuningTexts texts = rectangular("50", "10", "5", "20");
    texts.diameter = "10";
    const auto tuning = computeTuning(texts, pointLocale());
    QVERIFY(tuning);
    QCOMPARE(tuning->section, QStringLiteral("50"));
    QCOMPARE(tuning->equivalentDiameter, QStringLiteral("7.98"));
}

void TestPortTuning::diameterWithOneSideIsCircular() {
    TuningTexts texts = circular("50", "10", "20");
    texts.width = "10";
    const auto tuning = computeTuning(texts, pointLocale());
    QVERIFY(tuning);
    QCOMPARE(tuning->section, QStringLiteral("78.54"));
    QCOMPARE(tuning->equivalentDiameter, QString());
}

void TestPortTuning::missingData_data() {
    QTest::addColumn<TuningTexts>("texts");
    QTest::newRow("nothing") << TuningTexts{};
    QTest::newRow("no volume") << circular("", "10", "20");
    QTest::newRow("no length") << circular("50", "10", "");
    QTest::newRow("no port") << circular("50", "", "20");
    QTest::newRow("width without height") << rectangular("50", "10", "", "20");
    QTest::newRow("rectangle without volume") << rectangular("", "10", "5", "20");
}

void TestPortTuning::missingData() {
    QFETCH(TuningTexts, texts);
    QCOMPARE(computeTuning(texts, pointLocale()), std::nullopt);
}

void TestPortTuning::inputsThatCannotBeComputed_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<TuningTexts>("texts");
    forBothLocales([](const QLocale& locale, const QString& name) {
        const QString separator = locale.decimalPoint();
        auto row = [&](const char* what, TuningTexts texts) {
            QTest::newRow(qPrintable(name + ": " + what)) << locale << texts;
        };
        TuningTexts loneSeparator = circular("50", "10", "20");
        loneSeparator.diameter = separator;
        row("lone separator", loneSeparator);
        TuningTexts twoSeparators = circular("50", "10", "20");
        twoSeparators.volume = "5" + separator + "0" + separator + "1";
        row("two separators", twoSeparators);
        row("pasted letters", circular("cinquanta", "10", "20"));
        row("negative volume", circular("-50", "10", "20"));
        row("negative diameter", circular("50", "-10", "20"));
        row("negative length", rectangular("50", "10", "5", "-20"));
        row("negative height", rectangular("50", "10", "-5", "20"));
        row("volume 0", circular("0", "10", "20"));
        row("section 0 and length 0", circular("50", "0", "0"));
        row("beyond single precision", circular("1e39", "10", "20"));
        row("infinity", circular("inf", "10", "20"));
        row("not a number", circular("50", "nan", "20"));
    });
}

void TestPortTuning::inputsThatCannotBeComputed() {
    QFETCH(QLocale, locale);
    QFETCH(TuningTexts, texts);
    QCOMPARE(computeTuning(texts, locale), std::nullopt);
}

void TestPortTuning::hugeInputsNeverShowOverflow_data() {
    QTest::addColumn<TuningTexts>("texts");
    QTest::addColumn<bool>("computed");
    // The section or the volume per port beyond single precision cannot be computed at all.
    QTest::newRow("huge diameter") << circular("50", "3e38", "20") << false;
    QTest::newRow("huge volume") << circular("3e38", "10", "20") << false;
    QTest::newRow("huge sides") << rectangular("50", "3e38", "3e38", "20") << false;
    QTest::newRow("huge length") << rectangular("50", "10", "5", "3e38") << true;
    QTest::newRow("large but fine") << circular("1e6", "1e6", "1e6") << true;
    QTest::newRow("tiny volume") << circular("1e-30", "10", "20") << true;
}

void TestPortTuning::hugeInputsNeverShowOverflow() {
    QFETCH(TuningTexts, texts);
    QFETCH(bool, computed);
    const auto tuning = computeTuning(texts, pointLocale());
    QCOMPARE(bool(tuning), computed);
    if (!tuning) {
        return;
    }
    for (const QString& shown : {tuning->section, tuning->equivalentDiameter, tuning->portVolume,
                                 twoDecimals(tuning->kx, pointLocale())}) {
        QVERIFY2(!shown.contains("inf", Qt::CaseInsensitive) && !shown.contains("nan", Qt::CaseInsensitive),
                 qPrintable(shown));
    }
}

void TestPortTuning::repeatedRunsAgree() {
    const TuningTexts texts = rectangular("100", "12", "3", "30", "4");
    const auto first = computeTuning(texts, commaLocale());
    const auto second = computeTuning(texts, commaLocale());
    QVERIFY(first && second);
    QCOMPARE(second->kx, first->kx);
    QCOMPARE(second->section, first->section);
}

QTEST_APPLESS_MAIN(TestPortTuning)
#include "test_port_tuning.moc"
