// Times filling entries from a CD root of many files, checking that root, and imaging a root of many megabytes.
// Arguments: the number of files (default 10000) and the image's megabytes (default 500).
#include "core/data/DatabaseFile.h"
#include "core/data/MenuStore.h"
#include "tests/common/clsData.h"
#include "core/disc/DiscCheck.h"
#include "core/disc/FolderFill.h"
#include "core/disc/IsoImage.h"
#include "core/model/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QTextStream out(stdout);

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int files = arguments.value(1, QStringLiteral("10000")).toInt();
    const int megabytes = arguments.value(2, QStringLiteral("500")).toInt();
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(database);
    clsData data(database);
    MenuStore store(database);
    data.ExecuteSQL(Sql::insertMenu(QStringLiteral("Extended"), QStringLiteral("Bench"), 1, dir.filePath("cd")));

    for (int i = 0; i < files; ++i)
        writeFile(dir.filePath(QStringLiteral("cd/Folder %1/Sub %2/my_file-%3.txt").arg(i % 50).arg(i % 7).arg(i)),
                  "x");
    QElapsedTimer timer;
    timer.start();
    FolderFill fill(store, 1, dir.filePath(QStringLiteral("cd")));
    fill.collect();
    const qint64 collected = timer.elapsed();
    fill.store(fill.offered());
    out << "fill: " << fill.offered().size() << " files offered in " << collected << " ms, stored in "
        << timer.elapsed() - collected << " ms" << Qt::endl;
    timer.restart();
    FolderFill again(store, 1, dir.filePath(QStringLiteral("cd")));
    again.collect();
    out << "second fill: " << again.offered().size() << " offered in " << timer.elapsed() << " ms" << Qt::endl;

    MenuSnapshot snapshot;
    snapshot.currentMenuID = 1;
    snapshot.style = StyleFields::standard();
    snapshot.rootPath = PathMapping::rootPathFor(dir.filePath(QStringLiteral("cd")));
    timer.restart();
    DiscCheck check(store, snapshot);
    check.run();
    out << "check: " << check.problems().size() << " problems in " << timer.elapsed() << " ms" << Qt::endl;

    // Real bytes, not a sparse file: the image reads and writes every megabyte.
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); i += 4)
        *reinterpret_cast<quint32 *>(chunk.data() + i) = QRandomGenerator::global()->generate();
    QDir().mkpath(dir.filePath(QStringLiteral("image")));
    QFile big(dir.filePath(QStringLiteral("image/data.bin")));
    big.open(QIODevice::WriteOnly);
    for (int i = 0; i < megabytes; ++i)
        big.write(chunk);
    big.close();
    timer.restart();
    IsoImage image;
    const StepResult made =
        image.run(dir.filePath(QStringLiteral("image")), QStringLiteral("Bench"), dir.filePath("bench.iso"));
    out << "image of " << megabytes << " MB: " << (made ? QStringLiteral("written") : made.error) << " in "
        << timer.elapsed() << " ms" << Qt::endl;
    return made ? 0 : 1;
}
