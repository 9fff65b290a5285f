#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// Colours as the form files and the button properties hold them: 0x00BBGGRR, or 0x800000nn for the system
// colour nn, which follows the running platform's palette.
namespace OleColor {

constexpr quint32 SystemFlag = 0x80000000u;
constexpr quint32 ButtonFace = 0x8000000Fu;
constexpr quint32 WindowBackground = 0x80000005u;
constexpr quint32 WindowText = 0x80000008u;
constexpr quint32 ButtonText = 0x80000012u;

inline bool isSystem(quint32 ole)
{
    return (ole & 0xFF000000u) == SystemFlag;
}
// An invalid value (a high byte other than 0 or 0x80, an unknown system index) gives black.
QColor toColor(quint32 ole, const QPalette &palette);
quint32 fromColor(const QColor &color);

} // namespace OleColor
