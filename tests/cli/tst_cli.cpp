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

private:
    struct Result
    {
        int exitCode;
        QString out;
        QString err;
    };
    static Result velmora(const QStringList &arguments);
    static void sqlite(const QString &database, const QString &script);
};

TestCli::Result TestCli::velmora(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("VELMORA_HOME"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_BIN), arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}, QStringLiteral("velmora did not finish")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
    QCOMPARE(list.out, QStringLiteral(u"2: Tools\n5: Ürün's disc\n7: Summer CD\n"));
    QVERIFY(list.err.isEmpty());
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

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
