#include "core/locales.h"
#include "entry/module1.h"

#include <QTest>

using namespace kx;
using namespace kxtest;

class TestSeparatorCleanup : public QObject {
    Q_OBJECT
private slots:
    void changes_data();
    void changes();
    void correctionLetsItsOwnChangePass();
    void eachFieldKeepsItsOwnPosition();
    void otherSeparatorIsLeftAlone();
    void oddLocaleLeavesTextsAlone();
    void longTexts();
};

namespace {

// Runs the change handler's part: the corrected text, and the nested change its write-back raises.
QString change(Module1& module, NumericField field, const QString& text, const QLocale& locale) {
    const QString corrected = module.correggiSeparatore(field, text, locale);
    if (corrected != text) {
        const QString nested = module.correggiSeparatore(field, corrected, locale);
        if (nested != corrected) {
            return QStringLiteral("nested call changed the text to ") + nested;
        }
    }
    return corrected;
}

// A field's history: each text it held, one change after the other. Returns the last result.
QString replay(Module1& module, NumericField field, const QStringList& texts, const QLocale& locale) {
    QString shown;
    for (const QString& text : texts) {
        shown = change(module, field, inLocale(text, locale), locale);
    }
    return shown;
}

} // namespace

void TestSeparatorCleanup::changes_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("before"); // changes that bring the field to its state before
    QTest::addColumn<QString>("changed");    // the text the change leaves in the field
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("probe"); // a later change that shows where the position stands
    QTest::addColumn<QString>("probeResult");
    forBothLocales([](const QLocale& locale, const QString& name) {
        auto row = [&](const char* what, QStringList before, const char* changed, const char* expected,
                       const char* probe, const char* probeResult) {
            QTest::newRow(qPrintable(name + ": " + what))
                << locale << before << inLocale(changed, locale) << inLocale(expected, locale)
                << inLocale(probe, locale) << inLocale(probeResult, locale);
        };
        const QStringList typed125{"1", "12", "12.", "12.5"};
        // The probe types a separator right after the remembered one: rule b removes it if the
        // position is the probe's first separator.
        row("separator typed at the end", typed125, "12.5.", "12.5", "12..5", "12.5");
        row("separator typed at the start", typed125, ".12.5", "12.5", "12.5.", "12.5");
        row("separator typed before the existing one", typed125, "12..5", "12.5", "12.5.", "12.5");
        row("digit typed at the start", {"2", "2.", "2.5"}, "92.5", "92.5", "92.5.", "92.5");
        row("digit into an empty field", typed125 + QStringList{""}, "7", "7", "7..", "7..");
        row("separator into an empty field", {}, ".", ".", "..", ".");
        row("whole text deleted", typed125, "", "", "12.5.", "12.5");
        row("two separators pasted", {}, "1.2.3", "1.2.3", "1.2.", "1.2");
        row("Backspace at the end of a paste", {"1.2.3"}, "1.2.", "1.2", "1.2.", "1.2");
    });
}

void TestSeparatorCleanup::changes() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, before);
    QFETCH(QString, changed);
    QFETCH(QString, probe);
    Module1 module;
    replay(module, NumericField::Volume, before, locale);
    QTEST(change(module, NumericField::Volume, changed, locale), "expected");
    QTEST(change(module, NumericField::Volume, probe, locale), "probeResult");
}

void TestSeparatorCleanup::correctionLetsItsOwnChangePass() {
    Module1 module;
    const QLocale locale = commaLocale();
    replay(module, NumericField::Length, {"1", "12", "12,", "12,5"}, locale);
    QCOMPARE(module.correggiSeparatore(NumericField::Length, "12,5,", locale), QStringLiteral("12,5"));
    // The write-back's own change passes untouched, even one that would need correcting...
    QCOMPARE(module.correggiSeparatore(NumericField::Length, "1,,", locale), QStringLiteral("1,,"));
    // ...and only that one.
    QCOMPARE(module.correggiSeparatore(NumericField::Length, "12,5,", locale), QStringLiteral("12,5"));
    // An empty text in between does not use up the pass.
    QCOMPARE(module.correggiSeparatore(NumericField::Length, QString(), locale), QString());
    QCOMPARE(module.correggiSeparatore(NumericField::Length, "12,5", locale), QStringLiteral("12,5"));
}

void TestSeparatorCleanup::eachFieldKeepsItsOwnPosition() {
    // A field holding 2,5, entered after another field held 123,4: a separator typed at its end
    // goes, and the user's 2,5 stays 2,5.
    for (const QLocale& locale : {pointLocale(), commaLocale()}) {
        Module1 module;
        replay(module, NumericField::Diameter, {"2", "2.", "2.5"}, locale);
        replay(module, NumericField::Volume, {"1", "12", "123", "123.", "123.4"}, locale);
        QCOMPARE(replay(module, NumericField::Diameter, {"2.5."}, locale), inLocale("2.5", locale));
        QCOMPARE(replay(module, NumericField::Volume, {"123.4."}, locale), inLocale("123.4", locale));
    }
}

void TestSeparatorCleanup::otherSeparatorIsLeftAlone() {
    Module1 module;
    QCOMPARE(change(module, NumericField::Width, "1,2,3", pointLocale()), QStringLiteral("1,2,3"));
    QCOMPARE(change(module, NumericField::Width, "1.2.3", commaLocale()), QStringLiteral("1.2.3"));
}

void TestSeparatorCleanup::oddLocaleLeavesTextsAlone() {
    Module1 module;
    const QLocale chakma(QLocale::Chakma);
    QCOMPARE(change(module, NumericField::Height, "1.2", chakma), QStringLiteral("1.2"));
    QCOMPARE(change(module, NumericField::Height, "1.2.", chakma), QStringLiteral("1.2."));
    QCOMPARE(change(module, NumericField::Height, "1,2,", chakma), QStringLiteral("1,2,"));
}

void TestSeparatorCleanup::longTexts() {
    // Positions beyond 32767 work like any other.
    Module1 module;
    const QString digits(40000, QLatin1Char('7'));
    QCOMPARE(change(module, NumericField::Volume, digits + ",5", commaLocale()), digits + ",5");
    QCOMPARE(change(module, NumericField::Volume, digits + ",5,", commaLocale()), digits + ",5");
    QCOMPARE(change(module, NumericField::Volume, "," + digits + ",5", commaLocale()), digits + ",5");
}

QTEST_APPLESS_MAIN(TestSeparatorCleanup)
#include "test_separator_cleanup.moc"
