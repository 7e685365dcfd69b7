// Random events on the real window, seeded and reproducible: typed characters of every class,
// pasted texts, clicks on every button, spin steps, Tab and Shift+Tab, the information window and
// the message. After every event the window is alive and every result label is empty or a number
// in the user's notation.
#include "ui/application.h"
#include "ui/info_window/form_info.h"
#include "ui/window_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <random>

using namespace kxtest;

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(localeFollowsEnvironment());
        kx::setUpApplication();
    }
    void randomEvents();
};

namespace {

// Opens and closes a real information window at each press of its button.
class MonkeyDialogs : public FakeDialogs {
public:
    void showInformation(QWidget* parent) override {
        FakeDialogs::showInformation(parent);
        kx::FORMinfo info(parent);
        info.show();
        info.grab(); // paint it once
        info.close();
    }
};

struct Monkey {
    explicit Monkey(uint seed) : random(seed) {}

    std::mt19937 random;
    MonkeyDialogs dialogs;
    kx::FORMprinc form{&dialogs};

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    template <typename T> const T& pick(const QList<T>& items) { return items[below(int(items.size()))]; }

    QLineEdit* anyField() {
        return form.findChild<QLineEdit*>(pick<QString>({"TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung"}));
    }
    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &form; }

    QString character() {
        switch (below(8)) {
        case 0:
        case 1:
        case 2:
            return QString(QChar(u'0' + below(10)));
        case 3:
            return pick<QString>({".", ",", ".", ","});
        case 4:
            return pick<QString>({"-", "+", " ", "e", "E", "/", "*", ":"});
        case 5:
            return QString(QChar(u'a' + below(26)));
        case 6:
            return pick<QString>({QString::fromUtf8("è"), QString::fromUtf8("€"), QString::fromUtf8("ß"),
                                  QString(QChar(0x4E2D)), QString(QChar(0x0663))});
        default:
            return QString(QChar(char16_t(below(0x3000) + 32)));
        }
    }

    QString pasted() {
        const QString separator = QLocale::system().decimalPoint();
        switch (below(10)) {
        case 0:
            return QString(below(20000) + 1, QChar(u'0' + below(10))); // huge
        case 1:
            return "-" + QString::number(below(1000)); // negative
        case 2:
            return pick<QString>({"1e38", "3.4e38", "1e39", "1E+08", "-1e-45", "1e-50"}); // exponents
        case 3:
            return pick<QString>({"inf", "nan", "-inf", "NaN", "infinity"});
        case 4:
            return "1" + separator + "2" + separator + "3";
        case 5:
            return separator;
        case 6:
            return QString();
        case 7:
            return QString::number(below(100000)) + separator + QString::number(below(100));
        case 8:
            return pick<QString>({"abc", "12a", "\t5", "5 5", "0x10", "1,000.5", "1.000,5"});
        default:
            return QString::number(below(500));
        }
    }

    void click(const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }

    void step() {
        auto* spin = form.findChild<QScrollBar*>("VSLungcond");
        switch (below(16)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4: {
            const QString typed = character();
            if (typed.front().unicode() < 0x80) {
                QTest::keyClick(focused(), char(typed.front().unicode()));
            } else {
                QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, typed, Qt::NoModifier);
            }
            break;
        }
        case 5:
            QTest::keyClick(focused(),
                            pick<Qt::Key>({Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                           Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape}));
            break;
        case 6:
            QApplication::clipboard()->setText(pasted());
            QTest::keyClick(anyField(), Qt::Key_V, Qt::ControlModifier);
            break;
        case 7:
            anyField()->setText(pasted()); // as a mouse paste or a drop puts it there
            break;
        case 8:
            QTest::mouseClick(anyField(), Qt::LeftButton);
            break;
        case 9:
            QTest::keyClick(focused(), Qt::Key_Tab, below(2) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 10:
            QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(8, below(2) ? 3 : 13));
            break;
        case 11:
            click(pick<const char*>({"CMDcalcolaKx", "CMDcalcolaKx", "CMDottimizza", "CMDinfo"}));
            break;
        case 12:
            QTest::keyClick(&form, pick<Qt::Key>({Qt::Key_C, Qt::Key_O}), Qt::AltModifier);
            break;
        case 13:
            form.findChild<QComboBox*>("CMBcondotti")->setCurrentIndex(below(4));
            break;
        case 14:
            if (below(20) == 0) {
                click("CMDuscire"); // the window closes; open it again for the next events
                form.show();
                form.activateWindow();
            }
            break;
        default:
            QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(focused(), Qt::Key_X, Qt::ControlModifier);
            break;
        }
    }
};

// A result as the labels show it: two decimals, or for a rectangular section the general form.
bool wellFormed(const QString& name, const QString& text) {
    if (text.isEmpty()) {
        return true;
    }
    const QString separator = QRegularExpression::escape(QLocale::system().decimalPoint());
    const QRegularExpression twoDecimals("^\\d+" + separator + "\\d\\d$");
    const QRegularExpression general("^\\d+(" + separator + "\\d+)?(E[+-]\\d\\d+)?$");
    return twoDecimals.match(text).hasMatch() || (name == "LBLsezione" && general.match(text).hasMatch());
}

} // namespace

void TestMonkey::randomEvents() {
    const int events = qEnvironmentVariableIntValue("KX_MONKEY_EVENTS") > 0
                           ? qEnvironmentVariableIntValue("KX_MONKEY_EVENTS")
                           : 10000;
    const uint seed = qEnvironmentVariableIsSet("KX_MONKEY_SEED")
                          ? qEnvironmentVariable("KX_MONKEY_SEED").toUInt()
                          : 20261207u;
    Monkey monkey(seed);
    monkey.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&monkey.form));
    const QStringList results{"LBLsezione", "LBLdia",  "LBLvolcondotto", "LBLkx",
                              "LBLalt",     "LBLlarg", "LBLpro"};
    for (int event = 0; event < events; ++event) {
        monkey.step();
        QVERIFY2(monkey.form.isVisible(), qPrintable(QString("event %1").arg(event)));
        for (const QString& name : results) {
            const auto* label = monkey.form.findChild<QLabel*>(name);
            // A value cut to fit its label is whole in its tooltip, and its cut shows.
            const QString shown = label->toolTip().isEmpty() ? label->text() : label->toolTip();
            QVERIFY(label->toolTip().isEmpty() || label->text().endsWith(QChar(0x2026)));
            QVERIFY2(wellFormed(name, shown),
                     qPrintable(
                         QString("seed %1, event %2: %3 shows '%4'").arg(seed).arg(event).arg(name, shown)));
        }
    }
    qInfo("%d events with seed %u; %d messages, %d information windows", events, seed,
          monkey.dialogs.missingDataShown, monkey.dialogs.informationShown);
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
