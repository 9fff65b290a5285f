#include "core/model/FontText.h"

#include <charconv>
#include <cmath>

namespace FontText {

std::optional<Fields> split(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char(';'));
    if (fields.size() < 3)
        return std::nullopt;
    return Fields{fields.at(0), fields.at(1), fields.at(2)};
}

std::optional<qint16> pointSize(const QString &sizeField, const QLocale &locale)
{
    const QString number = sizeField.left(sizeField.size() - 2).trimmed();
    bool ok = false;
    double value = locale.toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return qint16(rounded);
}

bool isBold(const QString &weightField)
{
    return weightField.compare(QLatin1String("bold"), Qt::CaseInsensitive) == 0;
}

QString compose(const QString &family, float pointSize, bool bold, const QLocale &locale)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, pointSize);
    QString size = QString::fromLatin1(buffer, int(result.ptr - buffer));
    size.replace(QLatin1Char('.'), locale.decimalPoint());
    return family + QLatin1Char(';') + size + QStringLiteral("pt;") +
           (bold ? QStringLiteral("Bold") : QStringLiteral("Normal"));
}

} // namespace FontText
