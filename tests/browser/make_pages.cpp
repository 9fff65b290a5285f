// Writes one CD root per template for the browser test, and menus.json, which says what each page must show.

#include "core/data/DatabaseFile.h"
#include "core/data/MenuStore.h"
#include "tests/common/clsData.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"
#include "core/generate/StylesheetWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

struct Entry
{
    QString category;
    QString title;
    QString link;
    QString description;
    QString screenshot;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A 2x2 PNG, so that the test can see the screenshot really loads.
QByteArray png()
{
    return QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAAFklEQVR4nGP8z8DAwMDAxMDAwMDAAAANHQEDasKb6QAAAABJRU5ErkJggg==");
}

QJsonObject entryJson(const Entry &entry)
{
    return {{"category", entry.category},
            {"title", entry.title},
            {"link", entry.link},
            {"description", entry.description},
            {"screenshot", entry.screenshot == QLatin1String("none") ? QString() : entry.screenshot}};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_pages DIR" << Qt::endl;
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.removeRecursively();
    if (!QDir().mkpath(out.filePath(QStringLiteral("bin"))) || !QDir().mkpath(out.filePath(QStringLiteral("media")))) {
        err << "cannot create " << out.path() << Qt::endl;
        return 1;
    }
    writeFile(out.filePath(QStringLiteral("bin/AUTORUN.INF")), "[autorun]\r\nopen=Start.exe\r\n");
    writeFile(out.filePath(QStringLiteral("bin/Start.exe")), "MZ");
    const QString media = out.filePath(QStringLiteral("media")) + PathMapping::separator();
    for (const char *name : {"on.png", "off.png", "shot1.png", "shot 2.png"})
        writeFile(media + QLatin1String(name), png());

    const QString database = out.filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(database);
    clsData data(database);

    // Text that must survive the page's script strings and links.
    const QList<Entry> many = {
        {"Tools", "Setup", "Tools/setup.exe", "Installs the program", "shot1.png"},
        {"Docs", "Tom's Manual", "Docs/my manual #1.pdf", "Read me first.\r\nIt's \"quoted\" \\ </script> \u20ac \u65e5",
         "none"},
        {"Tools", "Patch", "patch.exe", "Fixes it", "shot 2.png"},
        {"Extras", "Readme", "readme.txt", "Plain text", "none"},
    };
    const QList<Entry> single = {{"Tools", "Only", "only.exe", "The one entry", "shot1.png"}};

    struct PageCase
    {
        QString folder;
        QString templateName;
        qint64 menu;
        QList<Entry> entries;
    };
    const QList<PageCase> pages = {
        {"standard", MenuTemplate::standard(), 1, many},
        {"standard-screenshots", MenuTemplate::standardScreenshots(), 1, many},
        {"extended", MenuTemplate::extended(), 1, many},
        {"extended-screenshots", MenuTemplate::extendedScreenshots(), 1, many},
        {"standard-single", MenuTemplate::standard(), 2, single},
        {"extended-single", MenuTemplate::extended(), 2, single},
        {"extended-screenshots-single", MenuTemplate::extendedScreenshots(), 2, single},
    };
    for (qint64 menu : {1, 2}) {
        for (const Entry &entry : menu == 1 ? many : single)
            data.ExecuteSQL(
                Sql::insertEntry(menu, entry.category, entry.title, entry.link, entry.description, entry.screenshot));
    }

    QJsonArray manifest;
    for (const PageCase &page : pages) {
        const QString root = out.filePath(page.folder);
        QDir().mkpath(root);
        MenuSnapshot snapshot;
        snapshot.title = QStringLiteral("Velmora test menu");
        snapshot.templateName = page.templateName;
        snapshot.style = StyleFields::standard();
        snapshot.style.buttonOnImage = media + QStringLiteral("on.png");
        snapshot.style.buttonOffImage = media + QStringLiteral("off.png");
        snapshot.rootPath = PathMapping::rootPathFor(root);
        snapshot.currentMenuID = page.menu;
        snapshot.programFolder = out.filePath(QStringLiteral("bin"));

        QStringList failures;
        const StepResult stylesheet = StylesheetWriter::write(snapshot.rootPath, snapshot.style);
        if (!stylesheet)
            failures.append(stylesheet.error);
        for (const QString &file : {QStringLiteral("on.png"), QStringLiteral("off.png"), QStringLiteral("shot1.png"),
                                    QStringLiteral("shot 2.png")}) {
            const StepResult copy = MenuFolder::copyToMenuFolder(snapshot.rootPath, media + file);
            if (!copy)
                failures.append(copy.error);
        }
        MenuStore store(database);
        MenuBuild build(store);
        const StepResult built = build.run(snapshot, MenuBuild::finishSteps, MenuBuild::OnFailure::Continue);
        if (!built)
            failures.append(built.error);
        if (!failures.isEmpty()) {
            err << page.folder << ": " << failures.join(QStringLiteral("; ")) << Qt::endl;
            return 1;
        }
        QJsonArray entries;
        for (const Entry &entry : page.entries)
            entries.append(entryJson(entry));
        manifest.append(QJsonObject{{"folder", page.folder},
                                    {"template", page.templateName},
                                    {"title", snapshot.title},
                                    {"entries", entries}});
    }
    if (!writeFile(out.filePath(QStringLiteral("menus.json")), QJsonDocument(manifest).toJson())) {
        err << "cannot write menus.json" << Qt::endl;
        return 1;
    }
    return 0;
}
