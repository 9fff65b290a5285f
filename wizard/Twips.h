#pragma once

#include <QRect>

// Window layouts are given in twips; 15 twips are one pixel at 96 dpi.
inline int twips(int value)
{
    return (value + 7) / 15;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
