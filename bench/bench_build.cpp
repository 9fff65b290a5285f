// Times the Finish sequence on large menus (Standard, and Extended with one category per hundred entries) beside
// writing and copying the same bytes with plain file I/O, at three sizes to show the time grows linearly.
#include "core/data/DatabaseFile.h"
#include "core/data/SqliteConnection.h"
#include "core/data/clsData.h"
#include "core/generate/BuildDriver.h"
#include "core/generate/PageWriter.h"
#include "core/generate/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QTextStream out(stdout);

void fill(const QString &database, int entries, int categories)
{
    SqliteConnection connection(database);
    SqliteTransaction transaction(connection);
    for (int i = 0; i < entries; ++i) {
        SqliteStatement(connection,
                        QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,"
                                       "Screenshot) VALUES (1,?,?,?,?,?)"),
                        {QStringLiteral("Category %1").arg(i % categories), QStringLiteral("Program %1").arg(i),
                         QStringLiteral("Programs/Folder %1/setup%2.exe").arg(i % categories).arg(i),
                         QStringLiteral("Installs program %1 with its help files and a sample project.").arg(i),
                         i % 3 == 0 ? QStringLiteral("shot%1.png").arg(i) : QStringLiteral("none")})
            .step();
    }
    transaction.commit();
}

bool writeFile(const QString &path, const QByteArray &bytes, bool sync = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return false;
#ifdef Q_OS_UNIX
    if (sync)
        ::fsync(file.handle());
#endif
    return true;
}

// The same bytes with plain I/O: write the page, copy it to Index.hta, copy the two autorun files. With sync, the
// two page files are flushed to the disk as the build's replace-by-rename does.
qint64 plainIo(const QString &folder, const QByteArray &page, const QString &programFolder, bool sync)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QElapsedTimer timer;
    timer.start();
    writeFile(folder + QStringLiteral("/Index.htm"), page, sync);
    if (sync) {
        QFile in(folder + QStringLiteral("/Index.htm"));
        in.open(QIODevice::ReadOnly);
        writeFile(folder + QStringLiteral("/Index.hta"), in.readAll(), true);
    } else {
        QFile::copy(folder + QStringLiteral("/Index.htm"), folder + QStringLiteral("/Index.hta"));
    }
    for (const QString &name : {QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")})
        QFile::copy(programFolder + QLatin1Char('/') + name, folder + QLatin1Char('/') + name);
    return timer.nsecsElapsed();
}

template<typename F>
qint64 best(int rounds, F f)
{
    qint64 fastest = std::numeric_limits<qint64>::max();
    for (int i = 0; i < rounds; ++i)
        fastest = std::min(fastest, f());
    return fastest;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QList<int> sizes = {10000, 50000, 100000};
    const int rounds = 3;
    out << "Finish on a menu of N entries (best of " << rounds << "), beside plain I/O of the same bytes\n";
    out << "  page ms: reading the entries and making the page in memory; build ms: the whole Finish sequence;\n"
           "  plain ms: write and copy the same bytes; +sync: the same, flushing the two page files to disk\n";
    out << qSetFieldWidth(22) << Qt::left << "template" << qSetFieldWidth(9) << Qt::right << "entries"
        << qSetFieldWidth(12) << "categories" << qSetFieldWidth(9) << "page MB" << qSetFieldWidth(9) << "page ms"
        << qSetFieldWidth(10) << "build ms" << qSetFieldWidth(10) << "plain ms" << qSetFieldWidth(8) << "ratio"
        << qSetFieldWidth(9) << "+sync ms" << qSetFieldWidth(8) << "ratio" << qSetFieldWidth(14) << "us per entry"
        << qSetFieldWidth(0) << "\n";
    bool withinBudget = true;
    for (int size : sizes) {
        QTemporaryDir dir;
        const QString database = dir.filePath(QStringLiteral("Velmora.dat"));
        DatabaseFile::prepare(database);
        const int categories = size / 100;
        fill(database, size, categories);
        clsData data(database);
        const QString programFolder = dir.filePath(QStringLiteral("bin"));
        QDir().mkpath(programFolder);
        writeFile(programFolder + QStringLiteral("/AUTORUN.INF"), "[autorun]\r\nopen=Start.exe\r\nicon=Start.exe\r\n");
        writeFile(programFolder + QStringLiteral("/Start.exe"), QByteArray(40 * 1024, 'x'));

        for (const QString &templateName : {MenuTemplate::standard(), MenuTemplate::extended()}) {
            const QString cd = dir.filePath(QStringLiteral("cd"));
            QDir().mkpath(cd);
            MenuSnapshot snapshot;
            snapshot.title = QStringLiteral("Benchmark");
            snapshot.templateName = templateName;
            snapshot.style = StyleFields::standard();
            snapshot.style.buttonOnImage = QStringLiteral("/media/on.gif");
            snapshot.style.buttonOffImage = QStringLiteral("/media/off.gif");
            snapshot.rootPath = PathMapping::rootPathFor(cd);
            snapshot.currentMenuID = 1;
            snapshot.programFolder = programFolder;

            const qint64 build = best(rounds, [&] {
                QElapsedTimer timer;
                timer.start();
                const QStringList failures = BuildDriver::finish(snapshot, data);
                const qint64 elapsed = timer.nsecsElapsed();
                if (!failures.isEmpty())
                    out << "failed: " << failures.join(QStringLiteral("; ")) << "\n";
                return elapsed;
            });
            QFile written(cd + QStringLiteral("/Index.htm"));
            written.open(QIODevice::ReadOnly);
            const QByteArray page = written.readAll();
            const qint64 text = best(rounds, [&] {
                QElapsedTimer timer;
                timer.start();
                PageWriter(snapshot, data).page(templateName);
                return timer.nsecsElapsed();
            });
            const QString plainFolder = dir.filePath(QStringLiteral("plain"));
            const qint64 plain = best(rounds, [&] { return plainIo(plainFolder, page, programFolder, false); });
            const qint64 synced = best(rounds, [&] { return plainIo(plainFolder, page, programFolder, true); });
            const double ratio = double(build) / double(plain);
            if (size == sizes.last() && ratio > 3.0)
                withinBudget = false;
            auto ms = [](qint64 ns) { return QString::number(ns / 1e6, 'f', 1); };
            out << qSetFieldWidth(22) << Qt::left << templateName << qSetFieldWidth(9) << Qt::right << size
                << qSetFieldWidth(12) << (templateName == MenuTemplate::standard() ? 0 : categories)
                << qSetFieldWidth(9) << QString::number(page.size() / 1e6, 'f', 1) << qSetFieldWidth(9) << ms(text)
                << qSetFieldWidth(10) << ms(build) << qSetFieldWidth(10) << ms(plain) << qSetFieldWidth(8)
                << QString::number(ratio, 'f', 1) << qSetFieldWidth(9) << ms(synced) << qSetFieldWidth(8)
                << QString::number(double(build) / double(synced), 'f', 1) << qSetFieldWidth(14)
                << QString::number(build / 1e3 / size, 'f', 2) << qSetFieldWidth(0) << "\n";
            out.flush();
        }
    }
    out << (withinBudget ? "Within 3x of plain I/O at 100,000 entries.\n" : "MORE than 3x plain I/O at 100,000 entries.\n");
    return withinBudget ? 0 : 1;
}
