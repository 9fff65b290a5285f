#include "core/data/DataError.h"
#include "core/generate/BuildChecks.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/PageWriter.h"
#include "tests/generate/MenuFixture.h"

#include <QProcess>
#include <QtTest>

#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Velmora on a hostile disc folder and data home: links, interrupted and concurrent first starts, markup in
// plain-text fields, colliding media, temporary files and the messages of each failure.
class TestSafety : public QObject
{
    Q_OBJECT

private slots:
    void linksAreReplacedNeverFollowed_data();
    void linksAreReplacedNeverFollowed();
    void mediaAreReadThroughLinks();
    void refusedBuildLeavesTheRootAsItWas_data();
    void refusedBuildLeavesTheRootAsItWas();
    void linksOutsideTheRoot_data();
    void linksOutsideTheRoot();
    void plainTextStaysPlain_data();
    void plainTextStaysPlain();
    void databaseFileOnFirstStart_data();
    void databaseFileOnFirstStart();
    void interruptedFirstStartIsRepaired();
    void concurrentFirstStartsMakeOneDatabase();
    void staleTemporaryFilesAreRemoved();
    void fileSizeLimitLeavesNoTemporaryFile();
    void messagesNameTheFile_data();
    void messagesNameTheFile();
    void readOnlyDatabaseIsNamed();
};

namespace {

const QString tmpPrefix = QStringLiteral(".velmora-tmp-");

// A stored menu (number 1) in a fresh fixture, built without the window.
struct Disc
{
    MenuFixture fixture;
    QString cd = fixture.cdFolder() + QLatin1Char('/');

    explicit Disc(const QString &templateName = MenuTemplate::standard(), StyleFields style = StyleFields::standard())
    {
        QDir(fixture.path(QStringLiteral("media"))).mkpath(QStringLiteral("."));
        style.styleName = QStringLiteral("Ocean");
        fixture.data().ExecuteSQL(Sql::insertStyle(style.values()));
        fixture.data().ExecuteSQL(Sql::insertMenu(templateName, QStringLiteral("My CD"), 1, fixture.cdFolder()));
        fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("Setup"), QStringLiteral("setup.exe"),
                         QStringLiteral("Installs it"), QVariant());
    }
    QString media(const QString &name, const QByteArray &bytes = "image") const
    {
        const QString path = fixture.path(QStringLiteral("media/")) + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        MenuFixture::writeFile(path, bytes);
        return path;
    }
    void setStyle(const StyleFields &style)
    {
        QStringList assignments;
        for (const QString &column : Sql::styleColumns())
            assignments.append(column + QStringLiteral("=?"));
        QVariantList values;
        for (const QString &value : style.values())
            values.append(value);
        fixture.data().ExecuteSQL({QStringLiteral("UPDATE tblStyles SET %1").arg(assignments.join(',')), values});
    }
    StepResult build() { return MenuBuild(fixture.store()).runStored(1, fixture.programFolder()); }
    // Finish in the window: every step but the style's, which the window wrote when the style was saved.
    QStringList finish(const MenuSnapshot &snapshot)
    {
        MenuBuild build(fixture.store());
        const StepResult result = build.run(snapshot, MenuBuild::finishSteps, MenuBuild::OnFailure::Continue);
        return result ? QStringList() : result.error.split(QStringLiteral("\r\n"));
    }
    QStringList temporaries() const
    {
        QStringList found;
        for (const QString &folder : {cd, cd + QStringLiteral("Menu")})
            found += QDir(folder).entryList({tmpPrefix + '*'}, QDir::AllEntries | QDir::Hidden | QDir::System);
        return found;
    }
};

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run velmora(const QStringList &arguments, const QMap<QString, QString> &environment = {},
            const QStringList &removed = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("VELMORA_HOME"));
    for (const QString &name : removed)
        env.remove(name);
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELMORA_BIN), arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("velmora did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

bool isRegularFile(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

void TestSafety::linksAreReplacedNeverFollowed_data()
{
    QTest::addColumn<QString>("name");   // in the CD root
    QTest::addColumn<bool>("dangling");  // the link names a file that does not exist
    QTest::addColumn<bool>("viaWindow"); // Finish of the window rather than velmora build
    QTest::newRow("page") << "Index.htm" << false << false;
    QTest::newRow("application page") << "Index.hta" << false << false;
    QTest::newRow("dangling starter") << "Start.exe" << true << false;
    QTest::newRow("autorun file") << "AUTORUN.INF" << false << false;
    QTest::newRow("stylesheet") << "Menu/Styles.css" << false << false;
    QTest::newRow("media copy") << "Menu/logo.gif" << true << false;
    QTest::newRow("page, window") << "Index.htm" << false << true;
    QTest::newRow("application page, window") << "Index.hta" << true << true;
}

void TestSafety::linksAreReplacedNeverFollowed()
{
    QFETCH(QString, name);
    QFETCH(bool, dangling);
    QFETCH(bool, viaWindow);
    Disc disc;
    StyleFields style = StyleFields::standard();
    style.logoFile = disc.media(QStringLiteral("logo.gif"));
    disc.setStyle(style);
    QDir(disc.cd).mkpath(QStringLiteral("Menu"));
    const QString precious = disc.fixture.path(QStringLiteral("precious.txt"));
    if (!dangling)
        MenuFixture::writeFile(precious, "precious");
    QVERIFY(QFile::link(precious, disc.cd + name));

    if (viaWindow) {
        MenuSnapshot snapshot = disc.fixture.snapshot(MenuTemplate::standard());
        const QStringList failures = disc.finish(snapshot);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    } else {
        const StepResult built = disc.build();
        QVERIFY2(built.ok, qPrintable(built.error));
    }
    QVERIFY2(isRegularFile(disc.cd + name), "the link was kept");
    if (dangling)
        QVERIFY(!QFileInfo::exists(precious));
    else
        QCOMPARE(MenuFixture::readFile(precious), QByteArray("precious"));
    QVERIFY(disc.temporaries().isEmpty());
}

void TestSafety::mediaAreReadThroughLinks()
{
    Disc disc;
    StyleFields style = StyleFields::standard();
    const QString real = disc.media(QStringLiteral("real/sky.jpg"), "sky");
    style.backImage = disc.fixture.path(QStringLiteral("media/sky.jpg"));
    QVERIFY(QFile::link(real, style.backImage));
    disc.setStyle(style);
    const StepResult built = disc.build();
    QVERIFY2(built.ok, qPrintable(built.error));
    QVERIFY(isRegularFile(disc.cd + QStringLiteral("Menu/sky.jpg")));
    QCOMPARE(MenuFixture::readFile(disc.cd + QStringLiteral("Menu/sky.jpg")), QByteArray("sky"));
}

void TestSafety::refusedBuildLeavesTheRootAsItWas_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("message"); // every part must be in the message
    QTest::newRow("media named like the stylesheet")
        << "styles media" << QStringList{"media/Styles.css", "Menu/Styles.css"};
    QTest::newRow("two media of one name") << "same name" << QStringList{"a/pic.gif", "b/PIC.gif", "same name"};
    QTest::newRow("media that is a pipe") << "fifo media" << QStringList{"pipe.gif", "not a regular file"};
    QTest::newRow("application page is a folder") << "hta folder" << QStringList{"Index.hta is a folder"};
    QTest::newRow("entry links outside") << "outside link" << QStringList{"\"Setup\"", "../x.exe", "outside"};
    QTest::newRow("Menu links elsewhere") << "menu link" << QStringList{"/Menu is a link"};
    QTest::newRow("Menu is a dangling link") << "dangling menu" << QStringList{"/Menu is a link"};
    QTest::newRow("Menu is a pipe") << "menu fifo" << QStringList{"/Menu is not a folder"};
}

void TestSafety::refusedBuildLeavesTheRootAsItWas()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, message);
    Disc disc;
    const QString elsewhere = disc.fixture.path(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    const bool menuDamaged = damage.startsWith(QLatin1String("menu")) || damage == QLatin1String("dangling menu");
    if (damage == QLatin1String("menu link"))
        QVERIFY(QFile::link(elsewhere, disc.cd + QStringLiteral("Menu")));
    else if (damage == QLatin1String("dangling menu"))
        QVERIFY(QFile::link(elsewhere + QStringLiteral("/gone"), disc.cd + QStringLiteral("Menu")));
    else if (damage == QLatin1String("menu fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(disc.cd + QStringLiteral("Menu")).constData(), 0644), 0);
    else
        QVERIFY(QDir(disc.cd).mkpath(QStringLiteral("Menu")));
    if (!menuDamaged)
        MenuFixture::writeFile(disc.cd + QStringLiteral("Menu/Styles.css"), "earlier stylesheet");
    MenuFixture::writeFile(disc.cd + QStringLiteral("Index.htm"), "earlier page");

    StyleFields style = StyleFields::standard();
    if (damage == QLatin1String("styles media"))
        style.backImage = disc.media(QStringLiteral("Styles.css"));
    if (damage == QLatin1String("same name")) {
        style.buttonOnImage = disc.media(QStringLiteral("a/pic.gif"));
        style.buttonOffImage = disc.media(QStringLiteral("b/PIC.gif"));
    }
    if (damage == QLatin1String("fifo media")) {
        style.logoFile = disc.fixture.path(QStringLiteral("media/pipe.gif"));
        QCOMPARE(::mkfifo(QFile::encodeName(style.logoFile).constData(), 0644), 0);
    }
    disc.setStyle(style);
    if (damage == QLatin1String("hta folder"))
        QVERIFY(QDir(disc.cd).mkpath(QStringLiteral("Index.hta")));
    if (damage == QLatin1String("outside link"))
        disc.fixture.data().ExecuteSQL({QStringLiteral("UPDATE tblDetails SET FileLink='docs/../../x.exe'"), {}});

    const StepResult built = disc.build();
    QVERIFY(!built.ok);
    for (const QString &part : message)
        QVERIFY2(built.error.contains(part), qPrintable(built.error));
    QCOMPARE(MenuFixture::readFile(disc.cd + QStringLiteral("Index.htm")), QByteArray("earlier page"));
    if (!menuDamaged)
        QCOMPARE(MenuFixture::readFile(disc.cd + QStringLiteral("Menu/Styles.css")), QByteArray("earlier stylesheet"));
    QVERIFY(QDir(elsewhere).isEmpty());
    for (const char *name : {"AUTORUN.INF", "Start.exe"})
        QVERIFY(!QFileInfo::exists(disc.cd + QLatin1String(name)));

    // The window's Finish refuses the same root before writing the page.
    if (damage != QLatin1String("fifo media")) {
        MenuSnapshot snapshot = disc.fixture.snapshot(MenuTemplate::standard());
        snapshot.style = style;
        const QStringList failures = disc.finish(snapshot);
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.first().contains(message.last()), qPrintable(failures.first()));
        QCOMPARE(MenuFixture::readFile(disc.cd + QStringLiteral("Index.htm")), QByteArray("earlier page"));
    }
}

void TestSafety::linksOutsideTheRoot_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("outside");
    QTest::addColumn<QByteArray>("written"); // as the Extended page writes it
    QTest::newRow("plain") << "docs/readme.txt" << false << QByteArray("href=docs/readme.txt>");
    QTest::newRow("climbs back in") << "docs/../readme.txt" << false << QByteArray("href=docs/../readme.txt>");
    QTest::newRow("script scheme") << "javascript:alert(1)" << false << QByteArray("href=./javascript:alert(1)>");
    QTest::newRow("web address") << "http://example.com/x" << false << QByteArray("href=./http://example.com/x>");
    QTest::newRow("parent") << "../secret.txt" << true << QByteArray();
    QTest::newRow("climbs out") << "docs/../../secret.txt" << true << QByteArray();
    QTest::newRow("absolute") << "/etc/passwd" << true << QByteArray();
    QTest::newRow("drive") << "C:/Windows/x.exe" << true << QByteArray();
    QTest::newRow("backslash") << "\\\\server\\share" << true << QByteArray();
}

void TestSafety::linksOutsideTheRoot()
{
    QFETCH(QString, link);
    QFETCH(bool, outside);
    QFETCH(QByteArray, written);
    QCOMPARE(BuildChecks::isOutsideRoot(link), outside);
    Disc disc(MenuTemplate::extended());
    disc.fixture.data().ExecuteSQL({QStringLiteral("UPDATE tblDetails SET FileLink=?"), {link}});
    const StepResult built = disc.build();
    QCOMPARE(built.ok, !outside);
    if (outside) {
        QVERIFY2(built.error.contains(link), qPrintable(built.error));
        // Found while the page is made, yet before the stylesheet is written: the root is as it was.
        QVERIFY(!QFileInfo::exists(disc.cd + QStringLiteral("Index.htm")));
        QVERIFY(!QFileInfo::exists(disc.cd + QStringLiteral("Menu/Styles.css")));
        QVERIFY(disc.temporaries().isEmpty());
    }
    // The page writers alone never let a link leave the CD either, the Modern one included.
    for (const QString &templateName : {MenuTemplate::extended(), MenuTemplate::modern()}) {
        QString error;
        const std::optional<QByteArray> page = disc.fixture.page(disc.fixture.snapshot(templateName), &error);
        QCOMPARE(bool(page), !outside);
        if (outside)
            QVERIFY2(error.contains(link), qPrintable(error));
        else if (templateName == MenuTemplate::extended())
            QVERIFY2(page->contains(written), page->constData());
    }
}

void TestSafety::plainTextStaysPlain_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("field"); // title, entry, category or description
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArrayList>("present");
    QTest::addColumn<QByteArrayList>("absent");
    const QString img = QStringLiteral("<img src=x onerror=alert(1)>");
    const QByteArray escaped = "&lt;img src=x onerror=alert(1)&gt;";
    QTest::newRow("menu title comment") << MenuTemplate::standard() << "title"
                                        << "Tips <!-- and tricks" << QByteArrayList{"<h2>Tips &lt;!-- and tricks</h2>"}
                                        << QByteArrayList{"<!--"};
    for (const QString &layout : MenuTemplate::names()) {
        const QByteArray name = layout.toUtf8();
        QTest::newRow(name + ": menu title")
            << layout << "title" << img << QByteArrayList{"<h2>" + escaped + "</h2>"} << QByteArrayList{"<img src=x"};
        QTest::newRow(name + ": entry title")
            << layout << "entry" << img << QByteArrayList{">" + escaped + "</"} << QByteArrayList{"<img src=x"};
        QTest::newRow(name + ": category")
            << layout << "category" << img << QByteArrayList{} << QByteArrayList{"<img src=x"};
        QTest::newRow(name + ": ampersand")
            << layout << "entry"
            << "Tips & Tricks" << QByteArrayList{">Tips &amp; Tricks</"} << QByteArrayList{"Tips & "};
        QTest::newRow(name + ": plain text as typed")
            << layout << "title"
            << "Tom's \"Tools\" 100%" << QByteArrayList{"<h2>Tom's \"Tools\" 100%</h2>"} << QByteArrayList{"&#"};
    }
    QTest::newRow("Extended: category in markup")
        << MenuTemplate::extended() << "category" << img
        << QByteArrayList{"onclick='displayCat(0)'>" + escaped + "</p>"} << QByteArrayList{"<img src=x"};
    QTest::newRow("Standard: entry title in the script")
        << MenuTemplate::standard() << "entry" << img << QByteArrayList{"<a href=setup.exe>" + escaped + "</a>';"}
        << QByteArrayList{"<img src=x"};
    QTest::newRow("Extended: description keeps markup")
        << MenuTemplate::extended() << "description"
        << "<b>bold</b><br>" << QByteArrayList{"<p><b>bold</b><br></p>"} << QByteArrayList{"&lt;b"};
}

void TestSafety::plainTextStaysPlain()
{
    QFETCH(QString, templateName);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QByteArrayList, present);
    QFETCH(QByteArrayList, absent);
    MenuFixture fixture;
    fixture.addEntry(1, field == QLatin1String("category") ? text : QStringLiteral("Tools"),
                     field == QLatin1String("entry") ? text : QStringLiteral("Setup"), QStringLiteral("setup.exe"),
                     field == QLatin1String("description") ? text : QStringLiteral("Installs it"), QVariant());
    MenuSnapshot snapshot = fixture.snapshot(templateName);
    if (field == QLatin1String("title"))
        snapshot.title = text;
    QString error;
    const std::optional<QByteArray> page = fixture.page(snapshot, &error);
    QVERIFY2(page, qPrintable(error));
    for (const QByteArray &part : present)
        QVERIFY2(page->contains(part), part.constData());
    for (const QByteArray &part : absent)
        QVERIFY2(!page->contains(part), part.constData());
}

void TestSafety::databaseFileOnFirstStart_data()
{
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("refusal"); // empty: the file is used
    QTest::newRow("nothing") << ""
                             << "";
    QTest::newRow("what a stopped start left") << "stale"
                                               << "";
    QTest::newRow("empty file") << "empty"
                                << "";
    QTest::newRow("database without tables") << "no tables"
                                             << "";
    QTest::newRow("text file") << "text"
                               << "is not a Velmora database";
    QTest::newRow("database of another program") << "other tables"
                                                 << "has no table tblMenus";
    QTest::newRow("folder") << "folder"
                            << "Velmora.dat is a folder";
    QTest::newRow("dangling link") << "dangling"
                                   << "does not exist";
}

void TestSafety::databaseFileOnFirstStart()
{
    QFETCH(QString, found);
    QFETCH(QString, refusal);
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Velmora.dat"));
    if (found == QLatin1String("empty") || found == QLatin1String("text"))
        MenuFixture::writeFile(path, found == QLatin1String("text") ? "shopping list\n" : "");
    if (found == QLatin1String("no tables") || found == QLatin1String("other tables")) {
        SqliteConnection made(path, SqliteConnection::Mode::Create);
        made.execute(found == QLatin1String("no tables") ? QStringLiteral("PRAGMA user_version=1")
                                                         : QStringLiteral("CREATE TABLE notes (x)"));
    }
    if (found == QLatin1String("stale"))
        MenuFixture::writeFile(home.filePath(tmpPrefix + QStringLiteral("2147483646-1a2b3c-Velmora.dat")), "half");
    if (found == QLatin1String("folder"))
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Velmora.dat")));
    if (found == QLatin1String("dangling"))
        QVERIFY(QFile::link(home.filePath(QStringLiteral("gone")), path));
    const QByteArray before = MenuFixture::readFile(path);
    try {
        DatabaseFile::prepare(path);
        QVERIFY2(refusal.isEmpty(), "the file should have been refused");
        QCOMPARE(clsData(path).GetRS(Sql::selectMenus()).recordCount(), 0);
    } catch (const DataError &error) {
        QVERIFY2(!refusal.isEmpty(), qPrintable(error.message()));
        QVERIFY2(error.message().contains(refusal) && error.message().contains(QDir::toNativeSeparators(path)),
                 qPrintable(error.message()));
        QCOMPARE(MenuFixture::readFile(path), before);
        QCOMPARE(QFileInfo(path).isDir(), found == QLatin1String("folder"));
    }
    // The temporary database of the creation never stays.
    QCOMPARE(QDir(home.path()).entryList({tmpPrefix + '*'}, QDir::Files | QDir::Hidden), QStringList());
}

void TestSafety::interruptedFirstStartIsRepaired()
{
    // A start killed while it filled Velmora.dat leaves a partly written file and the journal to undo it.
    QTemporaryDir home;
    const QByteArray path = QFile::encodeName(home.filePath(QStringLiteral("Velmora.dat")));
    const pid_t child = ::fork();
    if (child == 0) {
        sqlite3 *db = nullptr;
        sqlite3_open(path.constData(), &db);
        sqlite3_exec(db,
                     "PRAGMA cache_size=1; BEGIN; CREATE TABLE tblMenus (x); WITH RECURSIVE n(i) AS (SELECT 1 UNION "
                     "ALL SELECT i+1 FROM n WHERE i<300) INSERT INTO tblMenus SELECT randomblob(900) FROM n;",
                     nullptr, nullptr, nullptr);
        ::raise(SIGKILL);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("Velmora.dat-journal"))));
    QVERIFY(QFileInfo(home.filePath(QStringLiteral("Velmora.dat"))).size() > 0);

    const Run list = velmora({QStringLiteral("--home"), home.path(), QStringLiteral("list")});
    QVERIFY2(list.exitCode == 0, qPrintable(list.err));
    QCOMPARE(clsData(QString::fromLocal8Bit(path)).GetRS(Sql::selectMenus()).recordCount(), 0);
}

void TestSafety::concurrentFirstStartsMakeOneDatabase()
{
    for (int round = 0; round < 12; ++round) {
        QTemporaryDir parent;
        const QString home = parent.filePath(QStringLiteral("home"));
        std::vector<std::unique_ptr<QProcess>> starts;
        for (int i = 0; i < 3; ++i) {
            starts.push_back(std::make_unique<QProcess>());
            starts.back()->start(QStringLiteral(VELMORA_BIN), {QStringLiteral("--home"), home, QStringLiteral("list")});
        }
        for (auto &start : starts) {
            QVERIFY(start->waitForFinished(30000));
            QVERIFY2(start->exitCode() == 0, start->readAllStandardError().constData());
        }
        QCOMPARE(QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Velmora.dat")});
        DatabaseFile::prepare(home + QStringLiteral("/Velmora.dat"));
    }
}

void TestSafety::staleTemporaryFilesAreRemoved()
{
    Disc disc;
    QVERIFY(QDir(disc.cd).mkpath(QStringLiteral("Menu")));
    // No process has this number; process 1 always runs, so its file may be a build under way.
    const QString stale = tmpPrefix + QStringLiteral("2147483646-1a2b3c-Index.hta");
    const QString running = tmpPrefix + QStringLiteral("1-4d5e6f-Index.htm");
    for (const QString &name : {disc.cd + stale, disc.cd + QStringLiteral("Menu/") + stale, disc.cd + running})
        MenuFixture::writeFile(name, "half a page");
    const StepResult built = disc.build();
    QVERIFY2(built.ok, qPrintable(built.error));
    QCOMPARE(disc.temporaries(), QStringList{running});
}

void TestSafety::fileSizeLimitLeavesNoTemporaryFile()
{
    // Through the program, as the limit is a property of the process.
    Disc disc;
    QList<QStringList> entries;
    for (int i = 0; i < 400; ++i)
        entries.append({QStringLiteral("Tools"), QStringLiteral("Entry %1").arg(i), QStringLiteral("setup.exe")});
    disc.fixture.addEntries(1, entries);
    MenuFixture::writeFile(disc.cd + QStringLiteral("Index.htm"), "earlier page");
    const QString home = QFileInfo(disc.fixture.databasePath()).absolutePath();
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("ulimit -f 20; exec \"$0\" --home \"$1\" build 1"),
                 QStringLiteral(VELMORA_BIN), home});
    QVERIFY(shell.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(shell.readAllStandardError());
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    QCOMPARE(shell.exitCode(), 1);
    QVERIFY2(err.contains(QLatin1String("File too large")) && err.contains(QLatin1String("Index.htm")),
             qPrintable(err));
    QCOMPARE(MenuFixture::readFile(disc.cd + QStringLiteral("Index.htm")), QByteArray("earlier page"));
    QCOMPARE(disc.temporaries(), QStringList());
}

void TestSafety::messagesNameTheFile_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("arguments"); // <home> stands for the data home
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected"); // in stderr, or the whole of stdout for exit code 0
    const QStringList list{QStringLiteral("--home"), QStringLiteral("<home>"), QStringLiteral("list")};
    QTest::newRow("locked database") << "locked" << list << 1 << "Velmora.dat is locked";
    QTest::newRow("permission denied") << "unreadable" << list << 1 << "Velmora.dat: Permission denied";
    QTest::newRow("not a database") << "text" << list << 1 << "Velmora.dat is not a Velmora database";
    QTest::newRow("database is a folder") << "folder" << list << 1 << "Velmora.dat is a folder";
    QTest::newRow("data home is a file") << "home file" << QStringList{QStringLiteral("list")} << 1
                                         << "Cannot create the data folder <home>: <home> is a file";
    QTest::newRow("empty --home") << "" << QStringList{QStringLiteral("--home"), QString(), QStringLiteral("list")} << 2
                                  << "--home needs";
    QTest::newRow("empty VELMORA_HOME") << "empty env" << QStringList{QStringLiteral("list")} << 2
                                        << "VELMORA_HOME is set but empty";
    QTest::newRow("title with line breaks") << "two lines" << list << 0 << "1: Two\\x0D\\x0Alines\\x0Ahere (en)\n";
    QTest::newRow("window without display") << "no display" << QStringList{} << 1 << "no display";
    QTest::newRow("help without display") << "no display" << QStringList{QStringLiteral("--help")} << 0 << "";
    QTest::newRow("list without display") << "no display" << list << 0 << "";
}

void TestSafety::messagesNameTheFile()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    if (setup == QLatin1String("unreadable") && ::geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    QTemporaryDir parent;
    QString home = parent.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    const QString database = home + QStringLiteral("/Velmora.dat");
    QMap<QString, QString> environment;
    QStringList removed;
    if (setup == QLatin1String("home file")) {
        home = parent.filePath(QStringLiteral("hostname"));
        MenuFixture::writeFile(home, "host\n");
        environment.insert(QStringLiteral("VELMORA_HOME"), home);
    }
    if (setup == QLatin1String("empty env"))
        environment.insert(QStringLiteral("VELMORA_HOME"), QString());
    if (setup == QLatin1String("no display"))
        removed = QStringList{QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                              QStringLiteral("QT_QPA_PLATFORM")};
    if (setup == QLatin1String("text"))
        MenuFixture::writeFile(database, "shopping list\n");
    if (setup == QLatin1String("folder"))
        QVERIFY(QDir(home).mkdir(QStringLiteral("Velmora.dat")));
    std::unique_ptr<SqliteConnection> holder;
    if (setup == QLatin1String("locked") || setup == QLatin1String("unreadable") ||
        setup == QLatin1String("two lines") || setup == QLatin1String("no display")) {
        DatabaseFile::prepare(database);
        if (setup == QLatin1String("two lines"))
            clsData(database).ExecuteSQL(Sql::insertMenu(MenuTemplate::standard(), QStringLiteral("Two\r\nlines\nhere"),
                                                         1, QStringLiteral("/cd")));
        if (setup == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(database, QFileDevice::Permissions()));
        if (setup == QLatin1String("locked")) {
            holder = std::make_unique<SqliteConnection>(database);
            holder->execute(QStringLiteral("BEGIN EXCLUSIVE"));
        }
    }
    for (QString &argument : arguments)
        argument.replace(QLatin1String("<home>"), home);
    const Run run = velmora(arguments, environment, removed);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0 && !expected.isEmpty())
        QCOMPARE(run.out, expected);
    else if (exitCode != 0)
        QVERIFY2(run.err.contains(QString(expected).replace(QLatin1String("<home>"), home)), qPrintable(run.err));
}

void TestSafety::readOnlyDatabaseIsNamed()
{
    if (::geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(path);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    try {
        clsData(path).ExecuteSQL(Sql::insertMenu(MenuTemplate::standard(), QStringLiteral("CD"), 1, QString()));
        QFAIL("a read-only database took a row");
    } catch (const DataError &error) {
        QVERIFY2(error.message().contains(path) && error.message().contains(QLatin1String("read-only")),
                 qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestSafety)
#include "tst_safety.moc"
