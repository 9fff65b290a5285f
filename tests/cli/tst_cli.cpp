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
                          "Title TEXT, StyleNo INTEGER, Root TEXT);"
                          "CREATE TABLE tblDetails (MenuNo INTEGER, Category TEXT, FileName TEXT, FileLink TEXT, "
                          "Description TEXT, Screenshot TEXT);"
                          "CREATE TABLE tblStyles (StyleID INTEGER PRIMARY KEY AUTOINCREMENT, StyleName TEXT, "
                          "BackColor TEXT, BackImage TEXT, Soundfile TEXT, Logofile TEXT, LogoTop TEXT, LogoLeft TEXT, "
                          "ButtonOnImage TEXT, ButtonOffImage TEXT, TitleFont TEXT, TitleColor TEXT, ButtonFont TEXT, "
                          "ButtonColor TEXT, TextFont TEXT, TextColor TEXT, HyperFont TEXT, HyperColor TEXT, "
                          "HyperColorA TEXT);"
                          "INSERT INTO tblMenus VALUES (2, 'Standard', 'Tools', 1, '/cd/tools');"
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
