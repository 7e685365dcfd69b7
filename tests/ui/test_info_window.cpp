// The information window: its frame, its place, its fifteen lines, its modality, and what the main
// window does when it closes.
#include "ui/application.h"
#include "ui/info_window/form_info.h"
#include "ui/info_window/info_text.h"
#include "ui/main_window/modal_dialogs.h"
#include "ui/window_fixture.h"

#include <QAccessible>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

using namespace kxtest;

class TestInfoWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(localeFollowsEnvironment());
        kx::setUpApplication();
    }
    void frameAndPlace();
    void fifteenLines();
    void textIsDrawn();
    void modalAndBackToTheHeight();
    void openedTwiceLooksTheSame();
    void closingRunsTheActivation();
};

void TestInfoWindow::frameAndPlace() {
    kx::FORMinfo info;
    QCOMPARE(info.objectName(), QStringLiteral("FORMinfo"));
    QCOMPARE(info.windowTitle(), QStringLiteral("Kx"));
    QVERIFY(info.isModal());
    const Qt::WindowFlags flags = info.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog); // a dialog: no task-bar entry of its own
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // The outer size, frame and title bar included, is 608 x 220; its top-left corner is the one of
    // the window centred with its designed client area of 626 x 195 and the same frame.
    const QMargins frame = info.windowHandle()->frameMargins();
    QVERIFY(!frame.isNull()); // the offscreen desktop draws a frame too
    QCOMPARE(info.frameGeometry().size(), QSize(608, 220));
    QCOMPARE(info.minimumSize(), QSize(608, 220).shrunkBy(frame));
    QCOMPARE(info.maximumSize(), info.minimumSize());
    const QSize designed = QSize(626, 195).grownBy(frame);
    const QSize screen = info.screen()->geometry().size();
    QVERIFY(qAbs(info.frameGeometry().x() - (screen.width() - designed.width()) / 2) <= 1);
    QVERIFY(qAbs(info.frameGeometry().y() - (screen.height() - designed.height()) / 2) <= 1);
    const kx::FORMprinc main;
    QCOMPARE(info.windowIcon().pixmap(32).toImage(), main.windowIcon().pixmap(32).toImage());
}

void TestInfoWindow::fifteenLines() {
    const auto lines = kx::informationLines();
    QCOMPARE(lines.size(), std::size_t(15));
    const QStringList expected{
        "",
        "Questo programma non si prefigge di risolvere i molteplici problemi per la costruzione",
        "di una cassa acustica reflex, ma dare dei valori per poter iniziare un buon lavoro!",
        QString::fromUtf8(
            "Ovviamente l'unico dato importante da conoscere \xC3\xA8 la frequenza di risonanza "
            "dell'altoparlante"),
        "",
        QString::fromUtf8("Il programma \xC3\xA8 suddiviso in due parti."),
        "La prima parte: ",
        "introdurre le dimensioni del condotto reflex sia con forma circolare o quadrangolare, la sua "
        "lunghezza",
        "ed il valore del volume della cassa; ",
        "in seguito cliccare su  [calcola Kx] si ottiene la frequenza di accordo cassa e tubo reflex.",
        "La seconda parte: ",
        "[Ottimizza dimensioni del box] immettendo il valore del volume della cassa si calcolano le "
        "dimensioni "
        "ideali (proporzione aurea)." +
            QString(60, QLatin1Char(' ')),
        QString::fromUtf8(
            "Il valore ottenuto non \xC3\xA8 restrittivo, ma solo indicativo per la realizazione "
            "della cassa, ma \xC3\xA8,comunque, un buon inizio !..."),
        "",
        "",
    };
    for (int i = 0; i < 15; ++i) {
        QCOMPARE(lines[i].text, expected[i]);
        QCOMPARE(lines[i].leftTwips, i == 0 ? 0 : 100);
    }
    QCOMPARE(lines[11].text.size(), 189);
    QVERIFY(lines[3].text.contains(QChar(0x00E8)));
}

namespace {
// Whether any pixel of the rows differs from the window's background.
bool inked(const QImage& image, int top, int bottom, int left = 0) {
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

void TestInfoWindow::textIsDrawn() {
    kx::FORMinfo info;
    const QImage image = info.grab().toImage();
    const int line = QFontMetrics(info.font()).height();
    QVERIFY(!inked(image, 0, line));                                         // line 1 is empty
    QVERIFY(inked(image, line, 2 * line));                                   // line 2 holds text
    QVERIFY(inked(image, 5 * line, 6 * line));                               // line 6
    QVERIFY(!inked(image, 4 * line, 5 * line));                              // line 5 is empty
    QVERIFY(!inked(image, 13 * line, 15 * line));                            // and so are lines 14 and 15
    QVERIFY(!inked(image.copy(0, 0, 6, image.height()), 0, image.height())); // 100 twips from the left
    // Nothing draws the text once only: a later paint draws it again.
    QCOMPARE(info.grab().toImage(), image);
    // A screen reader reads the drawn lines as the window's description, one line each.
    const QStringList read =
        QAccessible::queryAccessibleInterface(&info)->text(QAccessible::Description).split('\n');
    QCOMPARE(read.size(), 12); // lines 2 to 13
    QVERIFY(read.first().startsWith("Questo programma non si prefigge"));
    QVERIFY(read.last().endsWith("un buon inizio !..."));
}

namespace {
// The real information window, and a message that only counts.
struct RealInformation : kx::DesktopDialogs {
    void showMissingData(QWidget*) override { ++missingData; }
    int missingData = 0;
};
} // namespace

void TestInfoWindow::modalAndBackToTheHeight() {
    RealInformation dialogs;
    kx::FORMprinc form(&dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<QLineEdit*>("TXTdia")->setText("10");
    auto* calcola = form.findChild<QPushButton*>("CMDcalcolaKx");
    int calculations = 0;
    QObject::connect(calcola, &QPushButton::clicked, [&] { ++calculations; });
    bool wasModal = false;
    whenModalShows<kx::FORMinfo>([&](kx::FORMinfo* info) {
        wasModal = info->isVisible() && info->parentWidget() == &form;
        // Input reaches the main window through the window system, which holds it back meanwhile.
        QWindow* main = form.windowHandle();
        QTest::mouseClick(main, Qt::LeftButton, {}, calcola->mapTo(&form, calcola->rect().center()));
        QTest::keyClick(main, Qt::Key_C, Qt::AltModifier);
        QTest::keyClick(main, Qt::Key_U, Qt::AltModifier);
        info->close();
    });
    QTest::mouseClick(form.findChild<QPushButton*>("CMDinfo"), Qt::LeftButton);
    QVERIFY(wasModal);
    QTest::qWait(150); // a click by access key would land by now
    QCOMPARE(calculations, 0);
    QVERIFY(form.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The focus waits in TXTalt for the window to become active again.
    QCOMPARE(form.focusWidget(), form.findChild<QLineEdit*>("TXTalt"));
    QCOMPARE(form.findChild<QLineEdit*>("TXTdia")->text(), QString());
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.findChild<QLineEdit*>("TXTalt"));

    // With the window closed, the same click goes through.
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                      calcola->mapTo(&form, calcola->rect().center()));
    QCOMPARE(calculations, 1);
}

void TestInfoWindow::openedTwiceLooksTheSame() {
    RealInformation dialogs;
    kx::FORMprinc form(&dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QList<QRect> places;
    QList<QImage> faces;
    for (int opening = 0; opening < 2; ++opening) {
        whenModalShows<kx::FORMinfo>([&](kx::FORMinfo* info) {
            places << info->geometry();
            faces << info->grab().toImage();
            info->close();
        });
        QTest::mouseClick(form.findChild<QPushButton*>("CMDinfo"), Qt::LeftButton);
    }
    QCOMPARE(places.size(), 2);
    QCOMPARE(places[1], places[0]);
    QCOMPARE(faces[1], faces[0]);
}

void TestInfoWindow::closingRunsTheActivation() {
    Window w;
    QVERIFY(w.showActive());
    w.field("TXTdia")->setText("10");
    QTest::mouseClick(w.field("TXTvol"), Qt::LeftButton);
    QStringList duringInfo;
    w.dialogs.whileInformationShows = [&] {
        duringInfo << w.field("TXTdia")->text();
    };
    QTest::mouseClick(w.find<QPushButton>("CMDinfo"), Qt::LeftButton);
    QCOMPARE(w.dialogs.informationShown, 1);
    QCOMPARE(w.dialogs.lastParent, &w.form);
    QCOMPARE(duringInfo, QStringList{"10"});
    QCOMPARE(QApplication::focusWidget(), w.field("TXTalt"));
    QCOMPARE(w.field("TXTdia")->text(), QString());
}

QTEST_MAIN(TestInfoWindow)
#include "test_info_window.moc"
