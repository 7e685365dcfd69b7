// Random steps of a user, in the player's words, seeded and reproducible: after every step the window
// is there and every result label is empty or a number in the user's notation, never "inf" or "nan".
// KX_MONKEY_STEPS and KX_MONKEY_SEED choose a longer or another run.
#include "ui/application.h"
#include "windows/player.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <random>

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kx::setUpApplication(); }
    void randomSteps();
};

void TestMonkey::randomSteps() {
    const int steps = qEnvironmentVariableIntValue("KX_MONKEY_STEPS") > 0
                          ? qEnvironmentVariableIntValue("KX_MONKEY_STEPS")
                          : 3000;
    const uint seed = qEnvironmentVariableIsSet("KX_MONKEY_SEED")
                          ? qEnvironmentVariable("KX_MONKEY_SEED").toUInt()
                          : 20261207u;
    std::mt19937 random(seed);
    auto pick = [&](const QStringList& words) {
        return words[std::uniform_int_distribution<int>(0, int(words.size()) - 1)(random)];
    };
    const QHash<QString, QStringList> words{
        {"click",
         {"TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung", "CMDcalcolaKx", "CMDottimizza", "CMDinfo"}},
        {"enter",
         {"TXTvol 50", "TXTdia 10", "TXTlar 0", "TXTalt 3.3", "TXTlung 20", "TXTvol 0.0001", "TXTdia 1e9"}},
        {"type", {"1", "7", "0", ".", ",", "12.5", "9999999999", "-", "e", "x", " "}},
        {"key",
         {"Return", "Tab", "Shift+Tab", "Backspace", "Home", "End", "Up", "Down", "PageUp", "PageDown",
          "Ctrl+A", "Ctrl+X", "Alt+C", "Alt+O"}},
        {"keytext", {"\u00E9", "\U0001F600", "\U0001D7D7", "\u00B47", "\u2013"}},
        {"paste",
         {"1e39", "-0", "-5", "inf", "nan", "1.2.3", "abc", "0", "3.4e38", "123456789012345678901234567890"}},
        {"commit", {"\u00F11", "2.5x", "\U0001D7D7"}},
        {"arrow", {"up", "down"}}};
    kxtest::Player player;
    const QString separator = QRegularExpression::escape(QLocale::system().decimalPoint());
    const QRegularExpression number("^\\d+(" + separator + "\\d+)?(E[+-]\\d\\d+)?$");
    for (int step = 0; step < steps; ++step) {
        const QString verb = pick(kxtest::Player::verbs());
        const QString played = verb + ' ' + pick(words.value(verb));
        player.play({played});
        QVERIFY2(player.form.isVisible(), qPrintable(played));
        for (const char* name :
             {"LBLsezione", "LBLdia", "LBLvolcondotto", "LBLkx", "LBLalt", "LBLlarg", "LBLpro"}) {
            const auto* label = player.form.findChild<QLabel*>(name);
            const QString value = label->toolTip().isEmpty() ? label->text() : label->toolTip();
            QVERIFY2(value.isEmpty() || number.match(value).hasMatch(),
                     qPrintable(QString("seed %1, step %2 (%3): %4 shows '%5'")
                                    .arg(seed)
                                    .arg(step)
                                    .arg(played, name, value)));
        }
    }
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
