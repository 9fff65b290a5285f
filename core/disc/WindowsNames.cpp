#include "core/disc/WindowsNames.h"

#include <QCoreApplication>
#include <QStringList>

namespace WindowsNames {

namespace {

// The device name a name stands for: Windows ignores what follows the first dot and blanks before it ("con .txt").
QString deviceName(const QString &name)
{
    QString base = name.section(QLatin1Char('.'), 0, 0);
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    base = base.toUpper();
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL")};
    if (plain.contains(base))
        return base;
    const bool numbered =
        base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")));
    if (numbered && base.at(3) >= QLatin1Char('1') && base.at(3) <= QLatin1Char('9'))
        return base;
    return {};
}

} // namespace

StepResult check(const QString &name)
{
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return StepResult::failure(QCoreApplication::translate("DiscCheck", "holds a control character"));
        if (QStringLiteral("<>:\"|?*").contains(c))
            return StepResult::failure(QCoreApplication::translate("DiscCheck", "holds the character %1").arg(c));
    }
    if (name.endsWith(QLatin1Char('.')))
        return StepResult::failure(QCoreApplication::translate("DiscCheck", "ends in a dot"));
    if (name.endsWith(QLatin1Char(' ')))
        return StepResult::failure(QCoreApplication::translate("DiscCheck", "ends in a blank"));
    const QString device = deviceName(name);
    if (!device.isEmpty())
        return StepResult::failure(QCoreApplication::translate("DiscCheck", "is the device name %1").arg(device));
    return StepResult::success();
}

} // namespace WindowsNames
