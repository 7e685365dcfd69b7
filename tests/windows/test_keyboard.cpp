// What keys of a real keyboard type into a numeric field: each typed through the X server, by its
// place on the keyboard, under a keyboard layout, in the locale the test runs in. One table of layout,
// locale, keys and the text the field then holds; each run takes the rows of its own locale.
#include "ui/application.h"
#include "windows/player.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void typed_data();
    void typed();
};

void TestKeyboard::initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == "xcb", "keys go through an X server: run on X11");
    kx::setUpApplication();
}

void TestKeyboard::typed_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("numLock");
    QTest::addColumn<QString>("keys"); // x_keys.h names them
    QTest::addColumn<QString>("shown");
    const QString locale = qEnvironmentVariable("LC_ALL");
    auto row = [&](const char* layout, const char* in, bool numLock, const char* keys, const char* shown) {
        if (locale == QLatin1String(in)) {
            QTest::newRow(qPrintable(QString("%1, %2: %3").arg(layout, in, keys)))
                << layout << numLock << keys << shown;
        }
    };
    // The keypad's decimal key types the locale's separator, whatever the layout gives it.
    for (const char* layout : {"us", "it", "de", "fr"}) {
        row(layout, "C.UTF-8", true, "kp2 kpdot kp5", "2.5");
        row(layout, "it_IT.UTF-8", true, "kp2 kpdot kp5", "2,5");
        row(layout, "de_DE.UTF-8", true, "kp2 kpdot kp5", "2,5");
    }
    row("us", "C.UTF-8", false, "1 2 3 left delete", "12");
    row("us", "C.UTF-8", false, "1 2 3 left backspace", "13");
    row("it", "it_IT.UTF-8", false, "1 2 comma 5 left left delete", "125");
    row("de", "de_DE.UTF-8", false, "1 2 3 kp4 kpdot", "12"); // NumLock off: an arrow and Delete
    row("us", "C.UTF-8", false, "1 comma 0 0 0", "1000");
    row("us", "C.UTF-8", false, "2 period 5", "2.5");
    row("it", "it_IT.UTF-8", false, "2 comma 5 comma", "2,5");
    row("it", "it_IT.UTF-8", false, "2 period 5", "2,5");
    row("de", "de_DE.UTF-8", false, "2 comma 5", "2,5");
    // Typed over the digits before it, a separator takes their place; one more at the end goes.
    row("us", "C.UTF-8", false, "1 2 period 5 home shift+right shift+right period end period", ".5");
    row("it", "it_IT.UTF-8", false, "1 2 comma 5 home shift+right shift+right comma end comma", ",5");
    row("us", "C.UTF-8", false, "1 2 3 ctrl+z", "");
    row("us", "C.UTF-8", false, "1 2 3 ctrl+z ctrl+shift+z", "123");
    row("us", "C.UTF-8", false, "1 2 3 ctrl+y", "123");
    row("us", "C.UTF-8", false, "1 shift+insert", "19");        // the clipboard holds 9
    row("de", "C.UTF-8", false, "1 equal 7 equal e 2", "172");  // a dead acute: alone, and on an e
    row("us", "C.UTF-8", false, "1 compose shift+6 2 5", "15"); // Compose ^ 2 gives a superscript 2
}

void TestKeyboard::typed() {
    QFETCH(QString, layout);
    QFETCH(bool, numLock);
    QFETCH(QString, keys);
    QApplication::clipboard()->setText(QStringLiteral("9"));
    kxtest::Player player;
    QVERIFY(player.active);
    const QString played = player.play(
        {"xlayout " + layout, numLock ? "xnumlock on" : "xnumlock off", "click TXTvol", "xkey " + keys});
    QVERIFY2(played.isEmpty(), qPrintable(played));
    QTEST(player.form.findChild<QLineEdit*>("TXTvol")->text(), "shown");
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
