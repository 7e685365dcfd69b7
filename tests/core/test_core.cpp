// The core: the calculations, the tuning of box and ports and the box proportions, with their worked
// tables; the entry rules, the keystroke filter and the separator clean-up. Each in a point and a comma
// locale, the entry rules in an odd one too. The length the spin takes over, Enter's conditions and the
// focus order the entries set are the scenarios' to show.
#include "calc/box_proportions.h"
#include "calc/locale_numbers.h"
#include "calc/port_tuning.h"
#include "entry/module1.h"

#include <QTest>

using namespace kx;

namespace {

// The locales of the tables' columns: one that writes decimals with a point, one with a comma.
const std::pair<QLocale, const char*> kNotations[] = {
    {withoutGrouping(QLocale::c()), "point"},
    {withoutGrouping(QLocale(QLocale::Italian, QLocale::Italy)), "comma"}};
// A locale whose separator is neither a point nor a comma: it counts as a comma locale.
const QLocale kArabic = withoutGrouping(QLocale(QLocale::Arabic, QLocale::Egypt));
// Digits beyond 16 bits put the point of 1.3 at the third place: the clean-up leaves texts alone.
const QLocale kChakma = withoutGrouping(QLocale(QLocale::Chakma));

// Texts written with points and parted by blanks, in the locale's notation; "_" is the empty text.
QStringList in(const QLocale& locale, const QString& texts) {
    return QString(texts).replace(QLatin1Char('.'), locale.decimalPoint()).remove('_').split(' ');
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT
private slots:
    // Inputs: volume, diameter, width, height, length, ports; then LBLsezione, LBLdia, LBLvolcondotto, Kx,
    // or why there is no tuning: "missing" data, or data "uncomputable".
    void tuning_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("shown");
        for (const auto& [locale, name] : kNotations) {
            auto row = [&](const char* what, const char* inputs, const char* shown) {
                QTest::newRow(qPrintable(QString("%1: %2").arg(name, what)))
                    << locale << in(locale, inputs) << in(locale, shown);
            };
            row("round", "50 10 _ _ 20 1", "78.54 _ 1.57 41.56");
            row("round, two ports", "50 10 _ _ 20 2", "78.54 _ 1.57 58.78");
            row("round, decimal diameter", "40 7.5 _ _ 15 1", "44.18 _ 0.66 40.24");
            row("round, no length", "50 10 _ _ 0 1", "78.54 _ 0.00 80.40");
            row("round, no section", "50 0 _ _ 20 1", "0.00 _ 0.00 0.00");
            row("slot", "50 _ 10 5 20 1", "50 7.98 1.00 34.09");
            row("slot, four ports", "100 _ 12 3 30 4", "36 6.77 1.08 35.17");
            row("slot, no section", "50 _ 0 5 20 1", "0 0.00 0.00 0.00");
            row("slot, decimals", "50 _ 2.5 3.3 1 1", "8.25 3.24 0.01 38.37");
            row("slot before the diameter", "50 99 10 5 20 1", "50 7.98 1.00 34.09");
            row("round with half a slot", "50 10 10 _ 20 1", "78.54 _ 1.57 41.56");
            // Each of these shows another last digit without one narrowing to single precision.
            row("V narrowed", "0.5 20.5 _ _ 10 1", "330.06 _ 3.30 891.07");
            row("L narrowed", "1.5 11 _ _ 40 1", "95.03 _ 3.80 198.98");
            row("S narrowed", "0.5 20 _ _ 8 1", "314.16 _ 2.51 913.72");
            row("slot section narrowed", "50 _ 0.1 0.8 20 1", "0.08000001 0.32 0.00 1.54");
            row("slot section and port volume narrowed", "50 _ 0.1 25 90 1", "2.5 1.78 0.22 4.05");
            row("slot diameter from the section shown", "50 _ 205.1 7 20 1", "1435.7 42.75 28.71 129.76");
            row("a pasted minus zero", "50 10 _ _ -0 1", "78.54 _ 0.00 80.40");
            row("no volume", "_ 10 _ _ 20 1", "missing");
            row("half a slot", "50 _ 10 _ 20 1", "missing");
            row("no length", "50 10 _ _ _ 1", "missing");
            row("a volume of 0", "0 10 _ _ 20 1", "uncomputable");
            row("no section, no length", "50 0 _ _ 0 1", "uncomputable");
            row("negative", "50 -10 _ _ 20 1", "uncomputable");
            row("beyond single precision", "50 1e39 _ _ 20 1", "uncomputable");
            row("a section beyond it", "50 _ 3e20 3e20 20 1", "uncomputable");
        }
        QTest::newRow("point: a comma") << kNotations[0].first << in(kNotations[0].first, "50 1,5 _ _ 20 1")
                                        << QStringList{"uncomputable"};
    }

    void tuning() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, inputs);
        const auto result =
            computeTuning({inputs[0], inputs[1], inputs[2], inputs[3], inputs[4]}, inputs[5], locale);
        const auto* tuning = std::get_if<PortTuning>(&result);
        const QStringList shown = tuning ? QStringList{tuning->section, tuning->equivalentDiameter,
                                                       tuning->portVolume, twoDecimals(tuning->kx, locale)}
                                  : std::get<NoTuning>(result) == NoTuning::DataMissing
                                      ? QStringList{"missing"}
                                      : QStringList{"uncomputable"};
        QTEST(shown, "shown");
    }

    void boxProportions_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QStringList>("shown"); // height, width, depth; none: the labels stay
        for (const auto& [locale, name] : kNotations) {
            auto row = [&](const char* volume, const char* shown) {
                QTest::newRow(qPrintable(QString("%1: %2").arg(name, volume)))
                    << locale << in(locale, volume).first() << (*shown ? in(locale, shown) : QStringList());
            };
            row("0", "0.00 0.00 0.00");
            row("1", "16.18 6.18 10.00");
            row("27", "48.53 18.54 30.00");
            row("50", "59.60 22.76 36.84");
            row("50.3", "59.72 22.81 36.91");
            row("64", "64.71 24.72 39.99");
            row("1000", "161.76 61.79 99.98");
            row("1012.9", "162.46 62.05 100.41"); // the volume narrowed before the power
            for (const char* none : {"_", ".", "-8", "1e39"}) {
                row(none, "");
            }
        }
    }

    void boxProportions() {
        QFETCH(QLocale, locale);
        QFETCH(QString, volume);
        const auto box = proportionBox(volume, locale);
        const QStringList shown = box ? QStringList{box->height, box->width, box->depth} : QStringList{};
        QTEST(shown, "shown");
    }

    void filter_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("delivered");
        // What is typed, and what the filter delivers of it in a point and in a comma locale.
        const std::tuple<const char*, int, int, int> classes[] = {
            {"digit", '7', '7', '7'},     {"point", '.', '.', ','},  {"comma", ',', 0, ','},
            {"minus", '-', 0, 0},         {"control code", 8, 8, 8}, {"Ctrl+V's code", 22, 22, 22},
            {"Delete's code", 127, 0, 0}, {"beyond 127", 232, 0, 0}, {"negative", -32768, 0, 0}};
        for (const auto& [what, typed, inPointLocale, inCommaLocale] : classes) {
            for (const auto& [locale, name] : kNotations) {
                const bool comma = name == QLatin1String("comma");
                QTest::newRow(qPrintable(QString("%1: %2").arg(name, what)))
                    << locale << typed << (comma ? inCommaLocale : inPointLocale);
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
            << kNotations[0].first << QStringList{"1,2", "1,2,"} << "1,2,";
        QTest::newRow("comma: a point is left alone")
            << kNotations[1].first << QStringList{"1.2", "1.2."} << "1.2.";
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

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
