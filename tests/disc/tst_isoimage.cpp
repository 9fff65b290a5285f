#include "core/disc/IsoImage.h"
#include "tests/common/PosixFiles.h"
#include "tests/disc/DiscFiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>


// Disc images written by the real xorriso and read back with it.
class TestIsoImage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void volumeLabels_data();
    void volumeLabels();
    void defaultImagePaths_data();
    void defaultImagePaths();
    void imageHoldsTheRoot();
    void cancelLeavesNoFile();
    void refusals_data();
    void refusals();
    void linksGoInAsTheirFiles();
    void longNamesAndStaleTemporaries();

private:
    QStringList filesBesideImages() const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIsoImage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("cd"));
    QVERIFY(QDir(m_dir->path()).mkpath("out"));
}

QStringList TestIsoImage::filesBesideImages() const
{
    return QDir(m_dir->filePath("out")).entryList(QDir::Files | QDir::Hidden);
}

void TestIsoImage::volumeLabels_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::newRow("blanks") << "My CD"
                            << "MY_CD";
    QTest::newRow("accents and punctuation") << "Café Programs, 2024!"
                                             << "CAFE_PROGRAMS_2024";
    QTest::newRow("underscores kept, runs joined") << "a__b - c"
                                                   << "A_B_C";
    QTest::newRow("at most 32") << QString(40, 'x') << QString(32, 'X');
    QTest::newRow("no trailing _ after the cut") << QString(31, 'x') + " yz" << QString(31, 'X');
    QTest::newRow("nothing a label holds") << "***"
                                           << "MENU";
    QTest::newRow("empty") << ""
                           << "MENU";
}

void TestIsoImage::volumeLabels()
{
    QFETCH(QString, title);
    QFETCH(QString, label);
    QCOMPARE(IsoImage::volumeLabel(title), label);
}

void TestIsoImage::defaultImagePaths_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("path");
    QTest::newRow("beside the root") << "/data/cd"
                                     << "My CD"
                                     << "/data/My CD.iso";
    QTest::newRow("root with separator") << "/data/cd/"
                                         << "My CD"
                                         << "/data/My CD.iso";
    QTest::newRow("characters a file name cannot hold") << "/data/cd"
                                                        << "A/B: C?"
                                                        << "/data/A_B_ C_.iso";
    QTest::newRow("no hidden file") << "/data/cd"
                                    << "..dots"
                                    << "/data/dots.iso";
    QTest::newRow("empty title") << "/data/cd"
                                 << " "
                                 << "/data/Menu.iso";
}

void TestIsoImage::defaultImagePaths()
{
    QFETCH(QString, root);
    QFETCH(QString, title);
    QFETCH(QString, path);
    // As the user sees it: on Windows with the drive a rooted path lies on, and backslashes.
    QCOMPARE(IsoImage::defaultImagePath(root, title), QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

void TestIsoImage::imageHoldsTheRoot()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    const QString root = m_dir->filePath("cd");
    DiscFiles::writeFile(root + "/Index.htm", "<html></html>");
    DiscFiles::writeFile(root + "/AUTORUN.INF", "[autorun]\r\n");
    DiscFiles::writeFile(root + "/Menu/Styles.css", QByteArray(5000, 's'));
    DiscFiles::writeFile(root + "/Tools/Sub Dir/setup file.exe", QByteArray(300000, 'x'));
    DiscFiles::writeFile(root + "/Docs/Ünïcode & 'quote'.txt", "");
    DiscFiles::writeFile(root + "/Docs/" + QString(80, 'n') + ".txt", "long");

    const QString target = m_dir->filePath("out/image.iso");
    DiscFiles::writeFile(target, "an earlier image");
    IsoImage image;
    QList<int> percents;
    connect(&image, &IsoImage::progress, [&percents](int percent) { percents.append(percent); });
    QVERIFY2(image.run(root, "Café Programs 2024", target), qPrintable(image.result().error));

    QCOMPARE(DiscFiles::imageFiles(target), DiscFiles::folderFiles(root));
    QCOMPARE(DiscFiles::volumeId(target), QStringLiteral("CAFE_PROGRAMS_2024"));
    QVERIFY(!percents.isEmpty());
    QCOMPARE(percents.last(), 100);
    QCOMPARE(filesBesideImages(), QStringList{"image.iso"});
}

void TestIsoImage::cancelLeavesNoFile()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    const QString root = m_dir->filePath("cd");
    // A sparse file: large enough to take xorriso seconds, without taking the space.
    QFile big(root + "/big.img");
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(3) << 30));
    big.close();

    IsoImage image;
    QSignalSpy finished(&image, &IsoImage::finished);
    connect(&image, &IsoImage::progress, &image, &IsoImage::cancel);
    const QString target = m_dir->filePath("out/image.iso");
    QVERIFY(!image.run(root, "Big", target));
    QVERIFY(image.wasCancelled());
    QVERIFY(!image.isRunning());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(filesBesideImages(), QStringList{});
}

void TestIsoImage::refusals_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("error");
    QTest::newRow("xorriso missing") << "/nowhere/xorriso"
                                     << "cd"
                                     << "out/image.iso"
                                     << "Please install the xorriso package";
    QTest::newRow("image inside the root") << "xorriso"
                                           << "cd"
                                           << "cd/image.iso"
                                           << "inside the CD root";
    QTest::newRow("root missing") << "xorriso"
                                  << "gone"
                                  << "out/image.iso"
                                  << "does not exist";
    QTest::newRow("target is a folder") << "xorriso"
                                        << "cd"
                                        << "out/folder"
                                        << "is a folder";
    QTest::newRow("xorriso fails") << "false"
                                   << "cd"
                                   << "out/image.iso"
                                   << "could not make the disc image";
    QTest::newRow("xorriso cannot start") << "@notexec"
                                          << "cd"
                                          << "out/image.iso"
                                          << "xorriso could not be started: ";
    QTest::newRow("xorriso's own reason") << "@fakexorriso"
                                          << "cd"
                                          << "out/image.iso"
                                          << "(exit code 32).\nlibisofs: FAILURE : Cannot open the disk file";
    QTest::newRow("image inside the root through a link") << "xorriso"
                                                          << "cd"
                                                          << "linked/image.iso"
                                                          << "inside the CD root";
    // The data home is "home": its database, journals and style library are never written over.
    const QString own = "is part of Velmora's own data";
    for (const char *target : {"home/Velmora.dat", "home/velmora.DAT", "home/Velmora.dat-journal", "home/Velmora.dat-wal",
                               "home/Styles", "home/Styles/Blue/new.iso", "database.iso", "homelink/Velmora.dat"})
        QTest::newRow(target) << "xorriso" << "cd" << target << own;
}

void TestIsoImage::refusals()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed, and its stand-ins here are shell scripts");
    QFETCH(QString, program);
    QFETCH(QString, root);
    QFETCH(QString, target);
    QFETCH(QString, error);
    DiscFiles::writeFile(m_dir->filePath("cd/a.txt"), "a");
    DiscFiles::writeFile(m_dir->filePath("out/image.iso"), "an earlier image");
    QVERIFY(QDir(m_dir->path()).mkpath("out/folder"));
    QVERIFY(QFile::link(m_dir->filePath("cd"), m_dir->filePath("linked")));
    DiscFiles::writeFile(m_dir->filePath("home/Velmora.dat"), "the menus");
    QVERIFY(QFile::link(m_dir->filePath("home/Velmora.dat"), m_dir->filePath("database.iso")));
    QVERIFY(QFile::link(m_dir->filePath("home"), m_dir->filePath("homelink")));
    DiscFiles::writeFile(m_dir->filePath("notexec"), "#!/bin/sh\n");
    DiscFiles::writeFile(m_dir->filePath("fakexorriso"),
                         "#!/bin/sh\necho 'libisofs: FAILURE : Cannot open the disk file' >&2\n"
                         "echo 'xorriso : aborting : -abort_on SORRY encountered' >&2\n"
                         "echo 'xorriso : NOTE : -return_with SORRY 32 triggered' >&2\nexit 32\n");
    QFile::setPermissions(m_dir->filePath("fakexorriso"), QFile::ReadOwner | QFile::ExeOwner);
    if (program.startsWith(QLatin1Char('@')))
        program = m_dir->filePath(program.mid(1));

    IsoImage image;
    image.setProgram(program);
    image.setDataHome(m_dir->filePath("home"));
    QVERIFY(!image.run(m_dir->filePath(root), "Menu", m_dir->filePath(target)));
    QVERIFY2(image.result().error.contains(error), qPrintable(image.result().error));
    QCOMPARE(filesBesideImages(), QStringList{"image.iso"});
    QCOMPARE(QDir(m_dir->filePath("cd")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
    QFile earlier(m_dir->filePath("out/image.iso"));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier image"));
    QFile database(m_dir->filePath("home/Velmora.dat"));
    QVERIFY(database.open(QIODevice::ReadOnly));
    QCOMPARE(database.readAll(), QByteArray("the menus"));
    QCOMPARE(QDir(m_dir->filePath("home")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Velmora.dat"});
}

// Joliet has no links, so a link inside the root goes in as the file it points to, in both trees; one leading out
// of the root does not go in at all, nor do pipes, nor Velmora's own data when the data home is in the root.
void TestIsoImage::linksGoInAsTheirFiles()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    const QString root = m_dir->filePath("cd");
    DiscFiles::writeFile(root + "/a.txt", QByteArray(3000, 'a'));
    DiscFiles::writeFile(root + "/sub/b.txt", "bb");
    QVERIFY(QFile::link("a.txt", root + "/link.txt"));
    QVERIFY(QFile::link("sub", root + "/folder link"));
    QVERIFY(QFile::link("/etc", root + "/etc"));
    QVERIFY(QFile::link("nothing", root + "/dangling"));
    QVERIFY(PosixFiles::pipe(QFile::encodeName(root + "/pipe")));
    for (const char *own : {"/home/Velmora.dat", "/home/Velmora.dat-journal", "/home/Styles/Blue/logo.png"})
        DiscFiles::writeFile(root + own, "own");
    DiscFiles::writeFile(root + "/home/other.txt", "o");
    const QString target = m_dir->filePath("out/image.iso");
    IsoImage image;
    image.setDataHome(root + "/home");
    QVERIFY2(image.run(root, "Links", target), qPrintable(image.result().error));

    const QMap<QString, qint64> expected = {
        {"a.txt", 3000}, {"link.txt", 3000}, {"sub/b.txt", 2}, {"folder link/b.txt", 2}, {"home/other.txt", 1}};
    QCOMPARE(DiscFiles::imageFiles(target), expected);
    QCOMPARE(DiscFiles::imageFiles(target, {"-rockridge", "off", "-joliet", "on"}), expected);
}

// The temporary name is short, so any name the target may have fits; what stopped images left goes.
void TestIsoImage::longNamesAndStaleTemporaries()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    DiscFiles::writeFile(m_dir->filePath("cd/a.txt"), "a");
    const QString stale = m_dir->filePath("out/.velmora-tmp-999999999-abcdef-image.iso");
    DiscFiles::writeFile(stale, QByteArray(10000, 's'));
    const QString target = m_dir->filePath("out/" + QString(251, 'n') + ".iso");
    IsoImage image;
    QVERIFY2(image.run(m_dir->filePath("cd"), "Long", target), qPrintable(image.result().error));
    QCOMPARE(filesBesideImages(), QStringList{QString(251, 'n') + ".iso"});
}

QTEST_GUILESS_MAIN(TestIsoImage)
#include "tst_isoimage.moc"
