#pragma once

#include "core/data/EntryCursor.h"
#include "core/data/MenuStore.h"
#include "core/data/Sql.h"
#include "core/data/SqliteConnection.h"
#include "core/model/StyleFields.h"

#include <QStringList>
#include <memory>
#include <optional>

// A stored menu's row, with its style when that row exists.
struct StoredMenu
{
    MenuRecord row;
    QString styleText; // StyleNo as stored, for telling the user when it is no number
    std::optional<StyleFields> style;
};

// Reads one menu for a build on one connection, in one read transaction: the menu, its style, its counts and its
// entries all come from the same state of the database, and the entries are handed out as cursors rather than
// held. Failures are thrown as DataError.
class MenuReader
{
public:
    explicit MenuReader(const MenuStore &store);
    ~MenuReader();
    // The database read; the data home is its folder.
    QString databasePath() const { return m_databasePath; }
    MenuReader(const MenuReader &) = delete;
    MenuReader &operator=(const MenuReader &) = delete;

    // Adds the index the per-category query needs when it is missing. False when the database cannot take it now
    // (read-only, locked by another writer): the page is built all the same, only more slowly.
    bool addCategoryIndex();

    std::optional<StoredMenu> menu(qint64 menuId);

    qint64 entryCount(qint64 menuId);
    // Counts no further than limit: a page needs to know only whether there are none, one or more.
    qint64 categoryCount(qint64 menuId, int limit);
    // The menu's entries in the order they were added; entryTitles gives only their titles ("FileName").
    EntryCursor entries(qint64 menuId);
    EntryCursor entryTitles(qint64 menuId);
    // Every entry, grouped by category.
    EntryCursor entriesByCategory(qint64 menuId);
    // The categories (one column, "Category"), in order, then the entries of one of them.
    EntryCursor categories(qint64 menuId);
    EntryCursor entriesInCategory(qint64 menuId, const QString &category);

private:
    EntryCursor query(const SqlStatement &statement);
    qint64 count(const SqlStatement &statement);

    QString m_databasePath;
    std::shared_ptr<SqliteConnection> m_connection;
    std::optional<SqliteTransaction> m_reading; // from the first query on
};
