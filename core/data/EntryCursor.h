#pragma once

#include "core/data/SqliteConnection.h"

#include <memory>

// A forward cursor over the rows of one query: each row is read from the engine when the cursor steps to it and
// is gone at the next step, so a query of any size takes no more memory than one row. Movable, not copyable.
class EntryCursor
{
public:
    EntryCursor(std::shared_ptr<SqliteConnection> connection, const QString &sql, const QVariantList &values);

    // Steps to the next row (the first, on the first call); false once the rows are done.
    bool next();

    // A column's position; names compare without regard to case. Throws DataError for a name the query lacks.
    int column(const QString &name) const;
    // The same, or -1 when the query has no such column.
    int findColumn(const QString &name) const;
    // The current row's value as the engine holds it, valid until the next step.
    SqliteStatement::Raw raw(int column) const { return m_statement->raw(column); }
    QVariant value(int column) const { return m_statement->value(column); }

private:
    std::shared_ptr<SqliteConnection> m_connection; // kept open while the statement lives
    std::unique_ptr<SqliteStatement> m_statement;
};
