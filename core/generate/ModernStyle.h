#pragma once

#include "core/model/MenuSnapshot.h"

#include <QByteArray>
#include <QString>

// What a Modern page takes from a stored style: its colours, fonts, background, logo place and button images, as the
// custom properties that the page's own stylesheet (web/modern.css) reads. Colours are read (Colour), not copied, so
// that each can be kept readable on the page's light and dark surfaces (ColourMaths).
namespace ModernStyle {

// The custom properties of the style, for the light scheme and, in a media query, for the dark one. UTF-8.
QByteArray css(const StyleFields &style);
// Whether the style has both button images, which then stand for a section's state instead of the arrows.
bool pictured(const StyleFields &style);

// A file name as a relative link: every byte but letters, digits, "-._~" and "/" percent-encoded (as UTF-8), so
// that no text can become a scheme, a query or a quote; a link that would start at the top of the disc is made
// relative with "./".
QByteArray relativeLink(const QString &link);

} // namespace ModernStyle
