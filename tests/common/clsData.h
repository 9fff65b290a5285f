#pragma once

#include "core/data/Sql.h"

#include <QStringList>
#include <QVariant>
#include <QVector>

// The rows of one query, read in full when it runs. Column names are compared without regard to case ("lastid"
// finds "lastID"); reading past the end or a missing column throws DataError.
class Recordset
{
public:
    bool atEnd() const { return m_position >= m_rows.size(); }
    int recordCount() const { return int(m_rows.size()); }
    QStringList columns() const { return m_columns; }

    QVariant value(const QString &column) const { return value(columnIndex(column)); }
    QString text(const QString &column) const { return value(column).toString(); }
    int columnIndex(const QString &column) const;
    QVariant value(int column) const;

    void moveNext();
    void close() { m_position = int(m_rows.size()); }

private:
    friend class clsData;

    QStringList m_columns;
    QVector<QVariantList> m_rows;
    int m_position = 0;
};

// Runs any statement on a menu database, for the tests and benches that make or inspect one directly; the program
// reads and writes only through MenuStore. Each call opens a connection of its own. Failures are thrown as
// DataError with the engine's message.
class clsData
{
public:
    explicit clsData(const QString &databasePath) : m_databasePath(databasePath) {}

    QString databasePath() const { return m_databasePath; }

    Recordset GetRS(const SqlStatement &statement);
    void ExecuteSQL(const SqlStatement &statement);

private:
    QString m_databasePath;
};

// Statements only the tests need.
namespace TestSql {

SqlStatement selectLastMenuId();
SqlStatement selectLastStyleId();
SqlStatement selectEntry(qint64 menuId, const QString &fileName);
SqlStatement deleteEntry(qint64 menuId, const QString &fileName);

} // namespace TestSql
