#include "windows/x_server.h"

#include <QtGui>
#include <QtTest>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace kxtest {
namespace {

// The keycodes of a pc105 keyboard under X's evdev driver, which Xvfb has too: each named key, then
// the rows of digits and letters from their first key on.
QHash<QString, xcb_keycode_t> keycodes() {
    QHash<QString, xcb_keycode_t> codes;
    for (const QString& key :
         QString(
             "equal:21 comma:59 period:60 kp2:88 kp4:83 kp5:84 kpdot:91 delete:119 insert:118 backspace:22 "
             "left:113 right:114 home:110 end:115 ctrl:37 shift:50 compose:108 numlock:77")
             .split(' ')) {
        codes.insert(key.section(':', 0, 0), xcb_keycode_t(key.section(':', 1).toInt()));
    }
    for (const auto& [row, first] :
         {std::pair("1234567890", 10), {"qwertyuiop", 24}, {"asdfghjkl", 38}, {"zxcvbnm", 52}}) {
        for (int i = 0; row[i]; ++i) {
            codes.insert(QString(QChar(row[i])), xcb_keycode_t(first + i));
        }
    }
    return codes;
}

// Presses or releases the key; then waits until the X server has carried out every request so far.
void fake(xcb_connection_t* c, xcb_keycode_t code, bool down) {
    xcb_test_fake_input(c, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// Counts the key releases the window receives: every key's release arrives, even where an input
// method takes its press.
struct ReleaseCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::KeyRelease;
        return false;
    }
    int count = 0;
};

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

} // namespace

void setXProperty(const QWindow* window, const char* name, const QVariantList& values) {
    xcb_connection_t* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    QList<quint32> data;
    for (const QVariant& value : values) {
        data << (value.typeId() == QMetaType::Int ? value.toUInt() : atom(c, qPrintable(value.toString())));
    }
    const xcb_atom_t type = values.first().typeId() == QMetaType::Int ? XCB_ATOM_CARDINAL : XCB_ATOM_ATOM;
    const xcb_window_t target =
        window ? xcb_window_t(window->winId()) : xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, target, atom(c, name), type, 32, uint32_t(data.size()),
                        data.constData());
    xcb_flush(c);
}

QString setXLayout(const QString& layout) {
    const int status =
        QProcess::execute("setxkbmap", {"-layout", layout, "-option", "", "-option", "compose:ralt"});
    return status == 0 ? QString() : "setxkbmap -layout " + layout + " failed";
}

QString typeThroughX(QWindow* window, const QString& keys) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        return "keys through the X server, found no X server";
    }
    xcb_connection_t* c = x11->connection();
    static const QHash<QString, xcb_keycode_t> codes = keycodes();
    ReleaseCounter received;
    window->installEventFilter(&received);
    int sent = 0;
    for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
        const QStringList held = key.split('+');
        for (const QString& name : held) {
            if (!codes.contains(name)) {
                return "a key, found none named " + name;
            }
            fake(c, codes.value(name), true);
        }
        for (auto name = held.crbegin(); name != held.crend(); ++name) {
            fake(c, codes.value(*name), false);
        }
        sent += int(held.size());
    }
    const bool all = QTest::qWaitFor([&] { return received.count >= sent; });
    window->removeEventFilter(&received);
    return all ? QString() : QString("the window to receive %1 keys, found %2").arg(sent).arg(received.count);
}

} // namespace kxtest
