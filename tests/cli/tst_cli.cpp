#include "tests/common/PosixFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Runs the built velmora program as a user would, against databases made with the sqlite3 shell.
class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion();
    void listPrintsMenusInDatabaseOrder();
    void listOnAFreshHomeCreatesTheDatabase();
    void listRefusesAForeignFile();
    void listLeavesOutForeignMenuRows();
    void listRefusesALinkLoop();
    void badArgumentsAreReported_data();
    void badArgumentsAreReported();
    void languageFollowsSystemAndOption_data();
    void languageFollowsSystemAndOption();

private:
    struct Result
    {
        int exitCode;
        QString out;
        QString err;
    };
    // environment: "NAME=value" settings for the run; "NAME=" removes the variable.
    static Result velmora(const QStringList &arguments, const QStringList &environment = {});
    static void sqlite(const QString &database, const QString &script);
    static QString entryAndStyleTables();
};

TestCli::Result TestCli::velmora(const QStringList &arguments, const QStringList &settings)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("VELMORA_HOME"));
    for (const QString &setting : settings) {
        const QString name = setting.section(QLatin1Char('='), 0, 0);
        const QString value = setting.section(QLatin1Char('='), 1);
        if (value.isEmpty())
            environment.remove(name);
        else
            environment.insert(name, value);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_BIN), arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}, QStringLiteral("velmora did not finish")};
    // Windows ends the lines a program writes with CR LF.
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).replace("\r\n", "\n"),
            QString::fromUtf8(process.readAllStandardError()).replace("\r\n", "\n")};
}

// tblDetails and tblStyles as another tool makes them, for a tblMenus of the test's own.
QString TestCli::entryAndStyleTables()
{
    return QStringLiteral(
        "CREATE TABLE tblDetails (MenuNo INTEGER, Category TEXT, FileName TEXT, FileLink TEXT, Description TEXT, "
        "Screenshot TEXT);"
        "CREATE TABLE tblStyles (StyleID INTEGER PRIMARY KEY AUTOINCREMENT, StyleName TEXT, BackColor TEXT, "
        "BackImage TEXT, Soundfile TEXT, Logofile TEXT, LogoTop TEXT, LogoLeft TEXT, ButtonOnImage TEXT, "
        "ButtonOffImage TEXT, TitleFont TEXT, TitleColor TEXT, ButtonFont TEXT, ButtonColor TEXT, TextFont TEXT, "
        "TextColor TEXT, HyperFont TEXT, HyperColor TEXT, HyperColorA TEXT);");
}

void TestCli::sqlite(const QString &database, const QString &script)
{
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {database});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    QVERIFY(shell.waitForFinished(30000));
    QCOMPARE(shell.exitCode(), 0);
}

void TestCli::helpAndVersion()
{
    const Result version = velmora({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out.trimmed(), QStringLiteral("Velmora Wizard 2.0.0"));

    const Result help = velmora({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains(QLatin1String("--home")));
    QVERIFY(help.out.contains(QLatin1String("list")));
}

void TestCli::listPrintsMenusInDatabaseOrder()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        QSKIP("the sqlite3 shell is not installed");
    QTemporaryDir home;
    sqlite(home.filePath(QStringLiteral("Velmora.dat")),
           QStringLiteral("CREATE TABLE tblMenus (MenuID INTEGER PRIMARY KEY AUTOINCREMENT, Template TEXT, "
                          "Title TEXT, StyleNo INTEGER, Root TEXT);") +
               entryAndStyleTables() +
               QStringLiteral("INSERT INTO tblMenus VALUES (2, 'Standard', 'Tools', 1, '/cd/tools');"
                              "INSERT INTO tblMenus VALUES (7, 'Extended', 'Summer CD', 1, '/cd/summer');"
                              "INSERT INTO tblMenus VALUES (5, 'Extended', 'Ürün''s disc', 1, '/cd/u');"));

    const Result list = velmora({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out, QStringLiteral(u"2: Tools (en)\n5: Ürün's disc (en)\n7: Summer CD (en)\n"));
    QVERIFY(list.err.isEmpty());

    // The first start gave the database the menus' language; a stored one is listed.
    sqlite(home.filePath(QStringLiteral("Velmora.dat")),
           QStringLiteral("UPDATE tblMenus SET Language='de' WHERE MenuID=7;"));
    QCOMPARE(velmora({QStringLiteral("list"), QStringLiteral("--home"), home.path()}).out,
             QStringLiteral(u"2: Tools (en)\n5: Ürün's disc (en)\n7: Summer CD (de)\n"));

    // Control characters in a title do not reach the terminal as they are.
    sqlite(home.filePath(QStringLiteral("Velmora.dat")),
           QStringLiteral(
               "UPDATE tblMenus SET Title='a'||char(27)||'[2J'||char(10)||'b'||char(155)||'c' WHERE MenuID=2;"));
    QCOMPARE(velmora({QStringLiteral("list"), QStringLiteral("--home"), home.path()}).out.split('\n').first(),
             QStringLiteral("2: a\\x1B[2J\\x0Ab\\x9Bc (en)"));
}

// Rows that another tool wrote with a MenuID no command can reach are not listed as menus; the file is not changed.
void TestCli::listLeavesOutForeignMenuRows()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        QSKIP("the sqlite3 shell is not installed");
    QTemporaryDir home;
    const QString database = home.filePath(QStringLiteral("Velmora.dat"));
    sqlite(database,
           QStringLiteral("CREATE TABLE tblMenus (MenuID, Template TEXT, Title TEXT, StyleNo INTEGER, Root TEXT, "
                          "Language TEXT);") +
               entryAndStyleTables() +
               QStringLiteral("INSERT INTO tblMenus VALUES (3, 'Standard', 'Good', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES ('abc', 'Standard', 'Text', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES ('1', 'Standard', 'Text one', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES ('1', 'Standard', 'Text one again', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES (NULL, 'Standard', 'Null', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES (2.5, 'Standard', 'Real', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES (x'01', 'Standard', 'Blob', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES (0, 'Standard', 'Zero', 1, '/cd', 'en');"
                              "INSERT INTO tblMenus VALUES (3, 'Standard', 'Twin', 1, '/cd', 'en');"));
    const QByteArray before = [&] {
        QFile file(database);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const Result list = velmora({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out,
             QStringLiteral("3: Good (en)\nLeft out 8 of the rows of tblMenus: their MenuID is not a positive "
                            "whole number, or an earlier row has it, so no command can reach them.\n"));
    QFile file(database);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestCli::listOnAFreshHomeCreatesTheDatabase()
{
    QTemporaryDir parent;
    const QString home = parent.filePath(QStringLiteral("fresh"));
    const Result list = velmora({QStringLiteral("--home"), home, QStringLiteral("list")});
    QCOMPARE(list.exitCode, 0);
    QVERIFY(list.out.isEmpty());
    QVERIFY(QFileInfo::exists(home + QStringLiteral("/Velmora.dat")));
}

void TestCli::listRefusesAForeignFile()
{
    QTemporaryDir home;
    QFile file(home.filePath(QStringLiteral("Velmora.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("shopping list\n");
    file.close();

    const Result list = velmora({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
    QCOMPARE(list.exitCode, 1);
    QVERIFY2(list.err.contains(QLatin1String("Velmora.dat is not a Velmora database")), qPrintable(list.err));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("shopping list\n"));
}

void TestCli::listRefusesALinkLoop()
{
    if (!PosixFiles::available())
        QSKIP(PosixFiles::missing);
    QTemporaryDir home;
    QVERIFY(PosixFiles::link("Velmora.dat", QFile::encodeName(home.filePath(QStringLiteral("Velmora.dat")))));
    const Result list = velmora({QStringLiteral("list"), QStringLiteral("--home"), home.path()});
    QCOMPARE(list.exitCode, 1);
    QVERIFY2(list.err.contains(QLatin1String("Velmora.dat is a link loop")), qPrintable(list.err));
}

void TestCli::badArgumentsAreReported_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")}
                                     << QStringLiteral("Unknown command: frobnicate");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour")} << QStringLiteral("colour");
    QTest::newRow("home without folder") << QStringList{QStringLiteral("--home")} << QStringLiteral("home");
    QTest::newRow("zoom too small") << QStringList{QStringLiteral("--zoom"), QStringLiteral("20")}
                                    << QStringLiteral("--zoom needs a whole percentage from 50 to 400");
    QTest::newRow("zoom not a number") << QStringList{QStringLiteral("--zoom=big"), QStringLiteral("list")}
                                       << QStringLiteral("--zoom needs a whole percentage");
    QTest::newRow("list with arguments") << QStringList{QStringLiteral("list"), QStringLiteral("7")}
                                         << QStringLiteral("list takes no arguments");
    QTest::newRow("menu number too large")
        << QStringList{"build", "99999999999999999999999"} << "99999999999999999999999 is too large for a menu number";
    QTest::newRow("negative menu number")
        << QStringList{"build", "-1"} << "-1 is not a menu number: menus are numbered from 1";
    QTest::newRow("negative menu number to check") << QStringList{"check", "-12"} << "-12 is not a menu number";
    QTest::newRow("empty category") << QStringList{"add", "1", "--category", "", "x"} << "--category needs a text";
    QTest::newRow("blank category") << QStringList{"add", "1", "--category= ", "x"} << "--category needs a text";
    QTest::newRow("an escape sequence in a command") << QStringList{"\x1b[2J"} << "Unknown command: \\x1B[2J";
}

void TestCli::badArgumentsAreReported()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Result result = velmora(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestCli::languageFollowsSystemAndOption_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected"); // in stdout and stderr together
    const QStringList german{QStringLiteral("LANGUAGE="), QStringLiteral("LC_ALL="), QStringLiteral("LC_MESSAGES="),
                             QStringLiteral("LANG=de_DE.UTF-8")};
    const QStringList listSeven{QStringLiteral("list"), QStringLiteral("7")};
    QTest::newRow("German desktop") << german << listSeven << 2
                                    << QStringLiteral("list nimmt keine Argumente.\nVersuchen Sie 'velmora --help'.");
    QTest::newRow("English before German") << german + QStringList{QStringLiteral("LANGUAGE=en:de")} << listSeven << 2
                                           << QStringLiteral("list takes no arguments.\nTry 'velmora --help'.");
    QTest::newRow("--lang over the desktop")
        << german << QStringList{QStringLiteral("--lang"), QStringLiteral("fr")} + listSeven << 2
        << QStringLiteral("list ne prend aucun argument.");
    QTest::newRow("Spanish help") << german << QStringList{QStringLiteral("--lang=es"), QStringLiteral("--help")} << 0
                                  << QStringLiteral("Mostrar esta ayuda y salir.");
    QTest::newRow("no translation: English")
        << german << QStringList{QStringLiteral("--lang"), QStringLiteral("it")} + listSeven << 2
        << QStringLiteral("list takes no arguments.");
    QTest::newRow("not a language")
        << german << QStringList{QStringLiteral("--lang"), QStringLiteral("xx"), QStringLiteral("list")} << 2
        << QStringLiteral("--lang braucht einen Sprachcode wie de, fr oder es, nicht „xx“.");
}

void TestCli::languageFollowsSystemAndOption()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    if (QSysInfo::productType() == QLatin1String("windows") && environment.join(' ').contains(QLatin1String("LANG")))
        QSKIP("Windows takes the language from the user's display language, not from LANGUAGE, LC_ALL or LANG.");
    QTemporaryDir home;
    const Result result = velmora(QStringList{QStringLiteral("--home"), home.path()} + arguments, environment);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2((result.out + result.err).contains(expected), qPrintable(result.out + result.err));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
