#include "core/data/DataError.h"
#include "core/data/MenuStore.h"
#include "core/disc/FolderFill.h"
#include "tests/common/PosixFiles.h"
#include "tests/disc/DiscFiles.h"
#include "tests/generate/MenuFixture.h"

// Entries filled from the files under the CD root, stored in a real database.
class TestFolderFill : public QObject
{
    Q_OBJECT

private slots:
    void suggestsTitles_data();
    void suggestsTitles();
    void fillsTheRootOnce();
    void fillsOnlyWhatIsGiven_data();
    void fillsOnlyWhatIsGiven();
    void storesAllOrNothing();
    void cancelStopsTheWalk();
    void linksAndBadNames();
    void ownDataIsNeverOffered();

private:
    struct Row
    {
        QString link;
        QString title;
        QString category;
    };
    static QList<Row> storedRows(MenuFixture &fixture);
    static void makeFiles(MenuFixture &fixture, const QStringList &links);
};

// Also a named pipe, Tools/pipe, which is no file to put on a disc, and the menu 1 that entries are stored in.
void TestFolderFill::makeFiles(MenuFixture &fixture, const QStringList &links)
{
    fixture.data().ExecuteSQL(Sql::insertMenu(MenuTemplate::standard(), QStringLiteral("CD"), 1, QString()));
    for (const QString &link : links)
        DiscFiles::writeFile(fixture.cdFolder() + QLatin1Char('/') + link, link.toUtf8());
    QVERIFY(QDir(fixture.cdFolder()).mkpath("Tools"));
    if (PosixFiles::available())
        QVERIFY(PosixFiles::pipe(QFile::encodeName(fixture.cdFolder() + "/Tools/pipe")));
}

QList<TestFolderFill::Row> TestFolderFill::storedRows(MenuFixture &fixture)
{
    QList<Row> rows;
    Recordset rs = fixture.data().GetRS(Sql::selectEntries(1));
    while (!rs.atEnd()) {
        rows.append({rs.text(QStringLiteral("FileLink")), rs.text(QStringLiteral("FileName")),
                     rs.text(QStringLiteral("Category"))});
        if (rs.text(QStringLiteral("Description")) != QString() || rs.text(QStringLiteral("Screenshot")) != "none")
            rows.last().title += QStringLiteral(" [description or screenshot set]");
        rs.moveNext();
    }
    return rows;
}

void TestFolderFill::suggestsTitles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("extension dropped") << "Setup.exe"
                                       << "Setup";
    QTest::newRow("only the last extension") << "backup.tar.gz"
                                             << "backup.tar";
    QTest::newRow("underscores and dashes") << "my_great-tool_v2.zip"
                                            << "my great tool v2";
    QTest::newRow("no extension") << "README"
                                  << "README";
    QTest::newRow("nothing but separators") << "__-.txt"
                                            << "__-.txt";
    QTest::newRow("blanks and accents kept") << "Café Menu.pdf"
                                             << "Café Menu";
}

void TestFolderFill::suggestsTitles()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(FolderFill::suggestedTitle(name), title);
}

void TestFolderFill::fillsTheRootOnce()
{
    if (!PosixFiles::available())
        QSKIP(
            "Windows cannot make the file \"it's & <ok>.txt\" and the named pipe of this case; the Linux build does.");
    MenuFixture fixture;
    makeFiles(fixture, {"Setup.exe", "README", "Docs/readme.txt", "Docs/User_Guide-EN.pdf",
                        "Tools/Sub Dir/deep_file.tar.gz", "Tools/Index.htm", "Odd/it's & <ok>.txt", "Old/known.txt",
                        // what the build writes, and hidden files, are never offered
                        "Menu/Styles.css", "Menu/shot.jpg", "Index.htm", "index.hta", "AUTORUN.INF", "Start.exe",
                        ".hidden", ".git/config", "Tools/.cache/x.bin"});
    fixture.addEntry(1, "Old", "Known", "Old/known.txt", "kept", "none");

    FolderFill fill(fixture.store(), 1, fixture.cdFolder());
    QVERIFY(fill.collect());
    fill.store(fill.offered());

    const QList<Row> expected = {
        {"Old/known.txt", "Known [description or screenshot set]", "Old"},
        {"Docs/readme.txt", "readme", "Docs"},
        {"Docs/User_Guide-EN.pdf", "User Guide EN", "Docs"},
        {"Odd/it's & <ok>.txt", "it's & <ok>", "Odd"},
        {"README", "README (2)", "General"},
        {"Setup.exe", "Setup", "General"},
        {"Tools/Index.htm", "Index", "Tools"},
        {"Tools/Sub Dir/deep_file.tar.gz", "deep file.tar", "Tools"},
    };
    const QList<Row> rows = storedRows(fixture);
    QCOMPARE(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].link, expected[i].link);
        QCOMPARE(rows[i].title, expected[i].title);
        QCOMPARE(rows[i].category, expected[i].category);
    }

    FolderFill again(fixture.store(), 1, fixture.cdFolder());
    QVERIFY(again.collect());
    QVERIFY(again.offered().isEmpty());
}

void TestFolderFill::fillsOnlyWhatIsGiven_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("category"); // "-": the suggestion
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("a folder") << QStringList{"cd/Tools"} << "-" << QStringList{"Tools/a.exe", "Tools/Sub/b.exe"} << "";
    QTest::newRow("a file with a category") << QStringList{"cd/top.txt"} << "Extras" << QStringList{"top.txt"} << "";
    QTest::newRow("an empty category is none") << QStringList{"cd/top.txt"} << "" << QStringList{"top.txt"} << "";
    QTest::newRow("a path through ..") << QStringList{"cd/Tools/../top.txt"} << "-" << QStringList{"top.txt"} << "";
    QTest::newRow("the root's own generated file") << QStringList{"cd/Index.htm"} << "-" << QStringList{} << "";
    QTest::newRow("outside the root") << QStringList{"cd/Tools", "outside.txt"} << "-" << QStringList{}
                                      << "is not inside the CD root";
    QTest::newRow("a sibling sharing the prefix")
        << QStringList{"cd2/x.txt"} << "-" << QStringList{} << "is not inside the CD root";
    QTest::newRow("missing") << QStringList{"cd/gone.txt"} << "-" << QStringList{} << "does not exist";
    QTest::newRow("a pipe") << QStringList{"cd/Tools/pipe"} << "-" << QStringList{} << "neither a file nor a folder";
}

void TestFolderFill::fillsOnlyWhatIsGiven()
{
    QFETCH(QStringList, given);
    QFETCH(QString, category);
    QFETCH(QStringList, links);
    QFETCH(QString, refusal);
    if (given.join(' ').contains("pipe") && !PosixFiles::available())
        QSKIP(PosixFiles::missing);

    MenuFixture fixture;
    makeFiles(fixture, {"top.txt", "Index.htm", "Tools/a.exe", "Tools/Sub/b.exe", "Docs/c.txt"});
    DiscFiles::writeFile(fixture.path("outside.txt"), "x");
    DiscFiles::writeFile(fixture.path("cd2/x.txt"), "x");
    QStringList paths;
    for (const QString &relative : given)
        paths.append(fixture.path(relative));

    FolderFill fill(fixture.store(), 1, fixture.cdFolder());
    if (category != "-")
        fill.setCategory(category);
    const StepResult collected = fill.collect(paths);
    QCOMPARE(collected.ok, refusal.isEmpty());
    if (!refusal.isEmpty()) {
        QVERIFY2(collected.error.contains(refusal), qPrintable(collected.error));
        QVERIFY(fill.offered().isEmpty());
        return;
    }
    fill.store(fill.offered());
    const QList<Row> rows = storedRows(fixture);
    QStringList stored;
    for (const Row &row : rows) {
        stored.append(row.link);
        if (category != "-")
            QCOMPARE(row.category, category.isEmpty() ? QStringLiteral("none") : category);
    }
    QCOMPARE(stored, links);
}

// What the image takes is offered: a link to a file inside the root, as itself. What leads out is neither followed
// nor offered, and a name that is not UTF-8 is named, not dropped in silence.
void TestFolderFill::linksAndBadNames()
{
    if (!PosixFiles::available())
        QSKIP(PosixFiles::missing);
    MenuFixture fixture;
    makeFiles(fixture, {"top.txt", "Docs/c.txt"});
    DiscFiles::writeFile(fixture.path("secret/key.txt"), "x");
    QVERIFY(QFile::link("../top.txt", fixture.cdFolder() + "/Docs/alias.txt"));
    QVERIFY(QFile::link(fixture.path("secret"), fixture.cdFolder() + "/Docs/sshlink"));
    QVERIFY(QFile::link(fixture.path("secret/key.txt"), fixture.cdFolder() + "/Docs/key.txt"));
    const QByteArray bad = QFile::encodeName(fixture.cdFolder()) + "/Docs/Video\xE9.avi";
    QVERIFY(PosixFiles::file(bad));

    FolderFill fill(fixture.store(), 1, fixture.cdFolder());
    QVERIFY(fill.collect({fixture.cdFolder() + "/Docs"}));
    QStringList offered;
    for (const FillEntry &entry : fill.offered())
        offered.append(entry.link);
    QCOMPARE(offered, (QStringList{"Docs/alias.txt", "Docs/c.txt"}));
    QStringList skipped = fill.skipped();
    skipped.sort();
    QCOMPARE(skipped.size(), 3);
    QVERIFY2(skipped[0].contains("key.txt leads outside the CD root"), qPrintable(skipped[0]));
    QVERIFY2(skipped[1].contains("sshlink leads outside the CD root"), qPrintable(skipped[1]));
    QVERIFY2(skipped[2].endsWith("Video\\xE9.avi cannot be shown on the menu or read on Windows: rename it."),
             qPrintable(skipped[2]));

    const StepResult collected = fill.collect({fixture.cdFolder() + "/Docs/sshlink"});
    QVERIFY2(collected.error.contains("is not inside the CD root"), qPrintable(collected.error));
}

void TestFolderFill::storesAllOrNothing()
{
    MenuFixture fixture;
    makeFiles(fixture, {"a.txt", "b.txt", "c.txt"});
    fixture.data().ExecuteSQL({"CREATE TRIGGER refuse BEFORE INSERT ON tblDetails WHEN NEW.FileName='b' "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                               {}});
    FolderFill fill(fixture.store(), 1, fixture.cdFolder());
    QSignalSpy added(&fixture.store(), &MenuStore::entriesAdded);
    QVERIFY(fill.collect());
    QCOMPARE(fill.offered().size(), 3);
    try {
        fill.store(fill.offered());
        QFAIL("A refused insert was stored.");
    } catch (const DataError &error) {
        QVERIFY2(error.kind() != DataError::Kind::MenuLost, error.what());
    }
    QVERIFY(storedRows(fixture).isEmpty());
    QCOMPARE(added.count(), 0);
}

void TestFolderFill::cancelStopsTheWalk()
{
    MenuFixture fixture;
    for (int i = 0; i < 600; ++i)
        DiscFiles::writeFile(fixture.cdFolder() + QStringLiteral("/many/f%1.txt").arg(i), "x");
    FolderFill fill(fixture.store(), 1, fixture.cdFolder());
    QList<int> reports;
    fill.setProgress([&reports](int seen) {
        reports.append(seen);
        return seen < 512;
    });
    const StepResult cancelled = fill.collect();
    QVERIFY(!cancelled);
    QVERIFY(cancelled.error.isEmpty());
    QCOMPARE(reports, (QList<int>{256, 512}));
    QVERIFY(fill.offered().isEmpty());
}

// A CD root that holds the data home: the database, its journals and the style library are not the disc's files.
void TestFolderFill::ownDataIsNeverOffered()
{
    MenuFixture fixture;
    for (const char *file : {"home/Styles/Blue/logo.png", "home/notes.txt", "cd/a.txt"})
        DiscFiles::writeFile(fixture.path(file), "x");
    FolderFill fill(fixture.store(), 1, fixture.path("."));
    QVERIFY(fill.collect());
    QStringList links;
    for (const FillEntry &entry : fill.offered())
        links.append(entry.link);
    QCOMPARE(links, (QStringList{"bin/AUTORUN.INF", "bin/Start.exe", "cd/a.txt", "home/notes.txt"}));
    QCOMPARE(fill.skipped().size(), 2);
    QVERIFY2(fill.skipped().first().endsWith("is Velmora's own data; it is not added."),
             qPrintable(fill.skipped().first()));
}

QTEST_GUILESS_MAIN(TestFolderFill)
#include "tst_folderfill.moc"
