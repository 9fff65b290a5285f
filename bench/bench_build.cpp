// Times `velmora build` and measures its peak memory on menus of 10,000, 100,000 and 1,000,000 entries in each
// template (the Extended ones with one category per hundred entries), beside writing and copying the same bytes with
// plain file I/O. The goals: at most 64 MiB peak at every size, and at most twice the plain I/O time at the largest.
//
//   bench_build [--velmora PATH] [SIZES...]
#include "core/data/DatabaseFile.h"
#include "core/data/SqliteConnection.h"
#include "core/model/MenuSnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QTextStream out(stdout);

void fill(const QString &database, qint64 entries, const QString &root, const QString &media)
{
    SqliteConnection connection(database);
    SqliteTransaction transaction(connection);
    SqliteStatement(connection,
                    QStringLiteral("INSERT INTO tblStyles (StyleID,StyleName,BackColor,BackImage,Soundfile,Logofile,"
                                   "LogoTop,LogoLeft,ButtonOnImage,ButtonOffImage,TitleFont,TitleColor,ButtonFont,"
                                   "ButtonColor,TextFont,TextColor,HyperFont,HyperColor,HyperColorA) VALUES "
                                   "(1,'Bench','16777215 ','none','none','none','0','0',?,?,'Arial;14pt;bold',"
                                   "'RGB(192,192,192)','Arial;10pt;bold','RGB(192,192,192)','Arial;10pt;normal',"
                                   "'RGB(192,192,192)','Arial;10pt;normal','RGB(192,192,192)','RGB(17,207,255)')"),
                    {media + QStringLiteral("/on.gif"), media + QStringLiteral("/off.gif")})
        .step();
    SqliteStatement(connection,
                    QStringLiteral("INSERT INTO tblMenus (MenuID,Template,Title,StyleNo,Root) "
                                   "VALUES (1,'Standard','Benchmark',1,?)"),
                    {root})
        .step();
    const qint64 categories = qMax<qint64>(1, entries / 100);
    SqliteStatement(
        connection,
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<?1-1) "
                       "INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot) "
                       "SELECT 1,'Category '||(i%?2),'Program '||i,'Programs/Folder '||(i%?2)||'/setup'||i||"
                       "'.exe','Installs program '||i||' with its help files and a sample project.',"
                       "CASE WHEN i%3=0 THEN 'shot'||i||'.png' ELSE 'none' END FROM n"),
        {entries, categories})
        .step();
    transaction.commit();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

struct Run
{
    bool ok = false;
    qint64 nanoseconds = 0;
    qint64 cpuNanoseconds = 0; // user and system time: steadier than the wall clock on a busy machine
    double peakMiB = 0;
};

qint64 cpuOf(const rusage &usage)
{
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000000 +
           (qint64(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) * 1000;
}

qint64 ownCpu()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return cpuOf(usage);
}

// Runs the program as a child and reads its peak resident memory from the kernel's account of it.
Run runChild(const QString &program, const QStringList &arguments)
{
    QList<QByteArray> owned{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        owned.append(argument.toLocal8Bit());
    QVector<char *> argv;
    for (QByteArray &argument : owned)
        argv.append(argument.data());
    argv.append(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execv(argv.first(), argv.data());
        ::_exit(127);
    }
    Run run;
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child)
        return run;
    run.nanoseconds = timer.nsecsElapsed();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.cpuNanoseconds = cpuOf(usage);
    run.peakMiB = usage.ru_maxrss / 1024.0; // KiB on Linux
    return run;
}

// The same bytes with plain I/O: write the page, copy it to Index.hta, copy the two autorun files, each over the
// file an earlier round left, as the build replaces the files of the earlier build.
Run plainIo(const QString &folder, const QByteArray &page, const QString &programFolder)
{
    QDir().mkpath(folder);
    const qint64 cpu = ownCpu();
    QElapsedTimer timer;
    timer.start();
    writeFile(folder + QStringLiteral("/Index.htm"), page);
    QFile::remove(folder + QStringLiteral("/Index.hta"));
    QFile::copy(folder + QStringLiteral("/Index.htm"), folder + QStringLiteral("/Index.hta"));
    for (const QString &name : {QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")}) {
        QFile::remove(folder + QLatin1Char('/') + name);
        QFile::copy(programFolder + QLatin1Char('/') + name, folder + QLatin1Char('/') + name);
    }
    Run run;
    run.ok = true;
    run.nanoseconds = timer.nsecsElapsed();
    run.cpuNanoseconds = ownCpu() - cpu;
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString velmora = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/velmora");
    if (arguments.size() >= 2 && arguments.first() == QLatin1String("--velmora")) {
        velmora = arguments.at(1);
        arguments = arguments.mid(2);
    }
    QList<qint64> sizes;
    for (const QString &size : arguments)
        sizes.append(size.toLongLong());
    if (sizes.isEmpty())
        sizes = {10000, 100000, 1000000};
    const qint64 largest = sizes.last();
    const double memoryGoal = 64.0;
    const double timeGoal = 2.0;

    out << "velmora build on a menu of N entries (best of 3; of 2 at 1,000,000) beside plain I/O of the same bytes\n"
           "  build ms: the whole command, start-up included, replacing the files of the run before; peak MiB: its\n"
           "  peak resident memory; plain ms: writing the page over the earlier one and copying it and the autorun\n"
           "  files over theirs with plain file I/O (best of 3); cpu ms and plain cpu: the user and system time of\n"
           "  the two, which a busy machine disturbs less than the wall clock\n";
    out << qSetFieldWidth(22) << Qt::left << "template" << qSetFieldWidth(9) << Qt::right << "entries"
        << qSetFieldWidth(9) << "page MB" << qSetFieldWidth(10) << "build ms" << qSetFieldWidth(10) << "peak MiB"
        << qSetFieldWidth(10) << "plain ms" << qSetFieldWidth(8) << "ratio" << qSetFieldWidth(10) << "cpu ms"
        << qSetFieldWidth(11) << "plain cpu" << qSetFieldWidth(8) << "ratio" << qSetFieldWidth(0) << "\n";
    bool withinGoals = true;
    for (qint64 size : sizes) {
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString cd = dir.filePath(QStringLiteral("cd"));
        const QString media = dir.filePath(QStringLiteral("media"));
        for (const QString &folder : {home, cd, media})
            QDir().mkpath(folder);
        writeFile(media + QStringLiteral("/on.gif"), "GIF89a-on");
        writeFile(media + QStringLiteral("/off.gif"), "GIF89a-off");
        const QString database = home + QStringLiteral("/Velmora.dat");
        DatabaseFile::prepare(database);
        fill(database, size, cd, media);
        const QString programFolder = QFileInfo(velmora).absolutePath();

        for (const QString &templateName : MenuTemplate::names()) {
            {
                SqliteConnection connection(database);
                SqliteStatement(connection, QStringLiteral("UPDATE tblMenus SET Template=? WHERE MenuID=1"),
                                {templateName})
                    .step();
            }
            const int rounds = size >= 1000000 ? 2 : 3;
            Run fastest;
            fastest.nanoseconds = std::numeric_limits<qint64>::max();
            for (int i = 0; i < rounds; ++i) {
                const Run run =
                    runChild(velmora, {QStringLiteral("--home"), home, QStringLiteral("build"), QStringLiteral("1")});
                if (!run.ok) {
                    out << templateName << ": velmora build failed\n";
                    return 1;
                }
                fastest.nanoseconds = std::min(fastest.nanoseconds, run.nanoseconds);
                fastest.cpuNanoseconds =
                    i == 0 ? run.cpuNanoseconds : std::min(fastest.cpuNanoseconds, run.cpuNanoseconds);
                fastest.peakMiB = std::max(fastest.peakMiB, run.peakMiB);
            }
            QFile written(cd + QStringLiteral("/Index.htm"));
            written.open(QIODevice::ReadOnly);
            const QByteArray page = written.readAll();
            const QString plainFolder = dir.filePath(QStringLiteral("plain"));
            plainIo(plainFolder, page, programFolder); // leaves the files the timed rounds replace
            qint64 plain = std::numeric_limits<qint64>::max();
            qint64 plainCpu = std::numeric_limits<qint64>::max();
            for (int i = 0; i < 3; ++i) {
                const Run run = plainIo(plainFolder, page, programFolder);
                plain = std::min(plain, run.nanoseconds);
                plainCpu = std::min(plainCpu, run.cpuNanoseconds);
            }
            QDir(plainFolder).removeRecursively();
            const double ratio = double(fastest.nanoseconds) / double(plain);
            if (fastest.peakMiB > memoryGoal || (size == largest && ratio > timeGoal))
                withinGoals = false;
            auto ms = [](qint64 ns) { return QString::number(ns / 1e6, 'f', 1); };
            out << qSetFieldWidth(22) << Qt::left << templateName << qSetFieldWidth(9) << Qt::right << size
                << qSetFieldWidth(9) << QString::number(page.size() / 1e6, 'f', 1) << qSetFieldWidth(10)
                << ms(fastest.nanoseconds) << qSetFieldWidth(10) << QString::number(fastest.peakMiB, 'f', 1)
                << qSetFieldWidth(10) << ms(plain) << qSetFieldWidth(8) << QString::number(ratio, 'f', 2)
                << qSetFieldWidth(10) << ms(fastest.cpuNanoseconds) << qSetFieldWidth(11) << ms(plainCpu)
                << qSetFieldWidth(8) << QString::number(double(fastest.cpuNanoseconds) / double(plainCpu), 'f', 2)
                << qSetFieldWidth(0) << "\n";
            out.flush();
        }
    }
    out << (withinGoals ? "Within the goals: " : "OUTSIDE the goals: ") << "peak at most " << memoryGoal
        << " MiB at every size, time at most " << timeGoal << "x plain I/O at " << largest << " entries.\n";
    return withinGoals ? 0 : 1;
}
