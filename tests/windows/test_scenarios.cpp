// The window as a user meets it: each scenario of scenarios.txt and each row of real keys, played step
// by step; thousands of random steps; what a screen reader is told meanwhile.
#include "ui/application.h"
#include "windows/player.h"

#include <random>

namespace {

// What the window showed to a screen reader as a notification, and anything else it showed.
QStringList told;

void hear(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ObjectShow) {
        QAccessibleInterface* shown = event->accessibleInterface();
        told << (shown->role() == QAccessible::Notification ? QString() : QString("not a notification: ")) +
                    shown->text(QAccessible::Name);
    }
}

} // namespace

class TestScenarios : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A comma run must really write commas.
        const bool comma = !qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("C"));
        QCOMPARE(QLocale::system().decimalPoint(), comma ? QStringLiteral(",") : QStringLiteral("."));
        kx::setUpApplication();
    }
    void play_data() {
        QTest::addColumn<QStringList>("steps");
        QFile file(QStringLiteral(KX_SCENARIOS));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& scenario : QString::fromUtf8(file.readAll()).split("\n== ").mid(1)) {
            QStringList lines = scenario.split('\n', Qt::SkipEmptyParts);
            const QString name = lines.takeFirst();
            QStringList steps;
            for (const QString& line : lines.filter(QRegularExpression("^[^#]"))) {
                steps << line.split("; ");
            }
            QTest::newRow(qPrintable(name)) << steps;
        }
        // What the keys of a real keyboard type into a field: each typed through the X server by its place
        // on the keyboard (x_server.h names them), under a keyboard layout, in a locale. One table of layout,
        // locale, keys and the text the field then holds, written with a point; each run takes the rows of
        // its locale.
        auto row = [](const char* layout, const char* locale, const char* keys, const char* shown) {
            if (qEnvironmentVariable("LC_ALL") == QLatin1String(locale)) {
                QTest::newRow(qPrintable(QString("%1, %2: %3").arg(layout, locale, keys)))
                    << QString("xlayout %1; click TXTvol; xkey %2; shows TXTvol=%3")
                           .arg(layout, keys, shown)
                           .split("; ");
            }
        };
        // The keypad's decimal key types the locale's separator, whatever the layout gives it.
        for (const char* layout : {"us", "it", "de", "fr"}) {
            for (const char* locale : {"C.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8"}) {
                row(layout, locale, "numlock kp2 kpdot kp5 numlock", "2.5");
            }
        }
        row("us", "C.UTF-8", "1 2 3 left delete", "12");
        row("us", "C.UTF-8", "1 2 3 left backspace", "13");
        row("it", "it_IT.UTF-8", "1 comma 2 5 left left delete", "1.5");
        row("de", "de_DE.UTF-8", "1 2 3 kp4 kpdot", "12"); // NumLock off: an arrow and Delete
        row("us", "C.UTF-8", "1 comma 0 0 0", "1000");
        row("us", "C.UTF-8", "2 period 5", "2.5");
        row("it", "it_IT.UTF-8", "2 comma 5 comma", "2.5");
        row("it", "it_IT.UTF-8", "2 period 5", "2.5");
        row("de", "de_DE.UTF-8", "2 comma 5", "2.5");
        // Typed over the digits before it, a separator takes their place; one more at the end goes.
        row("us", "C.UTF-8", "1 2 period 5 home shift+right shift+right period end period", ".5");
        row("it", "it_IT.UTF-8", "1 2 comma 5 home shift+right shift+right comma end comma", ".5");
        row("us", "C.UTF-8", "1 2 3 ctrl+z 4", "4");
        row("us", "C.UTF-8", "1 2 3 ctrl+z ctrl+shift+z ctrl+y", "123"); // Ctrl+Y is no redo here
        row("us", "C.UTF-8", "1 shift+insert", "19");                    // the clipboard holds 9
        row("de", "C.UTF-8", "1 equal 7 equal e 2", "172");              // a dead acute: alone, and on an e
        row("us", "C.UTF-8", "1 compose shift+6 2 5", "15");             // Compose ^ 2 gives a superscript 2
    }

    void play() {
        QFETCH(QStringList, steps);
        if (QGuiApplication::platformName() != "xcb" && !steps.filter(QRegularExpression("^x")).isEmpty()) {
            QSKIP("types through the X server: played on X11 only");
        }
        QApplication::clipboard()->setText(QStringLiteral("9"));
        kxtest::Player player;
        QVERIFY(player.active);
        const QString failure = player.play(steps);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // Random steps of a user, in the player's words, seeded and reproducible: after every step every result
    // label is empty or a number in the user's notation, never "inf" or "nan", and the program still runs.
    // KX_MONKEY_STEPS and KX_MONKEY_SEED choose a longer or another run.
    void randomSteps() {
        const QStringList steps =
            QStringLiteral(
                "click TXTvol|click TXTdia|click TXTlar|click TXTalt|click TXTlung|"
                "click CMDcalcolaKx|click CMDottimizza|click CMDinfo|"
                "enter TXTvol 50|enter TXTdia 10|enter TXTlar 0|enter TXTalt 3.3|"
                "enter TXTvol 0.0001|enter TXTdia 1e9|qttype 1|qttype 0|qttype .|qttype ,|"
                "qttype 9999999999|qttype -e x|qtkey Return|qtkey Tab|qtkey Shift+Tab|"
                "qtkey Backspace|qtkey Home|qtkey Up|qtkey PgDown|qtkey Ctrl+X|accesskey CMDcalcolaKx|"
                "accesskey CMDottimizza|qtkeytext \u00E9|qtkeytext \U0001D7D7|qtkeytext \u00B47|"
                "paste 1e39|paste -0|paste -5|paste inf|paste nan|paste 1.2.3|"
                "paste 3.4e38|paste 123456789012345678901234567890|"
                "commit \u00F11|commit 2.5x|arrow up|arrow down|wheel up|wheel down")
                .split('|');
        const int count = qEnvironmentVariable("KX_MONKEY_STEPS", "3000").toInt();
        const uint seed = qEnvironmentVariable("KX_MONKEY_SEED", "20261207").toUInt();
        std::mt19937 random(seed);
        kxtest::Player player;
        const QString separator = QRegularExpression::escape(QLocale::system().decimalPoint());
        const QRegularExpression number("^\\d+(" + separator + "\\d+)?(E[+-]\\d\\d+)?$");
        for (int step = 0; step < count; ++step) {
            const QString played =
                steps[std::uniform_int_distribution<int>(0, int(steps.size()) - 1)(random)];
            player.play({played});
            for (const char* name :
                 {"LBLsezione", "LBLdia", "LBLvolcondotto", "LBLkx", "LBLalt", "LBLlarg", "LBLpro"}) {
                const auto* label = player.form.findChild<QLabel*>(name);
                const QString value = label->toolTip().isEmpty() ? label->text() : label->toolTip();
                QVERIFY2(
                    value.isEmpty() || number.match(value).hasMatch(),
                    qPrintable(QString("seed %1, step %2 (%3): %4 shows '%5'")
                                   .arg(QString::number(seed), QString::number(step), played, name, value)));
            }
        }
    }

    // What a screen reader is told to speak while the user works: each result shown as a notification,
    // once per calculation, wherever the focus is, and nothing for a calculation that lacked data; the
    // number of ports in the form a count of one takes, another for more. Qt tells it only where a screen
    // reader's bridge runs: on X11 with an accessibility bus (on_virtual_screen.sh).
    void spokenResults() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("what a screen reader is told: played on X11 only");
        }
        kxtest::Player player;
        QVERIFY(player.active);
        QTRY_VERIFY(QAccessible::isActive());
        told.clear();
        QAccessible::installUpdateHandler(hear);
        const QString played =
            player.play({"enter TXTdia 10", "enter TXTvol 50", "enter TXTlung 20", "qtkey Return",
                         "click CMDcalcolaKx", "arrow up", "click CMDottimizza", "ports 2", "ports 1",
                         "ports 4", "enter TXTvol", "click CMDcalcolaKx", "messages 1"});
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(played, QString());
        QCOMPARE(told.filter("not a notification"), QStringList());
        QCOMPARE(told.size(), 7); // a spin step that shows Kx twice, nested, says it once
        QVERIFY(told[0] == told[1] && told[1] == told[2] && told[0].contains(kxtest::localised("41.56")) &&
                told[3].contains(kxtest::localised("36.84")));
        QVERIFY2(told[5].contains('1') && told[5] != QString(told[4]).replace('2', '1') &&
                     told[6] == QString(told[4]).replace('2', '4'),
                 qPrintable(told.mid(4).join(" | ")));
    }
};

QTEST_MAIN(TestScenarios)
#include "test_scenarios.moc"
