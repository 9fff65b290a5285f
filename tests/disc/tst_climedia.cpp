#include "core/data/DatabaseFile.h"
#include "tests/common/clsData.h"
#include "core/model/MenuSnapshot.h"
#include "tests/disc/DiscFiles.h"
#include "tests/disc/FatImage.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

// velmora burn and velmora copy against a real data home, pseudo-drives, folders and FAT32 images; copies killed
// at random moments.
class TestCliMedia : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void burn();
    void copy_data();
    void copy();
    void killedCopies_data();
    void killedCopies();
    void badArguments_data();
    void badArguments();

private:
    struct Result
    {
        int exitCode;
        QStringList out;
        QString err;
    };
    Result velmora(QStringList arguments);
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString target(const QString &kind);
    QMap<QString, QByteArray> onTarget(const QString &kind) const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliMedia::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("home"));
    DatabaseFile::prepare(path("home/Velmora.dat"));
    clsData data(path("home/Velmora.dat"));
    data.ExecuteSQL(Sql::insertStyle(StyleFields::standard().values()));
    data.ExecuteSQL(Sql::insertMenu(MenuTemplate::extended(), "Summer CD", 1, path("cd")));
    for (const char *file : {"Index.htm", "Index.hta", "Setup.exe", "Docs/read_me.txt", "Menu/Styles.css"})
        DiscFiles::writeFile(path("cd/") + file, QByteArray("content of ") + file);
}

TestCliMedia::Result TestCliMedia::velmora(QStringList arguments)
{
    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.start(VELMORA_BIN, arguments << "--home" << path("home"));
    if (!process.waitForFinished(120000))
        return {-1, {}, "velmora did not finish"};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

QString TestCliMedia::target(const QString &kind)
{
    if (kind == "folder") {
        QDir().mkpath(path("stick"));
        return path("stick");
    }
    if (!QFileInfo::exists(path("stick.img")))
        FatImage::make(path("stick.img"), 160);
    return path("stick.img");
}

QMap<QString, QByteArray> TestCliMedia::onTarget(const QString &kind) const
{
    QMap<QString, QByteArray> files;
    if (kind != "folder") {
        // mtools gives a lower-case name that fits 8.3 as the short name alone, which lists in capitals.
        const QMap<QString, QByteArray> listed = FatImage::files(path("stick.img"));
        for (auto it = listed.cbegin(); it != listed.cend(); ++it)
            files.insert(it.key().toLower(), it.value());
        return files;
    }
    for (const QString &file : DiscFiles::folderFiles(path("stick")).keys()) {
        QFile f(path("stick/") + file);
        f.open(QIODevice::ReadOnly);
        files.insert(file, f.readAll());
    }
    return files;
}

void TestCliMedia::burn()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    const QString drive = "stdio:" + path("disc.iso");
    DiscFiles::writeFile(path("disc.iso"), {});
    Result r = velmora({"burn", "1", "--drive", drive, "--simulate"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out.size(), 1);
    QVERIFY2(r.out[0].startsWith("Simulated: the menu (") && r.out[0].endsWith("nothing was written."),
             qPrintable(r.out[0]));
    QVERIFY2(r.err.contains("Disc in " + drive + ": stdio file, overwriteable, blank, "), qPrintable(r.err));
    QCOMPARE(QFileInfo(path("disc.iso")).size(), 0);

    r = velmora({"burn", "1", "--drive", drive, "--speed", "4"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out, QStringList{"Burned and verified: " + drive});
    QVERIFY2(r.err.contains("Reading the disc back"), qPrintable(r.err));
    QCOMPARE(DiscFiles::imageFiles(path("disc.iso")), DiscFiles::folderFiles(path("cd")));

    // Written once, the pseudo-drive holds data: erased only when asked.
    DiscFiles::writeFile(path("cd/New.txt"), "new");
    r = velmora({"burn", "1", "--drive", drive});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("Burning the menu erases all of it.") && r.err.contains("give --blank"), qPrintable(r.err));
    QVERIFY(!DiscFiles::imageFiles(path("disc.iso")).contains("New.txt"));
    r = velmora({"burn", "1", "--drive", drive, "--blank", "--simulate"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY2(r.out.value(0).startsWith("Simulated erasing the stdio file"), qPrintable(r.out.join('\n')));
    QVERIFY(!DiscFiles::imageFiles(path("disc.iso")).contains("New.txt"));
    r = velmora({"burn", "1", "--drive", drive, "--blank", "--no-verify"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out, QStringList{"Burned (not verified): " + drive});
    QCOMPARE(DiscFiles::imageFiles(path("disc.iso")), DiscFiles::folderFiles(path("cd")));

    // xorriso ends with Velmora, however Velmora ends.
    QFile big(path("cd/big.bin"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    for (int i = 0; i < 300; ++i)
        big.write(QByteArray(1 << 20, char(i)));
    big.close();
    DiscFiles::writeFile(path("killed.iso"), {}); // a blank pseudo-disc: what burns for a while
    QProcess killed;
    killed.start(VELMORA_BIN, {"burn", "1", "--drive", "stdio:" + path("killed.iso"), "--home", path("home")});
    QVERIFY(killed.waitForStarted());
    const auto burners = [this] {
        QStringList found;
        for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
            QFile cmdline("/proc/" + pid + "/cmdline");
            QFile stat("/proc/" + pid + "/stat");
            // A process that has ended but is not yet reaped writes nothing.
            const bool ended = stat.open(QIODevice::ReadOnly) && stat.readAll().contains(") Z ");
            if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(path("killed.iso").toUtf8()) &&
                pid.toLongLong() != 0 && !ended)
                found.append(pid);
        }
        return found;
    };
    QTRY_VERIFY_WITH_TIMEOUT(burners().size() == 2, 20000); // velmora and its xorriso
    killed.kill();
    killed.waitForFinished();
    QTRY_VERIFY_WITH_TIMEOUT(burners().isEmpty(), 10000);
    QFile::remove(path("cd/big.bin"));

    // A pseudo-drive that is the database would overwrite every menu: refused before the drive is touched.
    const QByteArray database = DiscFiles::readFile(path("home/Velmora.dat"));
    r = velmora({"burn", "1", "--drive", "stdio:" + path("home/Velmora.dat")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("is part of Velmora's own data"), qPrintable(r.err));
    QCOMPARE(DiscFiles::readFile(path("home/Velmora.dat")), database);

    // What the disc check finds stops the burn before the drive is touched.
    QVERIFY(QFile::link(path("nowhere"), path("cd/broken")));
    r = velmora({"burn", "1", "--drive", "stdio:" + path("other.iso")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("nothing was burned"), qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(path("other.iso")));
    QFile::remove(path("cd/broken"));

    // No burner on this machine (the usual case for a test machine): a plain message.
    if (!DiscFiles::xorriso({"-devices"}).contains("-dev '")) {
        r = velmora({"burn", "1"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("No disc burner was found."), qPrintable(r.err));
    }
}

void TestCliMedia::copy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    if (FatImage::available())
        QTest::newRow("FAT32 image") << "fat";
}

void TestCliMedia::copy()
{
    QFETCH(QString, kind);
    const QString to = target(kind);
    DiscFiles::writeFile(path("cd/Docs/a:b.txt"), "x");
    Result r = velmora({"copy", "1", "--to", to});
    if (kind == "folder") {
        // A Linux folder takes the name; the disc check is where Joliet's limits are told.
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    } else {
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith("Docs/a:b.txt: a FAT32 drive cannot hold a name") &&
                     r.err.endsWith("Nothing was written.\n"),
                 qPrintable(r.err));
        QVERIFY(onTarget(kind).isEmpty());
    }
    QFile::remove(path("cd/Docs/a:b.txt"));
    if (kind == "folder")
        QFile::remove(path("stick/Docs/a:b.txt"));

    r = velmora({"copy", "1", "--to", to});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY2(r.out.contains("Copied Index.htm") || kind == "folder", qPrintable(r.out.join('\n')));
    QVERIFY(r.out.contains(QString("Copied and verified: %1 files written, %2 unchanged, on %3.")
                               .arg(kind == "folder" ? 0 : 5)
                               .arg(kind == "folder" ? 5 : 0)
                               .arg(to)));
    QCOMPARE(r.out.last(), QStringLiteral("Windows does not start a menu from a USB drive by itself: open Start.exe or "
                                          "Index.htm on the stick."));
    QVERIFY2(r.err.contains("Copying: 5 of 5 files") || kind == "folder", qPrintable(r.err));

    r = velmora({"copy", "1", "--to", to, "--eject"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("is not on a removable drive; there is nothing to eject."), qPrintable(r.err));
}

void TestCliMedia::killedCopies_data()
{
    copy_data();
}

void TestCliMedia::killedCopies()
{
    QFETCH(QString, kind);
    const QString to = target(kind);
    // Files large enough that a kill often lands inside one.
    QRandomGenerator random(29);
    QMap<QString, QSet<QByteArray>> versions; // every whole content a file has had
    const auto change = [&](int round) {
        for (int i = 0; i < 12; ++i) {
            if (round > 0 && random.bounded(3) != 0)
                continue;
            const QString name = QString("Data/part%1.bin").arg(i);
            QByteArray bytes(int(random.bounded(1000000, 5000000)), char('a' + round));
            bytes.prepend(QByteArray::number(round));
            DiscFiles::writeFile(path("cd/") + name, bytes);
            versions[name.toLower()].insert(QCryptographicHash::hash(bytes, QCryptographicHash::Md5));
        }
    };
    for (const QString &file : DiscFiles::folderFiles(path("cd")).keys()) {
        QFile f(path("cd/") + file);
        f.open(QIODevice::ReadOnly);
        versions[file.toLower()].insert(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5));
    }
    change(0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(velmora({"copy", "1", "--to", to}).exitCode == 0);
    const int whole = int(clock.elapsed());

    for (int round = 1; round <= 10; ++round) {
        change(round);
        QProcess process;
        process.start(VELMORA_BIN, {"copy", "1", "--to", to, "--home", path("home")});
        QVERIFY(process.waitForStarted());
        QTest::qWait(int(random.bounded(qMax(whole, 20))));
        process.kill();
        process.waitForFinished();
        // A file under its own name is always one that was whole.
        const QMap<QString, QByteArray> there = onTarget(kind);
        for (auto it = there.cbegin(); it != there.cend(); ++it) {
            if (QFileInfo(it.key()).fileName().startsWith(".velmora-tmp-"))
                continue;
            QVERIFY2(versions.value(it.key().toLower())
                         .contains(QCryptographicHash::hash(it.value(), QCryptographicHash::Md5)),
                     qPrintable(QString("round %1: %2 is partial").arg(round).arg(it.key())));
        }
    }
    const Result last = velmora({"copy", "1", "--to", to});
    QVERIFY2(last.exitCode == 0, qPrintable(last.err));
    QMap<QString, QByteArray> expected;
    for (const QString &file : DiscFiles::folderFiles(path("cd")).keys()) {
        QFile f(path("cd/") + file);
        f.open(QIODevice::ReadOnly);
        expected.insert(kind == "folder" ? file : file.toLower(), f.readAll());
    }
    // No temporary survives the next copy.
    QCOMPARE(onTarget(kind), expected);
}

void TestCliMedia::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("burn without a menu") << QStringList{"burn"} << "burn takes one argument, the number of the menu";
    QTest::newRow("copy without --to") << QStringList{"copy", "1"} << "copy needs --to";
    QTest::newRow("speed 0") << QStringList{"burn", "1", "--speed", "0"} << "--speed needs a whole number";
    QTest::newRow("--to for burn") << QStringList{"burn", "1", "--to", "x"} << "--to is an option of copy.";
    QTest::newRow("--drive for copy") << QStringList{"copy", "1", "--to", "x", "--drive", "/dev/sr0"}
                                      << "--drive is an option of burn.";
    QTest::newRow("--eject for iso") << QStringList{"iso", "1", "--eject"} << "--eject is an option of burn and copy.";
}

void TestCliMedia::badArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Result r = velmora(arguments);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(TestCliMedia)
#include "tst_climedia.moc"
