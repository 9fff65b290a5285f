#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

// Links written into a page or stylesheet: characters that end or break an unquoted URL are percent-encoded
// (as UTF-8 bytes); any other text is returned unchanged. A page link that starts with a URL scheme
// ("javascript:") or a slash gets "./" in front, so that it stays a file of the CD and never runs as script.
namespace LinkText {

QString forPage(const QString &link);
// Also encodes the parentheses, which end a bare url(...) in a stylesheet.
QString forStylesheet(const QString &link);
// The same for Latin-1 text, without making a QString: the link itself when nothing changes, else the encoded
// link, kept in buffer.
QLatin1String forPage(QLatin1String link, QByteArray &buffer);

} // namespace LinkText
