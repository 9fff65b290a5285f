#include "core/model/ColorText.h"

#include "core/model/Colour.h"

namespace ColorText {

OleColor getCol(const QString &Col)
{
    const std::optional<Colour> colour = Colour::read(Col);
    return colour ? colour->ole() : 0;
}

RGBString getRGBString(OleColor Col)
{
    RGBString result;
    qint16 parts[3];
    for (int mask = 0; mask < 3; ++mask) {
        const StepValue<qint16> part = GetColorPart(Col, mask);
        if (!part)
            result.notices.append(part.error);
        parts[mask] = part.value;
    }
    result.text = QStringLiteral("RGB(%1,%2,%3)").arg(parts[0]).arg(parts[1]).arg(parts[2]);
    return result;
}

StepValue<qint16> GetColorPart(OleColor Color, qint32 Mask)
{
    if (Color < 0) {
        StepValue<qint16> systemColour =
            StepValue<qint16>::failure(QString::number(Color) + QStringLiteral(" ist eine Systemfarbe"));
        systemColour.value = -1;
        return systemColour;
    }
    if (Mask < 0 || Mask > 2)
        return StepValue<qint16>::made(0);
    return StepValue<qint16>::made(qint16((Color >> (8 * Mask)) & 255));
}

} // namespace ColorText
