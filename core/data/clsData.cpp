#include "core/data/clsData.h"

#include "core/data/DataError.h"
#include "core/data/SqliteConnection.h"

clsData::clsData(const QString &databasePath, QObject *parent) : QObject(parent), m_databasePath(databasePath) {}

std::shared_ptr<SqliteConnection> clsData::OpenConnection() const
{
    return std::make_shared<SqliteConnection>(m_databasePath);
}

Recordset clsData::GetRS(const SqlStatement &statement, bool edit)
{
    auto connection = OpenConnection();
    Recordset rs = read(*connection, statement, edit);
    if (edit) {
        rs.m_connection = connection;
        rs.m_table = statement.editTable;
    }
    return rs;
}

Recordset clsData::read(SqliteConnection &connection, const SqlStatement &statement, bool edit)
{
    QString text = statement.text;
    if (edit) {
        // An editable recordset needs each row's identity to write it back.
        static const QString select = QStringLiteral("SELECT ");
        if (statement.editTable.isEmpty() || !text.startsWith(select, Qt::CaseInsensitive))
            throw DataError(QStringLiteral("This query cannot be opened for editing: %1").arg(text));
        text = select + QStringLiteral("rowid AS velmora_rowid, ") + text.mid(select.size());
    }

    Recordset rs;
    SqliteStatement query(connection, text, statement.values);
    const int firstColumn = edit ? 1 : 0;
    for (int i = firstColumn; i < query.columnCount(); ++i)
        rs.m_columns.append(query.columnName(i));
    while (query.step()) {
        rs.appendRow(query, firstColumn);
        if (edit)
            rs.m_rowIds.append(query.raw(0).integer);
    }
    rs.m_open = true;
    return rs;
}

void clsData::ExecuteSQL(const SqlStatement &statement)
{
    auto connection = OpenConnection();
    SqliteStatement command(*connection, statement.text, statement.values);
    while (command.step()) {
        // A statement that returns rows has them dropped, as the caller only wants its effect.
    }
}

void clsData::addFile(const SqlStatement &statement)
{
    ExecuteSQL(statement);
    emit fileAdded();
}

void clsData::addFiles(const QVector<SqlStatement> &statements)
{
    if (statements.isEmpty())
        return;
    auto connection = OpenConnection();
    SqliteTransaction transaction(*connection);
    for (const SqlStatement &statement : statements) {
        SqliteStatement command(*connection, statement.text, statement.values);
        while (command.step()) {
        }
    }
    transaction.commit();
    emit fileAdded();
}
