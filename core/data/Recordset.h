#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>

class SqliteConnection;
class SqliteStatement;

// The rows of one query, read in full when it runs. A read-only recordset is read forward; an editable one keeps
// its connection, lets the caller assign columns of the current row and writes every change back in one batch.
class Recordset
{
public:
    Recordset() = default;

    bool atEnd() const { return !m_open || m_position >= m_rowCount; }
    int recordCount() const { return m_rowCount; }
    QStringList columns() const { return m_columns; }
    bool isEditable() const { return bool(m_connection); }

    // Column names are compared without regard to case ("lastid" finds "lastID").
    QVariant value(const QString &column) const;
    QString text(const QString &column) const { return value(column).toString(); }

    // For reading many rows: the column's position once, then its values by position.
    int columnIndex(const QString &column) const;
    QVariant value(int column) const;

    void moveNext();
    void close();

    void setValue(const QString &column, const QVariant &value);
    // Writes all pending changes in one transaction; on failure nothing is written and the changes stay pending.
    void updateBatch();

private:
    friend class clsData;

    void requireRow() const;
    // Appends the query's current row, from its column firstColumn on.
    void appendRow(const SqliteStatement &query, int firstColumn);

    // One value of a row: the rows are kept in one array of cells and one buffer of text, not one QVariant each.
    struct Cell
    {
        enum Kind : quint8 { Null, Integer, Real, Text, Assigned };
        Kind kind = Null;
        int size = 0; // Text: bytes in m_text
        union {
            qint64 integer = 0;
            double real;
            qsizetype offset; // Text: into m_text; Assigned: into m_assigned
        };
    };
    const Cell &cell(int column) const;

    QStringList m_columns;
    QVector<Cell> m_cells; // row by row
    QByteArray m_text;
    QVector<QVariant> m_assigned; // values given by setValue()
    int m_rowCount = 0;
    int m_position = 0;
    bool m_open = false;

    // Editable recordsets only.
    std::shared_ptr<SqliteConnection> m_connection;
    QString m_table;
    QVector<qint64> m_rowIds;
    QHash<int, QSet<int>> m_changed; // row -> changed columns
};
