// The port-length spin beside TXTlung: its steps, taking over a typed length, restarting at 1.
#include "ui/application.h"
#include "ui/window_fixture.h"

#include <QMessageBox>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>

using namespace kxtest;

class TestSliderWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(localeFollowsEnvironment());
        kx::setUpApplication();
    }
    void topArrowRaisesTheLength();
    void firstChangeAfterStartUp();
    void stepsFollowTheResults();
    void takingOverATypedLength_data();
    void takingOverATypedLength();
    void typedLengthEqualToTheClick();
    void endsOfTheRange();
    void pastedLengthIsNotTakenOver();
    void unreadableLengthKeepsTheSlider();
    void missingDataLoop();
    void takeOverAndRestartInOneClick();
    void everyInputGoesTheWayOfItsArrow_data();
    void everyInputGoesTheWayOfItsArrow();
    void heldArrowStopsBehindTheMessage();
    void focusShows();
};

namespace {

struct Spin {
    Window& w;
    QScrollBar* bar() const { return w.find<QScrollBar>("VSLungcond"); }
    void up() const { QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(8, 3)); }
    void down() const { QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(8, 13)); }
    QString length() const { return w.field("TXTlung")->text(); }
    int length_cm() const { return -bar()->value(); } // the spin runs over negated lengths
};

void circularPort(Window& w) {
    w.field("TXTdia")->setText("10");
    w.field("TXTvol")->setText("50");
}

} // namespace

void TestSliderWindow::topArrowRaisesTheLength() {
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    spin.up(); // the first change only brings the slider to the field's 1
    spin.up();
    spin.up();
    QCOMPARE(spin.length_cm(), 3);
    spin.down();
    QCOMPARE(spin.length_cm(), 2);
    spin.bar()->setFocus();
    QTest::keyClick(spin.bar(), Qt::Key_Up);
    QCOMPARE(spin.length_cm(), 3);
    QTest::keyClick(spin.bar(), Qt::Key_Down);
    QCOMPARE(spin.length_cm(), 2);
}

void TestSliderWindow::firstChangeAfterStartUp() {
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    QCOMPARE(spin.length_cm(), 250);
    spin.up(); // only brings the slider to the field's "1"
    QCOMPARE(spin.length_cm(), 1);
    QCOMPARE(spin.length(), QStringLiteral("1"));
    QCOMPARE(w.label("LBLkx"), localised("75.39"));
    spin.up();
    QCOMPARE(spin.length(), QStringLiteral("2"));
}

void TestSliderWindow::stepsFollowTheResults() {
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    spin.up();
    QStringList lengths, volumes, kxs;
    for (int i = 0; i < 3; ++i) {
        spin.up();
        lengths << spin.length();
        volumes << w.label("LBLvolcondotto");
        kxs << w.label("LBLkx");
        QCOMPARE(w.label("LBLsezione"), localised("78.54"));
    }
    QCOMPARE(lengths, (QStringList{"2", "3", "4"}));
    QCOMPARE(volumes, (QStringList{localised("0.16"), localised("0.24"), localised("0.31")}));
    QVERIFY(kxs[0] > kxs[1] && kxs[1] > kxs[2]); // a longer port tunes lower
    QCOMPARE(w.dialogs.missingDataShown, 0);
}

void TestSliderWindow::takingOverATypedLength_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("taken");
    QTest::newRow("12") << "12"
                        << "12";
    QTest::newRow("12.5 to the even 12") << "12.5"
                                         << "12";
    QTest::newRow("13.5 to the even 14") << "13.5"
                                         << "14";
}

void TestSliderWindow::takingOverATypedLength() {
    QFETCH(QString, typed);
    QFETCH(QString, taken);
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    spin.up();
    typeInto(w.field("TXTlung"), typed); // each key released marks the length as typed
    QCOMPARE(spin.length(), localised(typed));
    spin.up(); // the click's own step is lost
    QCOMPARE(spin.length(), taken);
    QCOMPARE(spin.length_cm(), taken.toInt());
    spin.up();
    QCOMPARE(spin.length_cm(), taken.toInt() + 1);
    spin.down();
    spin.down();
    QCOMPARE(spin.length(), QString::number(taken.toInt() - 1));
}

void TestSliderWindow::typedLengthEqualToTheClick() {
    Window w;
    QVERIFY(w.showActive());
    Spin spin{w};
    typeInto(w.field("TXTlung"), "251");
    spin.up(); // 250 to 251: the typed length is already there, and the ordinary step runs once
    QCOMPARE(spin.length_cm(), 251);
    QCOMPARE(w.dialogs.missingDataShown, 1); // no volume: that one step showed the message
    QCOMPARE(spin.length(), QStringLiteral("1"));
}

void TestSliderWindow::endsOfTheRange() {
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    typeInto(w.field("TXTlung"), "600"); // beyond the range: its end
    spin.up();
    QCOMPARE(spin.length_cm(), 500);
    QCOMPARE(spin.length(), QStringLiteral("500"));
    w.find<QLabel>("LBLkx")->setText("-");
    spin.up(); // no change of value: nothing runs
    QCOMPARE(spin.length_cm(), 500);
    QCOMPARE(w.label("LBLkx"), QStringLiteral("-"));
    spin.down();
    QCOMPARE(spin.length(), QStringLiteral("499"));

    typeInto(w.field("TXTlung"), "0.4");
    spin.down();
    QCOMPARE(spin.length_cm(), 1);
    QCOMPARE(spin.length(), QStringLiteral("1"));
    w.find<QLabel>("LBLkx")->setText("-");
    spin.down();
    QCOMPARE(w.label("LBLkx"), QStringLiteral("-"));
}

void TestSliderWindow::pastedLengthIsNotTakenOver() {
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    spin.up();
    spin.up();
    w.field("TXTlung")->setText("40"); // as a mouse paste puts it there: no key released
    spin.up();
    QCOMPARE(spin.length_cm(), 3);
    QCOMPARE(spin.length(), QStringLiteral("3"));
}

void TestSliderWindow::unreadableLengthKeepsTheSlider() {
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    spin.up();
    typeInto(w.field("TXTlung"), ".");
    spin.up(); // nothing to take over: the ordinary step from the slider's own 1
    QCOMPARE(spin.length_cm(), 2);
    QCOMPARE(spin.length(), QStringLiteral("2"));
    QCOMPARE(w.dialogs.missingDataShown, 0);
}

void TestSliderWindow::missingDataLoop() {
    Window w;
    QVERIFY(w.showActive());
    w.field("TXTdia")->setText("10"); // no volume
    Spin spin{w};
    QList<int> messages, values;
    QStringList lengths;
    for (int click = 0; click < 4; ++click) {
        spin.up();
        messages << w.dialogs.missingDataShown;
        values << spin.length_cm();
        lengths << spin.length();
        QCOMPARE(w.label("LBLkx"), QString());
    }
    // Each click shows the message once: the first brings the slider to 1, the second steps to 2
    // before the length goes back to 1, the later ones step away and are brought back to 1.
    QCOMPARE(messages, (QList<int>{1, 2, 3, 4}));
    QCOMPARE(values, (QList<int>{1, 2, 1, 1}));
    QCOMPARE(lengths, (QStringList{"1", "1", "1", "1"}));
}

void TestSliderWindow::takeOverAndRestartInOneClick() {
    Window w;
    QVERIFY(w.showActive());
    w.field("TXTdia")->setText("10"); // no volume
    Spin spin{w};
    typeInto(w.field("TXTlung"), "30");
    spin.up(); // takes over 30, whose step ends in the message; then restarts at 1, with the message again
    QCOMPARE(w.dialogs.missingDataShown, 2);
    QCOMPARE(spin.length_cm(), 1);
    QCOMPARE(spin.length(), QStringLiteral("1"));
}

// Each input the desktop gives a scroll bar, from a length of 100: up is longer, the top is 500.
void TestSliderWindow::everyInputGoesTheWayOfItsArrow_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("length");
    QTest::newRow("top arrow") << "top arrow" << 101;
    QTest::newRow("bottom arrow") << "bottom arrow" << 99;
    QTest::newRow("Up") << "Up" << 101;
    QTest::newRow("Down") << "Down" << 99;
    QTest::newRow("PageUp") << "PageUp" << 101;
    QTest::newRow("PageDown") << "PageDown" << 99;
    QTest::newRow("Home: the top") << "Home" << 500;
    QTest::newRow("End: the bottom") << "End" << 1;
    QTest::newRow("wheel up") << "wheel up" << 101;
    QTest::newRow("wheel down") << "wheel down" << 99;
}

void TestSliderWindow::everyInputGoesTheWayOfItsArrow() {
    QFETCH(QString, input);
    Window w;
    QVERIFY(w.showActive());
    circularPort(w);
    Spin spin{w};
    typeInto(w.field("TXTlung"), "100");
    spin.down(); // takes the typed length over
    QCOMPARE(spin.length(), QStringLiteral("100"));
    spin.bar()->setFocus(Qt::TabFocusReason);
    QWindow* window = w.form.windowHandle();
    const QHash<QString, Qt::Key> keys{{"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
                                       {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
                                       {"Home", Qt::Key_Home},     {"End", Qt::Key_End}};
    if (keys.contains(input)) {
        QTest::keyClick(window, keys.value(input));
    } else if (input.endsWith("arrow")) {
        const QPoint arrow = spin.bar()->mapTo(&w.form, QPoint(8, input.startsWith("top") ? 3 : 13));
        QTest::mouseClick(window, Qt::LeftButton, {}, arrow);
    } else {
        const QPoint notch(0, input.endsWith("up") ? 120 : -120);
        QWheelEvent wheel(QPointF(8, 8), spin.bar()->mapToGlobal(QPointF(8, 8)), {}, notch, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(spin.bar(), &wheel);
    }
    QTEST(spin.length().toInt(), "length");
    QTEST(spin.length_cm(), "length");
}

// The message opens inside the press on the arrow; the button comes up while it is open, so the
// release goes to the message's modality, not to the spin. The spin must stop all the same.
void TestSliderWindow::heldArrowStopsBehindTheMessage() {
    kx::FORMprinc form; // the real message box
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* bar = form.findChild<QScrollBar*>("VSLungcond");
    const QPoint arrow = bar->mapTo(&form, QPoint(8, 3));
    int messages = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("seen").toBool()) {
            return;
        }
        box->setProperty("seen", true);
        if (++messages == 1) {
            QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, arrow);
        }
        QTimer::singleShot(800, box, &QMessageBox::accept); // long enough for the spin to repeat
    });
    answer.start(20);
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, arrow);
    QTest::qWait(1200);
    answer.stop();
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(8, 3)); // ends a repeat the test found, if any
    QCOMPARE(messages, 1);
    QCOMPARE(form.findChild<QLineEdit*>("TXTlung")->text(), QStringLiteral("1"));
}

void TestSliderWindow::focusShows() {
    Window w;
    QVERIFY(w.showActive());
    auto* bar = w.find<QScrollBar>("VSLungcond");
    const QImage without = bar->grab().toImage();
    bar->setFocus(Qt::TabFocusReason);
    QVERIFY(bar->hasFocus());
    QVERIFY(bar->grab().toImage() != without);
}

QTEST_MAIN(TestSliderWindow)
#include "test_slider_window.moc"
