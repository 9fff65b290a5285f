#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

class SqliteConnection;

// The rows of one query, read in full when it runs. A read-only recordset is read forward; an editable one keeps
// its connection, lets the caller assign columns of the current row and writes every change back in one batch.
class Recordset
{
public:
    Recordset() = default;

    bool atEnd() const { return !m_open || m_position >= m_rows.size(); }
    int recordCount() const { return int(m_rows.size()); }
    QStringList columns() const { return m_columns; }
    bool isEditable() const { return bool(m_connection); }

    // Column names are compared without regard to case ("lastid" finds "lastID").
    QVariant value(const QString &column) const;
    QString text(const QString &column) const { return value(column).toString(); }
    void moveNext();
    void close();

    void setValue(const QString &column, const QVariant &value);
    // Writes all pending changes in one transaction; on failure nothing is written and the changes stay pending.
    void updateBatch();

private:
    friend class clsData;

    int columnIndex(const QString &column) const;
    void requireRow() const;

    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    int m_position = 0;
    bool m_open = false;

    // Editable recordsets only.
    std::shared_ptr<SqliteConnection> m_connection;
    QString m_table;
    QVector<qint64> m_rowIds;
    QHash<int, QSet<int>> m_changed; // row -> changed columns
};
