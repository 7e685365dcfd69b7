#include "ui/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kx {
namespace {

// Kx's translations are resources of the program. Italian's holds only the plural forms of its counts.
QString translationOf(const QString& language) {
    return QStringLiteral(":/i18n/kx_%1.qm").arg(language);
}

void install(const QString& file, const QString& folder = {}) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

QStringList userLanguages() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString messages = qEnvironmentVariable(variable);
        if (messages == QLatin1String("C") || messages == QLatin1String("POSIX") ||
            messages.startsWith(QLatin1String("C."))) {
            return {};
        }
        if (!messages.isEmpty()) {
            return QLocale::system().uiLanguages();
        }
    }
    return {};
}

QString windowLanguage(const QStringList& asked) {
    for (const QString& name : asked) {
        const QString code = QLocale::languageToCode(QLocale(name).language());
        if (QFile::exists(translationOf(code))) {
            return code;
        }
    }
    return QStringLiteral("it");
}

void installTranslations(const QString& language) {
    install(translationOf(language));
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace kx
