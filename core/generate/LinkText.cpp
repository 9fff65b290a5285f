#include "core/generate/LinkText.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace LinkText {

namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

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

const LinkBreakers &linkBreakers()
{
    static const LinkBreakers breakers;
    return breakers;
}

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
            const char escaped[] = {'%', hexDigits[(c.unicode() >> 4) & 0xF], hexDigits[c.unicode() & 0xF]};
            result.append(QLatin1String(escaped, 3));
        } else {
            result.append(c);
        }
    }
    return result;
}

// Whether the browser would read the link as a URL of its own rather than a file below the page's folder: it starts
// with a slash or a scheme (a letter followed by letters, digits, "+", "-" or "." up to a colon).
template <typename Char> bool leavesTheFolder(const Char *link, qsizetype size)
{
    auto at = [link](qsizetype i) { return char16_t(std::make_unsigned_t<Char>(link[i])); };
    auto isLetter = [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    if (size == 0)
        return false;
    if (at(0) == u'/')
        return true;
    if (!isLetter(at(0)))
        return false;
    for (qsizetype i = 1; i < size; ++i) {
        const char16_t c = at(i);
        if (c == u':')
            return true;
        if (!isLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return false;
}

} // namespace

QString forPage(const QString &link)
{
    if (leavesTheFolder(link.utf16(), link.size()))
        return percentEncode(QStringLiteral("./") + link, linkBreakers().page);
    return percentEncode(link, linkBreakers().page);
}

QString forStylesheet(const QString &link)
{
    return percentEncode(link, linkBreakers().stylesheet);
}

QLatin1String forPage(QLatin1String link, QByteArray &buffer)
{
    const bool(&breaks)[128] = linkBreakers().page;
    auto needsEncoding = [&breaks](char c) { return uchar(c) < 0x80 && breaks[uchar(c)]; };
    const char *first = std::find_if(link.begin(), link.end(), needsEncoding);
    const bool prefixed = leavesTheFolder(link.data(), link.size());
    if (first == link.end() && !prefixed)
        return link;
    buffer.resize(3 * link.size() + 2);
    char *out = buffer.data();
    if (prefixed) {
        *out++ = '.';
        *out++ = '/';
    }
    out = std::copy(link.begin(), first, out);
    for (const char *c = first; c != link.end(); ++c) {
        if (needsEncoding(*c)) {
            *out++ = '%';
            *out++ = hexDigits[uchar(*c) >> 4];
            *out++ = hexDigits[uchar(*c) & 0xF];
        } else {
            *out++ = *c;
        }
    }
    return QLatin1String(buffer.constData(), out - buffer.constData());
}

} // namespace LinkText
