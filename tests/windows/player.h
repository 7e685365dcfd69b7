// Plays a user's steps on the real main window and checks what the window then shows.
//
// A step is a verb and its words. The user's own steps reach the window as the desktop delivers
// them, through its QWindow: a press and its release, keys to the window, modality blocking what it
// blocks. Keys go the way their verb says: through QTest, with the text QTest gives them (qt...), or
// through the X server, by keycode, with the text the layout gives them (x..., on X11 only). Numbers
// are written with a point and read in the user's notation.
//   click NAME | enter NAME [TEXT] | qttype TEXT | qtkey KEYS | accesskey NAME | qtkeytext TEXT | paste TEXT
//   xlayout LAYOUT | xkey KEYS (x_server.h names them) | commit TEXT
//   arrow up|down | wheel up|down | set NAME TEXT (a write without a key) | ports N
//   shows NAME=TEXT... | focus NAME | picture FILE | messages N | infos N | spin N | caret NAME N
//   leave (another window becomes the active one) | return (the window is active again) | window closed
//   only LOCALE (the rest is played in that locale alone: elsewhere play says kOnlyElsewhere)
#pragma once

#include "ui/main_window/form_princ.h"
#include "ui/main_window/modal_dialogs.h"

// Qt's test and widget classes, for every test of the windows.
#include <QtTest>
#include <QtWidgets>
#ifdef KX_X_SERVER
#include "windows/x_server.h"
#endif

// Plays the steps: one whose expectation does not hold fails the test, saying what was found.
#define KX_PLAY(player, ...) QCOMPARE((player).play(__VA_ARGS__), QString())

namespace kxtest {

// Counts the modal windows instead of waiting for a user to close them.
struct CountingDialogs : kx::ModalDialogs {
    void showMissingData(QWidget*) override { ++messages; }
    void showInformation(QWidget*) override { ++infos; }
    int messages = 0;
    int infos = 0;
};

class Player {
public:
    // The window shown, as a desktop shows it: mapped first, activated later. Its guidance pictures
    // are each of a colour of its own, in the window's language; the steps given are played before it
    // is shown.
    explicit Player(const QStringList& beforeShown = {});
    QString pictureFolder() const { return pictures.path(); }
    // Plays the steps up to the first expectation that does not hold; says what it found instead.
    QString play(const QStringList& steps);
    static constexpr const char* kOnlyElsewhere = "played in another locale";

    CountingDialogs dialogs;
    kx::FORMprinc form{&dialogs};
    bool shownInactive = false; // not yet active when show() returned
    bool active = false;        // the window became the active one

private:
    QString play(const QString& verb, const QString& words);
    QTemporaryDir pictures;
    QWidget elsewhere; // another window of the desktop
};

// The centre of the spin's upper or lower arrow: each takes half of it.
QPoint arrowCentre(const QScrollBar* spin, bool upper);

// A number written with points, in the user's notation.
QString localised(QString text);

} // namespace kxtest
