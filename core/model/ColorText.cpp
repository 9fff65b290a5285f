#include "core/model/ColorText.h"

#include "core/model/Notices.h"

#include <QStringList>
#include <cmath>
#include <optional>

namespace {

// A number as the colour text gives it: blanks around it allowed, rounded half to even, within 16 bits.
std::optional<qint16> component(const QString &piece)
{
    bool ok = false;
    const double value = piece.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return qint16(rounded);
}

} // namespace

namespace ColorText {

OleColor getCol(const QString &Col)
{
    if (Col.size() < 5)
        return 0;
    const QStringList pieces = Col.mid(4, Col.size() - 5).split(QLatin1Char(','));
    if (pieces.size() < 3)
        return 0;
    OleColor result = 0;
    for (int i = 0; i < 3; ++i) {
        const std::optional<qint16> part = component(pieces.at(i));
        if (!part || *part < 0)
            return 0;
        result |= OleColor(qMin<qint16>(*part, 255)) << (8 * i);
    }
    return result;
}

QString getRGBString(OleColor Col, Notices &notices)
{
    const qint16 red = GetColorPart(Col, 0, notices);
    const qint16 green = GetColorPart(Col, 1, notices);
    const qint16 blue = GetColorPart(Col, 2, notices);
    return QStringLiteral("RGB(%1,%2,%3)").arg(red).arg(green).arg(blue);
}

qint16 GetColorPart(OleColor Color, qint32 Mask, Notices &notices)
{
    if (Color < 0) {
        notices.plainTitled(QString::number(Color) + QStringLiteral(" ist eine Systemfarbe"));
        return -1;
    }
    switch (Mask) {
    case 0:
        return qint16(Color & 255);
    case 1:
        return qint16((Color >> 8) & 255);
    case 2:
        return qint16((Color >> 16) & 255);
    default:
        return 0;
    }
}

} // namespace ColorText
