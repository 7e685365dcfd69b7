// Where the windows open, whatever frame the desktop gives them and whenever it tells it, on a screen
// they fit or on one too small for them.
#include "ui/application.h"
#include "ui/info_window/form_info.h"
#include "ui/main_window/form_princ.h"
#include "ui/twips.h"
#include "windows/player.h"

#include <QExposeEvent>
#include <QScreen>
#include <QTest>
#include <QWindow>

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kx::setUpApplication(); }
    void placedWithItsOwnFrame();
    void placedWithTheFrameToldLateAndAgain();
    void informationWindowKeepsItsCorner();
};

namespace {

// The frame as metacity and mutter tell it, left 0, right 0, top 37, bottom 0 in _NET_FRAME_EXTENTS:
// nothing until the window is mapped.
const QMargins kTitleBar(0, 37, 0, 0);

kx::FrameReport toldOnceMapped(const QMargins* frame) {
    return [frame](const QWindow& window) {
        return window.isExposed() ? *frame : QMargins();
    };
}

// Where a window of this outer size belongs: centred on the screen along each side it fits, its
// top-left corner inside the screen's free area always. Says how it lies otherwise.
QString misplaced(const QWidget& window, const QRect& outer) {
    const QRect screen = window.screen()->geometry();
    const QPoint offCentre = outer.center() - screen.center();
    const bool across = outer.width() > screen.width() || qAbs(offCentre.x()) <= 1;
    const bool down = outer.height() > screen.height() || qAbs(offCentre.y()) <= 1;
    if (across && down && window.screen()->availableGeometry().contains(outer.topLeft())) {
        return {};
    }
    QString found;
    QDebug(&found) << "outer" << outer << "on a screen of" << screen.size();
    return found;
}

QString misplaced(const QWidget& window, const QMargins& frame) {
    return misplaced(window, window.geometry().marginsAdded(frame));
}

// What the X server sends a window that a window manager frames while it is mapped.
void exposeAgain(QWidget& window) {
    QExposeEvent expose(QRegion(window.rect()));
    QCoreApplication::sendEvent(window.windowHandle(), &expose);
}

} // namespace

void TestDesktop::placedWithItsOwnFrame() {
    kx::FORMprinc form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QMargins frame = form.windowHandle()->frameMargins();
    QTRY_COMPARE(misplaced(form, frame), QString());
}

// Told its frame only once it is mapped, as metacity and mutter tell it, and then another, as when
// the window manager starts after the program and frames its window. Once moved by the user, or by
// the desktop, it stays where it was moved.
void TestDesktop::placedWithTheFrameToldLateAndAgain() {
    QMargins frame = kTitleBar;
    kxtest::CountingDialogs dialogs;
    kx::FORMprinc form(&dialogs, toldOnceMapped(&frame));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(misplaced(form, frame), QString());
    frame = QMargins(4, 30, 4, 4);
    exposeAgain(form);
    QTRY_COMPARE(misplaced(form, frame), QString());
    const QPoint aside = form.geometry().topLeft() + QPoint(60, 40);
    form.windowHandle()->setPosition(aside); // the desktop tells the move as it tells the user's
    QTRY_COMPARE(form.geometry().topLeft(), aside);
    frame = kTitleBar; // another theme
    exposeAgain(form);
    QCoreApplication::processEvents();
    QCOMPARE(form.geometry().topLeft(), aside);
}

// Its outer size is smaller than designed; its top-left corner stays that of a window of the
// designed client size, placed with its frame.
void TestDesktop::informationWindowKeepsItsCorner() {
    kx::FORMinfo info(nullptr, toldOnceMapped(&kTitleBar));
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    QTRY_COMPARE(info.geometry().marginsAdded(kTitleBar).size(), kx::toPixels(kx::FORMinfo::kOuterSize));
    auto designed = [&] {
        return misplaced(info, QRect(info.geometry().marginsAdded(kTitleBar).topLeft(),
                                     kx::toPixels(kx::FORMinfo::kDesignedSize).grownBy(kTitleBar)));
    };
    QTRY_COMPARE(designed(), QString());
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
