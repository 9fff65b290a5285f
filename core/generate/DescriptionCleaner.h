#pragma once

#include <QByteArray>
#include <QString>

// The markup a Modern page lets a description keep, and the escaping of plain text on that page.
namespace DescriptionCleaner {

// A description made safe to stand inside its entry: the allowed tags (b i u em strong br p ul ol li span, and a
// with a relative or http(s) link) without their other attributes, balanced; every other tag as text.
QByteArray clean(const QString &description);
// Text with & < > " escaped, as UTF-8.
QByteArray escapedText(const QString &value);

} // namespace DescriptionCleaner
