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

void FakeDialogs::showInformation(QWidget* parent) {
    ++informationShown;
    lastParent = parent;
    if (whileInformationShows) {
        whileInformationShows();
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

void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void typeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    typeKeys(field, text);
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
