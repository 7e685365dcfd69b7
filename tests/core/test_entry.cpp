// The entry rules: the keystroke filter, the separator clean-up and Enter's conditions, in a point, a
// comma and an odd locale.
#include "core/locales.h"
#include "entry/enter_condition.h"
#include "entry/focus_order.h"
#include "entry/module1.h"

using namespace kx;
using namespace kxtest;

class TestEntry : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
    void cleanUp_data();
    void cleanUp();
    void enterConditions_data();
    void enterConditions();
    void focusOrder_data();
    void focusOrder();
};

namespace {
// A locale whose separator is neither a point nor a comma: it counts as a comma locale.
const QLocale kArabic = withoutGrouping(QLocale(QLocale::Arabic, QLocale::Egypt));
// Digits beyond 16 bits put the point of 1.3 at the third place: the clean-up leaves texts alone.
const QLocale kChakma = withoutGrouping(QLocale(QLocale::Chakma));
} // namespace

void TestEntry::filter_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("delivered");
    const std::pair<QLocale, const char*> locales[] = {
        {kNotations[0].locale, "point"}, {kNotations[1].locale, "comma"}, {kArabic, "other separator"}};
    for (const auto& [locale, name] : locales) {
        const bool comma = name != QLatin1String("point");
        auto row = [&](const char* what, int typed, int delivered) {
            QTest::newRow(qPrintable(QString("%1: %2").arg(name, what))) << locale << typed << delivered;
        };
        for (const int control : {0, 3, 8, 13, 22, 24, 27, 31}) {
            row(qPrintable(QString("control %1").arg(control)), control, control);
        }
        row("0", '0', '0');
        row("9", '9', '9');
        row("point", '.', comma ? ',' : '.');
        row("comma", ',', 0);
        for (const int other : {32, 43, 45, 47, 58, 65, 101, 127, 232, 8211, -1, -32768}) {
            row(qPrintable(QString("code %1").arg(other)), other, 0);
        }
    }
}

void TestEntry::filter() {
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
// the nested change its correction causes; the last text shown. "_" is the emptied field, "|" goes on
// in the other of two fields.
void TestEntry::cleanUp_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("shown");
    for (const auto& [locale, name] : {kNotations[0], kNotations[1]}) {
        auto row = [&](const char* what, const char* changes, const char* shown) {
            QTest::newRow(qPrintable(QString("%1: %2").arg(name, what)))
                << locale << in(locale, changes) << in(locale, shown).first();
        };
        row("separator at the end", "1 12 12. 12.5 12.5.", "12.5");
        row("separator at the start", "1 12 12. 12.5 .12.5", "12.5");
        row("separator before the first", "1 12 12. 12.5 12..5", "12.5");
        row("digit at the start, then a separator", "2 2. 2.5 92.5 92.5.", "92.5");
        row("a correction passes its own change only", "1 12 12. 12.5 12.5. 12.5.", "12.5");
        row("a digit in an empty field", "7", "7");
        row("a lone separator stays", ".", ".");
        row("emptied: the position stays", "1 12 12. 12.5 _ 12.5.", "12.5");
        row("pasted, both stay", "1.2.3", "1.2.3");
        row("pasted, then Backspace at the end", "1.2.3 1.2.", "1.2");
        row("each field its own position", "2 2. 2.5 | 1 12 123 123. 123.4 | 2.5.", "2.5");
    }
    QTest::newRow("point: a comma is left alone")
        << kNotations[0].locale << QStringList{"1,2", "1,2,"} << "1,2,";
    QTest::newRow("comma: a point is left alone")
        << kNotations[1].locale << QStringList{"1.2", "1.2."} << "1.2.";
    QTest::newRow("Chakma: every text as it is")
        << kChakma << QStringList{"1", "1.", "1.2", "1.2."} << "1.2.";
}

void TestEntry::cleanUp() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, changes);
    Module1 module;
    NumericField field = NumericField::Volume;
    QString shown;
    for (const QString& text : changes) {
        if (text == QLatin1String("|")) {
            field = field == NumericField::Volume ? NumericField::Diameter : NumericField::Volume;
            continue;
        }
        shown = module.correggiSeparatore(field, text, locale);
        if (shown != text) {
            QCOMPARE(module.correggiSeparatore(field, shown, locale), shown);
        }
    }
    QTEST(shown, "shown");
}

// Which fields hold text: volume, diameter, width, height, length.
void TestEntry::enterConditions_data() {
    QTest::addColumn<NumericField>("typedIn");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<bool>("runs");
    auto row = [](const char* what, NumericField field, const char* filled, bool runs) {
        QTest::newRow(what) << field << QString(filled) << runs;
    };
    using F = NumericField;
    row("width: height, volume, length", F::Width, "v.-hl", true);
    row("width: no height", F::Width, "v.w.l", false);
    row("width: no volume", F::Width, "..-hl", false);
    row("width: no length", F::Width, "v.-h.", false);
    row("height: width, volume, length", F::Height, "v.w.l", true);
    row("height: no width", F::Height, "v..hl", false);
    row("height: no volume", F::Height, "..whl", false);
    row("height: no length", F::Height, "v.wh.", false);
    row("diameter: itself too", F::Diameter, "vd..l", true);
    row("diameter: not itself", F::Diameter, "v...l", false);
    row("diameter: no volume", F::Diameter, ".d..l", false);
    row("diameter: no length", F::Diameter, "vd...", false);
    row("length: round port and volume", F::Length, "vd...", true);
    row("length: slot and volume", F::Length, "v.wh.", true);
    row("length: half a slot", F::Length, "v.w.l", false);
    row("length: no volume", F::Length, ".d..l", false);
    row("volume: round port and length", F::Volume, ".d..l", true);
    row("volume: slot and length", F::Volume, "..whl", true);
    row("volume: half a slot", F::Volume, "v..hl", false);
    row("volume: no length", F::Volume, "vdwh.", false);
}

void TestEntry::enterConditions() {
    QFETCH(NumericField, typedIn);
    QFETCH(QString, filled);
    auto text = [&](int i) {
        return filled[i] == '.' || filled[i] == '-' ? QString() : QStringLiteral("1");
    };
    QTEST(enterRunsCalculation(typedIn, {text(0), text(1), text(2), text(3), text(4)}), "runs");
}

// Positions set one after the other in the order "abcdef"; the order that follows.
void TestEntry::focusOrder_data() {
    QTest::addColumn<QString>("moves"); // each a control and its new position
    QTest::addColumn<QString>("order");
    QTest::newRow("to the head") << "d0"
                                 << "dabcef";
    QTest::newRow("further back, the others close the gap") << "b4"
                                                            << "acdebf";
    QTest::newRow("where it stands") << "c2"
                                     << "abcdef";
    QTest::newRow("beyond the end, to the end") << "a9"
                                                << "bcdefa";
    QTest::newRow("unknown, nothing moves") << "x0"
                                            << "abcdef";
    QTest::newRow("one after the other") << "c0d1e2"
                                         << "cdeabf";
    QTest::newRow("the second moves the first on") << "f0e0"
                                                   << "efabcd";
}

void TestEntry::focusOrder() {
    QFETCH(QString, moves);
    const QString start = QStringLiteral("abcdef");
    FocusOrder<QChar> order(QList<QChar>(start.begin(), start.end()));
    for (qsizetype i = 0; i < moves.size(); i += 2) {
        order.setPosition(moves[i], moves[i + 1].digitValue());
    }
    QTEST(QString(order.controls().constData(), order.controls().size()), "order");
}

QTEST_APPLESS_MAIN(TestEntry)
#include "test_entry.moc"
