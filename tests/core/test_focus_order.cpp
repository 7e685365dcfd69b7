#include "entry/focus_order.h"

#include <QTest>

using namespace kx;

class TestFocusOrder : public QObject {
    Q_OBJECT
private slots:
    void settingAPosition_data();
    void settingAPosition();
    void positionsCountFromZero();
};

void TestFocusOrder::settingAPosition_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("expected");
    const QStringList abcde{"a", "b", "c", "d", "e"};
    QTest::newRow("forward: those between move up") << "b" << 3 << QStringList{"a", "c", "d", "b", "e"};
    QTest::newRow("backward: those between move down") << "d" << 0 << QStringList{"d", "a", "b", "c", "e"};
    QTest::newRow("to its own place") << "c" << 2 << abcde;
    QTest::newRow("beyond the end goes last") << "a" << 25 << QStringList{"b", "c", "d", "e", "a"};
    QTest::newRow("negative goes first") << "e" << -1 << QStringList{"e", "a", "b", "c", "d"};
    QTest::newRow("unknown name changes nothing") << "x" << 0 << abcde;
}

void TestFocusOrder::settingAPosition() {
    QFETCH(QString, name);
    QFETCH(int, position);
    FocusOrder order({"a", "b", "c", "d", "e"});
    order.setPosition(name, position);
    QTEST(order.names(), "expected");
}

void TestFocusOrder::positionsCountFromZero() {
    FocusOrder order({"a", "b", "c"});
    QCOMPARE(order.position("a"), 0);
    QCOMPARE(order.position("c"), 2);
    QCOMPARE(order.position("x"), -1);
    // Settings made one after the other each see the order the one before left.
    order.setPosition("c", 0);
    order.setPosition("a", 1);
    QCOMPARE(order.names(), (QStringList{"c", "a", "b"}));
}

QTEST_APPLESS_MAIN(TestFocusOrder)
#include "test_focus_order.moc"
