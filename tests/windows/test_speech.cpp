// What a screen reader is told to speak while the user works: each result shown as a notification,
// once per calculation, wherever the focus is. Qt reports accessibility events only where a screen
// reader's bridge runs, so this test runs on X11 with an accessibility bus (on_virtual_screen.sh).
#include "ui/application.h"
#include "windows/player.h"

#include <QAccessible>
#include <QTest>

namespace {

// The role and the name of each object the window showed to a screen reader.
QStringList told;

void hear(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ObjectShow) {
        QAccessibleInterface* shown = event->accessibleInterface();
        told << QStringLiteral("%1 %2").arg(shown->role()).arg(shown->text(QAccessible::Name));
    }
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kx::setUpApplication(); }
    void resultsAreSpoken();
};

void TestSpeech::resultsAreSpoken() {
    kxtest::Player player;
    QVERIFY(player.active);
    QTRY_VERIFY(QAccessible::isActive());
    told.clear();
    QAccessible::installUpdateHandler(hear);
    const QString played =
        player.play({"enter TXTdia 10", "enter TXTvol 50", "enter TXTlung 20", "qtkey Return",
                     "click CMDcalcolaKx", "arrow up", "click CMDottimizza", "ports 2"});
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(played, QString());
    const QString notification = QString::number(QAccessible::Notification) + ' ';
    const QString kx = notification + kxtest::localised("Kx 41.56 hertz");
    QCOMPARE(told,
             QStringList({kx, kx,
                          kx, // a spin step that shows Kx twice, nested, says it once
                          notification + kxtest::localised("Altezza 59.60, larghezza 22.76, profondit") +
                              QStringLiteral("\u00E0 ") + kxtest::localised("36.84 centimetri"),
                          notification + "2 condotti"}));
}

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
