// The entry rules: the keystroke filter and the separator clean-up, in a point, a comma and an odd
// locale. Enter's conditions and the focus order the entries set are the scenarios' to show.
#include "core/locales.h"
#include "entry/module1.h"

using namespace kx;
using namespace kxtest;

namespace {
// A locale whose separator is neither a point nor a comma: it counts as a comma locale.
const QLocale kArabic = withoutGrouping(QLocale(QLocale::Arabic, QLocale::Egypt));
// Digits beyond 16 bits put the point of 1.3 at the third place: the clean-up leaves texts alone.
const QLocale kChakma = withoutGrouping(QLocale(QLocale::Chakma));
} // namespace

class TestEntry : public QObject {
    Q_OBJECT
private slots:
    void filter_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("delivered");
        const struct {
            const char* what;
            int typed;
            int inPointLocale;
            int inCommaLocale;
        } classes[] = {{"digit", '7', '7', '7'},     {"point", '.', '.', ','},  {"comma", ',', 0, ','},
                       {"minus", '-', 0, 0},         {"control code", 8, 8, 8}, {"Ctrl+V's code", 22, 22, 22},
                       {"Delete's code", 127, 0, 0}, {"beyond 127", 232, 0, 0}, {"negative", -32768, 0, 0}};
        for (const auto& c : classes) {
            for (const auto& [locale, name] : kNotations) {
                const bool comma = name == QLatin1String("comma");
                QTest::newRow(qPrintable(QString("%1: %2").arg(name, c.what)))
                    << locale << c.typed << (comma ? c.inCommaLocale : c.inPointLocale);
            }
        }
        QTest::newRow("other separator: point") << kArabic << int('.') << int(',');
        QTest::newRow("other separator: comma") << kArabic << int(',') << int(',');
    }

    void filter() {
        QFETCH(QLocale, locale);
        QFETCH(int, typed);
        QFETCH(int, delivered);
        Module1::CharCode code = Module1::CharCode(typed);
        QCOMPARE(int(Module1::filtraTasto(code, locale)), delivered);
        if (delivered != 0) {
            QCOMPARE(int(code), delivered); // the caller's code is replaced too
        }
    }

    // A field's texts one change after the other (as typing leaves them), each through the clean-up and
    // the nested change its correction causes; the last text shown. "_" is the emptied field. A separator
    // at the end, one after a digit typed at the start and each field's own position are the scenarios'.
    void cleanUp_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("shown");
        for (const auto& [locale, name] : {kNotations[0], kNotations[1]}) {
            auto row = [&](const char* what, const char* changes, const char* shown) {
                QTest::newRow(qPrintable(QString("%1: %2").arg(name, what)))
                    << locale << in(locale, changes) << in(locale, shown).first();
            };
            row("separator at the start", "1 12 12. 12.5 .12.5", "12.5");
            row("separator before the first", "1 12 12. 12.5 12..5", "12.5");
            row("one before the first, apart, then one at the end", "1 12 123 123. 123.5 1.23.5 123.5.",
                "123.5");
            row("a correction passes its own change only", "1 12 12. 12.5 12.5. 12.5.", "12.5");
            row("a digit in an empty field", "7", "7");
            row("a lone separator stays", ".", ".");
            row("emptied: the position stays", "1 12 12. 12.5 _ 12.5.", "12.5");
            row("pasted, both stay", "1.2.3", "1.2.3");
            row("pasted, then Backspace at the end", "1.2.3 1.2.", "1.2");
            row("pasted, then one at the end: one goes, once", "1.2.3 1.2.3.", "1.23.");
            row("over the digits before it, then at the end", "1 12 12. 12.5 ..5 .5.", ".5");
        }
        QTest::newRow("point: a comma is left alone")
            << kNotations[0].locale << QStringList{"1,2", "1,2,"} << "1,2,";
        QTest::newRow("comma: a point is left alone")
            << kNotations[1].locale << QStringList{"1.2", "1.2."} << "1.2.";
        QTest::newRow("Chakma: every text as it is")
            << kChakma << QStringList{"1", "1.", "1.2", "1.2."} << "1.2.";
    }

    void cleanUp() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, changes);
        Module1 module;
        QString shown;
        for (const QString& text : changes) {
            shown = module.correggiSeparatore(NumericField::Volume, text, locale);
            if (shown != text) {
                QCOMPARE(module.correggiSeparatore(NumericField::Volume, shown, locale), shown);
            }
        }
        QTEST(shown, "shown");
    }
};

QTEST_APPLESS_MAIN(TestEntry)
#include "test_entry.moc"
