#include "core/disc/DiscCheck.h"
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
                                        << QStringList{"missing: Docs/gone.txt of the entry"};
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
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
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
    size.bytes = sectors * 2048;
    QVERIFY2(size.line().endsWith(line), qPrintable(size.line()));
    QVERIFY(size.line().startsWith(QStringLiteral("Size: %1 MB").arg(double(size.bytes) / 1e6, 0, 'f', 1)));
}

void TestDiscCheck::tooLargeForAnyDisc()
{
    MenuFixture fixture;
    // Sparse files: sizes count, not the blocks they take here. Each file is rounded up to whole sectors.
    QFile big(fixture.cdFolder() + "/big.img");
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(4173824 - 2) * 2048));
    big.close();
    DiscFiles::writeFile(fixture.cdFolder() + "/a.txt", "a");
    DiscCheck check(fixture.store(), fixture.snapshot(MenuTemplate::standard()));
    QVERIFY(check.run());
    QVERIFY(check.problems().isEmpty());
    QCOMPARE(check.size().sectors, qint64(4173824 - 1));
    DiscFiles::writeFile(fixture.cdFolder() + "/b.txt", "bb");
    DiscFiles::writeFile(fixture.cdFolder() + "/c.txt", "c");
    QVERIFY(check.run());
    QCOMPARE(check.size().bytes, qint64(4173824 - 2) * 2048 + 4);
    QCOMPARE(check.problems().size(), 1);
    QCOMPARE(check.problems().first().kind, DiscProblem::Kind::TooLarge);
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
    QCOMPARE(check.size().bytes, qint64(600));
}

QTEST_GUILESS_MAIN(TestDiscCheck)
#include "tst_disccheck.moc"
