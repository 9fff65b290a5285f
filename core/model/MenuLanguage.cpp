#include "core/model/MenuLanguage.h"

#include <QRegularExpression>

QString MenuLanguage::pageCode(const QString &stored)
{
    static const QRegularExpression tag(QStringLiteral("^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$"));
    QString code = ofStored(stored);
    code.replace(QLatin1Char('_'), QLatin1Char('-'));
    if (!tag.match(code).hasMatch())
        return english();
    QString primary = code.section(QLatin1Char('-'), 0, 0).toLower();
    if (primary == QLatin1String("iw"))
        primary = QStringLiteral("he");
    for (const Choice &choice : choices()) {
        if (choice.code == primary)
            return primary;
    }
    return code;
}

QList<MenuLanguage::Choice> MenuLanguage::choices()
{
    // Arabic and Hebrew are written right to left; the page turns with them.
    return {
        {QStringLiteral("en"), QStringLiteral("English")},  {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")}, {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("ar"), QStringLiteral("العربية")},  {QStringLiteral("he"), QStringLiteral("עברית")},
    };
}
