#include "core/data/MenuReader.h"
#include "core/generate/MenuBuild.h"
#include "core/generate/PageWriter.h"
#include "tests/generate/MenuFixture.h"

#include <QBuffer>
#include <QDirIterator>
#include <QtTest>

// The build of a CD root: checks, then stylesheet and media, page, Index.hta and autorun files. Finish reports every
// failed step and runs the others; the command line and the style pages write nothing once a check fails.
class TestMenuBuild : public QObject
{
    Q_OBJECT

private slots:
    void finishWritesTheCdRoot();
    void finishTwiceGivesTheSameFiles();
    void failedStepsAreListedAndTheOthersRun_data();
    void failedStepsAreListedAndTheOthersRun();
    void noRootFolderWritesNothing();
    void stepsRunInOrder();
    void refusedBuildWritesNothing_data();
    void refusedBuildWritesNothing();
    void failureLeavesTheEarlierPage();
    void largePageInTheFileIsWhole_data();
    void largePageInTheFileIsWhole();

private:
    static QStringList finish(MenuFixture &fixture, const MenuSnapshot &snapshot)
    {
        MenuBuild build(fixture.store());
        const StepResult result = build.run(snapshot, MenuBuild::finishSteps, MenuBuild::OnFailure::Continue);
        return result ? QStringList() : result.error.split(QStringLiteral("\r\n"));
    }
};

static void addEntries(MenuFixture &fixture)
{
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("Setup"), QStringLiteral("setup.exe"),
                     QStringLiteral("Installs it"), QVariant());
    fixture.addEntry(1, QStringLiteral("Docs"), QStringLiteral("Manual"), QStringLiteral("manual.pdf"),
                     QStringLiteral("Read me"), QVariant());
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("Patch"), QStringLiteral("patch.exe"),
                     QStringLiteral("Fixes it"), QVariant());
}

void TestMenuBuild::finishWritesTheCdRoot()
{
    MenuFixture fixture;
    addEntries(fixture);
    const QStringList failures = finish(fixture, fixture.snapshot(MenuTemplate::extended()));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    QCOMPARE(MenuBuild::successText(), QStringLiteral("Your Menu has been successfully created!"));

    const QString cd = fixture.cdFolder() + QLatin1Char('/');
    const QByteArray page = MenuFixture::readFile(cd + QStringLiteral("Index.htm"));
    QVERIFY(page.contains("onclick='displayCat(1)'>Tools</p>"));
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.hta")), page);
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("AUTORUN.INF")),
             MenuFixture::readFile(fixture.programFolder() + QStringLiteral("/AUTORUN.INF")));
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Start.exe")),
             MenuFixture::readFile(fixture.programFolder() + QStringLiteral("/Start.exe")));
}

void TestMenuBuild::finishTwiceGivesTheSameFiles()
{
    MenuFixture fixture;
    addEntries(fixture);
    const MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standardScreenshots());
    QVERIFY(finish(fixture, snapshot).isEmpty());
    const QString cd = fixture.cdFolder() + QLatin1Char('/');
    const QByteArray first = MenuFixture::readFile(cd + QStringLiteral("Index.htm"));
    QVERIFY(finish(fixture, snapshot).isEmpty());
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.htm")), first);
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.hta")), first);
    QCOMPARE(QDir(fixture.cdFolder()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

void TestMenuBuild::failedStepsAreListedAndTheOthersRun_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<bool>("withEntries");
    QTest::addColumn<bool>("earlierPage");
    QTest::addColumn<QString>("missingProgramFile");
    QTest::addColumn<QStringList>("failureWords"); // one word per expected failure, in order
    QTest::addColumn<QByteArray>("hta");           // content of Index.hta afterwards (empty: no file)

    QTest::newRow("unknown template copies the earlier page")
        << "Fancy" << true << true << QString() << QStringList{"\"Fancy\""} << QByteArray("earlier page");
    QTest::newRow("no entries and no earlier page")
        << "Standard" << false << false << QString() << QStringList{"no entries", "Index.htm"} << QByteArray();
    QTest::newRow("no entries keeps the earlier page")
        << "Extended" << false << true << QString() << QStringList{"no entries"} << QByteArray("earlier page");
    QTest::newRow("Start.exe missing in the program folder")
        << "Standard" << true << false << "Start.exe" << QStringList{"Start.exe"} << QByteArray("page");
    QTest::newRow("AUTORUN.INF missing in the program folder")
        << "Extended Screenshots" << true << false << "AUTORUN.INF" << QStringList{"AUTORUN.INF"} << QByteArray("page");
}

void TestMenuBuild::failedStepsAreListedAndTheOthersRun()
{
    QFETCH(QString, templateName);
    QFETCH(bool, withEntries);
    QFETCH(bool, earlierPage);
    QFETCH(QString, missingProgramFile);
    QFETCH(QStringList, failureWords);
    QFETCH(QByteArray, hta);

    MenuFixture fixture;
    if (withEntries)
        addEntries(fixture);
    const QString cd = fixture.cdFolder() + QLatin1Char('/');
    if (earlierPage)
        MenuFixture::writeFile(cd + QStringLiteral("Index.htm"), "earlier page");
    if (!missingProgramFile.isEmpty())
        QVERIFY(QFile::remove(fixture.programFolder() + QLatin1Char('/') + missingProgramFile));

    const QStringList failures = finish(fixture, fixture.snapshot(templateName));
    QCOMPARE(failures.size(), failureWords.size());
    for (int i = 0; i < failures.size(); ++i)
        QVERIFY2(failures.at(i).contains(failureWords.at(i)), qPrintable(failures.at(i)));

    const QByteArray page = MenuFixture::readFile(cd + QStringLiteral("Index.htm"));
    if (hta == "page") {
        QVERIFY(page.startsWith("<html>"));
        QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.hta")), page);
    } else {
        QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.hta")), hta);
        QCOMPARE(QFile::exists(cd + QStringLiteral("Index.hta")), !hta.isEmpty());
    }
    // The autorun files that exist are copied whatever else failed.
    for (const QString &name : {QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")})
        QCOMPARE(QFile::exists(cd + name), name != missingProgramFile);
}

void TestMenuBuild::noRootFolderWritesNothing()
{
    MenuFixture fixture;
    addEntries(fixture);
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
    snapshot.rootPath.clear();
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(fixture.cdFolder()));
    const QStringList failures = finish(fixture, snapshot);
    const QStringList written = QDir(fixture.cdFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QDir::setCurrent(before);
    QCOMPARE(failures, QStringList{QStringLiteral("No CD root folder has been chosen.")});
    QVERIFY2(written.isEmpty(), qPrintable(written.join(' ')));
}

static QStringList filesIn(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

static MenuSnapshot withMedia(MenuFixture &fixture, const QString &templateName)
{
    MenuSnapshot snapshot = fixture.snapshot(templateName);
    for (const char *name : {"logo.gif", "on.gif"})
        MenuFixture::writeFile(fixture.path(QStringLiteral("home/") + QLatin1String(name)), name);
    snapshot.style.logoFile = fixture.path(QStringLiteral("home/logo.gif"));
    snapshot.style.buttonOnImage = fixture.path(QStringLiteral("home/on.gif"));
    return snapshot;
}

void TestMenuBuild::stepsRunInOrder()
{
    MenuFixture fixture;
    addEntries(fixture);
    MenuBuild build(fixture.store());
    const StepResult result =
        build.run(withMedia(fixture, MenuTemplate::standard()), MenuBuild::allSteps, MenuBuild::OnFailure::Stop);
    QVERIFY2(result.ok, qPrintable(result.error));
    const QString cd = fixture.cdFolder() + QLatin1Char('/');
    QStringList expected;
    for (const char *file :
         {"Menu/Styles.css", "Menu/logo.gif", "Menu/on.gif", "Index.htm", "Index.hta", "AUTORUN.INF", "Start.exe"})
        expected.append(QDir::toNativeSeparators(cd + QLatin1String(file))); // as the build names them to the user
    QCOMPARE(build.written(), expected);
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.hta")),
             MenuFixture::readFile(cd + QStringLiteral("Index.htm")));
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Menu/logo.gif")), QByteArray("logo.gif"));
    QCOMPARE(filesIn(fixture.cdFolder()).size(), expected.size());

    // The style pages write the stylesheet and media only.
    QVERIFY(build.run(withMedia(fixture, MenuTemplate::standard()), MenuBuild::Style, MenuBuild::OnFailure::Stop).ok);
    QCOMPARE(build.written(), expected.mid(0, 3));
}

void TestMenuBuild::refusedBuildWritesNothing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("word"); // in the one failure reported

    QTest::newRow("unknown template") << "template"
                                      << "\"Fancy\"";
    QTest::newRow("no entries") << "entries"
                                << "no entries";
    QTest::newRow("missing media") << "media"
                                   << "on.gif";
    QTest::newRow("font of two parts") << "font"
                                       << "family;size;weight";
    QTest::newRow("missing starter") << "starter"
                                     << "Start.exe was not found";
    QTest::newRow("missing root") << "root"
                                  << "does not exist";
}

void TestMenuBuild::refusedBuildWritesNothing()
{
    QFETCH(QString, damage);
    QFETCH(QString, word);
    MenuFixture fixture;
    if (damage != QLatin1String("entries"))
        addEntries(fixture);
    MenuSnapshot snapshot = withMedia(fixture, MenuTemplate::extendedScreenshots());
    if (damage == QLatin1String("template"))
        snapshot.templateName = QStringLiteral("Fancy");
    if (damage == QLatin1String("media"))
        QVERIFY(QFile::remove(snapshot.style.buttonOnImage));
    if (damage == QLatin1String("font"))
        snapshot.style.textFont = QStringLiteral("Arial;10pt");
    if (damage == QLatin1String("starter"))
        QVERIFY(QFile::remove(fixture.programFolder() + QStringLiteral("/Start.exe")));
    if (damage == QLatin1String("root"))
        snapshot.rootPath = PathMapping::rootPathFor(fixture.path(QStringLiteral("gone")));
    MenuFixture::writeFile(fixture.cdFolder() + QStringLiteral("/Index.htm"), "earlier page");

    MenuBuild build(fixture.store());
    const StepResult result = build.run(snapshot, MenuBuild::allSteps, MenuBuild::OnFailure::Stop);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.contains(QLatin1String("\r\n")));
    QVERIFY2(result.error.contains(word), qPrintable(result.error));
    QVERIFY(build.written().isEmpty());
    QCOMPARE(filesIn(fixture.cdFolder()), QStringList{QStringLiteral("Index.htm")});
    QCOMPARE(MenuFixture::readFile(fixture.cdFolder() + QStringLiteral("/Index.htm")), QByteArray("earlier page"));
}

void TestMenuBuild::failureLeavesTheEarlierPage()
{
    MenuFixture fixture;
    addEntries(fixture);
    const QString index = fixture.cdFolder() + QStringLiteral("/Index.htm");
    MenuBuild build(fixture.store());
    QVERIFY(build.run(fixture.snapshot(MenuTemplate::standard()), MenuBuild::Page, MenuBuild::OnFailure::Stop).ok);
    const QByteArray earlier = MenuFixture::readFile(index);
    QVERIFY(earlier.startsWith("<html>"));

    // The database fails while the page is made.
    MenuFixture::writeFile(fixture.databasePath(), "not a database at all, just text that is long enough");
    const StepResult broken =
        build.run(fixture.snapshot(MenuTemplate::extended()), MenuBuild::Page, MenuBuild::OnFailure::Stop);
    QVERIFY(!broken.ok);
    QVERIFY(!broken.error.isEmpty());
    QCOMPARE(MenuFixture::readFile(index), earlier);
    QCOMPARE(filesIn(fixture.cdFolder()), QStringList{QStringLiteral("Index.htm")});
}

void TestMenuBuild::largePageInTheFileIsWhole_data()
{
    QTest::addColumn<QString>("templateName");
    for (const QString &name : MenuTemplate::names())
        QTest::newRow(qPrintable(name)) << name;
}

void TestMenuBuild::largePageInTheFileIsWhole()
{
    QFETCH(QString, templateName);
    // Several megabytes, written into the file in pieces as the entries are read. Some values take the way of text
    // outside ASCII, some links need encoding.
    MenuFixture fixture;
    QList<QStringList> entries;
    for (int i = 0; i < 6000; ++i) {
        const QString title =
            (i % 7 == 0 ? QStringLiteral(u"Entr\u00e9e %1 \u65e5") : QStringLiteral("Entry %1")).arg(i);
        entries.append({QStringLiteral("Group %1").arg(i % 40), title,
                        QStringLiteral("Programs/Folder %1/setup%2.exe").arg(i % 40).arg(i)});
    }
    fixture.addEntries(1, entries);
    const MenuSnapshot snapshot = fixture.snapshot(templateName);
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    {
        MenuReader reader(fixture.store());
        QVERIFY(PageWriter(snapshot, reader).write(made).ok);
    }
    QVERIFY(made.data().size() > 2 * (1 << 20));
    QVERIFY(made.data().contains(QByteArrayLiteral("Entr\xe9") + "e 5999 &#26085;"));
    QVERIFY(made.data().contains("Programs/Folder%2039/setup5999.exe"));
    QVERIFY(MenuBuild(fixture.store()).run(snapshot, MenuBuild::Page, MenuBuild::OnFailure::Stop).ok);
    QCOMPARE(MenuFixture::readFile(fixture.cdFolder() + QStringLiteral("/Index.htm")), made.data());
    QCOMPARE(filesIn(fixture.cdFolder()), QStringList{QStringLiteral("Index.htm")});
}

QTEST_GUILESS_MAIN(TestMenuBuild)
#include "tst_menubuild.moc"
