#pragma once

#include <QString>
#include <QStringList>

// The window's language: Velmora's translation and Qt's own for the language asked for with --lang, else for the
// system's languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG). English is the source and needs no file.
namespace Translations {

// Whether code names a language ("de", "fr_CA", "pt-BR"); "en" is one.
bool isLanguageCode(const QString &code);

// Installs the translations into the running application from the first folder of folders that holds Velmora's
// translation for the language; returns the language the window speaks ("de"), "en" when it stays English.
QString install(const QString &language, const QStringList &folders);

} // namespace Translations
