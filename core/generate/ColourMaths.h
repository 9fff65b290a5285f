#pragma once

#include "core/model/Colour.h"

#include <QByteArray>

// Colour arithmetic for pages that keep a style's colours readable on their own light and dark surfaces: contrast
// as the accessibility guidelines measure it, and lightness moved in HSL so that the hue stays.
namespace ColourMaths {

inline constexpr Colour white{255, 255, 255};
inline constexpr Colour black{0, 0, 0};

// The contrast ratio of two colours, from 1 to 21.
double contrast(const Colour &a, const Colour &b);
// Dark enough that white text on it is at its best.
bool isDark(const Colour &c);

// fg itself when it stands out from bg by at least ratio; otherwise fg with its lightness moved (away from bg)
// just far enough.
Colour readable(const Colour &fg, const Colour &bg, double ratio);
// share of the way from a to b.
Colour mix(const Colour &a, const Colour &b, double share);
// The colour itself on a dark page, its lightness mirrored when it was meant for a light one.
Colour forDarkPage(const Colour &c);
// A light page's colour turned into a dark page's: the same hue, little saturation, almost black.
Colour dimmed(const Colour &c);

// "#rrggbb"
QByteArray hex(const Colour &color);

} // namespace ColourMaths
