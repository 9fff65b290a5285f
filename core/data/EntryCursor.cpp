#include "core/data/EntryCursor.h"

#include "core/data/DataError.h"

EntryCursor::EntryCursor(std::shared_ptr<SqliteConnection> connection, const QString &sql, const QVariantList &values)
    : m_connection(std::move(connection)), m_statement(std::make_unique<SqliteStatement>(*m_connection, sql, values))
{}

bool EntryCursor::next()
{
    return m_statement->step();
}

int EntryCursor::findColumn(const QString &name) const
{
    const int count = m_statement->columnCount();
    for (int i = 0; i < count; ++i) {
        if (m_statement->columnName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int EntryCursor::column(const QString &name) const
{
    const int found = findColumn(name);
    if (found >= 0)
        return found;
    throw DataError(QStringLiteral("Item cannot be found in the collection: no column named %1.").arg(name));
}
