#include "core/data/DataHome.h"
#include "core/platform/FileOps.h"
#include "core/platform/MediaSync.h"
#include "core/platform/Processes.h"
#include "core/platform/ProgramParts.h"
#include "core/platform/RemovableDrives.h"
#include "core/platform/ReplacingFile.h"
#include "core/platform/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The calls where Linux and Windows differ, through the platform layer, on the system the test runs on.
class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void naming_data();
    void naming();
    void longPaths();
    void processesAndTheirTemporaries();
    void installedCopyKeepsItsDataElsewhere();
    void readBackFromMedium_data();
    void readBackFromMedium();
    void mediumFailuresSaySo();

private:
    static bool onWindows() { return QSysInfo::productType() == QLatin1String("windows"); }
    static void writeFile(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

void TestPlatform::naming_data()
{
    QTest::addColumn<bool>("replace");  // replaceName, else nameWithoutReplacing
    QTest::addColumn<bool>("taken");    // a file has the target's name already
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("target"); // what the target name holds afterwards
    QTest::addColumn<bool>("sourceLeft");

    QTest::newRow("replace a file") << true << true << int(FileOps::Outcome::Done) << QByteArray("new") << false;
    QTest::newRow("replace nothing") << true << false << int(FileOps::Outcome::Done) << QByteArray("new") << false;
    QTest::newRow("name a free name") << false << false << int(FileOps::Outcome::Done) << QByteArray("new") << false;
    QTest::newRow("never over a file") << false << true << int(FileOps::Outcome::NameTaken) << QByteArray("old")
                                       << true;
}

void TestPlatform::naming()
{
    QFETCH(bool, replace);
    QFETCH(bool, taken);
    QFETCH(int, outcome);
    QFETCH(QByteArray, target);
    QFETCH(bool, sourceLeft);
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("new file"));
    const QString to = dir.filePath(QStringLiteral("Velmora.dat"));
    writeFile(from, "new");
    if (taken)
        writeFile(to, "old");
    const FileOps::Result result = replace ? FileOps::replaceName(from, to) : FileOps::nameWithoutReplacing(from, to);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(int(result.value), outcome);
    QCOMPARE(read(to), target);
    QCOMPARE(QFileInfo::exists(from), sourceLeft);
}

void TestPlatform::longPaths()
{
    // Deeper than Windows' classic limit of 260 characters, in folders of ordinary length.
    QTemporaryDir dir;
    QString folder = dir.path();
    while (folder.size() < 320)
        folder += QStringLiteral("/a folder with a rather long name of its own");
    QVERIFY(QDir().mkpath(folder));
    const QString page = folder + QStringLiteral("/Index.htm");
    for (const QByteArray &text : {QByteArray("first page"), QByteArray("second, longer page")}) {
        ReplacingFile file(page);
        const StepResult opened = file.open();
        QVERIFY2(opened, qPrintable(opened.error));
        QVERIFY(file.write(text.constData(), text.size()));
        const StepResult committed = file.commit();
        QVERIFY2(committed, qPrintable(committed.error));
        QCOMPARE(read(page), text);
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Index.htm")});
}

void TestPlatform::processesAndTheirTemporaries()
{
    QVERIFY(Processes::isAlive(QCoreApplication::applicationPid()));
    // A process that has ended: this test program, asked only to list its functions.
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-functions")});
    QVERIFY(ended.waitForStarted());
    const qint64 endedId = ended.processId();
    QVERIFY(ended.waitForFinished());
    QVERIFY(!Processes::isAlive(endedId));

    // Temporary files of a process that ended go; this process's own stay.
    QTemporaryDir dir;
    const QString own = TemporaryFiles::nameFor(dir.path(), QStringLiteral("Index.htm"));
    const QString stale = dir.filePath(TemporaryFiles::prefix() + QStringLiteral("%1-abcdef-Index.htm").arg(endedId));
    writeFile(own, "mine");
    writeFile(stale, "left by a stopped build");
    TemporaryFiles::removeStale(dir.path());
    QVERIFY(QFileInfo::exists(own));
    QVERIFY(!QFileInfo::exists(stale));
}

void TestPlatform::installedCopyKeepsItsDataElsewhere()
{
    QTemporaryDir program;
    for (const QString &name : ProgramParts::autorunFileNames())
        writeFile(program.filePath(name), "autorun");
    QCOMPARE(ProgramParts(program.path()).portableFolder(), QDir::cleanPath(program.path()));
    QCOMPARE(DataHome::chosen(ProgramParts(program.path()).portableFolder(), {}, {}), QDir::cleanPath(program.path()));
    // The installer puts its uninstaller beside velmora.exe: on Windows that folder is an installed copy.
    writeFile(program.filePath(QStringLiteral("Uninstall.exe")), "MZ");
    const QString portable = ProgramParts(program.path()).portableFolder();
    if (onWindows()) {
        QVERIFY(portable.isEmpty());
        const QString home = DataHome::chosen(portable, {}, {});
        QCOMPARE(home, QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/Velmora"));
    } else {
        QCOMPARE(portable, QDir::cleanPath(program.path()));
    }
}

void TestPlatform::readBackFromMedium_data()
{
    // Reads past the cache go by whole sectors: sizes on both sides of a sector and of the reads' mebibyte.
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("less than a sector") << 511;
    QTest::newRow("a whole page") << 4096;
    QTest::newRow("a mebibyte and a bit") << (1 << 20) + 3;
    QTest::newRow("three mebibytes less a bit") << 3 * (1 << 20) - 1;
}

void TestPlatform::readBackFromMedium()
{
    QFETCH(int, size);
    QTemporaryDir dir;
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(i * 7 + i / 4099);
    const QString name = dir.filePath(QStringLiteral("copy on the stick.bin"));
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(data), qint64(size));
        QVERIFY(file.flush());
        const StepResult flushed = MediaSync::flushFile(file.handle());
        QVERIFY2(flushed, qPrintable(flushed.error));
    }
    const StepResult synced = MediaSync::flushFileSystem(dir.path());
    QVERIFY2(synced, qPrintable(synced.error));
    QByteArray back;
    const StepResult read = MediaSync::readFromMedium(name, [&back](QByteArrayView piece) { back.append(piece); });
    QVERIFY2(read, qPrintable(read.error));
    QCOMPARE(back.size(), data.size());
    QVERIFY(back == data);
}

void TestPlatform::mediumFailuresSaySo()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("pulled"));
    bool called = false;
    const StepResult read = MediaSync::readFromMedium(missing, [&called](QByteArrayView) { called = true; });
    QVERIFY(!read);
    QVERIFY(!read.error.isEmpty());
    QVERIFY(!called);
    const StepResult synced = MediaSync::flushFileSystem(missing);
    QVERIFY(!synced);
    QVERIFY2(synced.error.contains(QStringLiteral("could not be written to the drive: ")), qPrintable(synced.error));
    // A folder on a fixed disk is on no removable drive, so there is nothing to eject.
    QVERIFY(RemovableDrives::holding(dir.path()).root.isEmpty());
    QVERIFY(RemovableDrives::holding(missing).root.isEmpty());
    for (const RemovableDrive &drive : RemovableDrives::mounted())
        QCOMPARE(RemovableDrives::holding(drive.root).root, drive.root);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
