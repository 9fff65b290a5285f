#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The markup a Modern page lets a description keep, and the escaping of plain text on that page.
namespace DescriptionCleaner {

// A description made safe to stand inside its entry: the allowed tags (b i u em strong br p ul ol li span, and a
// with a relative or http(s) link) without their other attributes, balanced, an li only inside a list of its own;
// every other tag as text. Takes time in proportion to the description's length.
QByteArray clean(const QString &description);
// Text with & < > " escaped, as UTF-8.
QByteArray escapedText(QStringView value);

// An attribute's value as a browser's address parser takes it: references decoded, C0 controls and blanks dropped
// at both ends, tabs and line breaks dropped anywhere.
QString linkAsBrowserReads(QStringView written);
// A link (as the browser reads it) that a description may hold: http(s), or relative to the page and staying below
// it. No other scheme, no other host ("//", "\\"), no path from the top of the file system.
bool isAllowedLink(QStringView link);

} // namespace DescriptionCleaner
