#include "tests/common/clsData.h"

#include "core/data/DataError.h"
#include "core/data/SqliteConnection.h"

int Recordset::columnIndex(const QString &column) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw DataError(QStringLiteral("No column named %1.").arg(column));
}

QVariant Recordset::value(int column) const
{
    if (atEnd())
        throw DataError(QStringLiteral("There is no current record: the recordset is at its end or closed."));
    if (column < 0 || column >= m_columns.size())
        throw DataError(QStringLiteral("No column %1.").arg(column));
    return m_rows.at(m_position).at(column);
}

void Recordset::moveNext()
{
    if (atEnd())
        throw DataError(QStringLiteral("There is no current record: the recordset is at its end or closed."));
    ++m_position;
}

Recordset clsData::GetRS(const SqlStatement &statement)
{
    SqliteConnection connection(m_databasePath);
    SqliteStatement query(connection, statement.text, statement.values);
    Recordset rows;
    for (int i = 0; i < query.columnCount(); ++i)
        rows.m_columns.append(query.columnName(i));
    while (query.step()) {
        QVariantList row;
        for (int i = 0; i < query.columnCount(); ++i)
            row.append(query.value(i));
        rows.m_rows.append(row);
    }
    return rows;
}

void clsData::ExecuteSQL(const SqlStatement &statement)
{
    SqliteConnection connection(m_databasePath);
    SqliteStatement command(connection, statement.text, statement.values);
    while (command.step()) {
        // Rows a statement gives are dropped: only its effect counts here.
    }
}

namespace TestSql {

SqlStatement selectLastMenuId()
{
    return {QStringLiteral("SELECT max(MenuID) as lastID from tblMenus"), {}};
}

SqlStatement selectLastStyleId()
{
    return {QStringLiteral("SELECT max(StyleID) as lastID from tblStyles"), {}};
}

SqlStatement selectEntry(qint64 menuId, const QString &fileName)
{
    return {QStringLiteral("SELECT * from tblDetails WHERE MenuNo=? AND FileName=? ORDER BY rowid"),
            {menuId, fileName}};
}

SqlStatement deleteEntry(qint64 menuId, const QString &fileName)
{
    return {QStringLiteral("DELETE FROM tblDetails WHERE MenuNo=? AND FileName=?"), {menuId, fileName}};
}

} // namespace TestSql
