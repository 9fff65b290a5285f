#include "core/generate/AnsiText.h"

#include <charconv>
#include <cstring>

namespace {

// The characters that Windows-1252 places at 0x80 to 0x9F (0 where the code page has none).
constexpr char16_t highControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

int AnsiText::ansiByte(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return int(character);
    for (int i = 0; i < 32; ++i) {
        if (highControls[i] != 0 && highControls[i] == character)
            return 0x80 + i;
    }
    return -1;
}

void AnsiText::streamTo(std::function<bool(const char *, qsizetype)> sink, qsizetype chunkSize)
{
    m_sink = std::move(sink);
    m_chunkSize = chunkSize;
    reserve(chunkSize);
}

bool AnsiText::flush()
{
    if (m_sink && m_size > 0 && !m_sinkFailed)
        m_sinkFailed = !m_sink(m_data, m_size);
    if (m_sink)
        m_size = 0;
    return !m_sinkFailed;
}

void AnsiText::grow(qsizetype size)
{
    if (m_sink) {
        flush();
        if (m_capacity >= size)
            return;
    }
    qsizetype wanted = qMax(m_bytes.capacity(), qsizetype(256));
    while (wanted < m_size + size)
        wanted *= 2;
    m_bytes.resize(wanted); // detaches from a copy that bytes() handed out
    m_data = m_bytes.data();
    m_capacity = m_bytes.size();
}

void AnsiText::reserve(qsizetype size)
{
    if (m_sink)
        size = qMin(size, m_chunkSize);
    if (size > m_capacity) {
        m_bytes.resize(qMax(size, m_size));
        m_data = m_bytes.data();
        m_capacity = m_bytes.size();
    }
}

QByteArray AnsiText::bytes() const
{
    m_bytes.resize(m_size);
    m_data = nullptr;
    m_capacity = 0;
    return m_bytes;
}

AnsiText &AnsiText::operator<<(int number)
{
    char *out = room(16);
    m_size += std::to_chars(out, out + 16, number).ptr - out;
    return *this;
}

void AnsiText::appendNumber(uint number)
{
    char *out = room(16);
    m_size += std::to_chars(out, out + 16, number).ptr - out;
}

void AnsiText::appendHex(uint value, int digits)
{
    static const char hex[] = "0123456789ABCDEF";
    char *out = room(digits);
    for (int i = 0, shift = 4 * (digits - 1); shift >= 0; ++i, shift -= 4)
        out[i] = hex[(value >> shift) & 0xF];
    m_size += digits;
}

namespace {

inline char16_t unit(char16_t c)
{
    return c;
}

inline char16_t unit(char c)
{
    return uchar(c);
}

// Calls f with every code point of the text; a lone surrogate is passed on as it is.
template <typename Char, typename F> void forEachCodePoint(const Char *text, qsizetype size, F f)
{
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = unit(text[i]);
        if constexpr (sizeof(Char) == 2) {
            if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(text[i + 1])) {
                f(QChar::surrogateToUcs4(c, text[++i]));
                continue;
            }
        }
        f(char32_t(c));
    }
}

} // namespace

namespace {

// The characters below 0x100 that end a run of plain text: the C1 range, which Windows-1252 fills with other
// characters, and in a script string the ones escaped there.
struct PlainStops
{
    bool markup[256] = {};
    bool script[256] = {};
    PlainStops()
    {
        for (int c = 0x80; c < 0xA0; ++c)
            markup[c] = script[c] = true;
        for (const char c : {'\\', '\'', '\r', '\n', '<'})
            script[uchar(c)] = true;
    }
};

const PlainStops plainStops;

inline qsizetype plainRun(const char16_t *value, qsizetype size, const bool (&stops)[256], char *out)
{
    qsizetype i = 0;
    for (; i < size; ++i) {
        const char16_t c = value[i];
        if (c >= 0x100 || stops[c])
            break;
        out[i] = char(c);
    }
    return i;
}

inline qsizetype plainRun(const char *value, qsizetype size, const bool (&stops)[256], char *out)
{
    // Eight characters at a time while none is outside ASCII or one a script string escapes (the stops of markup
    // are all outside ASCII); the rest one by one.
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    const bool script = stops[uchar('\'')];
    auto has = [](quint64 word, char c) {
        const quint64 x = word ^ (ones * uchar(c));
        return ((x - ones) & ~x & highs) != 0;
    };
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, value + i, 8);
        if ((word & highs) != 0)
            break;
        if (script && (has(word, '\\') || has(word, '\'') || has(word, '\r') || has(word, '\n') || has(word, '<')))
            break;
    }
    while (i < size && !stops[uchar(value[i])])
        ++i;
    std::memcpy(out, value, size_t(i));
    return i;
}

} // namespace

template <typename Char> qsizetype AnsiText::appendPlain(const Char *value, qsizetype size, bool script)
{
    // Copies the leading run of characters that stand for themselves in one pass; returns how many it took.
    const qsizetype plain = plainRun(value, size, script ? plainStops.script : plainStops.markup, room(size));
    m_size += plain;
    return plain;
}

template <typename Char> void AnsiText::markupText(const Char *value, qsizetype size)
{
    const qsizetype plain = appendPlain(value, size, false);
    if (plain == size)
        return;
    forEachCodePoint(value + plain, size - plain, [this](char32_t c) {
        const int byte = ansiByte(c);
        if (byte >= 0) {
            append(char(byte));
        } else {
            append("&#", 2);
            appendNumber(uint(c));
            append(';');
        }
    });
}

template <typename Char> void AnsiText::scriptText(const Char *text, qsizetype textSize)
{
    const qsizetype plain = appendPlain(text, textSize, true);
    if (plain == textSize)
        return;
    const Char *value = text + plain;
    const qsizetype size = textSize - plain;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = unit(value[i]);
        switch (c) {
        case u'\\':
            append("\\\\", 2);
            continue;
        case u'\'':
            append("\\'", 2);
            continue;
        case u'\r':
            append("\\r", 2);
            continue;
        case u'\n':
            append("\\n", 2);
            continue;
        case u'<':
            // "</" would end the script element, "<!--" would change how the browser reads the script.
            if (i + 1 < size && (unit(value[i + 1]) == u'/' || unit(value[i + 1]) == u'!')) {
                append("<\\", 2);
                continue;
            }
            break;
        default:
            break;
        }
        const int byte = (c == 0x2028 || c == 0x2029 || QChar::isSurrogate(c)) ? -1 : ansiByte(c);
        if (byte >= 0) {
            append(char(byte));
        } else {
            append("\\u", 2);
            appendHex(c, 4);
        }
    }
}

namespace {

template <typename Char> bool hasMarkupCharacters(const Char *value, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = unit(value[i]);
        if (c == u'&' || c == u'<' || c == u'>')
            return true;
    }
    return false;
}

template <typename Char> QString escapedForMarkup(const Char *value, qsizetype size)
{
    QString escaped;
    escaped.reserve(size + 16);
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = unit(value[i]);
        if (c == u'&')
            escaped.append(QLatin1String("&amp;"));
        else if (c == u'<')
            escaped.append(QLatin1String("&lt;"));
        else if (c == u'>')
            escaped.append(QLatin1String("&gt;"));
        else
            escaped.append(QChar(c));
    }
    return escaped;
}

} // namespace

template <typename Char> void AnsiText::cssText(const Char *value, qsizetype size)
{
    const qsizetype plain = appendPlain(value, size, false);
    if (plain == size)
        return;
    forEachCodePoint(value + plain, size - plain, [this](char32_t c) {
        const int byte = ansiByte(c);
        if (byte >= 0) {
            append(char(byte));
        } else {
            // Six digits need no terminating blank.
            append('\\');
            appendHex(uint(c), 6);
        }
    });
}

AnsiText &AnsiText::markup(TextUnits value)
{
    value.visit([this](const auto *text, qsizetype size) { markupText(text, size); });
    return *this;
}

AnsiText &AnsiText::plainText(TextUnits value)
{
    value.visit([this](const auto *text, qsizetype size) {
        if (!hasMarkupCharacters(text, size)) {
            markupText(text, size);
        } else {
            const QString escaped = escapedForMarkup(text, size);
            markupText(QStringView(escaped).utf16(), escaped.size());
        }
    });
    return *this;
}

AnsiText &AnsiText::plainTextInScript(TextUnits value)
{
    value.visit([this](const auto *text, qsizetype size) {
        if (!hasMarkupCharacters(text, size)) {
            scriptText(text, size);
        } else {
            const QString escaped = escapedForMarkup(text, size);
            scriptText(QStringView(escaped).utf16(), escaped.size());
        }
    });
    return *this;
}

AnsiText &AnsiText::scriptString(TextUnits value)
{
    value.visit([this](const auto *text, qsizetype size) { scriptText(text, size); });
    return *this;
}

AnsiText &AnsiText::css(TextUnits value)
{
    value.visit([this](const auto *text, qsizetype size) { cssText(text, size); });
    return *this;
}
