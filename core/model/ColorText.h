#pragma once

#include "core/model/StepResult.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Colour values and their "RGB(r,g,b)" texts. A colour value is laid out 0x00BBGGRR (red in the lowest byte); a
// negative value is a system colour of the user interface with no red, green and blue of its own.
namespace ColorText {

using OleColor = qint32;

// The colour value of a colour text as Colour::read() takes it; 0 (black) for a text that names no colour.
OleColor getCol(const QString &Col);

// "RGB(" red "," green "," blue ")", and what the window reports before it shows the text: a system colour gives
// RGB(-1,-1,-1) and one notice for each of its three parts.
struct RGBString
{
    QString text;
    QStringList notices;
};
RGBString getRGBString(OleColor Col);

// One component by Mask (0 red, 1 green, 2 blue, other 0). A system colour fails with the notice to show, and its
// value is -1.
StepValue<qint16> GetColorPart(OleColor Color, qint32 Mask);

// Helpers for the window, which paints swatches with QColor: 0x00BBGGRR to and from QRgb-like 0xAARRGGBB.
inline quint32 toRgb(OleColor color)
{
    const quint32 value = quint32(color);
    return 0xff000000u | ((value & 0xffu) << 16) | (value & 0xff00u) | ((value >> 16) & 0xffu);
}
inline OleColor fromRgb(quint32 rgb)
{
    return OleColor(((rgb >> 16) & 0xffu) | (rgb & 0xff00u) | ((rgb & 0xffu) << 16));
}

} // namespace ColorText
