// What the window tests share: a main window whose modal windows answer at once, and the user's
// notation for numbers written with points.
#pragma once

#include "ui/main_window/form_princ.h"
#include "ui/main_window/modal_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace kxtest {

// Counts the messages instead of waiting for a user to close them.
class FakeDialogs : public kx::ModalDialogs {
public:
    void showMissingData(QWidget* parent) override;
    void showInformation(QWidget* parent) override;

    int missingDataShown = 0;
    int informationShown = 0;
    QWidget* lastParent = nullptr;
    std::function<void()> whileMissingDataShows; // runs while the message would be open
    std::function<void()> whileInformationShows;
};

// A main window with fake modal windows, not yet shown.
struct Window {
    FakeDialogs dialogs;
    kx::FORMprinc form{&dialogs};

    template <typename Control = QWidget> Control* find(const char* name) const {
        return form.findChild<Control*>(QLatin1String(name));
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }

    // Shows the window and waits until it is the active one.
    bool showActive();
};

// Runs the action on the modal window of the given kind once it shows, from inside its own event
// loop; gives up after a few seconds, so a test never hangs on a window that does not come.
template <typename ModalWindow> void whenModalShows(std::function<void(ModalWindow*)> action) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, action] {
        if (auto* window = qobject_cast<ModalWindow*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(window);
        } else if (++*tries > 500) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

// Whether the user's locale is the one LC_ALL names: a comma run must really write commas.
bool localeFollowsEnvironment();

// A number written with points, in the user's notation.
QString localised(QString text);

// Types the text key by key; characters beyond ASCII come as keys that type them.
void typeKeys(QWidget* widget, const QString& text);

// Clicks into a field and types over whatever it holds.
void typeInto(QLineEdit* field, const QString& text);

// The names of the window's controls that Tab reaches, in the order of its focus chain, starting
// from the given one.
QStringList tabChain(QWidget* window, const QString& from);

} // namespace kxtest
