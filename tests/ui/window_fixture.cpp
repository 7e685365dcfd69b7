#include "ui/window_fixture.h"

#include <QApplication>
#include <QLocale>

namespace kxtest {

void FakeDialogs::showMissingData(QWidget* parent) {
    ++missingDataShown;
    lastParent = parent;
    if (whileMissingDataShows) {
        whileMissingDataShows();
    }
}

bool Window::showActive() {
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

bool localeFollowsEnvironment() {
    const bool italian = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("it"));
    return QLocale::system().decimalPoint() == (italian ? QLatin1String(",") : QLatin1String("."));
}

QString localised(QString text) {
    return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

void typeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, text);
}

QStringList tabChain(QWidget* window, const QString& from) {
    QStringList names;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled()) {
            names << w->objectName();
        }
    }
    const qsizetype start = names.indexOf(from);
    return start < 0 ? names : names.mid(start) + names.first(start);
}

} // namespace kxtest
