// Times the Modern page's description cleaner on descriptions of about 1 MB written to be slow: each should take
// time in proportion to its length, well under a second.
#include "core/generate/DescriptionCleaner.h"

#include <QElapsedTimer>
#include <QString>
#include <cstdio>

int main()
{
    const int size = 1 << 20;
    const struct
    {
        const char *name;
        const char *piece;
    } cases[] = {
        {"&", "&"},
        {"&lt;", "&lt;"},
        {"&#x6A;", "&#x6A;"},
        {"&amp; with blanks", "&amp; "},
        {"ordinary text", "Tom &amp; Jerry "},
        {"tags that never end", "<a "},
        {"quotes that never close", "<b \"x\" '"},
        {"nested bold", "<b>"},
        {"links", "<a href=\"&#x2F;x\">y</a>"},
        {"bare items", "<li>"},
    };
    bool fast = true;
    for (const auto &row : cases) {
        const QString piece = QString::fromUtf8(row.piece);
        const QString description = piece.repeated(size / int(piece.size()));
        QElapsedTimer timer;
        timer.start();
        const QByteArray cleaned = DescriptionCleaner::clean(description);
        const qint64 ms = timer.elapsed();
        fast = fast && ms < 1000;
        std::printf("%-26s %8lld characters  %6lld ms  %9lld bytes out\n", row.name, qint64(description.size()), ms,
                    qint64(cleaned.size()));
    }
    return fast ? 0 : 1;
}
