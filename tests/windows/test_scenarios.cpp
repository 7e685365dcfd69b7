// The window as a user meets it: each scenario of scenarios.txt, played step by step.
#include "ui/application.h"
#include "windows/player.h"

#include <QFile>
#include <QTest>

class TestScenarios : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A comma run must really write commas.
        const bool comma = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("it"));
        QCOMPARE(QLocale::system().decimalPoint(), comma ? QStringLiteral(",") : QStringLiteral("."));
        kx::setUpApplication();
    }
    void play_data();
    void play();
};

void TestScenarios::play_data() {
    QTest::addColumn<QStringList>("steps");
    QFile file(QStringLiteral(KX_SCENARIOS));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QString name;
    QStringList steps;
    auto add = [&] {
        if (!name.isEmpty()) {
            QTest::newRow(qPrintable(name)) << steps;
        }
    };
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString step = line.trimmed();
        if (step.startsWith(QLatin1String("== "))) {
            add();
            name = step.mid(3);
            steps.clear();
        } else if (!step.isEmpty() && !step.startsWith('#')) {
            steps << step.split(QStringLiteral("; "));
        }
    }
    add();
}

void TestScenarios::play() {
    QFETCH(QStringList, steps);
    kxtest::Player player;
    QVERIFY(player.active);
    const QString failure = player.play(steps);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestScenarios)
#include "test_scenarios.moc"
