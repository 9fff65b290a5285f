#include "core/data/DataError.h"
#include "core/data/DatabaseFile.h"
#include "core/data/MenuStore.h"
#include "tests/common/clsData.h"
#include "core/model/MenuSnapshot.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The menu store's changes: each one whole or not at all, and never on a menu that is gone.
class TestMenuStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void styleSaveRollsBack_data();
    void styleSaveRollsBack();
    void changesToLostMenuStoreNothing();
    void concurrentFillsStoreEachFileOnce();
    void menuKeepsItsLanguage();

private:
    QVariant scalar(const QString &sql);
    QString dump();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestMenuStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(m_path);
}

QVariant TestMenuStore::scalar(const QString &sql)
{
    Recordset rows = clsData(m_path).GetRS(SqlStatement{sql, {}});
    return rows.atEnd() ? QVariant() : rows.value(0);
}

// Every row of the three tables, for comparing the database before and after.
QString TestMenuStore::dump()
{
    QStringList rows;
    for (const QString &table :
         {QStringLiteral("tblMenus"), QStringLiteral("tblStyles"), QStringLiteral("tblDetails")}) {
        Recordset rs = clsData(m_path).GetRS(SqlStatement{QStringLiteral("SELECT * FROM ") + table, {}});
        for (; !rs.atEnd(); rs.moveNext()) {
            QStringList cells;
            for (const QString &column : rs.columns())
                cells.append(rs.text(column));
            rows.append(table + QLatin1Char(':') + cells.join(QLatin1Char('|')));
        }
    }
    return rows.join(QLatin1Char('\n'));
}

// The second statement of a style save fails (a trigger refuses it): style and menu are as they were.
void TestMenuStore::styleSaveRollsBack_data()
{
    QTest::addColumn<bool>("newStyle");
    QTest::addColumn<bool>("newMenu");
    QTest::newRow("new style, new menu") << true << true;
    QTest::newRow("new style, stored menu") << true << false;
    QTest::newRow("stored style, stored menu") << false << false;
}

void TestMenuStore::styleSaveRollsBack()
{
    QFETCH(bool, newStyle);
    QFETCH(bool, newMenu);
    MenuStore store(m_path);
    qint64 styleId = 0;
    MenuRecord menu{0, QStringLiteral("Standard"), QStringLiteral("Alpha"), 0, QStringLiteral("/cd")};
    store.saveStyleAndMenu(styleId, StyleFields::standard().values(), menu);
    QCOMPARE(menu.styleNo, styleId);

    clsData(m_path).ExecuteSQL({QStringLiteral("CREATE TRIGGER refuse BEFORE %1 ON tblMenus BEGIN "
                                               "SELECT RAISE(ABORT, 'refused'); END")
                                    .arg(newMenu ? QStringLiteral("INSERT") : QStringLiteral("UPDATE")),
                                {}});
    const QString before = dump();
    QStringList values = StyleFields::standard().values();
    values[1] = QStringLiteral("RGB(1,2,3)");
    qint64 id = newStyle ? 0 : styleId;
    MenuRecord changed = menu;
    if (newMenu)
        changed.id = 0;
    changed.title = QStringLiteral("Beta");
    QVERIFY_THROWS_EXCEPTION(DataError, store.saveStyleAndMenu(id, values, changed));
    QCOMPARE(dump(), before);
    QCOMPARE(id, newStyle ? 0 : styleId);
    QCOMPARE(changed.id, newMenu ? 0 : menu.id);
}

// Another program deleted the menu: saving it, adding or changing its entries, says so and stores nothing.
void TestMenuStore::changesToLostMenuStoreNothing()
{
    MenuStore store(m_path);
    MenuRecord menu{0, QStringLiteral("Standard"), QStringLiteral("Alpha"), 1, QStringLiteral("/cd")};
    store.saveMenu(menu);
    store.addEntry(menu, {QStringLiteral("none"), QStringLiteral("Readme"), QStringLiteral("readme.txt"), {}, {}});
    QVERIFY(MenuStore(m_path).deleteMenu(menu.id));
    QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM tblDetails")).toInt(), 0);
    QVERIFY(!MenuStore(m_path).deleteMenu(menu.id));

    const QString lost = QStringLiteral("The menu \"Alpha\" no longer exists; it was deleted by another program.");
    const EntryRecord entry{QStringLiteral("none"), QStringLiteral("Setup"), QStringLiteral("setup.exe"), {}, {}};
    const QList<std::function<void()>> changes = {
        [&] { store.saveMenu(menu); },
        [&] { store.addEntry(menu, entry); },
        [&] { store.addNewEntries(menu, {entry}); },
        [&] { store.saveEntry(menu, QStringLiteral("Readme"), entry); },
        [&] { store.removeEntry(menu, QStringLiteral("Readme")); },
        [&] {
            qint64 style = 0;
            store.saveStyleAndMenu(style, StyleFields::standard().values(), menu);
        },
    };
    for (const auto &change : changes) {
        try {
            change();
            QFAIL("a change to a deleted menu was stored");
        } catch (const DataError &error) {
            QCOMPARE(error.message(), lost);
            QVERIFY(error.kind() == DataError::Kind::MenuLost);
        }
    }
    QCOMPARE(dump(), QString());
}

// Two fills of one folder at once: every file gets one entry, round after round.
void TestMenuStore::concurrentFillsStoreEachFileOnce()
{
    const int rounds = qEnvironmentVariableIntValue("VELMORA_FILL_ROUNDS") > 0
                           ? qEnvironmentVariableIntValue("VELMORA_FILL_ROUNDS")
                           : 20;
    const int files = 3000;
    const QString home = m_dir->filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    DatabaseFile::prepare(home + QStringLiteral("/Velmora.dat"));
    m_path = home + QStringLiteral("/Velmora.dat");
    const QString cd = m_dir->filePath(QStringLiteral("cd"));
    for (int i = 0; i < files; ++i) {
        const QString folder = cd + QStringLiteral("/f%1").arg(i % 30);
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/file%1.txt").arg(i));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    for (int round = 1; round <= rounds; ++round) {
        MenuStore store(m_path);
        MenuRecord menu{0, QStringLiteral("Standard"), QStringLiteral("Round %1").arg(round), 0, cd};
        store.saveMenu(menu);
        QProcess first;
        QProcess second;
        const QStringList arguments = {QStringLiteral("add"), QString::number(menu.id), cd, QStringLiteral("--home"),
                                       home};
        first.start(QStringLiteral(VELMORA_BIN), arguments);
        second.start(QStringLiteral(VELMORA_BIN), arguments);
        QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
        QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QCOMPARE(store.entries(menu.id).size(), files);
        QCOMPARE(scalar(QStringLiteral("SELECT count(DISTINCT FileLink) FROM tblDetails WHERE MenuNo=%1").arg(menu.id))
                     .toInt(),
                 files);
    }
}

// The page's language is stored with the menu, changed with it, and read back by every way of reading menus; a
// database without the column reads as menus without one.
void TestMenuStore::menuKeepsItsLanguage()
{
    MenuStore store(m_path);
    MenuRecord menu{0, QStringLiteral("Modern"), QStringLiteral("Sommer"),
                    0, QStringLiteral("/cd"),    QStringLiteral("de")};
    store.saveMenu(menu);
    QCOMPARE(MenuStore(m_path).menu(menu.id)->language, QStringLiteral("de"));
    menu.language = QStringLiteral("fr");
    qint64 styleId = 0;
    store.saveStyleAndMenu(styleId, StyleFields::standard().values(), menu);
    QCOMPARE(MenuStore(m_path).menus().value(0).language, QStringLiteral("fr"));

    clsData(m_path).ExecuteSQL({QStringLiteral("ALTER TABLE tblMenus DROP COLUMN Language"), {}});
    const QVector<MenuRecord> menus = MenuStore(m_path).menus();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.at(0).title, QStringLiteral("Sommer"));
    QVERIFY(menus.at(0).language.isEmpty());
}

QTEST_GUILESS_MAIN(TestMenuStore)
#include "tst_menustore.moc"
