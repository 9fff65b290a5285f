#include "core/generate/DescriptionCleaner.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool isAllowedTag(const QString &name)
{
    static const QStringList allowed = {QStringLiteral("b"),  QStringLiteral("i"),      QStringLiteral("u"),
                                        QStringLiteral("em"), QStringLiteral("strong"), QStringLiteral("br"),
                                        QStringLiteral("p"),  QStringLiteral("ul"),     QStringLiteral("ol"),
                                        QStringLiteral("li"), QStringLiteral("span"),   QStringLiteral("a")};
    return allowed.contains(name);
}

// A link a description may hold: http(s), or relative to the page (no scheme, not from another host).
bool isAllowedLink(const QString &href)
{
    const QString link = href.trimmed();
    if (link.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        link.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return true;
    if (link.startsWith(QLatin1String("//")) || link.startsWith(QLatin1String("\\")))
        return false;
    const int colon = int(link.indexOf(QLatin1Char(':')));
    if (colon < 0)
        return true;
    // A colon after the path has begun is part of it ("a/b:c"), before it a scheme.
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
        const int at = int(link.indexOf(c));
        if (at >= 0 && at < colon)
            return true;
    }
    return false;
}

// Text with its markup characters escaped; character references are kept when keepEntities.
QByteArray escaped(const QString &value, bool keepEntities)
{
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});"));
    QByteArray out;
    int plain = 0;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const char *replacement = nullptr;
        int skip = 1;
        if (c == QLatin1Char('&')) {
            const QRegularExpressionMatch match = keepEntities
                                                      ? entity.match(value, i, QRegularExpression::NormalMatch,
                                                                     QRegularExpression::AnchorAtOffsetMatchOption)
                                                      : QRegularExpressionMatch();
            if (match.hasMatch())
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
        plain = i + skip;
    }
    out += value.mid(plain).toUtf8();
    return out;
}

} // namespace

QByteArray DescriptionCleaner::escapedText(const QString &value)
{
    return escaped(value, false);
}

QByteArray DescriptionCleaner::clean(const QString &description)
{
    static const QRegularExpression tagPattern(
        QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)((?:[^>\"']|\"[^\"]*\"|'[^']*')*)>"));
    static const QRegularExpression hrefPattern(
        QStringLiteral("\\bhref\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QByteArray out;
    QStringList open; // the tags still open, innermost last
    int done = 0;
    QRegularExpressionMatchIterator tags = tagPattern.globalMatch(description);
    while (tags.hasNext()) {
        const QRegularExpressionMatch tag = tags.next();
        const QString name = tag.captured(2).toLower();
        const bool closing = !tag.captured(1).isEmpty();
        QByteArray markup;
        bool allowed = isAllowedTag(name);
        if (allowed && closing) {
            const int at = int(open.lastIndexOf(name));
            if (at < 0) {
                allowed = false; // closes nothing: dropped
            } else {
                while (open.size() > at)
                    markup += "</" + open.takeLast().toUtf8() + ">";
            }
        } else if (allowed && name == QLatin1String("a")) {
            const QRegularExpressionMatch href = hrefPattern.match(tag.captured(3));
            QString link;
            for (int i = 1; i <= 3 && href.hasMatch() && link.isEmpty(); ++i)
                link = href.captured(i);
            if (!href.hasMatch() || !isAllowedLink(link)) {
                allowed = false;
            } else {
                // A link inside a link is not markup: the first one ends here.
                if (open.contains(QLatin1String("a")))
                    while (!open.isEmpty()) {
                        const QString inner = open.takeLast();
                        markup += "</" + inner.toUtf8() + ">";
                        if (inner == QLatin1String("a"))
                            break;
                    }
                markup += "<a href=\"" + escaped(link.trimmed(), true) + "\">";
                open.append(name);
            }
        } else if (allowed) {
            markup += "<" + name.toUtf8() + ">";
            if (name != QLatin1String("br"))
                open.append(name);
        }
        out += escaped(description.mid(done, tag.capturedStart() - done), true);
        // A close tag of an allowed element that is not open is dropped; anything else not allowed is text.
        if (allowed)
            out += markup;
        else if (!(closing && isAllowedTag(name)))
            out += escaped(tag.captured(0), false);
        done = int(tag.capturedEnd());
    }
    out += escaped(description.mid(done), true);
    while (!open.isEmpty())
        out += "</" + open.takeLast().toUtf8() + ">";
    return out;
}

