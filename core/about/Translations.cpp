#include "core/about/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

bool isLanguageCode(const QString &code)
{
    const QLocale locale(code);
    return !code.isEmpty() && locale.language() != QLocale::C && locale.language() != QLocale::AnyLanguage;
}

QString install(const QString &language, const QStringList &folders)
{
    const QStringList wanted = language.isEmpty() ? QLocale::system().uiLanguages() : QStringList{language};
    for (const QString &name : wanted) {
        const QLocale locale(name);
        // A system that prefers English before another language gets English, not its second choice.
        if (locale.language() == QLocale::English)
            return QStringLiteral("en");
        for (const QString &folder : folders) {
            auto *own = new QTranslator(QCoreApplication::instance());
            if (!own->load(locale, QStringLiteral("velmora"), QStringLiteral("_"), folder)) {
                delete own;
                continue;
            }
            QCoreApplication::installTranslator(own);
            // Qt's own dialogs and buttons; without Qt's translations they stay English.
            auto *qt = new QTranslator(QCoreApplication::instance());
            if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qt);
            else
                delete qt;
            return QLocale(own->language()).name().section(QLatin1Char('_'), 0, 0);
        }
    }
    return QStringLiteral("en");
}

} // namespace Translations
