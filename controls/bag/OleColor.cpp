#include "controls/bag/OleColor.h"

namespace OleColor {

namespace {

// The platform's system colour indexes 0 to 24, each given the palette role that plays its part here.
QColor systemColor(quint32 index, const QPalette &pal)
{
    switch (index) {
    case 0:
        return pal.color(QPalette::Mid); // scroll bar
    case 1:
        return pal.color(QPalette::Dark); // desktop
    case 2:
        return pal.color(QPalette::Active, QPalette::Highlight); // active caption
    case 3:
        return pal.color(QPalette::Inactive, QPalette::Highlight); // inactive caption
    case 4:
        return pal.color(QPalette::Window); // menu bar
    case 5:
        return pal.color(QPalette::Base); // window background
    case 6:
        return pal.color(QPalette::Shadow); // window frame
    case 7:
        return pal.color(QPalette::WindowText); // menu text
    case 8:
        return pal.color(QPalette::Text); // window text
    case 9:
        return pal.color(QPalette::Active, QPalette::HighlightedText); // caption text
    case 10:
        return pal.color(QPalette::Button); // active border
    case 11:
        return pal.color(QPalette::Button); // inactive border
    case 12:
        return pal.color(QPalette::Dark); // application workspace
    case 13:
        return pal.color(QPalette::Highlight); // highlight
    case 14:
        return pal.color(QPalette::HighlightedText); // highlighted text
    case 15:
        return pal.color(QPalette::Button); // button face
    case 16:
        return pal.color(QPalette::Dark); // button shadow
    case 17:
        return pal.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18:
        return pal.color(QPalette::ButtonText); // button text
    case 19:
        return pal.color(QPalette::Inactive, QPalette::HighlightedText); // inactive caption text
    case 20:
        return pal.color(QPalette::Light); // button highlight
    case 21:
        return pal.color(QPalette::Shadow); // 3D dark shadow
    case 22:
        return pal.color(QPalette::Midlight); // 3D light
    case 23:
        return pal.color(QPalette::ToolTipText); // tooltip text
    case 24:
        return pal.color(QPalette::ToolTipBase); // tooltip background
    default:
        return QColor(Qt::black);
    }
}

} // namespace

QColor toColor(quint32 ole, const QPalette &palette)
{
    if (isSystem(ole))
        return systemColor(ole & 0xFFu, palette);
    if (ole & 0xFF000000u)
        return QColor(Qt::black);
    return QColor(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF));
}

quint32 fromColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace OleColor
