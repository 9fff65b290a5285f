#pragma once

#include <QString>
#include <QtGlobal>

class Notices;

// Colour values and their "RGB(r,g,b)" texts. A colour value is laid out 0x00BBGGRR (red in the lowest byte); a
// negative value is a system colour of the user interface with no red, green and blue of its own.
namespace ColorText {

using OleColor = qint32;

// Decodes "RGB(r,g,b)": any four-character prefix, blanks around the numbers allowed, fractions rounded half to
// even, components above 255 taken as 255. Anything else, including "16777215 ", gives 0 (black).
OleColor getCol(const QString &Col);

// "RGB(" red "," green "," blue ")"; a system colour gives RGB(-1,-1,-1) and three notices.
QString getRGBString(OleColor Col, Notices &notices);

// One component by Mask (0 red, 1 green, 2 blue, other 0). A system colour is reported through notices and gives -1.
qint16 GetColorPart(OleColor Color, qint32 Mask, Notices &notices);

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
