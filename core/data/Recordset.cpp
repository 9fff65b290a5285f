#include "core/data/Recordset.h"

#include "core/data/DataError.h"
#include "core/data/SqliteConnection.h"

#include <cstring>

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

const Recordset::Cell &Recordset::cell(int column) const
{
    requireRow();
    if (column < 0 || column >= m_columns.size())
        throw DataError(QStringLiteral("Item cannot be found in the collection: no column %1.").arg(column));
    return m_cells.at(qsizetype(m_position) * m_columns.size() + column);
}

QVariant Recordset::value(const QString &column) const
{
    requireRow();
    return value(columnIndex(column));
}

QVariant Recordset::value(int column) const
{
    const Cell &c = cell(column);
    switch (c.kind) {
    case Cell::Null:
        return QVariant();
    case Cell::Integer:
        return QVariant(qlonglong(c.integer));
    case Cell::Real:
        return QVariant(c.real);
    case Cell::Text:
        return QVariant(QString::fromUtf8(m_text.constData() + c.offset, c.size));
    case Cell::Assigned:
        break;
    }
    return m_assigned.at(c.offset);
}

void Recordset::appendRow(const SqliteStatement &query, int firstColumn)
{
    const int count = query.columnCount();
    for (int i = firstColumn; i < count; ++i) {
        const SqliteStatement::Raw raw = query.raw(i);
        Cell c;
        switch (raw.type) {
        case SqliteStatement::Integer:
            c.kind = Cell::Integer;
            c.integer = raw.integer;
            break;
        case SqliteStatement::Real:
            c.kind = Cell::Real;
            c.real = raw.real;
            break;
        case SqliteStatement::Null:
            break;
        default: {
            c.kind = Cell::Text;
            c.offset = m_text.size();
            c.size = int(raw.utf8.size());
            if (m_text.capacity() - m_text.size() < raw.utf8.size())
                m_text.reserve(qMax(2 * m_text.capacity(), m_text.size() + raw.utf8.size() + 4096));
            m_text.resize(m_text.size() + raw.utf8.size());
            std::memcpy(m_text.data() + c.offset, raw.utf8.data(), size_t(raw.utf8.size()));
        }
        }
        m_cells.append(c);
    }
    ++m_rowCount;
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
    Cell &c = m_cells[qsizetype(m_position) * m_columns.size() + index];
    c.kind = Cell::Assigned;
    c.offset = m_assigned.size();
    m_assigned.append(value);
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
            const Cell &c = m_cells.at(qsizetype(it.key()) * m_columns.size() + column);
            values.append(m_assigned.at(c.offset));
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
