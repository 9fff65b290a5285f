// Writes a Modern page whose descriptions try to break out: links that a browser decodes into another scheme or
// host, and list items without a list of their own. hostile.json says how many entries and which search finds what.
// Usage: make_hostile_page DIR

#include "core/model/MenuSnapshot.h"
#include "core/generate/ModernPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        qWarning("usage: make_hostile_page DIR");
        return 2;
    }
    QDir root(app.arguments().at(1));
    root.removeRecursively();
    QDir().mkpath(root.path());
    const char *const links[] = {"&#106;avascript:window.__pwn=1",
                                 "jav&#x09;ascript:window.__pwn=1",
                                 "&#x6A;avascript:window.__pwn=1",
                                 "javascript&colon;window.__pwn=1",
                                 "javascript&#58;window.__pwn=1",
                                 "&#x20;javascript:window.__pwn=1",
                                 "&#10;javascript:window.__pwn=1",
                                 "JaVa&#x53;cript&#x3a;window.__pwn=1",
                                 "&#0000106avascript:window.__pwn=1",
                                 "data&colon;text/html,x",
                                 "&#x2F;&#x2F;host/",
                                 "&sol;\\host/",
                                 "/etc/passwd",
                                 "%2e%2e/%2e%2e/x",
                                 "docs/../../x",
                                 "http://e.test/ok",
                                 "docs/ok.htm"};
    const char *const lists[] = {
        "<li>x", "<p><li>x", "<span><li>x", "<b><li>x", "<ul><li>a</ul><li>b", "</li></ul>x", "<ul><li>a<b><li>b</ul>"};
    QList<ModernEntry> entries;
    for (const char *link : links)
        entries.append({QString(), QString(), QStringLiteral("alpha <a href=\"%1\">click</a>").arg(QLatin1String(link)),
                        QStringLiteral("Links"), QString()});
    for (const char *list : lists)
        entries.append(
            {QString(), QString(), QStringLiteral("beta ") + QLatin1String(list), QStringLiteral("Lists"), QString()});
    entries.append({QString(), QString(), QStringLiteral("gamma"), QStringLiteral("Tail"), QString()});
    for (int n = 0; n < entries.size(); ++n) {
        entries[n].title = QStringLiteral("Entry %1").arg(n + 1);
        entries[n].link = QStringLiteral("file%1.txt").arg(n + 1);
    }

    MenuSnapshot snapshot;
    snapshot.title = QStringLiteral("Hostile descriptions");
    snapshot.templateName = MenuTemplate::modern();
    snapshot.style = StyleFields::standard();
    QFile page(root.filePath(QStringLiteral("Index.htm")));
    if (!page.open(QIODevice::WriteOnly))
        return 1;
    int next = 0;
    ModernPage writer(snapshot, false);
    const StepResult written = writer.write(&page, [&](ModernEntry &entry) {
        if (next == entries.size())
            return false;
        entry = entries.at(next++);
        return true;
    });
    if (!written) {
        qWarning("%s", qPrintable(written.error));
        return 1;
    }
    const QJsonObject manifest{
        {"entries", int(entries.size())},
        {"searches", QJsonObject{{"alpha", int(std::size(links))}, {"beta", int(std::size(lists))}, {"gamma", 1}}}};
    QFile json(root.filePath(QStringLiteral("hostile.json")));
    return json.open(QIODevice::WriteOnly) && json.write(QJsonDocument(manifest).toJson()) > 0 ? 0 : 1;
}
