#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"

#include <QTemporaryDir>
#include <QtTest>

// Paths of the CD root and the files of its Menu folder.
class TestPathMapping : public QObject
{
    Q_OBJECT

private slots:
    void rootPath_data();
    void rootPath();
    void fileName_data();
    void fileName();
    void fileLink_data();
    void fileLink();
    void copyToMenuFolderCreatesAndReplaces();
    void copyToMenuFolderRefusesAFileNamedMenu();
    void failedCopyKeepsTheEarlierFile();
    void replacingFile_data();
    void replacingFile();
    void replacementRefusesAFolder();
    void largeCopyIsExact();
};

void TestPathMapping::rootPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("rootPath");
    QTest::newRow("folder") << "/media/MyCD"
                            << "/media/MyCD/";
    QTest::newRow("file-system root") << "/"
                                      << "/";
    QTest::newRow("already ends in a separator") << "/media/MyCD/"
                                                 << "/media/MyCD/";
}

void TestPathMapping::rootPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, rootPath);
    QCOMPARE(PathMapping::rootPathFor(folder), QDir::toNativeSeparators(rootPath));
}

void TestPathMapping::fileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("full path") << "/pics/logo.gif"
                               << "logo.gif";
    QTest::newRow("bare name") << "logo.gif"
                               << "logo.gif";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("folder") << "/pics/"
                            << "";
    // Windows splits at either separator; elsewhere a backslash is part of a name.
    QTest::newRow("backslash") << "/pics/a\\b.gif" << (QDir::separator() == '/' ? "a\\b.gif" : "b.gif");
}

void TestPathMapping::fileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(PathMapping::getFileName(path), name);
}

void TestPathMapping::fileLink_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("rootPath");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QString>("link");
    QTest::newRow("below the root") << "/media/MyCD/Tools/setup.exe"
                                    << "/media/MyCD/" << true << "Tools/setup.exe";
    QTest::newRow("in the root") << "/media/MyCD/setup.exe"
                                 << "/media/MyCD/" << true << "setup.exe";
    QTest::newRow("letter case differs") << "/media/mycd/setup.exe"
                                         << "/media/MyCD/" << false << "";
    QTest::newRow("outside the root") << "/home/setup.exe"
                                      << "/media/MyCD/" << false << "";
    QTest::newRow("root only inside the path") << "/x/media/MyCD/setup.exe"
                                               << "/media/MyCD/" << false << "";
    QTest::newRow("already relative") << "setup.exe"
                                      << "/media/MyCD/" << false << "";
    QTest::newRow("no root chosen") << "/media/MyCD/setup.exe"
                                    << "" << false << "";
}

void TestPathMapping::fileLink()
{
    QFETCH(QString, path);
    QFETCH(QString, rootPath);
    QFETCH(bool, inside);
    QFETCH(QString, link);
    const std::optional<QString> result = PathMapping::getFileLink(path, rootPath);
    QCOMPARE(result.has_value(), inside);
    if (inside) {
        QCOMPARE(*result, QDir::toNativeSeparators(link));
        QCOMPARE(PathMapping::toStoredLink(*result), link);
    }
}

void TestPathMapping::copyToMenuFolderCreatesAndReplaces()
{
    QTemporaryDir pics, cd;
    const QString logo = pics.filePath(QStringLiteral("logo.gif"));
    QFile file(logo);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("first");
    file.close();
    const QString rootPath = PathMapping::rootPathFor(cd.path());

    QVERIFY(MenuFolder::copyToMenuFolder(rootPath, logo).ok);
    const QString copy = cd.filePath(QStringLiteral("Menu/logo.gif"));
    QFile copied(copy);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("first"));
    copied.close();

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("second, longer");
    file.close();
    QVERIFY(MenuFolder::copyToMenuFolder(rootPath, logo).ok);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("second, longer"));
    QCOMPARE(MenuFolder::createMenuFile(rootPath), rootPath + QStringLiteral("Index.htm"));
}

void TestPathMapping::copyToMenuFolderRefusesAFileNamedMenu()
{
    QTemporaryDir cd;
    QFile menu(cd.filePath(QStringLiteral("Menu")));
    QVERIFY(menu.open(QIODevice::WriteOnly));
    menu.close();
    const StepResult result =
        MenuFolder::copyToMenuFolder(PathMapping::rootPathFor(cd.path()), QFINDTESTDATA("tst_pathmapping.cpp"));
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QLatin1String("is a file")), qPrintable(result.error));
}

void TestPathMapping::failedCopyKeepsTheEarlierFile()
{
    QTemporaryDir cd;
    const QString target = cd.filePath(QStringLiteral("Start.exe"));
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    const StepResult result = MenuFolder::copyReplacing(cd.filePath(QStringLiteral("missing.exe")), target);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QLatin1String("missing.exe")));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
}

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot read)");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

void TestPathMapping::replacingFile_data()
{
    QTest::addColumn<bool>("earlier");
    QTest::addColumn<int>("permissions"); // of the earlier file; 0: leave as created
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("new file") << false << 0 << false;
    QTest::newRow("earlier file") << true << 0 << false;
    QTest::newRow("earlier file keeps its permissions")
        << true << int(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup) << false;
    QTest::newRow("link to an earlier file") << true << 0 << true;
}

void TestPathMapping::replacingFile()
{
    QFETCH(bool, earlier);
    QFETCH(int, permissions);
    QFETCH(bool, throughLink);
    QTemporaryDir cd;
    const QString target = cd.filePath(QStringLiteral("Index.htm"));
    const QString written = throughLink ? cd.filePath(QStringLiteral("Link.htm")) : target;
    if (earlier)
        writeAll(target, QByteArray(100000, 'e'));
    if (permissions)
        QVERIFY(QFile::setPermissions(target, QFileDevice::Permissions(permissions)));
    if (throughLink)
        QVERIFY(QFile::link(target, written));
    const QFileDevice::Permissions before = QFileInfo(target).permissions();

    const StepResult result = MenuFolder::writeReplacing(written, "the new page");
    QVERIFY2(result.ok, qPrintable(result.error));
    // A link under the name is replaced by the file; what it pointed to is left alone.
    QCOMPARE(readAll(written), QByteArray("the new page"));
    QCOMPARE(readAll(target), throughLink ? QByteArray(100000, 'e') : QByteArray("the new page"));
    QVERIFY(!QFileInfo(written).isSymLink());
    if (earlier) {
        QCOMPARE(QFileInfo(target).permissions(), before);
    } else {
        // As a file made with QFile: the user's default permissions.
        writeAll(cd.filePath(QStringLiteral("plain")), "x");
        QCOMPARE(QFileInfo(target).permissions(), QFileInfo(cd.filePath(QStringLiteral("plain"))).permissions());
        QFile::remove(cd.filePath(QStringLiteral("plain")));
    }
    // Neither the temporary file nor the earlier one is left beside it.
    QStringList expected = {QStringLiteral("Index.htm")};
    if (throughLink)
        expected.append(QStringLiteral("Link.htm"));
    QCOMPARE(filesIn(cd.path()), expected);
}

void TestPathMapping::replacementRefusesAFolder()
{
    QTemporaryDir cd;
    const QString folder = cd.filePath(QStringLiteral("Index.hta"));
    QVERIFY(QDir().mkdir(folder));
    writeAll(folder + QStringLiteral("/inside"), "kept");
    const StepResult result = MenuFolder::writeReplacing(folder, "page");
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(folder)), qPrintable(result.error));
    QCOMPARE(readAll(folder + QStringLiteral("/inside")), QByteArray("kept"));
    QCOMPARE(filesIn(cd.path()), QStringList());
}

void TestPathMapping::largeCopyIsExact()
{
    // Larger than the copy buffer, and not a multiple of it.
    QByteArray bytes(3 * (1 << 20) + 12345, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919) >> 3);
    QTemporaryDir cd;
    const QString source = cd.filePath(QStringLiteral("Index.htm"));
    const QString copy = cd.filePath(QStringLiteral("Index.hta"));
    writeAll(source, bytes);
    writeAll(copy, "earlier, shorter");
    QVERIFY(MenuFolder::copyReplacing(source, copy).ok);
    QCOMPARE(readAll(copy), bytes);
    QCOMPARE(filesIn(cd.path()), (QStringList{QStringLiteral("Index.hta"), QStringLiteral("Index.htm")}));

#ifdef Q_OS_LINUX
    // A file that tells its size as nothing until it is read.
    const QString status = QStringLiteral("/proc/self/status");
    QVERIFY(MenuFolder::copyReplacing(status, copy).ok);
    QVERIFY(readAll(copy).contains("Name:"));
#endif
}

QTEST_GUILESS_MAIN(TestPathMapping)
#include "tst_pathmapping.moc"
