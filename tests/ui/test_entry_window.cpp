// Typing into the real fields: the keystroke filter, the separator clean-up, the caret and Enter.
#include "ui/application.h"
#include "ui/window_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QWindow>

using namespace kxtest;

class TestEntryWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(localeFollowsEnvironment());
        kx::setUpApplication();
    }
    void typedCharacters_data();
    void typedCharacters();
    void controlKeysStillWork();
    void everyTypingPathIsFiltered_data();
    void everyTypingPathIsFiltered();
    void separatorTable_data();
    void separatorTable();
    void caretEndsAfterTheText();
    void enterRunsTheCalculation_data();
    void enterRunsTheCalculation();
    void optimiser();
};

namespace {
QString separator() {
    return QLocale::system().decimalPoint();
}
} // namespace

void TestEntryWindow::typedCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits") << "0123456789"
                            << "0123456789";
    QTest::newRow("point becomes the separator") << "12.5" << localised("12.5");
    QTest::newRow("comma is swallowed") << "12,5"
                                        << "125";
    QTest::newRow("signs and space") << "-1+2 3"
                                     << "123";
    QTest::newRow("letters and exponent") << "1e5abcXYZ"
                                          << "15";
    QTest::newRow("accented and other") << QString::fromUtf8("7è€ß°8") << "78";
    QTest::newRow("symbols") << "4/5*6:7;8"
                             << "45678";
}

void TestEntryWindow::typedCharacters() {
    QFETCH(QString, typed);
    Window w;
    QVERIFY(w.showActive());
    for (const char* name : {"TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung"}) {
        QLineEdit* field = w.field(name);
        typeInto(field, typed);
        QTEST(field->text(), "shown");
    }
}

void TestEntryWindow::controlKeysStillWork() {
    Window w;
    QVERIFY(w.showActive());
    QLineEdit* volume = w.field("TXTvol");
    typeInto(volume, "123");
    QTest::keyClick(volume, Qt::Key_Backspace);
    QCOMPARE(volume->text(), QStringLiteral("12"));
    volume->selectAll();
    QTest::keyClick(volume, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
    QTest::keyClick(volume, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(volume->text(), QString());
    QLineEdit* length = w.field("TXTlung");
    QTest::mouseClick(length, Qt::LeftButton);
    QTest::keyClick(length, Qt::Key_End);
    QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(length->text(), QStringLiteral("112"));
    // A paste is not filtered character by character: it reaches the field as it is.
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(length->text(), QStringLiteral("112abc"));
}

// Characters as the desktop delivers them: a key whose text is one or two UTF-16 units (a character
// beyond 16 bits, a dead key that found no partner), or an input method's commit.
void TestEntryWindow::everyTypingPathIsFiltered_data() {
    QTest::addColumn<bool>("inputMethod");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const QString boldNine = QString::fromUcs4(U"\U0001D7D7");
    const QString pointInLow16Bits = QString::fromUcs4(U"\U0001002E");
    QTest::newRow("key: accented letter") << false << QString::fromUtf8("\u00E9") << "";
    QTest::newRow("key: superscript one") << false << QString::fromUtf8("\u00B9") << "";
    QTest::newRow("key: en dash") << false << QString::fromUtf8("\u2013") << "";
    QTest::newRow("key: emoji") << false << QString::fromUcs4(U"\U0001F600") << "";
    QTest::newRow("key: bold nine") << false << boldNine << "";
    QTest::newRow("key: beyond 16 bits, a point below") << false << pointInLow16Bits << "";
    QTest::newRow("key: dead acute, then 7") << false << QString::fromUtf8("\u00B47") << "7";
    QTest::newRow("key: dead acute, then point") << false << QString::fromUtf8("\u00B4.") << localised(".");
    QTest::newRow("input method: accented letter") << true << QString::fromUtf8("\u00F1") << "";
    QTest::newRow("input method: digits among others")
        << true << QString::fromUtf8("1\u00E92.5,x") + boldNine << localised("12.5");
}

void TestEntryWindow::everyTypingPathIsFiltered() {
    QFETCH(bool, inputMethod);
    QFETCH(QString, typed);
    Window w;
    QVERIFY(w.showActive());
    QLineEdit* volume = w.field("TXTvol");
    QTest::mouseClick(volume, Qt::LeftButton);
    if (inputMethod) {
        QVERIFY(volume->testAttribute(Qt::WA_InputMethodEnabled));
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
    } else {
        QTest::sendKeyEvent(QTest::Click, w.form.windowHandle(), Qt::Key_unknown, typed, Qt::NoModifier);
    }
    QTEST(volume->text(), "shown");
}

// Each row brings a field to a state by typing, then types one more change. Keys: "<" Home, ">" End,
// "}" Right, "#" Backspace, "~" select all and delete; anything else is typed as it is.
void TestEntryWindow::separatorTable_data() {
    QTest::addColumn<QString>("other");  // typed into TXTvol first
    QTest::addColumn<QString>("before"); // typed into TXTdia
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("after");
    QTest::newRow("separator at the end") << ""
                                          << "12.5"
                                          << ">."
                                          << "12.5";
    QTest::newRow("separator at the start") << ""
                                            << "12.5"
                                            << "<."
                                            << "12.5";
    QTest::newRow("separator before the existing one") << ""
                                                       << "12.5"
                                                       << "<}}."
                                                       << "12.5";
    QTest::newRow("digit at the start") << ""
                                        << "2.5"
                                        << "<9"
                                        << "92.5";
    QTest::newRow("digit into an empty field") << ""
                                               << "12.5~"
                                               << "7"
                                               << "7";
    QTest::newRow("lone separator") << ""
                                    << ""
                                    << "."
                                    << ".";
    QTest::newRow("whole text deleted") << ""
                                        << "12.5"
                                        << "~"
                                        << "";
    QTest::newRow("Backspace after a paste") << ""
                                             << "[1.2.3]"
                                             << "#"
                                             << "1.2";
    QTest::newRow("after another field's separator") << "123.4"
                                                     << "2.5"
                                                     << ">."
                                                     << "2.5";
    QTest::newRow("third separator of a paste stays") << ""
                                                      << "[1.2.3.4]"
                                                      << ""
                                                      << "1.2.3.4";
}

namespace {
// "[text]" pastes text; see separatorTable_data for the other keys.
void play(QLineEdit* field, const QString& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar key = keys[i];
        if (key == '[') {
            const qsizetype end = keys.indexOf(']', i);
            QApplication::clipboard()->setText(localised(keys.mid(i + 1, end - i - 1)));
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            i = end;
        } else if (key == '<') {
            QTest::keyClick(field, Qt::Key_Home);
        } else if (key == '>') {
            QTest::keyClick(field, Qt::Key_End);
        } else if (key == '}') {
            QTest::keyClick(field, Qt::Key_Right);
        } else if (key == '#') {
            QTest::keyClick(field, Qt::Key_Backspace);
        } else if (key == '~') {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
        } else {
            QTest::keyClicks(field, QString(key));
        }
    }
}
} // namespace

void TestEntryWindow::separatorTable() {
    QFETCH(QString, other);
    QFETCH(QString, before);
    QFETCH(QString, change);
    QFETCH(QString, after);
    Window w;
    QVERIFY(w.showActive());
    if (!other.isEmpty()) {
        QTest::mouseClick(w.field("TXTvol"), Qt::LeftButton);
        play(w.field("TXTvol"), other);
    }
    QLineEdit* field = w.field("TXTdia");
    QTest::mouseClick(field, Qt::LeftButton);
    play(field, before);
    play(field, change);
    QCOMPARE(field->text(), localised(after));
    QCOMPARE(field->cursorPosition(), int(field->text().size()));
}

void TestEntryWindow::caretEndsAfterTheText() {
    Window w;
    QVERIFY(w.showActive());
    QLineEdit* field = w.field("TXTvol");
    typeInto(field, "1234");
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Right);
    QCOMPARE(field->cursorPosition(), 1); // moving the caret is no change
    QTest::keyClicks(field, "9");
    QCOMPARE(field->text(), QStringLiteral("19234"));
    QCOMPARE(field->cursorPosition(), 5);
    QTest::keyClicks(field, "8");
    QCOMPARE(field->text(), QStringLiteral("192348"));
}

void TestEntryWindow::enterRunsTheCalculation_data() {
    QTest::addColumn<QString>("typedIn");
    QTest::addColumn<QStringList>("filled"); // TXTvol, TXTdia, TXTlar, TXTalt, TXTlung
    QTest::addColumn<bool>("runs");
    QTest::addColumn<bool>("missing"); // the calculation then finds data missing
    QTest::newRow("width filled") << "TXTlar" << QStringList{"50", "", "10", "5", "20"} << true << false;
    QTest::newRow("width itself empty") << "TXTlar" << QStringList{"50", "", "", "5", "20"} << true << true;
    QTest::newRow("height without width")
        << "TXTalt" << QStringList{"50", "", "", "5", "20"} << false << false;
    QTest::newRow("diameter empty") << "TXTdia" << QStringList{"50", "", "", "", "20"} << false << false;
    QTest::newRow("diameter filled") << "TXTdia" << QStringList{"50", "10", "", "", "20"} << true << false;
    QTest::newRow("volume with half a rectangle")
        << "TXTvol" << QStringList{"50", "", "10", "", "20"} << false << false;
    QTest::newRow("volume with a rectangle")
        << "TXTvol" << QStringList{"50", "", "10", "5", "20"} << true << false;
    QTest::newRow("length itself empty") << "TXTlung" << QStringList{"50", "10", "", "", ""} << true << true;
}

void TestEntryWindow::enterRunsTheCalculation() {
    QFETCH(QString, typedIn);
    QFETCH(QStringList, filled);
    QFETCH(bool, runs);
    QFETCH(bool, missing);
    Window w;
    QVERIFY(w.showActive());
    const char* names[] = {"TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung"};
    QTest::mouseClick(w.field(qPrintable(typedIn)), Qt::LeftButton);
    for (int i = 0; i < 5; ++i) {
        w.field(names[i])->setText(filled[i]);
    }
    w.find<QLabel>("LBLkx")->setText("-");
    QTest::keyClick(w.field(qPrintable(typedIn)), Qt::Key_Return);
    QCOMPARE(w.label("LBLkx") != "-", runs);
    QCOMPARE(w.field(qPrintable(typedIn))->hasFocus(), true); // Enter does not move on
    QCOMPARE(w.dialogs.missingDataShown, missing ? 1 : 0);
    if (missing) {
        QCOMPARE(w.field("TXTlung")->text(), QStringLiteral("1"));
        QCOMPARE(w.label("LBLkx"), QString());
    }
}

void TestEntryWindow::optimiser() {
    Window w;
    QVERIFY(w.showActive());
    auto* optimise = w.find<QPushButton>("CMDottimizza");
    QTest::mouseClick(optimise, Qt::LeftButton);
    QCOMPARE(w.label("LBLalt"), QString()); // empty volume: nothing, silently
    typeInto(w.field("TXTvol"), "50.3");
    QTest::keyClick(&w.form, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(w.label("LBLalt"), localised("59.72"));
    QCOMPARE(w.label("LBLlarg"), localised("22.81"));
    QCOMPARE(w.label("LBLpro"), localised("36.91"));
    // A new volume shows only at the next press; an unreadable or empty one leaves the results.
    typeInto(w.field("TXTvol"), "64");
    QCOMPARE(w.label("LBLpro"), localised("36.91"));
    for (const QString& volume :
         {QString(), separator(), QStringLiteral("-64"), QString(50, QLatin1Char('9'))}) {
        w.field("TXTvol")->setText(volume);
        QTest::mouseClick(optimise, Qt::LeftButton);
        QCOMPARE(w.label("LBLpro"), localised("36.91"));
    }
    w.field("TXTvol")->setText("64");
    QTest::mouseClick(optimise, Qt::LeftButton);
    QCOMPARE(w.label("LBLpro"), localised("39.99"));
    QCOMPARE(w.dialogs.missingDataShown, 0);
    QVERIFY(w.label("LBLkx").isEmpty());
}

QTEST_MAIN(TestEntryWindow)
#include "test_entry_window.moc"
