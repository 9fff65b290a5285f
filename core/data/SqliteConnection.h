#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <QVariantList>

class DataError;
struct sqlite3;
struct sqlite3_stmt;

// One open connection to a database file; closes it when destroyed. Movable, not copyable.
class SqliteConnection
{
public:
    enum class Mode { ReadWrite, Create };

    SqliteConnection(const QString &filePath, Mode mode = Mode::ReadWrite);
    ~SqliteConnection();
    SqliteConnection(SqliteConnection &&other) noexcept;
    SqliteConnection &operator=(SqliteConnection &&other) noexcept;
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    // Runs statements that take no parameters and return no rows (schema, BEGIN, COMMIT).
    void execute(const QString &sql);
    sqlite3 *handle() const { return m_db; }
    // Rows changed by the last INSERT, UPDATE or DELETE, and the rowid of the last insert.
    int changes() const;
    qint64 lastInsertId() const;
    QString filePath() const { return m_filePath; }
    QString lastError() const;
    // The last failure as thrown: one that concerns the file names it and says what happened (locked,
    // read-only, not a database...).
    DataError lastFailure() const;

private:
    sqlite3 *m_db = nullptr;
    QString m_filePath;
};

// A prepared statement with its values bound by position; finalised when destroyed.
class SqliteStatement
{
public:
    SqliteStatement(SqliteConnection &connection, const QString &sql, const QVariantList &values = {});
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Moves to the next row; false at the end.
    bool step();
    int columnCount() const;
    QString columnName(int column) const;
    QVariant value(int column) const;

    // A value of the current row as the engine holds them, for readers that keep many rows: the number for an
    // integer or real, else the text as UTF-8 (a blob as its bytes), valid until the next step.
    enum Type { Integer = 1, Real = 2, Text = 3, Blob = 4, Null = 5 }; // the engine's own type codes
    struct Raw
    {
        Type type = Null;
        qint64 integer = 0;
        double real = 0;
        QByteArrayView utf8;
    };
    Raw raw(int column) const;

private:
    void bind(int index, const QVariant &value);

    SqliteConnection &m_connection;
    sqlite3_stmt *m_stmt = nullptr;
};

// One transaction on a connection; rolls back unless committed. Deferred takes its lock at the first read (a read
// transaction: everything read sees one state of the file), Immediate takes the write lock at once (the store's
// changes: what they read cannot change before they write), Exclusive keeps readers out too (the schema).
class SqliteTransaction
{
public:
    enum class Mode { Deferred, Immediate, Exclusive };

    explicit SqliteTransaction(SqliteConnection &connection, Mode mode = Mode::Immediate);
    ~SqliteTransaction();
    void commit();

private:
    SqliteConnection &m_connection;
    bool m_done = false;
};
