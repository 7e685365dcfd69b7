// What a desktop sees of the windows: the main window's children stay plain widgets, drawn in the
// window's own surface, and the windows open where they are meant to, whatever frame the desktop
// gives them and whenever it tells it.
#include "ui/application.h"
#include "ui/info_window/form_info.h"
#include "ui/main_window/form_princ.h"
#include "ui/screen_placement.h"

#include <QApplication>
#include <QExposeEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { kx::setUpApplication(); }
    void childrenStayPlainAfterTheInformationWindow();
    void centredWithTheFrameToldOnceMapped();
    void centredAgainWhenTheFrameChanges();
    void staysWhereTheUserMovedIt();
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

// The margins of the window's outer rectangle, the frame around its client area, to the screen's edges.
QMargins onScreen(const QWidget& window, QRect outer) {
    const QRect screen = window.screen()->geometry();
    return {outer.left() - screen.left(), outer.top() - screen.top(), screen.right() - outer.right(),
            screen.bottom() - outer.bottom()};
}

QMargins onScreen(const QWidget& window, const QMargins& frame) {
    return onScreen(window, window.geometry().marginsAdded(frame));
}

bool centred(const QMargins& margins) {
    return qAbs(margins.left() - margins.right()) <= 1 && qAbs(margins.top() - margins.bottom()) <= 1;
}

QString described(const QMargins& margins) {
    return QString("margins left %1, top %2, right %3, bottom %4")
        .arg(margins.left())
        .arg(margins.top())
        .arg(margins.right())
        .arg(margins.bottom());
}

// A window of the main window's size, centred by its outer size as the main window is.
struct Window {
    explicit Window(kx::FrameReport report) {
        widget.setFixedSize(615, 273);
        kx::placeWithFrame(
            &widget,
            [this](const QMargins& frame) {
                return kx::centredCorner(&widget, widget.size().grownBy(frame));
            },
            std::move(report));
        widget.show();
    }
    QWidget widget;
};

// What the X server sends a window that a window manager frames while it is mapped.
void exposeAgain(QWidget& window) {
    QExposeEvent expose(QRegion(window.rect()));
    QCoreApplication::sendEvent(window.windowHandle(), &expose);
}

// The children that have a desktop window of their own, or are to get one.
QStringList nativeChildren(const QWidget& window) {
    QStringList names;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isWindow() &&
            (child->internalWinId() || child->windowHandle() || child->testAttribute(Qt::WA_NativeWindow))) {
            names << child->objectName();
        }
    }
    return names;
}

} // namespace

// A child with a desktop window of its own is a subsurface on Wayland, whose damage Qt then reports at
// the wrong place: the results it shows are no longer drawn.
void TestDesktop::childrenStayPlainAfterTheInformationWindow() {
    kx::FORMprinc form; // with the real information window
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(nativeChildren(form), QStringList());

    // The user reads the information window, then closes it from its title bar.
    bool shown = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        QWidget* info = QApplication::activeModalWidget();
        if (info && info->windowHandle() && info->windowHandle()->isExposed()) {
            shown = true;
            info->close();
        }
    });
    closer.start(10);
    auto* button = form.findChild<QPushButton*>("CMDinfo");
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, button->mapTo(&form, button->rect().center()));
    QTRY_VERIFY(shown);
    closer.stop();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(nativeChildren(form), QStringList());
}

void TestDesktop::centredWithTheFrameToldOnceMapped() {
    Window window(toldOnceMapped(&kTitleBar));
    QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
    QTRY_VERIFY2(centred(onScreen(window.widget, kTitleBar)),
                 qPrintable(described(onScreen(window.widget, kTitleBar))));
}

// As when the window manager starts after the program and frames its window.
void TestDesktop::centredAgainWhenTheFrameChanges() {
    QMargins frame;
    Window window([&frame](const QWindow&) { return frame; });
    QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
    QTRY_VERIFY2(centred(onScreen(window.widget, frame)),
                 qPrintable(described(onScreen(window.widget, frame))));
    frame = QMargins(4, 30, 4, 4);
    exposeAgain(window.widget);
    QTRY_VERIFY2(centred(onScreen(window.widget, frame)),
                 qPrintable(described(onScreen(window.widget, frame))));
}

void TestDesktop::staysWhereTheUserMovedIt() {
    QMargins frame = kTitleBar;
    Window window(toldOnceMapped(&frame));
    QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
    QTRY_VERIFY(centred(onScreen(window.widget, frame)));
    const QPoint aside = window.widget.geometry().topLeft() + QPoint(60, 40);
    window.widget.windowHandle()->setPosition(aside); // the desktop tells the move as it tells the user's
    QTRY_COMPARE(window.widget.geometry().topLeft(), aside);
    frame = QMargins(4, 30, 4, 4); // another theme
    exposeAgain(window.widget);
    QCoreApplication::processEvents();
    QCOMPARE(window.widget.geometry().topLeft(), aside);
}

// Its outer size is 608 x 220 px, smaller than designed; its top-left corner stays that of a window of
// the designed client size, 626 x 195 px, centred with its frame.
void TestDesktop::informationWindowKeepsItsCorner() {
    kx::FORMinfo info(nullptr, toldOnceMapped(&kTitleBar));
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    QTRY_COMPARE(info.geometry().marginsAdded(kTitleBar).size(), QSize(608, 220));
    auto designed = [&] {
        return onScreen(info, QRect(info.geometry().marginsAdded(kTitleBar).topLeft(),
                                    QSize(626, 195).grownBy(kTitleBar)));
    };
    QTRY_VERIFY2(centred(designed()), qPrintable(described(designed())));
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
