// The window as a user meets it: each scenario of scenarios.txt, real keys among them, played step by
// step; thousands of random steps.
#include "ui/application.h"
#include "windows/player.h"

#include <random>

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
            QTest::newRow(qPrintable(name))
                << lines.filter(QRegularExpression("^[^#]")).join("; ").split("; ");
        }
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
        if (failure.endsWith(kxtest::Player::kOnlyElsewhere)) {
            QSKIP(qPrintable(failure));
        }
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
        std::uniform_int_distribution<int> any(0, int(steps.size()) - 1);
        for (int step = 0; step < count; ++step) {
            const QString played = steps[any(random)];
            player.play({played});
            // The results, each whole as its tooltip holds it when it is shown cut.
            for (const QLabel* label : player.form.findChildren<QLabel*>(QRegularExpression("^LBL[a-z]"))) {
                const QString value = label->toolTip().isEmpty() ? label->text() : label->toolTip();
                QVERIFY2(value.isEmpty() || number.match(value).hasMatch(),
                         qPrintable(QString("seed %1, step %2 (%3): %4 shows '%5'")
                                        .arg(seed)
                                        .arg(step)
                                        .arg(played, label->objectName(), value)));
            }
        }
    }
};

QTEST_MAIN(TestScenarios)
#include "test_scenarios.moc"
