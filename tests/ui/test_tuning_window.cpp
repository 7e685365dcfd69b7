// The tuning calculation as a user runs it: typing into the fields and pressing "Calcola Kx".
#include "ui/application.h"
#include "ui/window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace kxtest;

class TestTuningWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(localeFollowsEnvironment());
        kx::setUpApplication();
    }
    void workedResults_data();
    void workedResults();
    void missingDataKeepsThePortLabels();
    void cannotBeComputed_data();
    void cannotBeComputed();
    void repeatedPressesAgree();
    void accessKeys();
    void exitButtonClosesTheWindow();
    void missingDataMessageBox();
    void longResultNeverReadsAsAnotherNumber_data();
    void longResultNeverReadsAsAnotherNumber();
    void screenReaderHearsTheResult();
};

namespace {

struct Port {
    QString volume, diameter, width, height, length;
    int ports = 1;
};

// Fills the fields the way a user does: port first, then volume, then length over the "1". The
// decimal point is typed as ".", which the fields turn into the user's separator.
void enter(Window& w, const Port& port) {
    if (!port.diameter.isEmpty()) {
        typeInto(w.field("TXTdia"), port.diameter);
    } else {
        typeInto(w.field("TXTalt"), port.height);
        typeInto(w.field("TXTlar"), port.width);
    }
    typeInto(w.field("TXTvol"), port.volume);
    typeInto(w.field("TXTlung"), port.length);
    w.find<QComboBox>("CMBcondotti")->setCurrentIndex(port.ports - 1);
}

void pressCalcola(Window& w) {
    QTest::mouseClick(w.find<QPushButton>("CMDcalcolaKx"), Qt::LeftButton);
}

} // namespace

void TestTuningWindow::workedResults_data() {
    QTest::addColumn<Port>("port");
    QTest::addColumn<QStringList>("labels"); // LBLsezione, LBLdia, LBLvolcondotto, LBLkx
    auto circular = [](const char* v, const char* d, const char* l, int n = 1) {
        return Port{v, d, {}, {}, l, n};
    };
    auto rectangular = [](const char* v, const char* w, const char* h, const char* l, int n = 1) {
        return Port{v, {}, w, h, l, n};
    };
    QTest::newRow("circular") << circular("50", "10", "20") << QStringList{"78.54", "", "1.57", "41.56"};
    QTest::newRow("two ports") << circular("50", "10", "20", 2) << QStringList{"78.54", "", "1.57", "58.78"};
    QTest::newRow("half volume") << circular("25", "10", "20") << QStringList{"78.54", "", "1.57", "58.78"};
    QTest::newRow("decimals") << circular("40", "7.5", "15") << QStringList{"44.18", "", "0.66", "40.24"};
    QTest::newRow("length 0") << circular("50", "10", "0") << QStringList{"78.54", "", "0.00", "80.40"};
    QTest::newRow("diameter 0") << circular("50", "0", "20") << QStringList{"0.00", "", "0.00", "0.00"};
    QTest::newRow("rectangular") << rectangular("50", "10", "5", "20")
                                 << QStringList{"50", "7.98", "1.00", "34.09"};
    QTest::newRow("four ports") << rectangular("100", "12", "3", "30", 4)
                                << QStringList{"36", "6.77", "1.08", "35.17"};
    QTest::newRow("width 0") << rectangular("50", "0", "5", "20") << QStringList{"0", "0.00", "0.00", "0.00"};
}

void TestTuningWindow::workedResults() {
    QFETCH(Port, port);
    QFETCH(QStringList, labels);
    Window w;
    QVERIFY(w.showActive());
    enter(w, port);
    pressCalcola(w);
    QCOMPARE(w.label("LBLsezione"), localised(labels[0]));
    QCOMPARE(w.label("LBLdia"), localised(labels[1]));
    QCOMPARE(w.label("LBLvolcondotto"), localised(labels[2]));
    QCOMPARE(w.label("LBLkx"), localised(labels[3]));
    QCOMPARE(w.dialogs.missingDataShown, 0);
}

void TestTuningWindow::missingDataKeepsThePortLabels() {
    Window w;
    QVERIFY(w.showActive());
    enter(w, Port{"50", "10", {}, {}, "20"});
    pressCalcola(w);
    QCOMPARE(w.label("LBLkx"), localised("41.56"));

    QStringList stillShown;
    w.dialogs.whileMissingDataShows = [&] {
        stillShown = {w.label("LBLsezione"), w.label("LBLvolcondotto"), w.label("LBLkx")};
    };
    w.field("TXTvol")->clear();
    pressCalcola(w);
    QCOMPARE(w.dialogs.missingDataShown, 1);
    QCOMPARE(w.dialogs.lastParent, &w.form);
    QCOMPARE(stillShown, (QStringList{localised("78.54"), localised("1.57"), localised("41.56")}));
    QCOMPARE(w.field("TXTlung")->text(), QStringLiteral("1"));
    QCOMPARE(w.label("LBLsezione"), localised("78.54"));
    QCOMPARE(w.label("LBLdia"), QString());
    QCOMPARE(w.label("LBLvolcondotto"), localised("1.57"));
    QCOMPARE(w.label("LBLkx"), QString()); // the absent Kx shows as nothing

    // The length is now 1: volume and port are enough for the next press.
    typeInto(w.field("TXTvol"), "50");
    pressCalcola(w);
    QCOMPARE(w.dialogs.missingDataShown, 1);
    QCOMPARE(w.label("LBLvolcondotto"), localised("0.08"));
}

void TestTuningWindow::cannotBeComputed_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    const QString separator = QLocale::system().decimalPoint();
    QTest::newRow("lone separator") << "TXTdia" << separator;
    QTest::newRow("letters") << "TXTvol"
                             << "cinquanta";
    QTest::newRow("two separators") << "TXTvol"
                                    << "5" + separator + "0" + separator + "1";
    QTest::newRow("negative volume") << "TXTvol"
                                     << "-50";
    QTest::newRow("negative length") << "TXTlung"
                                     << "-20";
    QTest::newRow("volume 0") << "TXTvol"
                              << "0";
    QTest::newRow("beyond single precision") << "TXTvol" << QString(45, QLatin1Char('9'));
    QTest::newRow("exponent overflow") << "TXTdia"
                                       << "1e39";
}

void TestTuningWindow::cannotBeComputed() {
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    Window w;
    QVERIFY(w.showActive());
    enter(w, Port{"50", "10", {}, {}, "20"});
    pressCalcola(w);
    w.field(qPrintable(field))->setText(pasted); // as a paste puts it there, past the keystroke filter
    pressCalcola(w);
    QCOMPARE(w.dialogs.missingDataShown, 1);
    QCOMPARE(w.field("TXTlung")->text(), QStringLiteral("1"));
    QCOMPARE(w.label("LBLkx"), QString());
    QCOMPARE(w.label("LBLsezione"), localised("78.54")); // nothing half-written
    QCOMPARE(w.label("LBLvolcondotto"), localised("1.57"));
}

void TestTuningWindow::repeatedPressesAgree() {
    Window w;
    QVERIFY(w.showActive());
    enter(w, Port{"100", {}, "12", "3", "30", 4});
    pressCalcola(w);
    const QStringList first{w.label("LBLsezione"), w.label("LBLdia"), w.label("LBLvolcondotto"),
                            w.label("LBLkx")};
    pressCalcola(w);
    pressCalcola(w);
    QCOMPARE(
        (QStringList{w.label("LBLsezione"), w.label("LBLdia"), w.label("LBLvolcondotto"), w.label("LBLkx")}),
        first);
}

void TestTuningWindow::accessKeys() {
    Window w;
    QVERIFY(w.showActive());
    enter(w, Port{"50", "10", {}, {}, "20"});
    QTest::keyClick(&w.form, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(w.label("LBLkx"), localised("41.56"));
    QTest::keyClick(&w.form, Qt::Key_U, Qt::AltModifier);
    QTRY_VERIFY(!w.form.isVisible());
}

void TestTuningWindow::exitButtonClosesTheWindow() {
    Window w;
    QVERIFY(w.showActive());
    QTest::mouseClick(w.find<QPushButton>("CMDuscire"), Qt::LeftButton);
    QVERIFY(!w.form.isVisible());
    QCOMPARE(w.dialogs.missingDataShown, 0);
}

void TestTuningWindow::missingDataMessageBox() {
    QWidget parent;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int buttons = 0;
    whenModalShows<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    kx::DesktopDialogs().showMissingData(&parent);
    QCOMPARE(title, QStringLiteral("Kx"));
    QCOMPARE(text, QStringLiteral("    Non vi sono dati sufficienti per eseguire il calcolo ...      "));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
}

void TestTuningWindow::longResultNeverReadsAsAnotherNumber_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<bool>("cut"); // whether some result no longer fits even the smallest face
    QTest::newRow("fits a smaller face") << "99999" << false;
    QTest::newRow("cut with a mark") << "9999999999" << true;
}

// Every result label shows its value whole, or a beginning of it followed by the mark "…", and
// never wider than the label; the whole value is then its tooltip and accessible name.
void TestTuningWindow::longResultNeverReadsAsAnotherNumber() {
    QFETCH(QString, diameter);
    QFETCH(bool, cut);
    Window w;
    QVERIFY(w.showActive());
    enter(w, {"50", diameter, {}, {}, "2000"});
    pressCalcola(w);
    bool anyCut = false;
    for (const char* name : {"LBLsezione", "LBLvolcondotto", "LBLkx"}) {
        const auto* label = w.find<QLabel>(name);
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                label->contentsRect().width());
        QVERIFY(label->font().pixelSize() >= 8);
        if (label->text().endsWith(QChar(0x2026))) {
            anyCut = true;
            QVERIFY(label->toolTip().startsWith(label->text().chopped(1)));
            QCOMPARE(label->accessibleName(), label->toolTip());
            QVERIFY(QLocale::system().toDouble(label->toolTip()) > 1e15);
        } else {
            QVERIFY(label->toolTip().isEmpty());
        }
    }
    QCOMPARE(anyCut, cut);
    const auto* portVolume = w.find<QLabel>("LBLvolcondotto");
    QVERIFY(portVolume->font().pixelSize() < w.find<QLabel>("LBLkx")->font().pixelSize()); // made to fit
    enter(w, {"50", "10", {}, {}, "20"});
    pressCalcola(w);
    QCOMPARE(portVolume->text(), localised("1.57")); // an ordinary result looks as it always did
    QCOMPARE(portVolume->font(), w.find<QLabel>("LBLkx")->font());
    QVERIFY(portVolume->toolTip().isEmpty());
}

// A result label reads as its value, labelled by its caption, in the user's notation. It has no
// name of its own: that is what lets Qt tell a screen reader of each change of its text (the
// offscreen platform has no accessibility bus to catch those events on).
void TestTuningWindow::screenReaderHearsTheResult() {
    Window w;
    QVERIFY(w.showActive());
    enter(w, {"50", "10", {}, {}, "20"});
    pressCalcola(w);
    for (const char* name : {"LBLsezione", "LBLvolcondotto", "LBLkx"}) {
        QVERIFY(w.find(name)->accessibleName().isEmpty());
    }
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(w.find("LBLkx"));
    QCOMPARE(result->text(QAccessible::Name), localised("41.56"));
    const auto labels = result->relations(QAccessible::Label); // its caption, then its frame
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->object(), w.find("Label4"));
    QVERIFY(!result->text(QAccessible::Description).isEmpty());
}

QTEST_MAIN(TestTuningWindow)
#include "test_tuning_window.moc"
