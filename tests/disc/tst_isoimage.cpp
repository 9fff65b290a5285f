#include "core/disc/IsoImage.h"
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
    QCOMPARE(IsoImage::defaultImagePath(root, title), path);
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
    QVERIFY2(image.run(root, "Café Programs 2024", target), qPrintable(image.errorString()));

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
}

void TestIsoImage::refusals()
{
    QFETCH(QString, program);
    QFETCH(QString, root);
    QFETCH(QString, target);
    QFETCH(QString, error);
    DiscFiles::writeFile(m_dir->filePath("cd/a.txt"), "a");
    DiscFiles::writeFile(m_dir->filePath("out/image.iso"), "an earlier image");
    QVERIFY(QDir(m_dir->path()).mkpath("out/folder"));

    IsoImage image;
    image.setProgram(program);
    QVERIFY(!image.run(m_dir->filePath(root), "Menu", m_dir->filePath(target)));
    QVERIFY2(image.errorString().contains(error), qPrintable(image.errorString()));
    QCOMPARE(filesBesideImages(), QStringList{"image.iso"});
    QCOMPARE(QDir(m_dir->filePath("cd")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
    QFile earlier(m_dir->filePath("out/image.iso"));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier image"));
}

QTEST_GUILESS_MAIN(TestIsoImage)
#include "tst_isoimage.moc"
