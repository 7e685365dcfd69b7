// The language the windows speak: Italian, the language Kx is written in, or a translation the user
// asked for. Chosen once at start-up by the program, which then installs Kx's translation and Qt's own
// texts in it; the main window reads its guidance pictures drawn in it.
#pragma once

#include <QString>
#include <QStringList>

namespace kx {

// The languages the user asked for, most wanted first, as the environment gives them (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG). None where the messages' locale is C or POSIX: there LANGUAGE does not
// count, as with every program that follows gettext.
QStringList userLanguages();

// The first of the languages ("de-DE", "fr", ...) that Kx has a translation for, by its code ("de");
// Italian ("it") when none has one.
QString windowLanguage(const QStringList& asked);

// Kx's translation and Qt's own texts (menus, buttons) for the language.
void installTranslations(const QString& language);

} // namespace kx
