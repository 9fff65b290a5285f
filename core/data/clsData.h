#pragma once

#include "core/data/Recordset.h"
#include "core/data/Sql.h"

#include <QObject>
#include <memory>

class SqliteConnection;

// Runs any statement on a menu database, for the tests and benches that make or inspect one directly; the program
// itself reads and writes only through MenuStore. Each operation opens a connection of its own. Failures are thrown
// as DataError with the engine's message.
class clsData : public QObject
{
    Q_OBJECT

public:
    explicit clsData(const QString &databasePath, QObject *parent = nullptr);

    QString databasePath() const { return m_databasePath; }

    Recordset GetRS(const SqlStatement &statement, bool edit = false);
    // Carries the statement out; throws DataError when it fails.
    void ExecuteSQL(const SqlStatement &statement);
    void addFile(const SqlStatement &statement);
    // Runs the inserts in one transaction, all or none, then raises fileAdded once.
    void addFiles(const QVector<SqlStatement> &statements);

signals:
    void fileAdded();

private:
    std::shared_ptr<SqliteConnection> OpenConnection() const;
    static Recordset read(SqliteConnection &connection, const SqlStatement &statement, bool edit);

    QString m_databasePath;
};
