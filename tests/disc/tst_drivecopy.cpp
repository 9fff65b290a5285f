#include "core/disc/DriveCopy.h"
#include "core/disc/FatImageTarget.h"
#include "core/disc/FileSystemRules.h"
#include "core/disc/FolderTarget.h"
#include "tests/disc/DiscFiles.h"
#include "tests/disc/FatImage.h"

#include <QTemporaryDir>

// Copying a CD root onto a folder and onto a FAT32 image (through mtools), and what each refuses first.
class TestDriveCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rules_data();
    void rules();
    void copiesOnlyWhatChanged_data();
    void copiesOnlyWhatChanged();
    void refusedBeforeWriting_data();
    void refusedBeforeWriting();
    void cancelKeepsCompletedFiles_data();
    void cancelKeepsCompletedFiles();
    void targetsRefused();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    // The target of the row: "folder" or "fat".
    std::shared_ptr<CopyTarget> target(const QString &kind);
    QMap<QString, QByteArray> onTarget(const QString &kind) const;
    QMap<QString, QByteArray> rootFiles() const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDriveCopy::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const char *file :
         {"Index.htm", "Index.hta", "Setup.exe", "AUTORUN.INF", "Docs/read me.txt", "Menu/Styles.css", "Menu/Logo.gif"})
        DiscFiles::writeFile(path("cd/") + file, QByteArray("content of ") + file);
    QVERIFY(QDir().mkpath(path("stick")));
}

std::shared_ptr<CopyTarget> TestDriveCopy::target(const QString &kind)
{
    if (kind == "folder")
        return std::make_shared<FolderTarget>(path("stick"));
    if (!QFileInfo::exists(path("stick.img")))
        FatImage::make(path("stick.img"), 40);
    return std::make_shared<FatImageTarget>(path("stick.img"));
}

QMap<QString, QByteArray> TestDriveCopy::onTarget(const QString &kind) const
{
    if (kind != "folder")
        return FatImage::files(path("stick.img"));
    QMap<QString, QByteArray> files;
    for (const QString &file : DiscFiles::folderFiles(path("stick")).keys()) {
        QFile f(path("stick/") + file);
        f.open(QIODevice::ReadOnly);
        files.insert(file, f.readAll());
    }
    return files;
}

QMap<QString, QByteArray> TestDriveCopy::rootFiles() const
{
    QMap<QString, QByteArray> files;
    for (const QString &file : DiscFiles::folderFiles(path("cd")).keys()) {
        QFile f(path("cd/") + file);
        f.open(QIODevice::ReadOnly);
        files.insert(file, f.readAll());
    }
    return files;
}

void TestDriveCopy::rules_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("nameFits");
    QTest::addColumn<bool>("sizeFits");
    QTest::addColumn<bool>("foldsCase");
    const qint64 four = qint64(1) << 32;
    QTest::newRow("FAT32, under 4 GiB") << "vfat"
                                        << "Setup.exe" << four - 1 << true << true << true;
    QTest::newRow("FAT32, 4 GiB") << "vfat"
                                  << "video.mkv" << four << true << false << true;
    QTest::newRow("FAT32, colon") << "vfat"
                                  << "a:b.txt" << qint64(1) << false << true << true;
    QTest::newRow("FAT32, pipe") << "msdos"
                                 << "a|b" << qint64(1) << false << true << true;
    QTest::newRow("FAT32, control character") << "vfat"
                                              << "a\tb" << qint64(1) << false << true << true;
    QTest::newRow("FAT32, trailing dot") << "vfat"
                                         << "notes." << qint64(1) << false << true << true;
    QTest::newRow("exFAT, 4 GiB") << "exfat"
                                  << "video.mkv" << four << true << true << true;
    QTest::newRow("exFAT, question mark") << "exfat"
                                          << "why?.txt" << qint64(1) << false << true << true;
    QTest::newRow("ext4 takes anything") << "ext4"
                                         << "a:b?.txt" << four << true << true << false;
}

void TestDriveCopy::rules()
{
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(bool, nameFits);
    QFETCH(bool, sizeFits);
    QFETCH(bool, foldsCase);
    const FileSystemRules rules(type);
    QCOMPARE(rules.checkName(name).ok, nameFits);
    QCOMPARE(rules.checkSize(size).ok, sizeFits);
    QCOMPARE(rules.foldsCase(), foldsCase);
}

void TestDriveCopy::copiesOnlyWhatChanged_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    if (FatImage::available())
        QTest::newRow("FAT32 image") << "fat";
}

void TestDriveCopy::copiesOnlyWhatChanged()
{
    QFETCH(QString, kind);
    std::shared_ptr<CopyTarget> stick = target(kind);
    DriveCopy first(path("cd"), *stick);
    const StepResult planned = first.plan();
    QVERIFY2(planned && first.problems().isEmpty(), qPrintable(first.problems().join('\n') + planned.error));
    const StepResult copied = first.run();
    QVERIFY2(copied, qPrintable(copied.error));
    QCOMPARE(first.written().size(), 7);
    // The page comes last, its application copy just before it.
    QCOMPARE(first.written().mid(5), (QStringList{"Index.hta", "Index.htm"}));
    QCOMPARE(onTarget(kind), rootFiles());

    // Same size, other bytes and a later time: only that file is written again.
    DiscFiles::writeFile(path("cd/Docs/read me.txt"), "CONTENT OF Docs/read me.txt");
    QFile changed(path("cd/Docs/read me.txt"));
    QVERIFY(changed.open(QIODevice::ReadWrite));
    QVERIFY(changed.setFileTime(QDateTime::currentDateTime().addSecs(120), QFileDevice::FileModificationTime));
    changed.close();
    // What the user put on the stick stays there and is named.
    DiscFiles::writeFile(path("extra.txt"), "mine");
    if (kind == "folder") {
        DiscFiles::writeFile(path("stick/notes.txt"), "mine");
        DiscFiles::writeFile(path("stick/Old/a.txt"), "mine");
    } else {
        FatImage::mtools("mmd", {"-i", path("stick.img"), "::/Old"});
        FatImage::mtools("mcopy", {"-i", path("stick.img"), path("extra.txt"), "::/notes.txt"});
        FatImage::mtools("mcopy", {"-i", path("stick.img"), path("extra.txt"), "::/Old/a.txt"});
    }
    DriveCopy second(path("cd"), *stick);
    QVERIFY(second.plan() && second.problems().isEmpty());
    QVERIFY(second.run());
    QCOMPARE(second.written(), QStringList{"Docs/read me.txt"});
    QCOMPARE(second.filesUnchanged(), 6);
    QCOMPARE(second.notInMenu(), (QStringList{"Old/", "notes.txt"}));
    QMap<QString, QByteArray> expected = rootFiles();
    expected.insert("notes.txt", "mine");
    expected.insert("Old/a.txt", "mine");
    QCOMPARE(onTarget(kind), expected);
}

void TestDriveCopy::refusedBeforeWriting_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("problem");
    if (FatImage::available()) {
        QTest::newRow("FAT32: 4 GiB") << "fat"
                                      << "Video/big.mkv" << (qint64(1) << 32)
                                      << "Video/big.mkv: 4.3 GB is too large for a FAT32 drive, which holds files "
                                         "under 4 GB";
        QTest::newRow("FAT32: colon") << "fat"
                                      << "Docs/a:b.txt" << qint64(10)
                                      << "Docs/a:b.txt: a FAT32 drive cannot hold a name with \" * : < > ? \\ | or a "
                                         "control character";
        QTest::newRow("FAT32: letter case")
            << "fat"
            << "Docs/READ ME.TXT" << qint64(10) << "differ only in letter case, which a FAT32 drive cannot tell apart";
        QTest::newRow("FAT32: space") << "fat"
                                      << "big.bin" << (qint64(60) << 20) << "free; the menu needs 6";
    }
    QTest::newRow("folder: link in place of a folder") << "folder"
                                                       << "" << qint64(0)
                                                       << "Menu on the drive is a file or a link, not a folder: move "
                                                          "it away";
}

void TestDriveCopy::refusedBeforeWriting()
{
    QFETCH(QString, kind);
    QFETCH(QString, file);
    QFETCH(qint64, size);
    QFETCH(QString, problem);
    if (!file.isEmpty()) {
        // Sparse: a large file costs no room in the test's own folder.
        DiscFiles::writeFile(path("cd/") + file, "x");
        QFile sparse(path("cd/") + file);
        QVERIFY(sparse.open(QIODevice::ReadWrite));
        QVERIFY(sparse.resize(size));
    } else {
        QVERIFY(QDir().mkpath(path("elsewhere")));
        QVERIFY(QFile::link(path("elsewhere"), path("stick/Menu")));
    }
    std::shared_ptr<CopyTarget> stick = target(kind);
    const QMap<QString, QByteArray> before = onTarget(kind);
    DriveCopy copy(path("cd"), *stick);
    QVERIFY(copy.plan());
    QVERIFY2(copy.problems().join('\n').contains(problem), qPrintable(copy.problems().join('\n')));
    QVERIFY(!copy.run());
    QCOMPARE(onTarget(kind), before);
    QVERIFY(QDir(path("elsewhere")).isEmpty());
}

void TestDriveCopy::cancelKeepsCompletedFiles_data()
{
    copiesOnlyWhatChanged_data();
}

void TestDriveCopy::cancelKeepsCompletedFiles()
{
    QFETCH(QString, kind);
    DiscFiles::writeFile(path("cd/Setup.exe"), QByteArray(3 << 20, 's'));
    std::shared_ptr<CopyTarget> stick = target(kind);
    DriveCopy copy(path("cd"), *stick);
    int asked = 0;
    copy.setKeepGoing([&asked] { return ++asked < 12; });
    QVERIFY(copy.plan());
    const StepResult copied = copy.run();
    QVERIFY(!copied);
    QVERIFY(copy.wasCancelled());
    QCOMPARE(copied.error, QStringLiteral("The copy was cancelled."));
    const QMap<QString, QByteArray> there = onTarget(kind);
    const QMap<QString, QByteArray> root = rootFiles();
    QVERIFY(there.size() < root.size());
    for (auto it = there.cbegin(); it != there.cend(); ++it) {
        QVERIFY2(!it.key().contains(".velmora-tmp-"), qPrintable(it.key()));
        QCOMPARE(it.value(), root.value(it.key()));
    }
    QCOMPARE(QStringList(there.keys()), copy.written());
}

void TestDriveCopy::targetsRefused()
{
    QVERIFY(!DriveCopy::targetFor(path("cd"), path("cd/Docs"), {}));
    QVERIFY(!DriveCopy::targetFor(path("cd/Docs"), path("cd"), {}));
    QVERIFY(!DriveCopy::targetFor(path("cd"), path("missing"), {}));
    DiscFiles::writeFile(path("not-fat.img"), "plain text");
    const auto notFat = DriveCopy::targetFor(path("cd"), path("not-fat.img"), {});
    QVERIFY(!notFat);
    QVERIFY2(notFat.error.contains("is neither a folder nor a FAT image"), qPrintable(notFat.error));
    QVERIFY(DriveCopy::targetFor(path("cd"), path("stick"), {}));
    // Never into Velmora's own data: the data home, a folder that holds it, its style library or its database.
    QVERIFY(QDir().mkpath(path("stick/home/Styles/Blue")));
    DiscFiles::writeFile(path("stick/home/Velmora.dat"), "the menus");
    for (const char *own : {"stick", "stick/home", "stick/home/Styles/Blue", "stick/home/Velmora.dat"})
        QVERIFY2(!DriveCopy::targetFor(path("cd"), path(own), path("stick/home")), own);
}

QTEST_GUILESS_MAIN(TestDriveCopy)
#include "tst_drivecopy.moc"
