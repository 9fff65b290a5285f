#include "core/data/MenuReader.h"

#include "core/data/DataError.h"
#include "core/data/MenuStore.h"
#include "core/data/Sql.h"

#include <sqlite3.h>

MenuReader::MenuReader(const MenuStore &store)
    : m_databasePath(store.databasePath()), m_connection(std::make_shared<SqliteConnection>(m_databasePath))
{}

MenuReader::~MenuReader()
{
    if (m_reading) {
        try {
            m_reading->commit();
        } catch (const DataError &) {
            // A read changes nothing: closing the connection ends the transaction all the same.
        }
    }
}

bool MenuReader::addCategoryIndex()
{
    try {
        SqliteStatement(*m_connection, Sql::createCategoryIndex().text).step();
        return true;
    } catch (const DataError &error) {
        // A database that cannot be written now builds the page all the same, only more slowly; any other failure
        // is the database's, and the reads after this would meet it too.
        const int code = error.code() & 0xff;
        if (code == SQLITE_READONLY || code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_PERM)
            return false;
        throw;
    }
}

EntryCursor MenuReader::query(const SqlStatement &statement)
{
    if (!m_reading)
        m_reading.emplace(*m_connection, SqliteTransaction::Mode::Deferred);
    return EntryCursor(m_connection, statement.text, statement.values);
}

qint64 MenuReader::count(const SqlStatement &statement)
{
    EntryCursor rows = query(statement);
    return rows.next() ? rows.raw(0).integer : 0;
}

std::optional<StoredMenu> MenuReader::menu(qint64 menuId)
{
    EntryCursor row = query(Sql::selectMenu(menuId));
    if (!row.next())
        return std::nullopt;
    StoredMenu menu;
    menu.row.id = menuId;
    menu.row.title = row.value(row.column(QStringLiteral("Title"))).toString();
    menu.row.templateName = row.value(row.column(QStringLiteral("Template"))).toString();
    menu.row.root = row.value(row.column(QStringLiteral("Root"))).toString();
    const QVariant styleNo = row.value(row.column(QStringLiteral("StyleNo")));
    menu.styleText = styleNo.toString();
    // A database that could not be given the column has no language: the page speaks English.
    const int language = row.findColumn(Sql::menuLanguageColumn());
    if (language >= 0)
        menu.row.language = row.value(language).toString();
    bool number = false;
    menu.row.styleNo = styleNo.toLongLong(&number);
    if (!number) {
        // Text that is no number names no style; it must not be read as style 0.
        menu.row.styleNo = 0;
        return menu;
    }

    EntryCursor style = query(Sql::selectStyle(menu.row.styleNo));
    if (style.next()) {
        QStringList values;
        for (const QString &column : Sql::styleColumns())
            values.append(style.value(style.column(column)).toString());
        menu.style = StyleFields::fromValues(values);
    }
    return menu;
}

qint64 MenuReader::entryCount(qint64 menuId)
{
    return count(Sql::countEntries(menuId));
}

qint64 MenuReader::categoryCount(qint64 menuId, int limit)
{
    return count(Sql::countCategories(menuId, limit));
}

EntryCursor MenuReader::entries(qint64 menuId)
{
    return query(Sql::selectEntries(menuId));
}

EntryCursor MenuReader::entriesByCategory(qint64 menuId)
{
    return query(Sql::selectEntriesByCategory(menuId));
}

EntryCursor MenuReader::entryTitles(qint64 menuId)
{
    return query(Sql::selectEntryTitles(menuId));
}

EntryCursor MenuReader::categories(qint64 menuId)
{
    return query(Sql::selectCategories(menuId));
}

EntryCursor MenuReader::entriesInCategory(qint64 menuId, const QString &category)
{
    return query(Sql::selectEntriesInCategory(menuId, category));
}
