#include "tests/common/PosixFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// velmora build MENUID, run from a program folder of its own against databases made with the sqlite3 shell.
class TestCliBuild : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void buildsTheStoredMenu();
    void missingStyleRowUsesTheDefaults();
    void relativeMediaComeFromTheStyleFolder();
    void buildsAModernMenu();
    void refusedBuildsLeaveEarlierFiles_data();
    void refusedBuildsLeaveEarlierFiles();
    void badArguments_data();
    void badArguments();

private:
    struct Result
    {
        int exitCode;
        QString out;
        QString err;
    };
    Result velmora(const QStringList &arguments);
    void sqlite(const QString &script);
    void writeFile(const QString &path, const QByteArray &bytes);
    static QByteArray readFile(const QString &path);
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    void makeDatabase(const QString &root);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliBuild::init()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        QSKIP("the sqlite3 shell is not installed");
    m_dir = std::make_unique<QTemporaryDir>();
    for (const char *folder : {"bin", "home", "cd", "media"})
        QVERIFY(QDir(m_dir->path()).mkpath(QLatin1String(folder)));
    // The program folder is the folder of the executable: a copy of velmora with autorun files of its own.
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_BIN), path(QStringLiteral("bin/velmora"))));
    QVERIFY(QFile::setPermissions(path(QStringLiteral("bin/velmora")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(path(QStringLiteral("bin/AUTORUN.INF")), "[autorun]\r\nopen=Start.exe\r\n");
    writeFile(path(QStringLiteral("bin/Start.exe")), "MZ starter");
    for (const char *media : {"sky.jpg", "tune.mid", "logo.gif", "on.gif", "off.gif", "shot1.jpg"})
        writeFile(path(QStringLiteral("media/")) + QLatin1String(media), QByteArray("data of ") + media);
}

TestCliBuild::Result TestCliBuild::velmora(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("VELMORA_HOME"));
    process.setProcessEnvironment(environment);
    process.start(path(QStringLiteral("bin/velmora")), arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}, QStringLiteral("velmora did not finish")};
    // Windows ends the lines a program writes with CR LF.
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).replace("\r\n", "\n"),
            QString::fromUtf8(process.readAllStandardError()).replace("\r\n", "\n")};
}

void TestCliBuild::sqlite(const QString &script)
{
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {path(QStringLiteral("home/Velmora.dat"))});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    QVERIFY(shell.waitForFinished(30000));
    QCOMPARE(shell.exitCode(), 0);
}

void TestCliBuild::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QByteArray TestCliBuild::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestCliBuild::makeDatabase(const QString &root)
{
    const QString media = path(QStringLiteral("media/"));
    sqlite(QStringLiteral(
               "CREATE TABLE tblMenus (MenuID INTEGER PRIMARY KEY AUTOINCREMENT, Template TEXT, Title TEXT, "
               "StyleNo INTEGER, Root TEXT);"
               "CREATE TABLE tblDetails (MenuNo INTEGER, Category TEXT, FileName TEXT, FileLink TEXT, "
               "Description TEXT, Screenshot TEXT);"
               "CREATE TABLE tblStyles (StyleID INTEGER PRIMARY KEY AUTOINCREMENT, StyleName TEXT, BackColor TEXT, "
               "BackImage TEXT, Soundfile TEXT, Logofile TEXT, LogoTop TEXT, LogoLeft TEXT, ButtonOnImage TEXT, "
               "ButtonOffImage TEXT, TitleFont TEXT, TitleColor TEXT, ButtonFont TEXT, ButtonColor TEXT, "
               "TextFont TEXT, TextColor TEXT, HyperFont TEXT, HyperColor TEXT, HyperColorA TEXT);"
               "INSERT INTO tblStyles VALUES (3, 'Ocean', 'RGB(0,0,64)', '%1sky.jpg', '%1tune.mid', '%1logo.gif', "
               "'10', '500', '%1on.gif', '%1off.gif', 'Arial;16pt;Bold', 'RGB(255,255,255)', 'Arial;10pt;bold', "
               "'RGB(200,200,200)', 'Verdana;9pt;normal', 'RGB(220,220,220)', 'Arial;10pt;normal', "
               "'RGB(192,192,192)', 'RGB(17,207,255)');"
               "INSERT INTO tblStyles VALUES (4, 'Plain', '16777215 ', 'none', 'none', 'none', '0', '0', 'none', "
               "'none', 'Arial;14pt;bold', 'RGB(192,192,192)', 'Arial;10pt;bold', 'RGB(192,192,192)', "
               "'Arial;10pt;normal', 'RGB(192,192,192)', 'Arial;10pt;normal', 'RGB(192,192,192)', "
               "'RGB(17,207,255)');"
               "INSERT INTO tblMenus VALUES (1, 'Standard Screenshots', 'Tom''s Tools', 3, '%2');"
               "INSERT INTO tblMenus VALUES (2, 'Extended', 'Empty', 4, '%2');"
               "INSERT INTO tblMenus VALUES (5, 'Extended', 'Lost style', 99, '%2');"
               "INSERT INTO tblDetails VALUES (1, 'Tools', 'Setup', 'setup.exe', 'Installs it', 'shot1.jpg');"
               "INSERT INTO tblDetails VALUES (1, 'Docs', 'Manual', 'doc/manual.pdf', 'Read me', 'none');"
               "INSERT INTO tblDetails VALUES (5, 'Docs', 'Manual', 'doc/manual.pdf', 'Read me', NULL);")
               .arg(media, root));
}

void TestCliBuild::buildsTheStoredMenu()
{
    makeDatabase(path(QStringLiteral("cd")));
    const Result build =
        velmora({QStringLiteral("build"), QStringLiteral("1"), QStringLiteral("--home"), path(QStringLiteral("home"))});
    QVERIFY2(build.exitCode == 0, qPrintable(build.err));
    QVERIFY(build.err.isEmpty());
    const QString cd = path(QStringLiteral("cd/"));
    QStringList expectedOut;
    for (const char *file : {"Menu/Styles.css", "Menu/sky.jpg", "Menu/tune.mid", "Menu/logo.gif", "Menu/on.gif",
                             "Menu/off.gif", "Index.htm", "Index.hta", "AUTORUN.INF", "Start.exe"})
        expectedOut.append(QStringLiteral("Wrote ") + cd + QLatin1String(file));
    QCOMPARE(build.out, expectedOut.join(QLatin1Char('\n')) + QLatin1Char('\n'));

    const QByteArray stylesheet = readFile(cd + QStringLiteral("Menu/Styles.css"));
    QVERIFY(stylesheet.startsWith("h2{font-size:16pt;font-family:Arial;color:RGB(255,255,255);font-weight:Bold;"));
    QVERIFY(stylesheet.contains("\r\n\r\nBody{background-color:RGB(0,0,64); background-image:url(sky.jpg);}\r\n\r\n"));
    QVERIFY(stylesheet.endsWith("\r\n\r\n.Logo{position:absolute;top:10;left:500}\r\n\r\n"));
    QCOMPARE(readFile(cd + QStringLiteral("Menu/logo.gif")), QByteArray("data of logo.gif"));

    const QByteArray page = readFile(cd + QStringLiteral("Index.htm"));
    for (const QByteArray &line :
         {QByteArray("\r\n<bgsound src='Menu/tune.mid' loop=1'>\r\n"),
          QByteArray("\r\narS[0]= '<img src=Menu/shot1.jpg>'\r\narT[1]"),
          QByteArray("\r\n      <h2>Tom's Tools</h2>\r\n"),
          QByteArray("\r\n<div class='Logo' width='100px'> <img src='Menu/logo.gif' border='0' ></div>\r\n"),
          QByteArray("\r\n                  document.all.Bi[i].src='Menu/off.gif';\r\n"),
          QByteArray("\r\n    <img  id='Bi' src='Menu/off.gif' >\r\n"),
          QByteArray("\r\n          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>\r\n")})
        QVERIFY2(page.contains(line), line.constData());
    QCOMPARE(readFile(cd + QStringLiteral("Index.hta")), page);
    QCOMPARE(readFile(cd + QStringLiteral("AUTORUN.INF")), QByteArray("[autorun]\r\nopen=Start.exe\r\n"));
    QCOMPARE(readFile(cd + QStringLiteral("Start.exe")), QByteArray("MZ starter"));

    // A second build gives the same files.
    QCOMPARE(
        velmora({QStringLiteral("build"), QStringLiteral("1"), QStringLiteral("--home"), path(QStringLiteral("home"))})
            .exitCode,
        0);
    QCOMPARE(readFile(cd + QStringLiteral("Index.htm")), page);
}

// A relative medium is the style library's, wherever the program is started from.
void TestCliBuild::relativeMediaComeFromTheStyleFolder()
{
    makeDatabase(path(QStringLiteral("cd")));
    QVERIFY(QDir().mkpath(path(QStringLiteral("home/Styles/Ocean/art"))));
    writeFile(path(QStringLiteral("home/Styles/Ocean/art/logo.gif")), "the library's logo");
    sqlite(QStringLiteral("UPDATE tblStyles SET Logofile='art/logo.gif' WHERE StyleID=3;"));
    const Result build =
        velmora({QStringLiteral("build"), QStringLiteral("1"), QStringLiteral("--home"), path(QStringLiteral("home"))});
    QVERIFY2(build.exitCode == 0, qPrintable(build.err));
    QCOMPARE(readFile(path(QStringLiteral("cd/Menu/logo.gif"))), QByteArray("the library's logo"));
}

void TestCliBuild::missingStyleRowUsesTheDefaults()
{
    makeDatabase(path(QStringLiteral("cd")));
    const Result build =
        velmora({QStringLiteral("--home"), path(QStringLiteral("home")), QStringLiteral("build"), QStringLiteral("5")});
    QCOMPARE(build.exitCode, 0);
    QVERIFY2(build.err.contains(QLatin1String("Style 99")), qPrintable(build.err));
    QVERIFY(readFile(path(QStringLiteral("cd/Menu/Styles.css"))).contains("Body{background-color:16777215 }"));
    QVERIFY(readFile(path(QStringLiteral("cd/Index.htm"))).contains("onclick='displayCat(0)'>Docs</p>"));
}

// The same menu switched to Modern Screenshots in the shell: a UTF-8 page with the style's media and the entries.
void TestCliBuild::buildsAModernMenu()
{
    makeDatabase(path(QStringLiteral("cd")));
    // The column compares without regard to case, and so does the build.
    sqlite(QStringLiteral("UPDATE tblMenus SET Template='modern SCREENSHOTS' WHERE MenuID=1;"));
    writeFile(path(QStringLiteral("cd/setup.exe")), QByteArray(2048, 'x'));
    // A screenshot is shown when the user has put it into Menu; the style's media are copied there by the build.
    QVERIFY(QDir().mkpath(path(QStringLiteral("cd/Menu"))));
    writeFile(path(QStringLiteral("cd/Menu/shot1.jpg")), "shot");
    const Result build =
        velmora({QStringLiteral("build"), QStringLiteral("1"), QStringLiteral("--home"), path(QStringLiteral("home"))});
    QVERIFY2(build.exitCode == 0, qPrintable(build.err));
    const QByteArray page = readFile(path(QStringLiteral("cd/Index.htm")));
    QVERIFY(page.startsWith("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"));
    for (const QByteArray &part :
         {QByteArray("<h1>Tom's Tools</h1>"), QByteArray("<span class=\"logo\"><img src=\"Menu/logo.gif\""),
          QByteArray("src=\"Menu/tune.mid\""), QByteArray("--back:url(\"Menu/sky.jpg\")"),
          QByteArray("<a href=\"setup.exe\">Setup</a>"), QByteArray("<span class=\"size\">2.0\xC2\xA0KB</span>"),
          QByteArray("<a class=\"shot\" href=\"Menu/shot1.jpg\" aria-label=\"Full-size screenshot: Setup\">"),
          QByteArray("<h2 id=\"h0\">Docs</h2>")})
        QVERIFY2(page.contains(part), part.constData());
    QCOMPARE(readFile(path(QStringLiteral("cd/Index.hta"))), page);
}

void TestCliBuild::refusedBuildsLeaveEarlierFiles_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown menu") << "42"
                                  << ""
                                  << "There is no menu 42.";
    QTest::newRow("no entries") << "2"
                                << ""
                                << "has no entries";
    QTest::newRow("missing root") << "1"
                                  << "root missing"
                                  << "does not exist";
    QTest::newRow("root is a file") << "1"
                                    << "root a file"
                                    << "victim.txt is a file, not a folder.";
    QTest::newRow("root is a link loop") << "1"
                                         << "root a loop"
                                         << "loop is a link loop.";
    QTest::newRow("read-only root") << "1"
                                    << "root read-only"
                                    << "is read-only";
    QTest::newRow("missing media") << "1"
                                   << "media/tune.mid"
                                   << "tune.mid";
    QTest::newRow("missing starter") << "1"
                                     << "bin/Start.exe"
                                     << "Start.exe was not found";
    QTest::newRow("injected colour") << "1"
                                     << "LogoTop=0}body{background:url(http://evil.example/p)}x{"
                                     << "The style \"Ocean\" cannot be used: its logo position top";
    QTest::newRow("medium out of its style folder")
        << "1"
        << "Logofile=../../../media/logo.gif"
        << "The field Logofile of the style \"Ocean\" names ../../../media/logo.gif, which leads out of the style's "
           "folder";
}

void TestCliBuild::refusedBuildsLeaveEarlierFiles()
{
    QFETCH(QString, menu);
    QFETCH(QString, damage);
    QFETCH(QString, message);

    const QString cd = path(QStringLiteral("cd/"));
    const QHash<QString, QString> roots = {{QStringLiteral("root missing"), path(QStringLiteral("gone"))},
                                           {QStringLiteral("root a file"), path(QStringLiteral("victim.txt"))},
                                           {QStringLiteral("root a loop"), path(QStringLiteral("loop"))}};
    writeFile(path(QStringLiteral("victim.txt")), "not a folder");
    if (damage == QLatin1String("root a loop")) {
        if (!PosixFiles::available())
            QSKIP(PosixFiles::missing);
        QVERIFY(PosixFiles::link(QFile::encodeName(path(QStringLiteral("loop"))),
                                 QFile::encodeName(path(QStringLiteral("loop")))));
    }
    makeDatabase(roots.value(damage, path(QStringLiteral("cd"))));
    writeFile(cd + QStringLiteral("Index.htm"), "earlier page");
    writeFile(cd + QStringLiteral("Index.hta"), "earlier page");
    if (damage.startsWith(QLatin1String("media/")) || damage.startsWith(QLatin1String("bin/")))
        QVERIFY(QFile::remove(path(damage)));
    if (damage.startsWith(QLatin1String("LogoTop=")) || damage.startsWith(QLatin1String("Logofile=")))
        sqlite(QStringLiteral("UPDATE tblStyles SET %1='%2';").arg(damage.section('=', 0, 0), damage.section('=', 1)));
    if (damage == QLatin1String("root read-only"))
        QVERIFY(QFile::setPermissions(cd, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup));

    const Result build =
        velmora({QStringLiteral("build"), menu, QStringLiteral("--home"), path(QStringLiteral("home"))});
    QFile::setPermissions(cd, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(build.exitCode, 1);
    QVERIFY2(build.err.contains(message), qPrintable(build.err));
    QVERIFY(build.out.isEmpty());
    QCOMPARE(readFile(cd + QStringLiteral("Index.htm")), QByteArray("earlier page"));
    QCOMPARE(readFile(cd + QStringLiteral("Index.hta")), QByteArray("earlier page"));
    QVERIFY(!QFileInfo::exists(cd + QStringLiteral("Menu")));
    QVERIFY(!QFileInfo::exists(cd + QStringLiteral("AUTORUN.INF")));
}

void TestCliBuild::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no menu") << QStringList{QStringLiteral("build")};
    QTest::newRow("not a number") << QStringList{QStringLiteral("build"), QStringLiteral("one")};
    QTest::newRow("two menus") << QStringList{QStringLiteral("build"), QStringLiteral("1"), QStringLiteral("2")};
}

void TestCliBuild::badArguments()
{
    QFETCH(QStringList, arguments);
    const Result result = velmora(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(QLatin1String("build takes one argument")), qPrintable(result.err));
}

QTEST_GUILESS_MAIN(TestCliBuild)
#include "tst_clibuild.moc"
