#include "core/generate/DescriptionCleaner.h"

#include "core/generate/CharacterReferences.h"

#include <QVector>

namespace {

const char *const allowedTags[] = {"b", "i", "u", "em", "strong", "br", "p", "ul", "ol", "li", "span", "a"};
enum { br = 5, ul = 7, ol = 8, li = 9, a = 11, tagCount = 12 };

// The index of an allowed tag in allowedTags (letter case aside), or -1.
int allowedTag(QStringView name)
{
    for (int tag = 0; tag < tagCount; ++tag) {
        if (name.compare(QLatin1String(allowedTags[tag]), Qt::CaseInsensitive) == 0)
            return tag;
    }
    return -1;
}

// The allowed tags still open, innermost last, with a count of each so that no question looks over the whole stack.
class OpenTags
{
public:
    bool isOpen(int tag) const { return m_count[tag] > 0; }
    void open(int tag, QByteArray &out)
    {
        out += "<" + QByteArray(allowedTags[tag]) + ">";
        if (tag != br)
            opened(tag);
    }
    // A tag written by the caller.
    void opened(int tag)
    {
        m_stack.append(tag);
        ++m_count[tag];
    }
    // Closes the innermost open tag of the kind, and every tag inside it.
    void close(int tag, QByteArray &out)
    {
        if (isOpen(tag))
            while (closeLast(out) != tag) {
            }
    }
    void closeAll(QByteArray &out)
    {
        while (!m_stack.isEmpty())
            closeLast(out);
    }

private:
    int closeLast(QByteArray &out)
    {
        const int tag = m_stack.takeLast();
        --m_count[tag];
        out += "</" + QByteArray(allowedTags[tag]) + ">";
        return tag;
    }

    QVector<int> m_stack;
    int m_count[tagCount] = {};
};

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\f');
}

bool isSlash(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

// Text with its markup characters escaped; well-formed character references are kept as written when keepReferences.
QByteArray escaped(QStringView value, bool keepReferences)
{
    QByteArray out;
    out.reserve(value.size() + value.size() / 8);
    qsizetype plain = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const char *replacement = nullptr;
        if (c == QLatin1Char('&')) {
            if (keepReferences && CharacterReferences::wellFormedLength(value, i) > 0)
                continue;
            replacement = "&amp;";
        } else if (c == QLatin1Char('<')) {
            replacement = "&lt;";
        } else if (c == QLatin1Char('>')) {
            replacement = "&gt;";
        } else if (c == QLatin1Char('"')) {
            replacement = "&quot;";
        } else {
            continue;
        }
        out += value.mid(plain, i - plain).toUtf8();
        out += replacement;
        plain = i + 1;
    }
    out += value.mid(plain).toUtf8();
    return out;
}

// A tag as written: "<", an optional "/", a name, then anything up to the ">" that no quote hides.
struct Tag
{
    qsizetype start = 0;
    qsizetype end = 0; // just after the ">"
    bool closing = false;
    QStringView name;
    QStringView attributes; // between the name and the ">"
};

// Finds the tags of a text in one pass. A "<" that starts no tag is text; the scan of a tag that ends nowhere (no
// ">", or a quote that never closes) leaves marks, so that a later scan that reaches the same place in the same
// state stops there instead of running to the end again: the time stays in proportion to the text.
class TagScanner
{
public:
    explicit TagScanner(QStringView text) : m_text(text)
    {
        m_lastQuote[0] = text.lastIndexOf(QLatin1Char('"'));
        m_lastQuote[1] = text.lastIndexOf(QLatin1Char('\''));
    }

    // The next tag at or after from, or false.
    bool next(qsizetype from, Tag &tag)
    {
        for (qsizetype at = m_text.indexOf(QLatin1Char('<'), from); at >= 0;
             at = m_text.indexOf(QLatin1Char('<'), at + 1)) {
            if (read(at, tag))
                return true;
        }
        return false;
    }

private:
    enum State : char { Outside = 1, InDouble = 2, InSingle = 4 };

    bool read(qsizetype at, Tag &tag)
    {
        qsizetype i = at + 1;
        tag.closing = i < m_text.size() && m_text[i] == QLatin1Char('/');
        i += tag.closing ? 1 : 0;
        const qsizetype nameStart = i;
        if (i >= m_text.size() || !isAsciiLetter(m_text[i]))
            return false;
        while (i < m_text.size() && (isAsciiLetter(m_text[i]) || isAsciiDigit(m_text[i])))
            ++i;
        tag.name = m_text.mid(nameStart, i - nameStart);
        const qsizetype attributes = i;
        QVector<qsizetype> visited;
        State state = Outside;
        for (; i < m_text.size(); ++i) {
            if (marked(i, state))
                break;
            visited.append(i * 8 + state);
            const QChar c = m_text[i];
            if (state == Outside) {
                if (c == QLatin1Char('>')) {
                    tag.start = at;
                    tag.end = i + 1;
                    tag.attributes = m_text.mid(attributes, i - attributes);
                    return true;
                }
                const int quote = c == QLatin1Char('"') ? 0 : c == QLatin1Char('\'') ? 1 : -1;
                if (quote >= 0) {
                    if (i >= m_lastQuote[quote])
                        break; // never closed
                    state = quote == 0 ? InDouble : InSingle;
                }
            } else if ((state == InDouble && c == QLatin1Char('"')) || (state == InSingle && c == QLatin1Char('\''))) {
                state = Outside;
            }
        }
        for (const qsizetype passed : visited)
            mark(passed / 8, State(passed % 8));
        return false;
    }

    bool marked(qsizetype at, State state) const { return at < m_marks.size() && (m_marks[at] & state); }
    void mark(qsizetype at, State state)
    {
        if (m_marks.isEmpty())
            m_marks = QByteArray(m_text.size(), '\0');
        m_marks[at] = char(m_marks[at] | state);
    }

    QStringView m_text;
    qsizetype m_lastQuote[2];
    QByteArray m_marks; // the states in which each character was passed by a scan that ended nowhere
};

// The value of the first attribute called name, as written (quotes taken off), or a null view.
QStringView attributeValue(QStringView attributes, QLatin1String name)
{
    qsizetype i = 0;
    const qsizetype size = attributes.size();
    while (i < size) {
        while (i < size && (isBlank(attributes[i]) || attributes[i] == QLatin1Char('/')))
            ++i;
        const qsizetype nameStart = i;
        while (i < size && !isBlank(attributes[i]) && attributes[i] != QLatin1Char('/') &&
               (attributes[i] != QLatin1Char('=') || i == nameStart))
            ++i;
        const QStringView attribute = attributes.mid(nameStart, i - nameStart);
        while (i < size && isBlank(attributes[i]))
            ++i;
        QStringView value(u"");
        if (i < size && attributes[i] == QLatin1Char('=')) {
            ++i;
            while (i < size && isBlank(attributes[i]))
                ++i;
            if (i < size && (attributes[i] == QLatin1Char('"') || attributes[i] == QLatin1Char('\''))) {
                const QChar quote = attributes[i];
                const qsizetype close = attributes.indexOf(quote, i + 1);
                const qsizetype end = close < 0 ? size : close;
                value = attributes.mid(i + 1, end - i - 1);
                i = end + 1;
            } else {
                const qsizetype from = i;
                while (i < size && !isBlank(attributes[i]))
                    ++i;
                value = attributes.mid(from, i - from);
            }
        }
        if (!attribute.isEmpty() && attribute.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return QStringView();
}

// A path below the page's folder: no segment ("..", or ".%2e" as a browser reads it) climbs above it.
bool staysInside(QStringView path)
{
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isSlash(path[i]))
            continue;
        QString segment = path.mid(start, i - start).toString().toLower();
        segment.replace(QLatin1String("%2e"), QLatin1String("."));
        if (segment == QLatin1String("..")) {
            if (--depth < 0)
                return false;
        } else if (!segment.isEmpty() && segment != QLatin1String(".") && i < path.size()) {
            ++depth;
        }
        start = i + 1;
    }
    return true;
}

} // namespace

QString DescriptionCleaner::linkAsBrowserReads(QStringView written)
{
    QString link = CharacterReferences::decodedAttribute(written);
    // A browser's address parser drops C0 controls and blanks at both ends and tabs and line breaks anywhere.
    qsizetype first = 0;
    qsizetype last = link.size();
    while (first < last && link[first].unicode() <= 0x20)
        ++first;
    while (last > first && link[last - 1].unicode() <= 0x20)
        --last;
    link = link.mid(first, last - first);
    link.remove(QLatin1Char('\t'));
    link.remove(QLatin1Char('\n'));
    link.remove(QLatin1Char('\r'));
    return link;
}

bool DescriptionCleaner::isAllowedLink(QStringView link)
{
    if (link.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        link.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return true;
    // Another host ("//host", "\\host") or the top of the disc's file system ("/etc") is not part of the menu.
    if (!link.isEmpty() && isSlash(link[0]))
        return false;
    qsizetype pathEnd = 0;
    while (pathEnd < link.size() && link[pathEnd] != QLatin1Char('?') && link[pathEnd] != QLatin1Char('#'))
        ++pathEnd;
    const QStringView path = link.left(pathEnd);
    // A colon before the first slash names a scheme ("javascript:", "data:", "file:", "c:").
    for (const QChar c : path) {
        if (isSlash(c))
            break;
        if (c == QLatin1Char(':'))
            return false;
    }
    return staysInside(path);
}

QByteArray DescriptionCleaner::escapedText(QStringView value)
{
    return escaped(value, false);
}

QByteArray DescriptionCleaner::clean(const QString &description)
{
    const QStringView text(description);
    QByteArray out;
    out.reserve(text.size() + text.size() / 8);
    OpenTags open;
    qsizetype done = 0;
    TagScanner scanner(text);
    Tag tag;
    while (scanner.next(done, tag)) {
        out += escaped(text.mid(done, tag.start - done), true);
        done = tag.end;
        const int allowed = allowedTag(tag.name);
        if (allowed < 0) {
            out += escaped(text.mid(tag.start, tag.end - tag.start), false);
        } else if (tag.closing) {
            open.close(allowed, out); // a close tag that closes nothing is dropped
        } else if (allowed == a) {
            const QStringView href = attributeValue(tag.attributes, QLatin1String("href"));
            const QString link = linkAsBrowserReads(href);
            if (href.isNull() || !isAllowedLink(link)) {
                out += escaped(text.mid(tag.start, tag.end - tag.start), false);
                continue;
            }
            open.close(a, out); // a link inside a link is not markup: the first one ends here
            // What was judged is what is written: the browser decodes this back to link, and nothing else.
            out += "<a href=\"" + escaped(link, false) + "\">";
            open.opened(a);
        } else if (allowed == li && !open.isOpen(ul) && !open.isOpen(ol)) {
            // An item outside a list of its own would close the entry's item and move the entries after it.
            out += escaped(text.mid(tag.start, tag.end - tag.start), false);
        } else {
            open.open(allowed, out);
        }
    }
    out += escaped(text.mid(done), true);
    open.closeAll(out);
    return out;
}
