// The window as a user meets it: each scenario of scenarios.txt, played step by step.
#include "ui/application.h"
#include "windows/player.h"

#include <QFile>
#include <QRegularExpression>
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
    for (const QString& scenario : QString::fromUtf8(file.readAll()).split("\n== ").mid(1)) {
        QStringList lines = scenario.split('\n', Qt::SkipEmptyParts);
        const QString name = lines.takeFirst();
        QStringList steps;
        for (const QString& line : lines.filter(QRegularExpression("^[^#]"))) {
            steps << line.split("; ");
        }
        QTest::newRow(qPrintable(name)) << steps;
    }
}

void TestScenarios::play() {
    QFETCH(QStringList, steps);
    if (QGuiApplication::platformName() != "xcb" && !steps.filter(QRegularExpression("^x")).isEmpty()) {
        QSKIP("types through the X server: played on X11 only");
    }
    kxtest::Player player;
    QVERIFY(player.active);
    const QString failure = player.play(steps);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestScenarios)
#include "test_scenarios.moc"
