#pragma once

#include <QString>
#include <QStringView>

// Character references ("&amp;", "&#106;", "&#x6A") read as a browser reads them, so that a value can be judged on
// what the browser will make of it.
namespace CharacterReferences {

// An attribute's value with its references decoded: decimal and hexadecimal with or without the closing ";", and
// the named ones of ASCII and Latin-1 characters, the old ones also without ";" unless a letter, digit or "=" follows
// (as a browser does in attributes). A reference it does not know stays as written, "&" and all.
QString decodedAttribute(QStringView value);

// The length of the well-formed reference ("&name;", "&#123;", "&#x7B;") that starts at text[at], or 0.
qsizetype wellFormedLength(QStringView text, qsizetype at);

} // namespace CharacterReferences
