#include "core/data/DatabaseFile.h"
#include "core/data/SqliteConnection.h"
#include "tests/common/clsData.h"
#include "core/model/MenuSnapshot.h"
#include "tests/disc/DiscFiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>

// velmora add, check and iso against a real data home and CD root.
class TestCliDisc : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fromFolderToImage();
    void badArguments_data();
    void badArguments();
    void refusedChangesAreNamed_data();
    void refusedChangesAreNamed();

private:
    struct Result
    {
        int exitCode;
        QStringList out;
        QString err;
    };
    Result velmora(QStringList arguments, const QString &searchPath = {});
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    int entryCount();

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliDisc::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath("home"));
    QVERIFY(QDir(m_dir->path()).mkpath("empty"));
    DatabaseFile::prepare(path("home/Velmora.dat"));
    clsData data(path("home/Velmora.dat"));
    data.ExecuteSQL(Sql::insertStyle(StyleFields::standard().values()));
    data.ExecuteSQL(Sql::insertMenu(MenuTemplate::extended(), "My Disc: Tools", 1, path("cd")));
    for (const char *file : {"Setup.exe", "Docs/read_me.txt", "Tools/a-b.exe", "Index.htm"})
        DiscFiles::writeFile(path("cd/") + file, file);
    DiscFiles::writeFile(path("outside.txt"), "x");
}

TestCliDisc::Result TestCliDisc::velmora(QStringList arguments, const QString &searchPath)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!searchPath.isNull())
        environment.insert("PATH", searchPath);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_dir->path());
    process.start(VELMORA_BIN, arguments << "--home" << path("home"));
    if (!process.waitForFinished(60000))
        return {-1, {}, "velmora did not finish"};
    // Windows ends the lines a program writes with CR LF.
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).replace("\r\n", "\n").split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError()).replace("\r\n", "\n")};
}

int TestCliDisc::entryCount()
{
    clsData data(path("home/Velmora.dat"));
    return data.GetRS(Sql::selectEntries(1)).recordCount();
}

void TestCliDisc::fromFolderToImage()
{
    Result r = velmora({"add", "1", "cd"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out,
             (QStringList{"Added Docs/read_me.txt as \"read me\" in Docs", "Added Setup.exe as \"Setup\" in General",
                          "Added Tools/a-b.exe as \"a b\" in Tools"}));
    r = velmora({"add", "1", path("cd")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringList{"Nothing to add: every file already has an entry."});

    DiscFiles::writeFile(path("cd/New/x.txt"), "x");
    r = velmora({"add", "1", "--category", "Extras", "cd/New/x.txt"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringList{"Added New/x.txt as \"x\" in Extras"});
    QCOMPARE(entryCount(), 4);

    DiscFiles::writeFile(path("cd/New/y.txt"), "y");
    r = velmora({"add", "1", "cd/New/y.txt", "outside.txt"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("outside.txt is not inside the CD root") && r.err.contains("Nothing was added."),
             qPrintable(r.err));
    QCOMPARE(entryCount(), 4);

    // A hidden file is a note, not a problem; the size line comes last.
    DiscFiles::writeFile(path("cd/.DS_Store"), "x");
    r = velmora({"check", "1"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.size(), 2);
    QCOMPARE(r.out[0], QStringLiteral("The hidden file .DS_Store will go on the disc."));
    QVERIFY2(QRegularExpression("^Image size: \\d+ sectors \\(0\\.\\d MB\\)(, estimated \\([^)]*\\))?; fits on a CD \\(700 MB\\)")
                 .match(r.out[1])
                 .hasMatch(),
             qPrintable(r.out[1]));

    if (QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("Windows cannot name a file Set?up.exe, and has no xorriso for the image; the Linux build goes on.");
    QVERIFY(QFile::rename(path("cd/Setup.exe"), path("cd/Set?up.exe")));
    r = velmora({"check", "1"});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out.size(), 4);
    QCOMPARE(r.out[0], QStringLiteral("The file Setup.exe of the entry \"Setup\" is missing."));
    QCOMPARE(r.out[1], QStringLiteral("The name Set?up.exe holds the character ?, which a Joliet disc cannot hold."));
    QVERIFY(r.out[3].startsWith("Image size: "));
    QVERIFY(QFile::rename(path("cd/Set?up.exe"), path("cd/Setup.exe")));

    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    r = velmora({"iso", "1"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QString image = path("My Disc_ Tools.iso");
    QCOMPARE(r.out, QStringList{"Wrote " + image});
    QVERIFY2(r.err.contains("100%"), qPrintable(r.err));
    QCOMPARE(DiscFiles::imageFiles(image), DiscFiles::folderFiles(path("cd")));
    QCOMPARE(DiscFiles::volumeId(image), QStringLiteral("MY_DISC_TOOLS"));
    QVERIFY(QFileInfo(image).permissions().testFlag(QFile::ReadOther));

    // The database is never the image's target: every menu would be lost.
    r = velmora({"iso", "1", "-o", path("home/Velmora.dat")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QDir::toNativeSeparators(path("home/Velmora.dat")) + " is part of Velmora's own data"), qPrintable(r.err));
    QCOMPARE(entryCount(), 4);

    r = velmora({"iso", "1", "-o", "other.iso"}, path("empty"));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("install the xorriso package"), qPrintable(r.err));
    QVERIFY(!QFile::exists(path("other.iso")));

    // xorriso's own reason is shown, on a line of its own after the progress.
    DiscFiles::writeFile(path("fakebin/xorriso"), "#!/bin/sh\necho 'xorriso : UPDATE :  10.0% done' >&2\n"
                                                  "echo 'libisofs: FAILURE : Disk full' >&2\nexit 32\n");
    QFile::setPermissions(path("fakebin/xorriso"), QFile::ReadOwner | QFile::ExeOwner);
    r = velmora({"iso", "1", "-o", "other.iso"}, path("fakebin") + ":/usr/bin:/bin");
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("Making the disc image: 10%\nxorriso could not make the disc image (exit code 32).\n"
                            "libisofs: FAILURE : Disk full\n"),
             qPrintable(r.err));
    QVERIFY(!QFile::exists(path("other.iso")));

    r = velmora({"check", "7"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("There is no menu 7."), qPrintable(r.err));
}

void TestCliDisc::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("add without a path") << QStringList{"add", "1"};
    QTest::newRow("add without a number") << QStringList{"add", "x", "cd"};
    QTest::newRow("add with -o") << QStringList{"add", "1", "cd", "-o", "a.iso"};
    QTest::newRow("check without a number") << QStringList{"check"};
    QTest::newRow("check with a path") << QStringList{"check", "1", "cd"};
    QTest::newRow("check with a category") << QStringList{"check", "1", "--category", "X"};
    QTest::newRow("iso with two numbers") << QStringList{"iso", "1", "2"};
    QTest::newRow("build with -o") << QStringList{"build", "1", "-o", "x"};
    QTest::newRow("build with a category") << QStringList{"build", "1", "--category", "x"};
    QTest::newRow("list with -o") << QStringList{"list", "-o", "x"};
    for (const char *command : {"list", "build", "add", "check", "iso"})
        QTest::newRow(qPrintable(QStringLiteral("%1 with an unknown option").arg(command)))
            << QStringList{command, "1", "--bogus"};
}

void TestCliDisc::badArguments()
{
    QFETCH(QStringList, arguments);
    const Result r = velmora(arguments);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains("Try 'velmora --help'."));
    QCOMPARE(entryCount(), 0);
}

// A database made by another tool may refuse or change what add stores: add then fails, stores nothing and says
// which file refused which entry.
void TestCliDisc::refusedChangesAreNamed_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");
    const QString entry = "The entry \"read me\" of the menu \"My Disc: Tools\" could not be changed in ";
    QTest::newRow("a trigger says no") << "CREATE TRIGGER no BEFORE INSERT ON tblDetails WHEN NEW.FileName = 'read me' "
                                          "BEGIN SELECT RAISE(ABORT, 'trigger says no'); END;"
                                       << entry + "HOME/Velmora.dat: trigger says no";
    QTest::newRow("a column add does not fill")
        << "DROP TABLE tblDetails; CREATE TABLE tblDetails (MenuNo INTEGER, Category TEXT, FileName TEXT, "
           "FileLink TEXT, Description TEXT, Screenshot TEXT, Must TEXT NOT NULL);"
        << entry + "HOME/Velmora.dat: NOT NULL constraint failed: tblDetails.Must";
    QTest::newRow("a trigger doubles the rows")
        << "CREATE TRIGGER twice AFTER INSERT ON tblDetails WHEN NEW.Category <> 'copy' BEGIN INSERT INTO tblDetails "
           "(MenuNo, Category, FileName, FileLink) VALUES (NEW.MenuNo, 'copy', NEW.FileName, NEW.FileLink); END;"
        << "The entries of the menu \"My Disc: Tools\" were not stored as given: 3 rows were meant to be added and 6 "
           "were";
}

void TestCliDisc::refusedChangesAreNamed()
{
    QFETCH(QString, sql);
    QFETCH(QString, message);
    {
        SqliteConnection connection(path("home/Velmora.dat"));
        connection.execute(sql);
    }
    const Result r = velmora({"add", "1", "cd"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(message.replace("HOME/Velmora.dat", QDir::toNativeSeparators(path("home/Velmora.dat")))), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(entryCount(), 0);
}

QTEST_GUILESS_MAIN(TestCliDisc)
#include "tst_clidisc.moc"
