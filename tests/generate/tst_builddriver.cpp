#include "tests/generate/MenuFixture.h"
#include "core/generate/BuildDriver.h"
#include "core/generate/PageWriter.h"

#include <QtTest>

// The Finish sequence: page, autorun files and Index.hta, with every failed step reported.
class TestBuildDriver : public QObject
{
    Q_OBJECT

private slots:
    void finishWritesTheCdRoot();
    void finishTwiceGivesTheSameFiles();
    void failedStepsAreListedAndTheOthersRun_data();
    void failedStepsAreListedAndTheOthersRun();
    void noRootFolderWritesNothing();
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

void TestBuildDriver::finishWritesTheCdRoot()
{
    MenuFixture fixture;
    addEntries(fixture);
    const QStringList failures = BuildDriver::finish(fixture.snapshot(MenuTemplate::extended()), fixture.data());
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    QCOMPARE(BuildDriver::successText(), QStringLiteral("Your Menu has been successfully created!"));

    const QString cd = fixture.cdFolder() + QLatin1Char('/');
    const QByteArray page = MenuFixture::readFile(cd + QStringLiteral("Index.htm"));
    QVERIFY(page.contains("onclick='displayCat(1)'>Tools</p>"));
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.hta")), page);
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("AUTORUN.INF")),
             MenuFixture::readFile(fixture.programFolder() + QStringLiteral("/AUTORUN.INF")));
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Start.exe")),
             MenuFixture::readFile(fixture.programFolder() + QStringLiteral("/Start.exe")));
}

void TestBuildDriver::finishTwiceGivesTheSameFiles()
{
    MenuFixture fixture;
    addEntries(fixture);
    const MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standardScreenshots());
    QVERIFY(BuildDriver::finish(snapshot, fixture.data()).isEmpty());
    const QString cd = fixture.cdFolder() + QLatin1Char('/');
    const QByteArray first = MenuFixture::readFile(cd + QStringLiteral("Index.htm"));
    QVERIFY(BuildDriver::finish(snapshot, fixture.data()).isEmpty());
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.htm")), first);
    QCOMPARE(MenuFixture::readFile(cd + QStringLiteral("Index.hta")), first);
    QCOMPARE(QDir(fixture.cdFolder()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

void TestBuildDriver::failedStepsAreListedAndTheOthersRun_data()
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

void TestBuildDriver::failedStepsAreListedAndTheOthersRun()
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

    const QStringList failures = BuildDriver::finish(fixture.snapshot(templateName), fixture.data());
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

void TestBuildDriver::noRootFolderWritesNothing()
{
    MenuFixture fixture;
    addEntries(fixture);
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
    snapshot.rootPath.clear();
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(fixture.cdFolder()));
    const QStringList failures = BuildDriver::finish(snapshot, fixture.data());
    const QStringList written = QDir(fixture.cdFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QDir::setCurrent(before);
    QCOMPARE(failures, QStringList{QStringLiteral("No CD root folder has been chosen.")});
    QVERIFY2(written.isEmpty(), qPrintable(written.join(' ')));
}

QTEST_GUILESS_MAIN(TestBuildDriver)
#include "tst_builddriver.moc"
