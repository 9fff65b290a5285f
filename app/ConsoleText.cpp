#include "app/ConsoleText.h"

#include "core/disc/RootWalk.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

QString ConsoleText::value(const QString &text)
{
    return RootWalk::escaped(text);
}

QString ConsoleText::message(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = RootWalk::escaped(line);
    return lines.join(QLatin1Char('\n'));
}

QString ConsoleText::negativeNumber(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')) &&
            std::all_of(argument.cbegin() + 1, argument.cend(), [](QChar c) { return c.isDigit(); }))
            return QCoreApplication::translate("CommandLine",
                                               "%1 is not a menu number: menus are numbered from 1 (see 'velmora "
                                               "list').")
                .arg(argument);
    }
    return {};
}

StepValue<qint64> ConsoleText::menuNumber(const QString &argument, const QString &usage)
{
    const bool digits = !argument.isEmpty() && std::all_of(argument.cbegin(), argument.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digits)
        return StepValue<qint64>::failure(usage);
    bool ok = false;
    const qint64 number = argument.toLongLong(&ok);
    if (!ok)
        return StepValue<qint64>::failure(
            QCoreApplication::translate("CommandLine", "%1 is too large for a menu number (see 'velmora list').")
                .arg(argument));
    return StepValue<qint64>::made(number);
}
