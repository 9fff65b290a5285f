#include "core/data/DataError.h"
#include "core/data/DatabaseFile.h"
#include "core/data/MenuReader.h"
#include "core/data/MenuStore.h"
#include "core/data/SqliteConnection.h"
#include "tests/common/clsData.h"
#include "core/generate/StoredSnapshot.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList styleValues(const QString &name)
{
    QStringList values;
    for (const QString &column : Sql::styleColumns())
        values.append(column == QLatin1String("StyleName") ? name : column + QStringLiteral("-value"));
    return values;
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void menuRoundTrip();
    void titleCheckIgnoresLetterCase();
    void linkSearchMatchesPartsExactly();
    void categoriesAreGrouped();
    void entriesKeepTheirStoredOrder();
    void valuesKeepTheirEngineType_data();
    void valuesKeepTheirEngineType();
    void menuReaderStepsOverOneMenu();
    void styleInsertAndLastId();
    void textIsStoredUnchanged_data();
    void textIsStoredUnchanged();
    void engineErrorsCarryTheEngineMessage();
    void existingDatabaseFromAnotherToolIsUsed();
    void olderDatabaseGainsTheLanguageColumn();
    void foreignFileIsRefusedAndUntouched_data();
    void foreignFileIsRefusedAndUntouched();

private:
    qint64 insertMenu(const QString &title);

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_path;
    std::unique_ptr<clsData> m_data;
};

void TestData::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    m_path = m_home->filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(m_path);
    QVERIFY(QFile::exists(m_path));
    m_data = std::make_unique<clsData>(m_path);
}

qint64 TestData::insertMenu(const QString &title)
{
    m_data->ExecuteSQL(Sql::insertMenu(QStringLiteral("Standard"), title, 1, QStringLiteral("/media/cd")));
    Recordset last = m_data->GetRS(TestSql::selectLastMenuId());
    const qint64 id = last.value(QStringLiteral("lastid")).toLongLong();
    last.close();
    return id;
}

void TestData::menuRoundTrip()
{
    const qint64 first = insertMenu(QStringLiteral("Summer CD"));
    const qint64 second = insertMenu(QStringLiteral("Winter CD"));
    QCOMPARE(second, first + 1);

    Recordset menu = m_data->GetRS(Sql::selectMenu(second));
    QCOMPARE(menu.recordCount(), 1);
    QCOMPARE(menu.text(QStringLiteral("title")), QStringLiteral("Winter CD"));
    QCOMPARE(menu.text(QStringLiteral("ROOT")), QStringLiteral("/media/cd"));
    QCOMPARE(menu.value(QStringLiteral("StyleNo")).toLongLong(), 1);

    m_data->ExecuteSQL(
        Sql::updateMenu(second, QStringLiteral("Extended"), QStringLiteral("Winter DVD"), 4, QStringLiteral("/tmp/x")));
    menu = m_data->GetRS(Sql::selectMenu(second));
    QCOMPARE(menu.text(QStringLiteral("Template")), QStringLiteral("Extended"));
    QCOMPARE(menu.text(QStringLiteral("Title")), QStringLiteral("Winter DVD"));
    QCOMPARE(menu.value(QStringLiteral("StyleNo")).toLongLong(), 4);
    QCOMPARE(menu.text(QStringLiteral("Root")), QStringLiteral("/tmp/x"));

    m_data->ExecuteSQL(Sql::deleteMenu(first));
    Recordset all = m_data->GetRS(Sql::selectMenus());
    QCOMPARE(all.recordCount(), 1);
    QCOMPARE(all.value(QStringLiteral("MenuID")).toLongLong(), second);
    all.moveNext();
    QVERIFY(all.atEnd());

    // Ids are never reused, even after the newest row is deleted.
    m_data->ExecuteSQL(Sql::deleteMenu(second));
    QCOMPARE(insertMenu(QStringLiteral("Spring CD")), second + 1);
}



void TestData::titleCheckIgnoresLetterCase()
{
    insertMenu(QStringLiteral("Summer CD"));
    QCOMPARE(m_data->GetRS(Sql::selectMenuTitle(QStringLiteral("SUMMER cd"))).recordCount(), 1);
    QCOMPARE(m_data->GetRS(Sql::selectMenuTitle(QStringLiteral("Summer CD "))).recordCount(), 0);
    QCOMPARE(m_data->GetRS(Sql::selectMenuTitle(QStringLiteral("Summer"))).recordCount(), 0);
    insertMenu(QStringLiteral(u"Ärger im Großraum"));
    QCOMPARE(m_data->GetRS(Sql::selectMenuTitle(QStringLiteral(u"äRGER IM GROßRAUM"))).recordCount(), 1);
    QCOMPARE(m_data->GetRS(Sql::selectMenuTitle(QStringLiteral(u"Arger im Großraum"))).recordCount(), 0);
}

void TestData::linkSearchMatchesPartsExactly()
{
    const qint64 one = insertMenu(QStringLiteral("One"));
    const qint64 two = insertMenu(QStringLiteral("Two"));
    for (qint64 menu : {one, two}) {
        m_data->ExecuteSQL(Sql::insertEntry(menu, QStringLiteral("Tools"), QStringLiteral("Setup"),
                                            QStringLiteral("Tools/Setup.exe"), QStringLiteral("Installs it"),
                                            QStringLiteral("none")));
    }
    m_data->ExecuteSQL(Sql::insertEntry(two, QStringLiteral("Docs"), QStringLiteral("Read me"),
                                        QStringLiteral("docs/readme-setup.txt"), QStringLiteral("Notes"),
                                        QStringLiteral("none")));

    // The same title, link and description in two menus come back once.
    Recordset found = m_data->GetRS(Sql::selectEntriesLinkingTo(QStringLiteral("Setup.exe")));
    QCOMPARE(found.recordCount(), 1);
    QCOMPARE(found.text(QStringLiteral("FileName")), QStringLiteral("Setup"));
    QCOMPARE(found.value(QStringLiteral("expr1")).toLongLong(), 7);

    QCOMPARE(m_data->GetRS(Sql::selectEntriesLinkingTo(QStringLiteral("setup.exe"))).recordCount(), 0);
    QCOMPARE(m_data->GetRS(Sql::selectEntriesLinkingTo(QStringLiteral("setup"))).recordCount(), 1);
    QCOMPARE(m_data->GetRS(Sql::selectEntriesLinkingTo(QStringLiteral("e"))).recordCount(), 2);

    Recordset descriptions = m_data->GetRS(Sql::selectDescriptions(QStringLiteral("Setup")));
    QCOMPARE(descriptions.recordCount(), 2);
    QCOMPARE(descriptions.columns(), QStringList{QStringLiteral("Description")});
}

void TestData::categoriesAreGrouped()
{
    const qint64 id = insertMenu(QStringLiteral("Games CD"));
    const qint64 other = insertMenu(QStringLiteral("Other"));
    const QStringList categories = {QStringLiteral("Tools"), QStringLiteral("Games"), QStringLiteral("games"),
                                    QStringLiteral("Tools"), QStringLiteral("Docs")};
    int n = 0;
    for (const QString &category : categories) {
        m_data->ExecuteSQL(Sql::insertEntry(id, category, QStringLiteral("Entry %1").arg(++n), QStringLiteral("f"),
                                            QStringLiteral("d"), QStringLiteral("none")));
    }
    m_data->ExecuteSQL(Sql::insertEntry(other, QStringLiteral("Music"), QStringLiteral("Song"), QStringLiteral("s"),
                                        QStringLiteral("d"), QStringLiteral("none")));

    Recordset groups = m_data->GetRS(Sql::selectCategories(id));
    QStringList seen;
    while (!groups.atEnd()) {
        QCOMPARE(groups.value(QStringLiteral("MenuNo")).toLongLong(), id);
        seen.append(groups.text(QStringLiteral("Category")));
        groups.moveNext();
    }
    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen.at(0), QStringLiteral("Docs"));
    QCOMPARE(seen.at(1).toLower(), QStringLiteral("games"));
    QCOMPARE(seen.at(2), QStringLiteral("Tools"));

    QCOMPARE(m_data->GetRS(Sql::selectEntriesInCategory(id, QStringLiteral("GAMES"))).recordCount(), 2);
    QCOMPARE(m_data->GetRS(Sql::selectEntriesInCategory(id, QStringLiteral("Music"))).recordCount(), 0);
}

void TestData::entriesKeepTheirStoredOrder()
{
    const qint64 id = insertMenu(QStringLiteral("Ordered"));
    const QStringList names = {QStringLiteral("Zeta"), QStringLiteral("Alpha"), QStringLiteral("Mid")};
    const QStringList categories = {QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")};
    for (int i = 0; i < names.size(); ++i) {
        m_data->ExecuteSQL(Sql::insertEntry(id, categories.at(i), names.at(i), QStringLiteral("x"), QStringLiteral("d"),
                                            QStringLiteral("none")));
    }
    Recordset entries = m_data->GetRS(Sql::selectEntries(id));
    QStringList seen;
    for (; !entries.atEnd(); entries.moveNext())
        seen.append(entries.text(QStringLiteral("FileName")));
    QCOMPARE(seen, names);
}

void TestData::valuesKeepTheirEngineType_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("integer") << "-9007199254740993" << QVariant(qlonglong(-9007199254740993LL)) << false
                             << QByteArray();
    QTest::newRow("real") << "2.5" << QVariant(2.5) << false << QByteArray();
    QTest::newRow("null") << "NULL" << QVariant() << true << QByteArray();
    QTest::newRow("empty text") << "''" << QVariant(QStringLiteral("")) << true << QByteArray();
    QTest::newRow("non-Latin text") << QStringLiteral(u"'Ä€日'") << QVariant(QStringLiteral(u"Ä€日")) << true
                                    << QStringLiteral(u"Ä€日").toUtf8();
    QTest::newRow("blob read as text") << "x'41004200'" << QVariant(QString::fromUtf8("A\0B\0", 4)) << true
                                       << QByteArray("A\0B\0", 4);
}

void TestData::valuesKeepTheirEngineType()
{
    QFETCH(QString, expression);
    QFETCH(QVariant, value);
    QFETCH(bool, hasText);
    QFETCH(QByteArray, utf8);
    // Two rows, so that the second row's cells are found after the first's.
    const QString sql = QStringLiteral("SELECT 7 AS first, %1 AS Second UNION ALL SELECT 8, 'after'").arg(expression);
    Recordset rs = m_data->GetRS({sql, {}});
    QCOMPARE(rs.recordCount(), 2);
    const int column = rs.columnIndex(QStringLiteral("second"));
    QCOMPARE(column, 1);
    QCOMPARE(rs.value(column).typeId(), value.typeId());
    QCOMPARE(rs.value(column), value);
    QCOMPARE(rs.value(QStringLiteral("SECOND")), value);
    rs.moveNext();
    QCOMPARE(rs.value(0), QVariant(qlonglong(8)));
    QVERIFY_THROWS_EXCEPTION(DataError, rs.value(2));
    rs.moveNext();
    QVERIFY(rs.atEnd());

    // A cursor hands out the engine's own bytes of text, row by row.
    EntryCursor cursor(std::make_shared<SqliteConnection>(m_data->databasePath()), sql, {});
    QVERIFY(cursor.next());
    QCOMPARE(cursor.column(QStringLiteral("SECOND")), 1);
    QCOMPARE(cursor.value(1), value);
    const SqliteStatement::Raw raw = cursor.raw(1);
    QCOMPARE(raw.type == SqliteStatement::Text || raw.type == SqliteStatement::Blob ||
                 raw.type == SqliteStatement::Null,
             hasText);
    if (hasText)
        QCOMPARE(raw.utf8.toByteArray(), utf8);
    QVERIFY(cursor.next());
    QCOMPARE(cursor.raw(1).utf8.toByteArray(), QByteArray("after"));
    QVERIFY(!cursor.next());
    QVERIFY_THROWS_EXCEPTION(DataError, cursor.column(QStringLiteral("third")));
}

void TestData::menuReaderStepsOverOneMenu()
{
    const qint64 id = insertMenu(QStringLiteral("Grouped"));
    m_data->ExecuteSQL(Sql::insertStyle(styleValues(QStringLiteral("Blue"))));
    const QStringList categories = {QStringLiteral("Tools"), QStringLiteral("Games"), QStringLiteral("tools")};
    for (int i = 0; i < categories.size(); ++i) {
        m_data->ExecuteSQL(Sql::insertEntry(id, categories.at(i), QStringLiteral("Entry %1").arg(i),
                                            QStringLiteral("f"), QStringLiteral("d"), QStringLiteral("none")));
    }
    auto names = [](EntryCursor rows, const QString &column) {
        QStringList seen;
        const int index = rows.column(column);
        while (rows.next())
            seen.append(rows.value(index).toString());
        return seen.join(QLatin1Char('+'));
    };
    {
        MenuReader reader{MenuStore(m_path)};
        const std::optional<StoredMenu> menu = reader.menu(id);
        QVERIFY(menu);
        QCOMPARE(menu->row.title, QStringLiteral("Grouped"));
        QVERIFY(menu->style && menu->style->styleName == QStringLiteral("Blue"));
        QVERIFY(!reader.menu(id + 1));
        QCOMPARE(reader.entryCount(id), 3);
        QCOMPARE(reader.categoryCount(id, 10), 2); // categories compare without regard to case
        QCOMPARE(reader.categoryCount(id, 1), 1);
        QCOMPARE(names(reader.entries(id), QStringLiteral("FileName")), QStringLiteral("Entry 0+Entry 1+Entry 2"));
        QCOMPARE(names(reader.entryTitles(id), QStringLiteral("FileName")), QStringLiteral("Entry 0+Entry 1+Entry 2"));
        QCOMPARE(names(reader.entriesInCategory(id, QStringLiteral("TOOLS")), QStringLiteral("FileName")),
                 QStringLiteral("Entry 0+Entry 2"));
        QCOMPARE(names(reader.entriesInCategory(id, QStringLiteral("Music")), QStringLiteral("FileName")), QString());
        QCOMPARE(names(reader.categories(id), QStringLiteral("Category")).toLower(), QStringLiteral("games+tools"));
    }
    // Once the reader is gone the database is free for writing.
    m_data->ExecuteSQL(Sql::deleteMenu(id));
    MenuReader reader{MenuStore(m_path)};
    QVERIFY(!reader.menu(id));
}

void TestData::styleInsertAndLastId()
{
    m_data->ExecuteSQL(Sql::insertStyle(styleValues(QStringLiteral("Blue"))));
    m_data->ExecuteSQL(Sql::insertStyle(styleValues(QStringLiteral("Green"))));
    Recordset last = m_data->GetRS(TestSql::selectLastStyleId());
    const qint64 id = last.value(QStringLiteral("LASTID")).toLongLong();
    QCOMPARE(id, 2);

    Recordset style = m_data->GetRS(Sql::selectStyle(id));
    QCOMPARE(style.columns().size(), 19);
    QCOMPARE(style.columns().first(), QStringLiteral("StyleID"));
    QCOMPARE(style.text(QStringLiteral("StyleName")), QStringLiteral("Green"));
    QCOMPARE(style.text(QStringLiteral("HyperColorA")), QStringLiteral("HyperColorA-value"));
    QCOMPARE(m_data->GetRS(Sql::selectStyles()).recordCount(), 2);

    QVERIFY_THROWS_EXCEPTION(DataError, m_data->ExecuteSQL(Sql::insertStyle({QStringLiteral("too few")})));
    QCOMPARE(m_data->GetRS(Sql::selectStyles()).recordCount(), 2);
}



void TestData::textIsStoredUnchanged_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::newRow("apostrophes") << QStringLiteral("Tom's 'best' CD") << QStringLiteral("It's ''quoted''");
    QTest::newRow("line breaks") << QStringLiteral("Two\nlines") << QStringLiteral("First\r\nSecond\r\n\r\nFourth");
    QTest::newRow("non-Latin") << QStringLiteral(u"Ελληνικά δίσκος") << QStringLiteral(u"日本語の説明 – ÄÖÜ ß €");
    QTest::newRow("statement text") << QStringLiteral("x'); DROP TABLE tblMenus; --") << QStringLiteral("\" OR 1=1 --");
}

void TestData::textIsStoredUnchanged()
{
    QFETCH(QString, title);
    QFETCH(QString, description);
    const qint64 id = insertMenu(title);
    QCOMPARE(m_data->GetRS(Sql::selectMenu(id)).text(QStringLiteral("Title")), title);
    QCOMPARE(m_data->GetRS(Sql::selectMenuTitle(title)).recordCount(), 1);

    m_data->ExecuteSQL(Sql::insertEntry(id, title, title, QStringLiteral("a/b c.txt"), description, title));
    Recordset entry = m_data->GetRS(TestSql::selectEntry(id, title));
    QCOMPARE(entry.recordCount(), 1);
    QCOMPARE(entry.text(QStringLiteral("Description")), description);
    QCOMPARE(entry.text(QStringLiteral("Category")), title);
    QCOMPARE(entry.text(QStringLiteral("Screenshot")), title);
    QCOMPARE(m_data->GetRS(Sql::selectDescriptions(title)).text(QStringLiteral("Description")), description);
    QCOMPARE(m_data->GetRS(Sql::selectMenus()).recordCount(), 1);
}

void TestData::engineErrorsCarryTheEngineMessage()
{
    try {
        m_data->ExecuteSQL({QStringLiteral("INSERT INTO tblNothing VALUES (1)"), {}});
        QFAIL("the statement should have failed");
    } catch (const DataError &error) {
        QVERIFY2(error.message().contains(QLatin1String("no such table: tblNothing")), qPrintable(error.message()));
    }

    clsData missing(m_home->filePath(QStringLiteral("gone/Velmora.dat")));
    QVERIFY_THROWS_EXCEPTION(DataError, missing.GetRS(Sql::selectMenus()));
    QVERIFY(!QFile::exists(m_home->filePath(QStringLiteral("gone/Velmora.dat"))));
}


void TestData::existingDatabaseFromAnotherToolIsUsed()
{
    const QString path = m_home->filePath(QStringLiteral("other/Velmora.dat"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        SqliteConnection made(path, SqliteConnection::Mode::Create);
        made.execute(QStringLiteral(
            "CREATE TABLE tblMenus (MenuID INTEGER PRIMARY KEY, Template TEXT, Title TEXT, StyleNo INT, Root TEXT);"
            "CREATE TABLE tblDetails (MenuNo INT, Category TEXT, FileName TEXT, FileLink TEXT, Description TEXT, "
            "Screenshot TEXT);"
            "CREATE TABLE tblStyles (StyleID INTEGER PRIMARY KEY, StyleName, BackColor, BackImage, Soundfile, "
            "Logofile, LogoTop, LogoLeft, ButtonOnImage, ButtonOffImage, TitleFont, TitleColor, ButtonFont, "
            "ButtonColor, TextFont, TextColor, HyperFont, HyperColor, HyperColorA);"
            "INSERT INTO tblMenus VALUES (7, 'Standard', 'Summer CD', 1, '/media/summer');"));
    }
    DatabaseFile::prepare(path);
    // Only the menus' language is added; a second start leaves the file as it is.
    const QByteArray before = fileHash(path);
    DatabaseFile::prepare(path);
    QCOMPARE(fileHash(path), before);

    clsData data(path);
    Recordset menus = data.GetRS(Sql::selectMenus());
    QCOMPARE(menus.recordCount(), 1);
    QCOMPARE(menus.value(QStringLiteral("menuid")).toLongLong(), 7);
    QCOMPARE(menus.text(QStringLiteral("Title")), QStringLiteral("Summer CD"));
    // Its columns compare exactly, yet a title is still told apart without regard to case.
    QCOMPARE(data.GetRS(Sql::selectMenuTitle(QStringLiteral("SUMMER cd"))).recordCount(), 1);
}

// Every row of every table, in rowid order, with the columns the database had before.
static QList<QVariantList> allRows(const QString &path, const QString &table, const QStringList &columns)
{
    SqliteConnection connection(path);
    SqliteStatement rows(connection,
                         QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns.join(QLatin1Char(',')), table));
    QList<QVariantList> result;
    while (rows.step()) {
        QVariantList row;
        for (int i = 0; i < columns.size(); ++i)
            row.append(rows.value(i));
        result.append(row);
    }
    return result;
}

void TestData::olderDatabaseGainsTheLanguageColumn()
{
    // A Velmora.dat as Velmora made it before menus had a language, with rows in every table.
    const QString older = m_home->filePath(QStringLiteral("older.dat"));
    {
        SqliteConnection made(older, SqliteConnection::Mode::Create);
        made.execute(QStringLiteral(
            "CREATE TABLE tblMenus (MenuID INTEGER PRIMARY KEY AUTOINCREMENT, Template TEXT COLLATE NOCASE, "
            "Title TEXT COLLATE NOCASE, StyleNo INTEGER, Root TEXT COLLATE NOCASE);"
            "CREATE TABLE tblDetails (MenuNo INTEGER, Category TEXT COLLATE NOCASE, FileName TEXT COLLATE NOCASE, "
            "FileLink TEXT COLLATE NOCASE, Description TEXT COLLATE NOCASE, Screenshot TEXT COLLATE NOCASE);"
            "CREATE INDEX idxDetailsMenuNo ON tblDetails (MenuNo);"
            "CREATE TABLE tblStyles (StyleID INTEGER PRIMARY KEY AUTOINCREMENT, StyleName, BackColor, BackImage, "
            "Soundfile, Logofile, LogoTop, LogoLeft, ButtonOnImage, ButtonOffImage, TitleFont, TitleColor, "
            "ButtonFont, ButtonColor, TextFont, TextColor, HyperFont, HyperColor, HyperColorA);"
            "INSERT INTO tblMenus VALUES (3, 'Modern', 'Tools', 2, '/media/tools');"
            "INSERT INTO tblMenus VALUES (9, 'Extended', 'Ürün''s CD', NULL, NULL);"
            "INSERT INTO tblDetails VALUES (9, 'Games', 'Chess', 'games/chess.exe', '<b>Play</b>', 'none');"
            "INSERT INTO tblDetails VALUES (3, NULL, 'Readme', 'readme.txt', 'Read me', NULL);"
            "INSERT INTO tblStyles (StyleID, StyleName, BackColor) VALUES (2, 'Ocean', '16777215 ');"));
    }
    const QString path = m_home->filePath(QStringLiteral("copy/Velmora.dat"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(QFile::copy(older, path));

    DatabaseFile::prepare(path);
    const QList<QPair<QString, QStringList>> tables = {
        {QStringLiteral("tblMenus"), {"MenuID", "Template", "Title", "StyleNo", "Root"}},
        {QStringLiteral("tblDetails"), {"MenuNo", "Category", "FileName", "FileLink", "Description", "Screenshot"}},
        {QStringLiteral("tblStyles"), QStringList{QStringLiteral("StyleID")} + Sql::styleColumns()},
    };
    for (const auto &[table, columns] : tables)
        QCOMPARE(allRows(path, table, columns), allRows(older, table, columns));
    QCOMPARE(allRows(path, QStringLiteral("tblMenus"), {QStringLiteral("Language")}),
             (QList<QVariantList>{{QVariant()}, {QVariant()}}));

    // A menu stored before reads as English; a menu stored now keeps its language.
    MenuStore store(path);
    MenuRecord menu{0, QStringLiteral("Modern"), QStringLiteral("Sommer"),
                    2, QStringLiteral("/m"),     QStringLiteral("de")};
    store.saveMenu(menu);
    QCOMPARE(menu.id, 10);
    MenuReader reader(store);
    QCOMPARE(StoredSnapshot::load(reader, 3).value.snapshot.language, QStringLiteral("en"));
    QCOMPARE(StoredSnapshot::load(reader, 10).value.snapshot.language, QStringLiteral("de"));
}

void TestData::foreignFileIsRefusedAndUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("schema");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text file") << QByteArray("These are my notes, not a database.\n") << QString()
                               << QStringLiteral("not a database");
    QTest::newRow("binary junk") << QByteArray(8192, '\x5a') << QString() << QStringLiteral("not a database");
    QTest::newRow("missing table") << QByteArray()
                                   << QStringLiteral("CREATE TABLE tblMenus (MenuID, Template, Title, StyleNo, Root);"
                                                     "CREATE TABLE tblDetails (MenuNo, Category, FileName, FileLink, "
                                                     "Description, Screenshot);")
                                   << QStringLiteral("has no table tblStyles");
    QTest::newRow("missing column") << QByteArray()
                                    << QStringLiteral("CREATE TABLE tblMenus (MenuID, Template, Title, StyleNo);")
                                    << QStringLiteral("table tblMenus has no column Root");
}

void TestData::foreignFileIsRefusedAndUntouched()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, schema);
    QFETCH(QString, expected);
    const QString path = m_home->filePath(QStringLiteral("foreign.dat"));
    if (schema.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    } else {
        SqliteConnection made(path, SqliteConnection::Mode::Create);
        made.execute(schema);
    }
    const QByteArray before = fileHash(path);
    try {
        DatabaseFile::prepare(path);
        QFAIL("the file should have been refused");
    } catch (const DataError &error) {
        QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
        QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
    }
    QCOMPARE(fileHash(path), before);
}

QTEST_GUILESS_MAIN(TestData)
#include "tst_data.moc"
