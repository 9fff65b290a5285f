// Writes the CD roots of the Modern browser test, and modern.json, which says what each page must show.
// With --entries N it writes one page of N entries instead (for the bench): DIR/large.

#include "core/data/DatabaseFile.h"
#include "core/data/SqliteConnection.h"
#include "core/data/MenuStore.h"
#include "tests/common/clsData.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"
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
    qint64 fileSize;  // -1: no file
    QString sizeText; // what the page must show
    QString kind;
    QString shown = {}; // the description as the page holds it, when not as typed
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

// A picture with a size of its own, so that the test can see it really loads (and the screenshots show it).
QByteArray svg(int width, int height, const char *fill, const char *label)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
                          "<rect width=\"100%\" height=\"100%\" rx=\"8\" fill=\"%3\"/>"
                          "<text x=\"50%\" y=\"55%\" font-family=\"sans-serif\" font-size=\"%4\" fill=\"#fff\" "
                          "text-anchor=\"middle\">%5</text></svg>")
        .arg(width)
        .arg(height)
        .arg(QLatin1String(fill))
        .arg(height / 4)
        .arg(QLatin1String(label))
        .toUtf8();
}

// A tenth of a second of silence.
QByteArray wav()
{
    const quint32 samples = 800;
    QByteArray bytes;
    auto word = [&bytes](quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.append(char((value >> (8 * i)) & 0xFF));
    };
    bytes += "RIFF";
    word(36 + samples, 4);
    bytes += "WAVEfmt ";
    word(16, 4), word(1, 2), word(1, 2), word(8000, 4), word(8000, 4), word(1, 2), word(8, 2);
    bytes += "data";
    word(samples, 4);
    bytes += QByteArray(int(samples), char(0x80));
    return bytes;
}

MenuSnapshot snapshotFor(const QString &root, const QString &templateName, qint64 menu, const QString &bin)
{
    MenuSnapshot snapshot;
    snapshot.title = QStringLiteral("Velmora <test> menu & more");
    snapshot.templateName = templateName;
    snapshot.style = StyleFields::standard();
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
    MenuStore store(data.databasePath());
    MenuBuild build(store);
    const StepResult built = build.run(snapshot, MenuBuild::finishSteps, MenuBuild::OnFailure::Continue);
    if (!built)
        failures.append(built.error);
    return failures;
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
    writeFile(media + QStringLiteral("shot1.svg"), svg(320, 200, "#3a6ea5", "Setup"));
    writeFile(media + QStringLiteral("shot 2.svg"), svg(320, 200, "#8a4fb0", "Patch"));
    writeFile(media + QStringLiteral("logo.svg"), svg(96, 64, "#d0623a", "CD"));
    writeFile(media + QStringLiteral("on.svg"), svg(24, 24, "#d0623a", ""));
    writeFile(media + QStringLiteral("off.svg"), svg(24, 24, "#3a6ea5", ""));
    writeFile(media + QStringLiteral("tune.wav"), wav());
    const QStringList shots = {media + QStringLiteral("shot1.svg"), media + QStringLiteral("shot 2.svg")};
    // The Modern Screenshots page also has every media field of the style set.
    const QStringList styleMedia = {media + QStringLiteral("logo.svg"), media + QStringLiteral("on.svg"),
                                    media + QStringLiteral("off.svg"), media + QStringLiteral("tune.wav")};

    // Text that must reach the page as typed, links that must be encoded, files of known sizes and one missing.
    const QList<Entry> entries = {
        {"Tools", "Setup", "Tools/setup.exe", "Installs the program", "shot1.svg", 812 * 1024, "812 KB", "Program"},
        {"Docs", "Tom's <Manual>", "Docs/my manual #1.pdf", "Read me <b>first</b>. It's \"quoted\" \u20ac \u65e5",
         "none", 2048, "2.0 KB", "Document"},
        {"Tools", "Patch", "patch.exe", "Fixes it", "shot 2.svg", 1536 * 1024, "1.5 MB", "Program"},
        {"Extras", "Readme", "readme.txt", "Plain text", "none", 12, "12 bytes", "Document"},
        {"Extras", "Gone", "gone.zip", "Its file is missing", "none", -1, "", "Archive"},
        {"Extras", "Caf\u00e9", "cafe.htm",
         "Caf\u00e9 <b>open <i>tag</b> <a href=\"javascript:alert(1)\">x</a> <a href=\"http://x.test/a\">web</a> "
         "<img src=x onerror=alert(1)>",
         "none", -1, "", "Document",
         "Caf\u00e9 <b>open <i>tag</i></b> &lt;a href=\"javascript:alert(1)\"&gt;x <a href=\"http://x.test/a\">web</a> "
         "&lt;img src=x onerror=alert(1)&gt;"},
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
    // The default style in English; the page with every medium in a light stored style; a German page in a dark one;
    // right-to-left pages in Arabic (its own digits) and Hebrew.
    const struct
    {
        QString folder;
        QString templateName;
        QString language;
        bool withMedia;
    } pages[] = {{"modern", MenuTemplate::modern(), "en", false},
                 {"modern-screenshots", MenuTemplate::modernScreenshots(), "en", true},
                 {"modern-de", MenuTemplate::modern(), "de", false},
                 {"modern-ar", MenuTemplate::modern(), "ar", false},
                 {"modern-he", MenuTemplate::modernScreenshots(), "he", false}};
    for (const auto &pageInfo : pages) {
        const QString &folder = pageInfo.folder;
        const QString &templateName = pageInfo.templateName;
        const QString root = out.filePath(folder);
        for (const Entry &entry : entries) {
            if (entry.fileSize >= 0 && !makeFile(root + QLatin1Char('/') + entry.link, entry.fileSize)) {
                err << "cannot create " << entry.link << Qt::endl;
                return 1;
            }
        }
        writeFile(root + QStringLiteral("/readme.txt"), "hello readme");
        const bool withMedia = pageInfo.withMedia;
        MenuSnapshot snapshot = snapshotFor(root, templateName, 1, out.filePath(QStringLiteral("bin")));
        snapshot.language = pageInfo.language;
        if (pageInfo.language == QLatin1String("de")) {
            snapshot.style.backColor = QStringLiteral("RGB(24,26,34)");
            snapshot.style.textColor = QStringLiteral("RGB(225,225,225)");
            snapshot.style.titleColor = QStringLiteral("RGB(255,200,90)");
            snapshot.style.buttonColor = QStringLiteral("RGB(120,200,255)");
            snapshot.style.hyperColor = QStringLiteral("RGB(140,190,255)");
        }
        if (withMedia) {
            snapshot.style.backColor = QStringLiteral("RGB(240,246,255)");
            snapshot.style.titleColor = QStringLiteral("RGB(20,60,140)");
            snapshot.style.hyperColor = QStringLiteral("RGB(0,90,180)");
            snapshot.style.logoFile = styleMedia.at(0);
            snapshot.style.logoTop = QStringLiteral("4");
            snapshot.style.logoLeft = QStringLiteral("8");
            snapshot.style.buttonOnImage = styleMedia.at(1);
            snapshot.style.buttonOffImage = styleMedia.at(2);
            snapshot.style.soundFile = styleMedia.at(3);
        }
        const QStringList failures = build(snapshot, data, withMedia ? shots + styleMedia : shots);
        if (!failures.isEmpty()) {
            err << folder << ": " << failures.join(QStringLiteral("; ")) << Qt::endl;
            return 1;
        }
        QJsonArray list;
        for (const Entry &entry : entries)
            list.append(
                QJsonObject{{"category", entry.category},
                            {"title", entry.title},
                            {"link", entry.link},
                            {"description", entry.shown.isEmpty() ? entry.description : entry.shown},
                            {"screenshot", entry.screenshot == QLatin1String("none") ? QString() : entry.screenshot},
                            {"size", entry.sizeText},
                            {"kind", entry.kind}});
        manifest.append(QJsonObject{{"folder", folder},
                                    {"template", templateName},
                                    {"language", pageInfo.language},
                                    {"title", snapshot.title},
                                    {"logo", withMedia ? QStringLiteral("logo.svg") : QString()},
                                    {"sound", withMedia ? QStringLiteral("tune.wav") : QString()},
                                    {"maker", snapshot.makerAddress},
                                    {"entries", list}});
    }
    if (!writeFile(out.filePath(QStringLiteral("modern.json")), QJsonDocument(manifest).toJson())) {
        err << "cannot write modern.json" << Qt::endl;
        return 1;
    }
    return 0;
}
