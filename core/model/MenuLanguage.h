#pragma once

#include <QList>
#include <QString>

// The languages a menu's page can be written in, each with its code ("de") and its name in itself ("Deutsch").
namespace MenuLanguage {

struct Choice
{
    QString code;
    QString name;
};

QList<Choice> choices();
inline QString english()
{
    return QStringLiteral("en");
}
// The language of a stored menu: a menu stored before menus had one (no code) is English.
inline QString ofStored(const QString &code)
{
    return code.trimmed().isEmpty() ? english() : code.trimmed();
}
// The one reading of a stored language that the page's words, its lang, its direction and its numbers share: a
// language Velmora has words for by its code alone ("de_DE", "de-DE" and "DE" are "de"; the old "iw" is "he"),
// another valid BCP 47 tag as it is (with "-"), anything else English.
QString pageCode(const QString &stored);

} // namespace MenuLanguage
