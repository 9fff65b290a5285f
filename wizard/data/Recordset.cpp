#include "Recordset.h"

#include "DataError.h"
#include "SqliteConnection.h"

int Recordset::columnIndex(const QString &column) const
{
    // Callers mostly spell the name as the table does; the exact test is cheap and runs once per value read.
    const int exact = int(m_columns.indexOf(column));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw DataError(QStringLiteral("Item cannot be found in the collection: no column named %1.").arg(column));
}

void Recordset::requireRow() const
{
    if (atEnd())
        throw DataError(QStringLiteral("There is no current record: the recordset is at its end or closed."));
}

QVariant Recordset::value(const QString &column) const
{
    requireRow();
    return m_rows.at(m_position).at(columnIndex(column));
}

void Recordset::moveNext()
{
    requireRow();
    ++m_position;
}

void Recordset::close()
{
    m_open = false;
    m_connection.reset();
}

void Recordset::setValue(const QString &column, const QVariant &value)
{
    if (!isEditable())
        throw DataError(QStringLiteral("The recordset is read-only."));
    requireRow();
    const int index = columnIndex(column);
    m_rows[m_position][index] = value;
    m_changed[m_position].insert(index);
}

void Recordset::updateBatch()
{
    if (!isEditable())
        throw DataError(QStringLiteral("The recordset is read-only."));
    if (m_changed.isEmpty())
        return;
    SqliteTransaction transaction(*m_connection);
    for (auto it = m_changed.cbegin(); it != m_changed.cend(); ++it) {
        QStringList assignments;
        QVariantList values;
        for (int column : it.value()) {
            assignments.append(QStringLiteral("\"%1\"=?").arg(m_columns.at(column)));
            values.append(m_rows.at(it.key()).at(column));
        }
        values.append(m_rowIds.at(it.key()));
        SqliteStatement update(*m_connection,
                               QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                                   .arg(m_table, assignments.join(QLatin1Char(','))),
                               values);
        update.step();
    }
    transaction.commit();
    m_changed.clear();
}
