#include "core/data/MenuStore.h"

#include "core/data/DataError.h"
#include "core/data/Sql.h"
#include "core/data/SqliteConnection.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QSet>

namespace {

// Runs a statement that returns no rows; the number of rows it changed.
int run(SqliteConnection &connection, const SqlStatement &statement)
{
    SqliteStatement command(connection, statement.text, statement.values);
    while (command.step()) {
    }
    return connection.changes();
}

// Runs a change as run() does; when the engine refuses the statement itself (a constraint, a trigger, a column it does
// not fill), the message names the file and what was being stored, the engine's own text after it. Failures of the
// file (locked, read-only, full) name it already.
int change(SqliteConnection &connection, const SqlStatement &statement, const QString &what)
{
    try {
        return run(connection, statement);
    } catch (const DataError &error) {
        const int code = error.code();
        if (code != SQLITE_CONSTRAINT && code != SQLITE_ERROR && code != SQLITE_MISMATCH && code != SQLITE_TOOBIG &&
            code != SQLITE_RANGE)
            throw;
        throw DataError(QCoreApplication::translate("Database", "%1 could not be changed in %2: %3")
                            .arg(what, QDir::toNativeSeparators(connection.filePath()), error.message()),
                        code);
    }
}

// Calls row for every row of the query.
void each(SqliteConnection &connection, const SqlStatement &statement,
          const std::function<void(const SqliteStatement &)> &row)
{
    SqliteStatement query(connection, statement.text, statement.values);
    while (query.step())
        row(query);
}

QString text(const SqliteStatement &query, int column)
{
    return query.value(column).toString();
}

MenuRecord menuRow(const SqliteStatement &query)
{
    // SELECT * from tblMenus: MenuID, Template, Title, StyleNo, Root and, once added, Language
    MenuRecord menu;
    for (int i = 0; i < query.columnCount(); ++i) {
        const QString name = query.columnName(i).toLower();
        if (name == QLatin1String("menuid"))
            menu.id = query.value(i).toLongLong();
        else if (name == QLatin1String("template"))
            menu.templateName = text(query, i);
        else if (name == QLatin1String("title"))
            menu.title = text(query, i);
        else if (name == QLatin1String("styleno"))
            menu.styleNo = query.value(i).toLongLong();
        else if (name == QLatin1String("root"))
            menu.root = text(query, i);
        else if (name == QLatin1String("language"))
            menu.language = text(query, i);
    }
    return menu;
}

EntryRecord entryRow(const SqliteStatement &query)
{
    EntryRecord entry;
    for (int i = 0; i < query.columnCount(); ++i) {
        const QString name = query.columnName(i).toLower();
        if (name == QLatin1String("category"))
            entry.category = text(query, i);
        else if (name == QLatin1String("filename"))
            entry.fileName = text(query, i);
        else if (name == QLatin1String("filelink"))
            entry.fileLink = text(query, i);
        else if (name == QLatin1String("description"))
            entry.description = text(query, i);
        else if (name == QLatin1String("screenshot"))
            entry.screenshot = text(query, i);
    }
    return entry;
}

} // namespace

MenuStore::MenuStore(const QString &databasePath, QObject *parent) : QObject(parent), m_databasePath(databasePath) {}

SqliteConnection MenuStore::open() const
{
    return SqliteConnection(m_databasePath);
}

QString MenuStore::menuWhat(const MenuRecord &menu)
{
    return QCoreApplication::translate("Database", "The menu %1").arg(menuLabel(menu));
}

QString MenuStore::entryWhat(const MenuRecord &menu, const QString &fileName)
{
    return QCoreApplication::translate("Database", "The entry \"%1\" of the menu %2").arg(fileName, menuLabel(menu));
}

QString MenuStore::styleWhat(const QString &name)
{
    return QCoreApplication::translate("Database", "The style \"%1\"").arg(name);
}

QString MenuStore::lostMenuText(const QString &label)
{
    return QCoreApplication::translate("Database", "The menu %1 no longer exists; it was deleted by another program.")
        .arg(label);
}

// The menu as the user knows it: its title in quotes, or its number while it has no title.
QString MenuStore::menuLabel(const MenuRecord &menu)
{
    return menu.title.isEmpty() ? QString::number(menu.id)
                                : QCoreApplication::translate("Database", "\"%1\"").arg(menu.title);
}

void MenuStore::requireMenu(SqliteConnection &connection, const MenuRecord &menu)
{
    bool found = false;
    each(connection, Sql::selectMenu(menu.id), [&](const SqliteStatement &) { found = true; });
    if (!found)
        throw DataError::menuLost(lostMenuText(menuLabel(menu)));
}

void MenuStore::writeMenu(SqliteConnection &connection, MenuRecord &menu)
{
    if (menu.id == 0) {
        if (change(connection, Sql::insertMenu(menu.templateName, menu.title, menu.styleNo, menu.root, menu.language),
                   menuWhat(menu)) != 1)
            throw DataError(
                QCoreApplication::translate("Database", "The menu %1 could not be stored.").arg(menuLabel(menu)));
        menu.id = connection.lastInsertId();
        return;
    }
    const int changed =
        change(connection, Sql::updateMenu(menu.id, menu.templateName, menu.title, menu.styleNo, menu.root, menu.language),
               menuWhat(menu));
    if (changed == 0)
        throw DataError::menuLost(lostMenuText(menuLabel(menu)));
    if (changed != 1)
        throw DataError(QCoreApplication::translate("Database", "The menu %1 is stored %2 times; nothing was changed.")
                            .arg(menuLabel(menu))
                            .arg(changed));
}

MenuStore::MenuList MenuStore::menuList() const
{
    SqliteConnection connection = open();
    MenuList list;
    QSet<qint64> seen;
    each(connection, Sql::selectMenus(), [&](const SqliteStatement &row) {
        int idColumn = -1;
        for (int i = 0; i < row.columnCount() && idColumn < 0; ++i)
            idColumn = row.columnName(i).compare(QLatin1String("MenuID"), Qt::CaseInsensitive) == 0 ? i : -1;
        const SqliteStatement::Raw id = idColumn < 0 ? SqliteStatement::Raw() : row.raw(idColumn);
        // Only an integer is found again by "WHERE MenuID=?"; a text "1", 2.5 or NULL never is.
        if (id.type != SqliteStatement::Integer || id.integer < 1 || seen.contains(id.integer)) {
            ++list.leftOut;
            return;
        }
        seen.insert(id.integer);
        list.menus.append(menuRow(row));
    });
    return list;
}

std::optional<MenuRecord> MenuStore::menu(qint64 menuId) const
{
    SqliteConnection connection = open();
    std::optional<MenuRecord> menu;
    each(connection, Sql::selectMenu(menuId), [&](const SqliteStatement &row) {
        if (!menu)
            menu = menuRow(row);
    });
    return menu;
}

bool MenuStore::titleTaken(const QString &title) const
{
    SqliteConnection connection = open();
    bool taken = false;
    each(connection, Sql::selectMenuTitle(title), [&](const SqliteStatement &) { taken = true; });
    return taken;
}

void MenuStore::saveMenu(MenuRecord &menu)
{
    SqliteConnection connection = open();
    SqliteTransaction transaction(connection);
    MenuRecord stored = menu;
    writeMenu(connection, stored);
    transaction.commit();
    menu = stored;
}

bool MenuStore::deleteMenu(qint64 menuId)
{
    SqliteConnection connection = open();
    SqliteTransaction transaction(connection);
    // The entries go with their menu: left behind, they would belong to no menu.
    run(connection, Sql::deleteMenuEntries(menuId));
    const int changed = run(connection, Sql::deleteMenu(menuId));
    if (changed == 0)
        return false;
    transaction.commit();
    return true;
}

QVector<EntryRecord> MenuStore::entries(qint64 menuId) const
{
    SqliteConnection connection = open();
    QVector<EntryRecord> entries;
    each(connection, Sql::selectEntries(menuId), [&](const SqliteStatement &row) { entries.append(entryRow(row)); });
    return entries;
}

std::optional<EntryRecord> MenuStore::entry(qint64 menuId, const QString &fileName) const
{
    SqliteConnection connection = open();
    std::optional<EntryRecord> entry;
    each(connection, Sql::selectEntryExactly(menuId, fileName), [&](const SqliteStatement &row) {
        if (!entry)
            entry = entryRow(row);
    });
    return entry;
}

QStringList MenuStore::titlesLike(qint64 menuId, const QString &title) const
{
    SqliteConnection connection = open();
    QStringList titles;
    each(connection, Sql::selectEntryTitlesLike(menuId, title),
         [&](const SqliteStatement &row) { titles.append(text(row, 0)); });
    return titles;
}

bool MenuStore::saveEntry(const MenuRecord &menu, const QString &editing, const EntryRecord &entry,
                          const QStringList &replacing)
{
    SqliteConnection connection = open();
    SqliteTransaction transaction(connection);
    requireMenu(connection, menu);
    for (const QString &other : replacing) {
        if (run(connection, Sql::deleteEntryExactly(menu.id, other)) != 1)
            throw DataError(QCoreApplication::translate(
                                "Database", "The entry %1 of the menu %2 could not be replaced: it no longer exists.")
                                .arg(other, menuLabel(menu)));
    }
    std::optional<qint64> rowId;
    if (!editing.isNull())
        each(connection, Sql::selectEntryRowExactly(menu.id, editing),
             [&](const SqliteStatement &row) { rowId = row.value(0).toLongLong(); });
    const bool added = !rowId;
    const SqlStatement write = added ? Sql::insertEntry(menu.id, entry.category, entry.fileName, entry.fileLink,
                                                        entry.description, entry.screenshot)
                                     : Sql::updateEntry(*rowId, entry.category, entry.fileName, entry.fileLink,
                                                        entry.description, entry.screenshot);
    if (change(connection, write, entryWhat(menu, entry.fileName)) != 1)
        throw DataError(QCoreApplication::translate("Database", "The entry %1 of the menu %2 could not be stored.")
                            .arg(entry.fileName, menuLabel(menu)));
    transaction.commit();
    if (added)
        emit entriesAdded();
    return added;
}

void MenuStore::removeEntry(const MenuRecord &menu, const QString &fileName)
{
    SqliteConnection connection = open();
    SqliteTransaction transaction(connection);
    requireMenu(connection, menu);
    if (run(connection, Sql::deleteEntryExactly(menu.id, fileName)) != 1)
        throw DataError(QCoreApplication::translate("Database", "The entry %1 is no longer in the menu %2.")
                            .arg(fileName, menuLabel(menu)));
    transaction.commit();
}

int MenuStore::addNewEntries(const MenuRecord &menu, const QVector<EntryRecord> &entries)
{
    if (entries.isEmpty())
        return 0;
    SqliteConnection connection = open();
    // BEGIN IMMEDIATE: the links read here cannot change before this transaction's inserts are committed.
    SqliteTransaction transaction(connection);
    requireMenu(connection, menu);
    QSet<QString> links;
    each(connection, Sql::selectEntryLinks(menu.id), [&](const SqliteStatement &row) { links.insert(text(row, 0)); });
    const auto storedRows = [&] {
        qint64 rows = 0;
        each(connection, Sql::countEntries(menu.id), [&](const SqliteStatement &row) { rows = row.value(0).toLongLong(); });
        return rows;
    };
    const qint64 before = storedRows();
    int added = 0;
    for (const EntryRecord &entry : entries) {
        if (links.contains(entry.fileLink))
            continue;
        links.insert(entry.fileLink);
        if (change(connection,
                   Sql::insertEntry(menu.id, entry.category, entry.fileName, entry.fileLink, entry.description,
                                    entry.screenshot),
                   entryWhat(menu, entry.fileName)) != 1)
            throw DataError(QCoreApplication::translate("Database", "The entry %1 of the menu %2 could not be stored.")
                                .arg(entry.fileName, menuLabel(menu)));
        ++added;
    }
    // Each insert reports one row; a trigger may still have added or removed others.
    const qint64 after = storedRows();
    if (after - before != added)
        throw DataError(QCoreApplication::translate("Database", "The entries of the menu %1 were not stored as given: "
                                                                "%2 rows were meant to be added and %3 were; %4 holds "
                                                                "something (a trigger?) that changes them. Nothing was "
                                                                "added.")
                            .arg(menuLabel(menu))
                            .arg(added)
                            .arg(after - before)
                            .arg(QDir::toNativeSeparators(connection.filePath())));
    transaction.commit();
    if (added > 0)
        emit entriesAdded();
    return added;
}

QStringList MenuStore::descriptions(const QString &fileName) const
{
    SqliteConnection connection = open();
    QStringList descriptions;
    each(connection, Sql::selectDescriptions(fileName),
         [&](const SqliteStatement &row) { descriptions.append(text(row, 0)); });
    return descriptions;
}

QStringList MenuStore::titlesLinkingTo(const QString &file) const
{
    SqliteConnection connection = open();
    QStringList titles;
    each(connection, Sql::selectEntriesLinkingTo(file),
         [&](const SqliteStatement &row) { titles.append(text(row, 0)); });
    return titles;
}

const QStringList &MenuStore::styleColumns()
{
    return Sql::styleColumns();
}

QVector<StyleListing> MenuStore::styles() const
{
    SqliteConnection connection = open();
    QVector<StyleListing> styles;
    each(connection, Sql::selectStyles(), [&](const SqliteStatement &row) {
        StyleListing style;
        for (int i = 0; i < row.columnCount(); ++i) {
            const QString name = row.columnName(i).toLower();
            if (name == QLatin1String("styleid"))
                style.id = row.value(i).toLongLong();
            else if (name == QLatin1String("stylename"))
                style.name = text(row, i);
        }
        styles.append(style);
    });
    return styles;
}

std::optional<QVariantList> MenuStore::style(qint64 styleId) const
{
    SqliteConnection connection = open();
    std::optional<QVariantList> values;
    each(connection, Sql::selectStyle(styleId), [&](const SqliteStatement &row) {
        if (values)
            return;
        QVariantList found;
        for (const QString &column : Sql::styleColumns()) {
            for (int i = 0; i < row.columnCount(); ++i) {
                if (row.columnName(i).compare(column, Qt::CaseInsensitive) == 0) {
                    found.append(row.value(i));
                    break;
                }
            }
        }
        values = found;
    });
    return values;
}

void MenuStore::saveStyleAndMenu(qint64 &styleId, const std::optional<QStringList> &values, MenuRecord &menu)
{
    SqliteConnection connection = open();
    SqliteTransaction transaction(connection);
    qint64 id = styleId;
    const QString name = values ? values->value(0) : QString();
    if (!values) {
    } else if (id == 0) {
        if (change(connection, Sql::insertStyle(*values), styleWhat(name)) != 1)
            throw DataError(QCoreApplication::translate("Database", "The style %1 could not be stored.").arg(name));
        id = connection.lastInsertId();
    } else if (change(connection, Sql::updateStyle(id, *values), styleWhat(name)) != 1) {
        throw DataError(QCoreApplication::translate(
                            "Database", "The style %1 (number %2) no longer exists; it was deleted by another program.")
                            .arg(name)
                            .arg(id));
    }
    MenuRecord stored = menu;
    stored.styleNo = id;
    writeMenu(connection, stored);
    transaction.commit();
    styleId = id;
    menu = stored;
}
