// The field and slider handlers stand on two properties of Qt's notifications: writing an
// identical value raises nothing, writing a different one raises exactly one notification,
// synchronously, nested inside the write.
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

class TestQtNotifications : public QObject {
    Q_OBJECT
private slots:
    void lineEditText();
    void scrollBarValue();
};

void TestQtNotifications::lineEditText() {
    QLineEdit field;
    int calls = 0;
    int depth = 0;
    int deepest = 0;
    QStringList seen;
    QObject::connect(&field, &QLineEdit::textChanged, [&](const QString& text) {
        ++calls;
        ++depth;
        deepest = std::max(deepest, depth);
        seen << text;
        if (text == "12,5,") {
            field.setText("12,5"); // a correction from inside the handler
        }
        field.setText(field.text()); // an identical write-back
        --depth;
    });
    field.setText("12,5");
    QCOMPARE(calls, 1);
    field.setText("12,5");
    QCOMPARE(calls, 1);
    field.setText("12,5,");
    QCOMPARE(calls, 3);
    QCOMPARE(deepest, 2);
    QCOMPARE(seen, (QStringList{"12,5", "12,5,", "12,5"}));
    QCOMPARE(field.text(), QStringLiteral("12,5"));
}

void TestQtNotifications::scrollBarValue() {
    QScrollBar bar(Qt::Vertical);
    bar.setRange(1, 500);
    bar.setValue(250);
    QList<int> seen;
    int depth = 0;
    int deepest = 0;
    QObject::connect(&bar, &QScrollBar::valueChanged, [&](int value) {
        ++depth;
        deepest = std::max(deepest, depth);
        seen << value;
        if (value != 1) {
            bar.setValue(1);
        }
        bar.setValue(bar.value());
        --depth;
    });
    bar.setValue(250);
    QVERIFY(seen.isEmpty());
    bar.setValue(251);
    QCOMPARE(seen, (QList<int>{251, 1}));
    QCOMPARE(deepest, 2);
    bar.setValue(1);
    QCOMPARE(seen.size(), 2);
}

QTEST_MAIN(TestQtNotifications)
#include "test_qt_notifications.moc"
