#include "core/disc/DiscCheck.h"
#include "core/disc/IsoImage.h"
#include "core/disc/WindowsNames.h"
#include "core/model/PathMapping.h"
#include "tests/common/PosixFiles.h"
#include "tests/disc/DiscFiles.h"
#include "tests/generate/MenuFixture.h"


// The disc check on real CD roots: each kind of problem, and a clean root that has none.
class TestDiscCheck : public QObject
{
    Q_OBJECT

private slots:
    void reportsProblems_data();
    void reportsProblems();
    void sizeAgainstDiscs_data();
    void sizeAgainstDiscs();
    void tooLargeForAnyDisc();
    void cancelStopsTheWalk();
    void linksAndStrangeNames_data();
    void linksAndStrangeNames();
    void unreadableFiles();
    void ownDataIsAProblem();
    void sizeIsTheImagesSize_data();
    void sizeIsTheImagesSize();

private:
    static QString kindName(DiscProblem::Kind kind);
};

QString TestDiscCheck::kindName(DiscProblem::Kind kind)
{
    switch (kind) {
    case DiscProblem::Kind::MissingFile:
        return QStringLiteral("missing");
    case DiscProblem::Kind::JolietName:
        return QStringLiteral("name");
    case DiscProblem::Kind::MediaCollision:
        return QStringLiteral("media");
    case DiscProblem::Kind::TooLarge:
        return QStringLiteral("size");
    case DiscProblem::Kind::BadName:
        return QStringLiteral("utf8");
    case DiscProblem::Kind::CaseClash:
        return QStringLiteral("case");
    case DiscProblem::Kind::Unreadable:
        return QStringLiteral("unreadable");
    case DiscProblem::Kind::BrokenLink:
        return QStringLiteral("link");
    case DiscProblem::Kind::Special:
        return QStringLiteral("special");
    case DiscProblem::Kind::OwnData:
        return QStringLiteral("own data");
    case DiscProblem::Kind::WindowsName:
        return QStringLiteral("windows");
    }
    return {};
}

void TestDiscCheck::reportsProblems_data()
{
    // files: made under the CD root; links: one entry each ("link|screenshot" sets a screenshot);
    // media: the five style media, names under a media folder ("a/x" and "b/x" are distinct files).
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QStringList>("media");
    QTest::addColumn<QStringList>("problems"); // "kind: part of its text"

    const QString name64(64, QLatin1Char('n'));
    const QStringList clean = {"Setup.exe", "Docs/read me.txt", "Docs/" + name64, "Menu/shot.jpg"};
    const QStringList cleanLinks = {"Setup.exe", "Docs/read me.txt|shot.jpg"};
    const QStringList cleanMedia = {"a/back.jpg", "none", "", "a/button.gif", "a/button.gif"};

    QTest::newRow("clean") << clean << cleanLinks << cleanMedia << QStringList{};
    QTest::newRow("entry file missing") << clean << QStringList{"Setup.exe", "Docs/gone.txt"} << cleanMedia
                                        << QStringList{
                                               "missing: The file Docs/gone.txt of the entry \"Entry 2\" is missing."};
    QTest::newRow("entry without a file") << clean << QStringList{"Setup.exe", ""} << cleanMedia
                                          << QStringList{"missing: The entry \"Entry 2\" has no file."};
    QTest::newRow("screenshot missing")
        << clean << QStringList{"Setup.exe|gone.jpg"} << cleanMedia
        << QStringList{"missing: The screenshot Menu/gone.jpg of the entry \"Entry 1\" is missing."};
    QTest::newRow("names differing in case only")
        << QStringList{"Setup.exe", "setup.EXE", "Docs/a.txt", "docs/A.txt", "Other/setup.exe"} << QStringList{}
        << cleanMedia
        << QStringList{"case: The names Setup.exe and setup.EXE differ only in letter case",
                       "case: The names Docs and docs differ"};
    QTest::newRow("character beyond Joliet") << QStringList{"smile \U0001F600.txt"} << QStringList{} << cleanMedia
                                             << QStringList{"name: holds the character \U0001F600 (U+1f600)"};
    QTest::newRow("entry outside the root")
        << clean << QStringList{"../outside.txt"} << cleanMedia << QStringList{"missing: not inside the CD root"};
    QTest::newRow("media file missing") << clean << cleanLinks << QStringList{"a/back.jpg", "a/gone.wav", "", "", ""}
                                        << QStringList{"missing: gone.wav of the style is missing"};
    QTest::newRow("name too long") << QStringList{"Docs/" + name64 + "x"} << QStringList{} << cleanMedia
                                   << QStringList{"name: longer than 64 characters"};
    QTest::newRow("folder name too long") << QStringList{name64 + "xy/a.txt"} << QStringList{} << cleanMedia
                                          << QStringList{"name: longer than 64 characters"};
    QTest::newRow("forbidden characters")
        << QStringList{"a:b.txt", "why?.txt", "x*y", "semi;colon", "back\\slash", QString("bell\x07")} << QStringList{}
        << cleanMedia << QStringList{"name: character :", "name: character ?",  "name: character *",
                                     "name: character ;", "name: character \\", "name: control character"};
    QTest::newRow("names Windows cannot open")
        << QStringList{"CON.txt", "Docs/aux", "lpt9.log", "dot.", "blank ", "a<b>", "pipe|", "COM10.txt"}
        << QStringList{} << cleanMedia
        << QStringList{"windows: Docs/aux is the device name AUX", "windows: CON.txt is the device name CON",
                       "windows: lpt9.log is the device name LPT9", "windows: dot. ends in a dot",
                       "windows: blank  ends in a blank", "windows: a<b> holds the character <",
                       "windows: pipe| holds the character |"};
    QTest::newRow("two media of one name") << clean << cleanLinks << QStringList{"a/logo.gif", "", "b/LOGO.gif", "", ""}
                                           << QStringList{"media: same name"};
    QTest::newRow("media named like the stylesheet")
        << clean << cleanLinks << QStringList{"a/styles.css", "", "", "", ""}
        << QStringList{"media: the name of the stylesheet Menu/Styles.css"};
    QTest::newRow("media named like a screenshot") << clean << cleanLinks << QStringList{"b/shot.jpg", "", "", "", ""}
                                                   << QStringList{"media: replace the screenshot shot.jpg"};
}

void TestDiscCheck::reportsProblems()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, links);
    QFETCH(QStringList, media);
    QFETCH(QStringList, problems);

    if (QSysInfo::productType() == QLatin1String("windows")) {
        QSet<QString> folded;
        for (const QString &file : files) {
            // Windows' file systems hold neither these names nor two names that differ only in case.
            if (!WindowsNames::check(file.section('/', -1)) || folded.contains(file.toCaseFolded()))
                QSKIP("Windows cannot make the file names this row checks; the Linux build checks them.");
            folded.insert(file.toCaseFolded());
        }
    }
    MenuFixture fixture;
    for (const QString &file : files)
        DiscFiles::writeFile(fixture.cdFolder() + QLatin1Char('/') + file, "data");
    int n = 0;
    for (const QString &entry : links) {
        const QStringList parts = entry.split(QLatin1Char('|'));
        fixture.addEntry(1, "none", QStringLiteral("Entry %1").arg(++n), parts[0], "", parts.value(1, "none"));
    }
    QStringList mediaPaths;
    for (const QString &medium : media) {
        if (medium.isEmpty() || medium == "none") {
            mediaPaths.append(medium);
            continue;
        }
        mediaPaths.append(fixture.path("media/" + medium));
        if (!medium.contains("gone"))
            DiscFiles::writeFile(mediaPaths.last(), "medium");
    }
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standardScreenshots());
    snapshot.style.backImage = mediaPaths[0];
    snapshot.style.soundFile = mediaPaths[1];
    snapshot.style.logoFile = mediaPaths[2];
    snapshot.style.buttonOnImage = mediaPaths[3];
    snapshot.style.buttonOffImage = mediaPaths[4];

    DiscCheck check(fixture.store(), snapshot);
    QVERIFY(check.run());
    QStringList found;
    for (const DiscProblem &problem : check.problems())
        found.append(kindName(problem.kind) + ": " + problem.text);
    QCOMPARE(found.size(), problems.size());
    for (const QString &expected : problems) {
        const QString kind = expected.section(": ", 0, 0);
        const QString part = expected.section(": ", 1);
        const bool seen = std::any_of(found.cbegin(), found.cend(), [&](const QString &text) {
            return text.startsWith(kind + ": ") && text.contains(part);
        });
        QVERIFY2(seen, qPrintable(expected + " not in " + found.join(" | ")));
    }
}

void TestDiscCheck::sizeAgainstDiscs_data()
{
    QTest::addColumn<qint64>("sectors");
    QTest::addColumn<QString>("line");
    QTest::newRow("a full CD") << qint64(360000) << "fits on a CD (700 MB), a DVD (4.7 GB), a dual-layer DVD (8.5 GB).";
    QTest::newRow("one sector over a CD")
        << qint64(360001) << "fits on a DVD (4.7 GB), a dual-layer DVD (8.5 GB); too large for a CD (700 MB).";
    QTest::newRow("a full DVD") << qint64(2295104)
                                << "fits on a DVD (4.7 GB), a dual-layer DVD (8.5 GB); too large for a CD (700 MB).";
    QTest::newRow("one sector over a DVD")
        << qint64(2295105) << "fits on a dual-layer DVD (8.5 GB); too large for a CD (700 MB), a DVD (4.7 GB).";
    QTest::newRow("over every disc") << qint64(4173825)
                                     << "too large for a CD (700 MB), a DVD (4.7 GB), a dual-layer DVD (8.5 GB).";
}

void TestDiscCheck::sizeAgainstDiscs()
{
    QFETCH(qint64, sectors);
    QFETCH(QString, line);
    DiscSize size;
    size.sectors = sectors;
    QVERIFY2(size.line().endsWith(line), qPrintable(size.line()));
    QVERIFY(size.line().startsWith(
        QStringLiteral("Image size: %1 sectors (%2 MB); ").arg(sectors).arg(double(sectors * 2048) / 1e6, 0, 'f', 1)));
    size.estimated = true;
    QVERIFY(size.line().contains(QStringLiteral(" MB), estimated; ")));
    size.whyEstimated = QStringLiteral("xorriso was not found");
    QVERIFY(size.line().contains(QStringLiteral(" MB), estimated (xorriso was not found); ")));
}

void TestDiscCheck::tooLargeForAnyDisc()
{
    MenuFixture fixture;
    // A sparse file: its size counts, not the blocks it takes here.
    QFile big(fixture.cdFolder() + "/big.img");
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(4173824 - 400) * 2048));
    big.close();
    const bool xorrisoHere = !IsoImage::findProgram(QStringLiteral("xorriso")).isEmpty();
    for (const QString &program : {QStringLiteral("xorriso"), QStringLiteral("/nonexistent/xorriso")}) {
        DiscCheck check(fixture.store(), fixture.snapshot(MenuTemplate::standard()));
        check.setProgram(program);
        QVERIFY(big.resize(qint64(4173824 - 400) * 2048));
        QVERIFY(check.run());
        QVERIFY2(check.problems().isEmpty(), qPrintable(program));
        QCOMPARE(check.size().estimated, program != QLatin1String("xorriso") || !xorrisoHere);
        QVERIFY(big.resize(qint64(4173824) * 2048));
        QVERIFY(check.run());
        QCOMPARE(check.problems().size(), 1);
        QCOMPARE(check.problems().first().kind, DiscProblem::Kind::TooLarge);
    }
}

void TestDiscCheck::cancelStopsTheWalk()
{
    MenuFixture fixture;
    for (int i = 0; i < 600; ++i)
        DiscFiles::writeFile(fixture.cdFolder() + QStringLiteral("/many/f%1.txt").arg(i), "x");
    DiscCheck check(fixture.store(), fixture.snapshot(MenuTemplate::standard()));
    QList<int> reports;
    check.setProgress([&reports](int seen) {
        reports.append(seen);
        return seen < 512;
    });
    QVERIFY(!check.run());
    QCOMPARE(reports, (QList<int>{256, 512}));
    check.setProgress({});
    QVERIFY(check.run());
    QVERIFY(check.size().sectors > 600);
}

void TestDiscCheck::linksAndStrangeNames_data()
{
    // Made under the CD root: "name" a file, "name->target" a link, "name/" a folder, "name|" a pipe, "name=" a socket.
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QStringList>("notes");

    QTest::newRow("links inside the root")
        << QStringList{"a.txt", "b.txt->a.txt", "sub/", "c->sub"} << QStringList{} << QStringList{};
    QTest::newRow("link out of the root")
        << QStringList{"etc->/etc"}
        << QStringList{"link: The link etc leads outside the CD root; the disc image leaves it out."} << QStringList{};
    QTest::newRow("link to nothing") << QStringList{"gone->nothing"}
                                     << QStringList{"link: The link gone leads to nothing"} << QStringList{};
    QTest::newRow("link back up") << QStringList{"sub/", "sub/up->.."}
                                  << QStringList{"link: The link sub/up leads back into a folder"} << QStringList{};
    QTest::newRow("name not UTF-8")
        << QStringList{"Video<E9>.avi"}
        << QStringList{"utf8: The name Video\\xE9.avi cannot be shown on the menu or read on Windows: rename it."}
        << QStringList{};
    QTest::newRow("line break in a name")
        << QStringList{"two\nlines.txt"} << QStringList{"name: The name two\\x0Alines.txt holds a control character"}
        << QStringList{};
    QTest::newRow("a pipe and a socket")
        << QStringList{"queue|", "Docs/", "Docs/talk="}
        << QStringList{"special: Docs/talk is a pipe, a device or a socket, not a file; the disc image leaves it out.",
                       "special: queue is a pipe"}
        << QStringList{};
    QTest::newRow("hidden files are notes")
        << QStringList{".DS_Store", ".git/", ".git/config", "Docs/", "Docs/.hidden"} << QStringList{}
        << QStringList{"The hidden file .DS_Store will go on the disc.", "The hidden folder .git will go on the disc.",
                       "The hidden file Docs/.hidden will go on the disc."};
}

void TestDiscCheck::linksAndStrangeNames()
{
    QFETCH(QStringList, made);
    QFETCH(QStringList, problems);
    QFETCH(QStringList, notes);
    if (!PosixFiles::available())
        QSKIP(PosixFiles::missing);
    MenuFixture fixture;
    const QByteArray root = QFile::encodeName(fixture.cdFolder()) + '/';
    for (const QString &item : made) {
        // "<E9>" is the byte 0xE9 as it is, which is no UTF-8.
        const QByteArray bytes = item.toUtf8().replace("<E9>", "\xE9");
        const int arrow = bytes.indexOf("->");
        if (arrow > 0)
            QVERIFY(PosixFiles::link(bytes.mid(arrow + 2), root + bytes.left(arrow)));
        else if (bytes.endsWith('|'))
            QVERIFY(PosixFiles::pipe(root + bytes.chopped(1)));
        else if (bytes.endsWith('='))
            QVERIFY(PosixFiles::socket(root + bytes.chopped(1)));
        else if (bytes.endsWith('/'))
            QVERIFY(PosixFiles::folder(root + bytes));
        else
            QVERIFY(PosixFiles::file(root + bytes));
    }
    DiscCheck check(fixture.store(), fixture.snapshot(MenuTemplate::standard()));
    QVERIFY(check.run());
    QStringList found;
    for (const DiscProblem &problem : check.problems())
        found.append(kindName(problem.kind) + ": " + problem.text);
    QCOMPARE(found.size(), problems.size());
    for (int i = 0; i < problems.size(); ++i)
        QVERIFY2(found.at(i).startsWith(problems.at(i)), qPrintable(found.at(i)));
    QStringList sortedNotes = check.notes();
    sortedNotes.sort();
    notes.sort();
    QCOMPARE(sortedNotes, notes);
    for (const QString &line : found + check.notes())
        QVERIFY2(!line.contains(QLatin1Char('\n')), qPrintable(line));
}

void TestDiscCheck::unreadableFiles()
{
    if (!PosixFiles::available())
        QSKIP(PosixFiles::missing);
    if (PosixFiles::isRoot())
        QSKIP("Every file is readable to root.");
    MenuFixture fixture;
    DiscFiles::writeFile(fixture.cdFolder() + "/secret.txt", "x");
    QVERIFY(QDir().mkpath(fixture.cdFolder() + "/closed"));
    QFile::setPermissions(fixture.cdFolder() + "/secret.txt", QFile::WriteOwner);
    QFile::setPermissions(fixture.cdFolder() + "/closed", QFile::WriteOwner);
    DiscCheck check(fixture.store(), fixture.snapshot(MenuTemplate::standard()));
    check.run();
    QFile::setPermissions(fixture.cdFolder() + "/closed", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStringList found;
    for (const DiscProblem &problem : check.problems())
        found.append(kindName(problem.kind) + ": " + problem.text);
    found.sort();
    QCOMPARE(found,
             (QStringList{"unreadable: The folder closed cannot be read, so no disc image can be made of it.",
                          "unreadable: The file secret.txt cannot be read, so no disc image can be made of it."}));
}

void TestDiscCheck::sizeIsTheImagesSize_data()
{
    QTest::addColumn<QString>("shape");
    QTest::newRow("many small files") << "many";
    QTest::newRow("one large sparse file") << "sparse";
    QTest::newRow("deep folders and links") << "deep";
}

// The sectors the check reports are those of the image written afterwards, and the estimate without xorriso never
// falls short of them.
void TestDiscCheck::sizeIsTheImagesSize()
{
    QFETCH(QString, shape);
    if (IsoImage::findProgram(QStringLiteral("xorriso")).isEmpty())
        QSKIP("No xorriso here to make the image whose size is compared; the Linux build has one.");
    MenuFixture fixture;
    const QString root = fixture.cdFolder();
    if (shape == QLatin1String("many")) {
        for (int i = 0; i < 2000; ++i)
            DiscFiles::writeFile(root + QStringLiteral("/f%1/file number %2.txt").arg(i % 7).arg(i),
                                 QByteArray(i % 3000, 'x'));
    } else if (shape == QLatin1String("sparse")) {
        QFile big(root + "/big.img");
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(150 * 1000 * 1000 + 5));
    } else {
        if (!PosixFiles::available())
            QSKIP(PosixFiles::missing);
        QString folder = root;
        for (int i = 0; i < 40; ++i) {
            folder += QStringLiteral("/level %1 with a longer name").arg(i);
            DiscFiles::writeFile(folder + "/note.txt", QByteArray(100 + i, 'n'));
        }
        QVERIFY(QFile::link(folder + "/note.txt", root + "/deep note.txt"));
        QVERIFY(QFile::link(root + "/level 0 with a longer name", root + "/shortcut"));
        QVERIFY(QFile::link("/etc", root + "/outside"));
    }
    const MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
    DiscCheck check(fixture.store(), snapshot);
    QVERIFY(check.run());
    QVERIFY(!check.size().estimated);
    const QString image = fixture.path("disc.iso");
    IsoImage writer;
    {
        const StepResult made = writer.run(root, snapshot.title, image);
        QVERIFY2(made, qPrintable(made.error));
    }
    const qint64 written = QFileInfo(image).size();
    QCOMPARE(check.size().sectors * 2048, written);
    QFile::remove(image);

    check.setProgram(QStringLiteral("/nonexistent/xorriso"));
    QVERIFY(check.run());
    QVERIFY(check.size().estimated);
    QVERIFY2(check.size().sectors * 2048 >= written, qPrintable(check.size().line()));
    QCOMPARE(check.size().whyEstimated, QStringLiteral("xorriso was not found"));

    // Files that change while xorriso reads them: the line says what xorriso said.
    DiscFiles::writeFile(fixture.path("bin/xorriso"),
                         "#!/bin/sh\necho 'libisofs: FAILURE : Cannot stat file /cd/gone.txt' >&2\nexit 32\n");
    QFile::setPermissions(fixture.path("bin/xorriso"), QFile::ReadOwner | QFile::ExeOwner);
    check.setProgram(fixture.path("bin/xorriso"));
    QVERIFY(check.run());
    QVERIFY2(check.size().line().contains(", estimated (xorriso could not tell the image's size. libisofs: FAILURE : "
                                          "Cannot stat file /cd/gone.txt); "),
             qPrintable(check.size().line()));
}

// A CD root that is the data home, or holds it, would put every stored menu on the disc.
void TestDiscCheck::ownDataIsAProblem()
{
    MenuFixture fixture;
    for (const QString &root : {fixture.path("home"), fixture.path("."), fixture.cdFolder()}) {
        MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
        snapshot.rootPath = PathMapping::rootPathFor(QDir::cleanPath(root));
        DiscCheck check(fixture.store(), snapshot);
        QVERIFY(check.run());
        QStringList own;
        for (const DiscProblem &problem : check.problems())
            if (problem.kind == DiscProblem::Kind::OwnData)
                own.append(problem.text);
        QCOMPARE(own.size(), root == fixture.cdFolder() ? 0 : 1);
        if (!own.isEmpty())
            QVERIFY2(own.first().contains("holds Velmora's own data (" + PathMapping::shown(fixture.databasePath()) + ")"),
                     qPrintable(own.first()));
    }
}

QTEST_GUILESS_MAIN(TestDiscCheck)
#include "tst_disccheck.moc"
