#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <cstring>
#include <functional>

// A value as the writers take it: UTF-16 text, or Latin-1 text (the database's ASCII bytes, without making a QString
// of them).
class TextUnits
{
public:
    TextUnits(QStringView text) : m_data(text.utf16()), m_size(text.size()), m_latin1(false) {}
    TextUnits(const QString &text) : TextUnits(QStringView(text)) {}
    TextUnits(QLatin1String text) : m_data(text.data()), m_size(text.size()), m_latin1(true) {}

    // Calls f with the code units and their number.
    template <typename F> void visit(F f) const
    {
        if (m_latin1)
            f(static_cast<const char *>(m_data), m_size);
        else
            f(static_cast<const char16_t *>(m_data), m_size);
    }

private:
    const void *m_data;
    qsizetype m_size;
    bool m_latin1;
};

// Text as the generated files carry it: Windows-1252, every line ended by CR LF. Values are added in the context
// they land in, so that any text gives a working file while ordinary text is written byte for byte.
// A page of a large menu runs to tens of megabytes: the text is written straight into one growing buffer.
class AnsiText
{
public:
    // Fixed text of the file; ASCII and Windows-1252 characters only.
    AnsiText &operator<<(const char *fixed)
    {
        append(fixed, qsizetype(std::strlen(fixed)));
        return *this;
    }
    AnsiText &operator<<(int number);

    // A value inside HTML markup: characters outside Windows-1252 become numeric character references.
    AnsiText &markup(TextUnits value);
    // Plain text (a title, a category) inside HTML markup: "&", "<" and ">" become entities, so that the page shows
    // what was typed; otherwise as markup().
    AnsiText &plainText(TextUnits value);
    // Plain text inside a script string whose value the page puts into markup (innerHTML): escaped for markup
    // first, then for the string.
    AnsiText &plainTextInScript(TextUnits value);
    // A value inside a single-quoted JavaScript string literal: backslash, apostrophe, line breaks and "</" are
    // escaped, characters outside Windows-1252 become \uXXXX.
    AnsiText &scriptString(TextUnits value);
    // A value inside a stylesheet: characters outside Windows-1252 become CSS escapes.
    AnsiText &css(TextUnits value);

    AnsiText &endLine()
    {
        append("\r\n", 2);
        return *this;
    }
    // One line of fixed text and numbers, CR LF added.
    template <typename... Parts> AnsiText &line(const Parts &...parts)
    {
        (*this << ... << parts);
        return endLine();
    }

    // The text so far; more may be added afterwards.
    QByteArray bytes() const;
    void reserve(qsizetype size);

    // From here on the text is handed to sink in pieces of about chunkSize bytes as it grows, instead of being
    // kept; flush() hands over the rest. Once the sink fails it is given nothing more, and flush() says so.
    void streamTo(std::function<bool(const char *data, qsizetype size)> sink, qsizetype chunkSize = 1 << 20);
    bool flush();

    // The Windows-1252 byte of a character, or -1 when the code page has none.
    static int ansiByte(char32_t character);

private:
    char *room(qsizetype size)
    {
        if (m_capacity - m_size < size)
            grow(size);
        return m_data + m_size;
    }
    void append(const char *data, qsizetype size)
    {
        std::memcpy(room(size), data, size_t(size));
        m_size += size;
    }
    void append(char byte)
    {
        *room(1) = byte;
        ++m_size;
    }
    void grow(qsizetype size);
    void appendNumber(uint number);
    void appendHex(uint value, int digits);

    template <typename Char> qsizetype appendPlain(const Char *value, qsizetype size, bool script);
    template <typename Char> void markupText(const Char *value, qsizetype size);
    template <typename Char> void scriptText(const Char *value, qsizetype size);
    template <typename Char> void cssText(const Char *value, qsizetype size);

    // m_bytes is the buffer: its first m_size bytes hold the text, the rest is room to write into. bytes() trims it
    // and hands out a shared copy; the next write then grows it again, which detaches it from that copy.
    mutable QByteArray m_bytes;
    mutable char *m_data = nullptr;
    mutable qsizetype m_capacity = 0;
    qsizetype m_size = 0;
    std::function<bool(const char *, qsizetype)> m_sink;
    qsizetype m_chunkSize = 0;
    bool m_sinkFailed = false;
};
