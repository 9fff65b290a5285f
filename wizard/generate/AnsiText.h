#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Text as the generated files carry it: Windows-1252, every line ended by CR LF. Values are added in the context
// they land in, so that any text gives a working file while ordinary text is written byte for byte.
class AnsiText
{
public:
    // Fixed text of the file; ASCII and Windows-1252 characters only.
    AnsiText &operator<<(const char *fixed);
    AnsiText &operator<<(int number);

    // A value inside HTML markup: characters outside Windows-1252 become numeric character references.
    AnsiText &markup(QStringView value);
    // A value inside a single-quoted JavaScript string literal: backslash, apostrophe, line breaks and "</" are
    // escaped, characters outside Windows-1252 become \uXXXX.
    AnsiText &scriptString(QStringView value);
    // A value inside a stylesheet: characters outside Windows-1252 become CSS escapes.
    AnsiText &css(QStringView value);

    AnsiText &endLine();

    const QByteArray &bytes() const { return m_bytes; }
    void reserve(qsizetype size) { m_bytes.reserve(size); }

    // The Windows-1252 byte of a character, or -1 when the code page has none.
    static int ansiByte(char32_t character);

private:
    qsizetype appendPlain(QStringView value, bool script);

    QByteArray m_bytes;
};

// Links written into a page or stylesheet: characters that end or break an unquoted URL are percent-encoded
// (as UTF-8 bytes); any other text is returned unchanged.
namespace LinkText {

QString forPage(const QString &link);
// Also encodes the parentheses, which end a bare url(...) in a stylesheet.
QString forStylesheet(const QString &link);

} // namespace LinkText
