// Writes the CD roots of the Modern browser test, and modern.json, which says what each page must show.
// With --entries N it writes one page of N entries instead (for the bench): DIR/large.

#include "core/data/DatabaseFile.h"
#include "core/data/SqliteConnection.h"
#include "core/data/clsData.h"
#include "core/generate/BuildDriver.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PathMapping.h"
#include "core/generate/StylesheetWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
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
    qint64 fileSize; // -1: no file
    QString sizeText; // what the page must show
    QString kind;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeFile(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

// A 2x2 PNG, so that the test can see the screenshot really loads.
QByteArray png()
{
    return QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAAFklEQVR4nGP8z8DAwMDAxMDAwMDAAAANHQEDasKb6QAAAABJRU5ErkJggg==");
}

MenuSnapshot snapshotFor(const QString &root, const QString &templateName, qint64 menu, const QString &bin)
{
    MenuSnapshot snapshot;
    snapshot.title = QStringLiteral("Velmora <test> menu & more");
    snapshot.templateName = templateName;
    snapshot.style = StyleFields::standard();
    snapshot.style.backColor = QStringLiteral("RGB(240,246,255)");
    snapshot.style.titleColor = QStringLiteral("RGB(20,60,140)");
    snapshot.style.hyperColor = QStringLiteral("RGB(0,90,180)");
    snapshot.rootPath = PathMapping::rootPathFor(root);
    snapshot.currentMenuID = menu;
    snapshot.programFolder = bin;
    return snapshot;
}

QStringList build(const MenuSnapshot &snapshot, clsData &data, const QStringList &media)
{
    QStringList failures;
    const StepResult stylesheet = StylesheetWriter::write(snapshot.rootPath, snapshot.style);
    if (!stylesheet)
        failures.append(stylesheet.error);
    for (const QString &file : media) {
        const StepResult copy = MenuFolder::copyToMenuFolder(snapshot.rootPath, file);
        if (!copy)
            failures.append(copy.error);
    }
    return failures + BuildDriver::finish(snapshot, data);
}

int large(const QDir &out, const QString &database, int count, QTextStream &err)
{
    {
        SqliteConnection connection(database);
        SqliteTransaction transaction(connection);
        for (int i = 0; i < count; ++i) {
            SqliteStatement insert(
                connection,
                QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot) "
                               "VALUES (1,?,?,?,?,'none')"),
                {QStringLiteral("Category %1").arg(i % 20, 2, 10, QLatin1Char('0')), QStringLiteral("Entry %1").arg(i),
                 QStringLiteral("files/entry%1.zip").arg(i),
                 QStringLiteral("Description of entry number %1, with <b>some</b> markup.").arg(i)});
            insert.step();
        }
        transaction.commit();
    }
    clsData data(database);
    const QString root = out.filePath(QStringLiteral("large"));
    QDir().mkpath(root);
    QElapsedTimer timer;
    timer.start();
    const QStringList failures =
        build(snapshotFor(root, MenuTemplate::modern(), 1, out.filePath(QStringLiteral("bin"))), data, {});
    if (!failures.isEmpty()) {
        err << failures.join(QStringLiteral("; ")) << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << "built " << count << " entries in " << timer.elapsed() << " ms, "
                        << QFileInfo(root + QStringLiteral("/Index.htm")).size() << " bytes" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const bool bench = args.size() == 4 && args.at(2) == QLatin1String("--entries");
    if (args.size() != 2 && !bench) {
        err << "usage: make_modern_pages DIR [--entries N]" << Qt::endl;
        return 2;
    }
    QDir out(args.at(1));
    out.removeRecursively();
    if (!QDir().mkpath(out.filePath(QStringLiteral("bin"))) || !QDir().mkpath(out.filePath(QStringLiteral("media")))) {
        err << "cannot create " << out.path() << Qt::endl;
        return 1;
    }
    writeFile(out.filePath(QStringLiteral("bin/AUTORUN.INF")), "[autorun]\r\nopen=Start.exe\r\n");
    writeFile(out.filePath(QStringLiteral("bin/Start.exe")), "MZ");
    const QString database = out.filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(database);
    if (bench)
        return large(out, database, args.at(3).toInt(), err);

    const QString media = out.filePath(QStringLiteral("media")) + PathMapping::separator();
    for (const char *name : {"on.png", "off.png", "shot1.png", "shot 2.png"})
        writeFile(media + QLatin1String(name), png());
    const QStringList mediaFiles = {media + QStringLiteral("shot1.png"), media + QStringLiteral("shot 2.png")};

    // Text that must reach the page as typed, links that must be encoded, files of known sizes and one missing.
    const QList<Entry> entries = {
        {"Tools", "Setup", "Tools/setup.exe", "Installs the program", "shot1.png", 812 * 1024, "812 KB", "Program"},
        {"Docs", "Tom's <Manual>", "Docs/my manual #1.pdf",
         "Read me <b>first</b>. It's \"quoted\" \u20ac \u65e5", "none", 2048, "2.0 KB", "Document"},
        {"Tools", "Patch", "patch.exe", "Fixes it", "shot 2.png", 1536 * 1024, "1.5 MB", "Program"},
        {"Extras", "Readme", "readme.txt", "Plain text", "none", 12, "12 bytes", "Document"},
        {"Extras", "Gone", "gone.zip", "Its file is missing", "none", -1, "", "Archive"},
        {"Music & Sound", "Gr\u00fc\u00dfe \u266b", "Lieder/Gr\u00fc\u00dfe.mp3", "Ein Lied", "none", 3 * 1024 * 1024,
         "3.0 MB", "Audio"},
    };
    {
        clsData data(database);
        for (const Entry &entry : entries)
            data.ExecuteSQL(
                Sql::insertEntry(1, entry.category, entry.title, entry.link, entry.description, entry.screenshot));
    }
    clsData data(database);
    QJsonArray manifest;
    for (const QString &templateName : MenuTemplate::modernNames()) {
        const QString folder = templateName == MenuTemplate::modern() ? QStringLiteral("modern")
                                                                      : QStringLiteral("modern-screenshots");
        const QString root = out.filePath(folder);
        for (const Entry &entry : entries) {
            if (entry.fileSize >= 0 && !makeFile(root + QLatin1Char('/') + entry.link, entry.fileSize)) {
                err << "cannot create " << entry.link << Qt::endl;
                return 1;
            }
        }
        writeFile(root + QStringLiteral("/readme.txt"), "hello readme");
        const MenuSnapshot snapshot = snapshotFor(root, templateName, 1, out.filePath(QStringLiteral("bin")));
        const QStringList failures = build(snapshot, data, mediaFiles);
        if (!failures.isEmpty()) {
            err << folder << ": " << failures.join(QStringLiteral("; ")) << Qt::endl;
            return 1;
        }
        QJsonArray list;
        for (const Entry &entry : entries)
            list.append(QJsonObject{{"category", entry.category},
                                    {"title", entry.title},
                                    {"link", entry.link},
                                    {"description", entry.description},
                                    {"screenshot", entry.screenshot == QLatin1String("none") ? QString() : entry.screenshot},
                                    {"size", entry.sizeText},
                                    {"kind", entry.kind}});
        manifest.append(QJsonObject{
            {"folder", folder}, {"template", templateName}, {"title", snapshot.title}, {"entries", list}});
    }
    if (!writeFile(out.filePath(QStringLiteral("modern.json")), QJsonDocument(manifest).toJson())) {
        err << "cannot write modern.json" << Qt::endl;
        return 1;
    }
    return 0;
}
