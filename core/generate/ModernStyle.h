#pragma once

#include "core/model/MenuSnapshot.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What a Modern page takes from a stored style: its colours, fonts, background, logo place and button images, as the
// custom properties that the page's own stylesheet (web/modern.css) reads. Colours are read, not copied, so that each
// can be kept readable on the page's light and dark surfaces.
namespace ModernStyle {

struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb &other) const { return r == other.r && g == other.g && b == other.b; }
};

// A colour text in either stored form ("RGB(17,207,255)" in any letter case, or a decimal value such as
// "16777215 "); nothing for anything else.
std::optional<Rgb> parseColor(const QString &text);

// The contrast ratio of two colours, from 1 to 21.
double contrast(const Rgb &a, const Rgb &b);

// fg itself when it stands out from bg by at least ratio; otherwise fg with its lightness moved (away from bg)
// just far enough.
Rgb readable(const Rgb &fg, const Rgb &bg, double ratio);

// "#rrggbb"
QByteArray hex(const Rgb &color);

// The custom properties of the style, for the light scheme and, in a media query, for the dark one. UTF-8.
QByteArray css(const StyleFields &style);
// Whether the style has both button images, which then stand for a section's state instead of the arrows.
bool pictured(const StyleFields &style);

// A file name as a relative link: every byte but letters, digits, "-._~" and "/" percent-encoded (as UTF-8), so
// that no text can become a scheme, a query or a quote; a link that would start at the top of the disc is made
// relative with "./".
QByteArray relativeLink(const QString &link);

} // namespace ModernStyle
