#include "core/locales.h"
#include "entry/enter_condition.h"
#include "entry/locale_separator.h"
#include "entry/module1.h"

#include <QTest>

using namespace kx;
using namespace kxtest;
using Code = Module1::CharCode;

class TestKeystrokeFilter : public QObject {
    Q_OBJECT
private slots:
    void separatorProbe_data();
    void separatorProbe();
    void decisionTable_data();
    void decisionTable();
    void enterConditions_data();
    void enterConditions();
};

namespace {
// A locale whose separator is neither a point nor a comma: it counts as a comma locale.
QLocale arabic() {
    return withoutGrouping(QLocale(QLocale::Arabic, QLocale::Egypt));
}
} // namespace

void TestKeystrokeFilter::separatorProbe_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("comma");
    QTest::newRow("point") << pointLocale() << 2 << false;
    QTest::newRow("comma") << commaLocale() << 0 << true;
    QTest::newRow("German") << QLocale(QLocale::German) << 0 << true;
    QTest::newRow("Arabic separator") << arabic() << 0 << true;
    // Digits beyond 16 bits put the point further on.
    QTest::newRow("Chakma digits") << QLocale(QLocale::Chakma) << 3 << false;
}

void TestKeystrokeFilter::separatorProbe() {
    QFETCH(QLocale, locale);
    QTEST(kx::separatorProbe(locale), "position");
    QTEST(isCommaLocale(locale), "comma");
}

void TestKeystrokeFilter::decisionTable_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("delivered");
    const struct {
        QLocale locale;
        const char* name;
        bool comma;
    } locales[] = {
        {pointLocale(), "point", false}, {commaLocale(), "comma", true}, {arabic(), "arabic", true}};
    for (const auto& [locale, name, comma] : locales) {
        auto row = [&](const char* what, int typed, int delivered) {
            QTest::newRow(qPrintable(QString("%1: %2").arg(name, what))) << locale << typed << delivered;
        };
        row("NUL", 0, 0);
        row("Ctrl+C", 3, 3);
        row("Backspace", 8, 8);
        row("Enter", 13, 13);
        row("Ctrl+V", 22, 22);
        row("Ctrl+X", 24, 24);
        row("Escape", 27, 27);
        row("last control code", 31, 31);
        row("space", 32, 0);
        row("plus", 43, 0);
        row("comma", 44, 0);
        row("minus", 45, 0);
        row("point", 46, comma ? 44 : 46);
        row("slash", 47, 0);
        row("0", 48, 48);
        row("5", 53, 53);
        row("9", 57, 57);
        row("colon", 58, 0);
        row("E", 69, 0);
        row("e", 101, 0);
        row("DEL", 127, 0);
        row("e grave", 232, 0);
        row("euro", 0x20AC, 0);
        row("largest code", 32767, 0);
        row("negative code", -1, 0);
        row("smallest code", -32768, 0);
    }
}

void TestKeystrokeFilter::decisionTable() {
    QFETCH(QLocale, locale);
    QFETCH(int, typed);
    QFETCH(int, delivered);
    Code keyAscii = Code(typed);
    const Code returned = Module1::filtraTasto(keyAscii, locale);
    QCOMPARE(int(returned), delivered);
    // The caller's code changes only where "." becomes ",".
    QCOMPARE(int(keyAscii), delivered == 44 ? 44 : typed);
}

void TestKeystrokeFilter::enterConditions_data() {
    QTest::addColumn<NumericField>("typedIn");
    QTest::addColumn<FilledFields>("filled");
    QTest::addColumn<bool>("runs");
    //                                        volume diameter width height length
    const FilledFields rectangle{true, false, true, true, true};
    const FilledFields circle{true, true, false, false, true};
    QTest::newRow("width, all filled") << NumericField::Width << rectangle << true;
    QTest::newRow("width itself empty")
        << NumericField::Width << FilledFields{true, false, false, true, true} << true;
    QTest::newRow("width, no height")
        << NumericField::Width << FilledFields{true, false, true, false, true} << false;
    QTest::newRow("height, all filled") << NumericField::Height << rectangle << true;
    QTest::newRow("height itself empty")
        << NumericField::Height << FilledFields{true, false, true, false, true} << true;
    QTest::newRow("height, no volume")
        << NumericField::Height << FilledFields{false, false, true, true, true} << false;
    QTest::newRow("diameter, all filled") << NumericField::Diameter << circle << true;
    QTest::newRow("diameter itself empty")
        << NumericField::Diameter << FilledFields{true, false, false, false, true} << false;
    QTest::newRow("diameter, no length")
        << NumericField::Diameter << FilledFields{true, true, false, false, false} << false;
    QTest::newRow("length, circle") << NumericField::Length << circle << true;
    QTest::newRow("length itself empty")
        << NumericField::Length << FilledFields{true, true, false, false, false} << true;
    QTest::newRow("length, rectangle") << NumericField::Length << rectangle << true;
    QTest::newRow("length, half a rectangle")
        << NumericField::Length << FilledFields{true, false, true, false, true} << false;
    QTest::newRow("length, no volume")
        << NumericField::Length << FilledFields{false, true, false, false, true} << false;
    QTest::newRow("volume, circle") << NumericField::Volume << circle << true;
    QTest::newRow("volume itself empty")
        << NumericField::Volume << FilledFields{false, true, false, false, true} << true;
    QTest::newRow("volume, width only")
        << NumericField::Volume << FilledFields{true, false, true, false, true} << false;
    QTest::newRow("volume, no length")
        << NumericField::Volume << FilledFields{true, false, true, true, false} << false;
}

void TestKeystrokeFilter::enterConditions() {
    QFETCH(NumericField, typedIn);
    QFETCH(FilledFields, filled);
    QTEST(enterRunsCalculation(typedIn, filled), "runs");
}

QTEST_APPLESS_MAIN(TestKeystrokeFilter)
#include "test_keystroke_filter.moc"
