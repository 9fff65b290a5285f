#include "AnsiText.h"

#include <charconv>
#include <cstring>
#include <iterator>

namespace {

// The characters that Windows-1252 places at 0x80 to 0x9F (0 where the code page has none).
constexpr char16_t highControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendHex(QByteArray &out, uint value, int digits)
{
    static const char hex[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out.append(hex[(value >> shift) & 0xF]);
}

// Which ASCII characters a link must not carry bare: controls, blank and the ones that end or split a URL.
struct LinkBreakers
{
    bool page[128] = {};
    bool stylesheet[128] = {};
    LinkBreakers()
    {
        for (int c = 0; c <= 0x20; ++c)
            page[c] = true;
        page[0x7F] = true;
        for (const char *c = "\"'<>`#%?\\"; *c; ++c)
            page[uchar(*c)] = true;
        std::copy(std::begin(page), std::end(page), std::begin(stylesheet));
        stylesheet[uchar('(')] = stylesheet[uchar(')')] = true;
    }
};

QString percentEncode(const QString &link, const bool (&breaks)[128])
{
    auto needsEncoding = [&breaks](char16_t c) { return c < 0x80 && breaks[c]; };
    qsizetype first = 0;
    while (first < link.size() && !needsEncoding(link.at(first).unicode()))
        ++first;
    if (first == link.size())
        return link;
    QString result = link.left(first);
    result.reserve(link.size() + 16);
    for (qsizetype i = first; i < link.size(); ++i) {
        const QChar c = link.at(i);
        if (needsEncoding(c.unicode())) {
            QByteArray escaped("%");
            appendHex(escaped, c.unicode(), 2);
            result.append(QLatin1String(escaped));
        } else {
            result.append(c);
        }
    }
    return result;
}

const LinkBreakers &linkBreakers()
{
    static const LinkBreakers breakers;
    return breakers;
}

// Calls f with every code point of the text; a lone surrogate is passed on as it is.
template<typename F>
void forEachCodePoint(QStringView text, F f)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            f(char32_t(c.unicode()));
        }
    }
}

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

AnsiText &AnsiText::operator<<(const char *fixed)
{
    m_bytes.append(fixed);
    return *this;
}

AnsiText &AnsiText::operator<<(int number)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    m_bytes.append(digits, end - digits);
    return *this;
}

qsizetype AnsiText::appendPlain(QStringView value, bool script)
{
    // Copies the leading run of characters that stand for themselves in one pass; returns how many it took.
    const qsizetype size = value.size();
    const qsizetype start = m_bytes.size();
    if (m_bytes.capacity() < start + size)
        m_bytes.reserve(qMax(start + size, 2 * m_bytes.capacity()));
    m_bytes.resize(start + size);
    char *out = m_bytes.data() + start;
    const char16_t *in = value.utf16();
    qsizetype i = 0;
    for (; i < size; ++i) {
        const char16_t c = in[i];
        if (c >= 0x100 || (c >= 0x80 && c < 0xA0))
            break;
        if (script && (c == u'\\' || c == u'\'' || c == u'\r' || c == u'\n' || c == u'<'))
            break;
        out[i] = char(c);
    }
    m_bytes.resize(start + i);
    return i;
}

AnsiText &AnsiText::markup(QStringView value)
{
    const qsizetype plain = appendPlain(value, false);
    if (plain == value.size())
        return *this;
    value = value.mid(plain);
    forEachCodePoint(value, [this](char32_t c) {
        const int byte = ansiByte(c);
        if (byte >= 0) {
            m_bytes.append(char(byte));
        } else {
            m_bytes.append("&#");
            m_bytes.append(QByteArray::number(uint(c)));
            m_bytes.append(';');
        }
    });
    return *this;
}

AnsiText &AnsiText::scriptString(QStringView value)
{
    const qsizetype plain = appendPlain(value, true);
    if (plain == value.size())
        return *this;
    value = value.mid(plain);
    const qsizetype size = value.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = value.at(i).unicode();
        switch (c) {
        case u'\\':
            m_bytes.append("\\\\");
            continue;
        case u'\'':
            m_bytes.append("\\'");
            continue;
        case u'\r':
            m_bytes.append("\\r");
            continue;
        case u'\n':
            m_bytes.append("\\n");
            continue;
        case u'<':
            // "</" would end the script element, "<!--" would change how the browser reads the script.
            if (i + 1 < size && (value.at(i + 1) == u'/' || value.at(i + 1) == u'!')) {
                m_bytes.append("<\\");
                continue;
            }
            break;
        default:
            break;
        }
        const int byte = (c == 0x2028 || c == 0x2029 || QChar::isSurrogate(c)) ? -1 : ansiByte(c);
        if (byte >= 0) {
            m_bytes.append(char(byte));
        } else {
            m_bytes.append("\\u");
            appendHex(m_bytes, c, 4);
        }
    }
    return *this;
}

AnsiText &AnsiText::css(QStringView value)
{
    const qsizetype plain = appendPlain(value, false);
    if (plain == value.size())
        return *this;
    value = value.mid(plain);
    forEachCodePoint(value, [this](char32_t c) {
        const int byte = ansiByte(c);
        if (byte >= 0) {
            m_bytes.append(char(byte));
        } else {
            // Six digits need no terminating blank.
            m_bytes.append('\\');
            appendHex(m_bytes, uint(c), 6);
        }
    });
    return *this;
}

AnsiText &AnsiText::endLine()
{
    m_bytes.append("\r\n");
    return *this;
}

namespace LinkText {

QString forPage(const QString &link)
{
    return percentEncode(link, linkBreakers().page);
}

QString forStylesheet(const QString &link)
{
    return percentEncode(link, linkBreakers().stylesheet);
}

} // namespace LinkText
