#include "core/data/SqliteConnection.h"

#include "core/data/DataError.h"

#include <QCoreApplication>
#include <QDir>
#include <cstring>
#include <sqlite3.h>

namespace {

// velmora_fold(text): the text case-folded over all of Unicode, where the engine's own NOCASE folds only A to Z.
void foldText(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    const QByteArray folded = QString::fromUtf8(text, sqlite3_value_bytes(arguments[0])).toCaseFolded().toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

QString engineMessage(sqlite3 *db, int code)
{
    if (db)
        return QString::fromUtf8(sqlite3_errmsg(db));
    return QString::fromUtf8(sqlite3_errstr(code));
}

// The system's reason behind a failure of the file, where there is one.
QString systemReason(sqlite3 *db, const QString &otherwise)
{
    const int error = db ? sqlite3_system_errno(db) : 0;
    return error ? QString::fromLocal8Bit(std::strerror(error)) : otherwise;
}

// A failure that concerns the file rather than the statement says so and names the file; the engine's message on
// a statement (a missing table, a constraint) stands as it is.
DataError failure(sqlite3 *db, const QString &filePath, int code)
{
    const QString file = QDir::toNativeSeparators(filePath);
    const QString engine = engineMessage(db, code);
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DataError(QCoreApplication::translate("Database", "%1 is locked: another program is using it (%2).")
                             .arg(file, engine),
                         code & 0xFF);
    case SQLITE_READONLY:
        return DataError(
            QCoreApplication::translate("Database", "%1 cannot be written: the file or its folder is read-only (%2).")
                .arg(file, systemReason(db, engine)),
            code & 0xFF);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return DataError(
            QCoreApplication::translate("Database", "Cannot open %1: %2.").arg(file, systemReason(db, engine)),
            code & 0xFF);
    case SQLITE_NOTADB:
        return DataError(QCoreApplication::translate("Database", "%1 is not a database file.").arg(file), code & 0xFF);
    case SQLITE_CORRUPT:
        return DataError(QCoreApplication::translate("Database", "%1 is damaged: %2.").arg(file, engine), code & 0xFF);
    case SQLITE_FULL:
        return DataError(
            QCoreApplication::translate("Database", "Cannot write %1: %2.").arg(file, systemReason(db, engine)),
            code & 0xFF);
    case SQLITE_IOERR:
        return DataError(
            QCoreApplication::translate("Database", "Cannot read or write %1: %2.").arg(file, systemReason(db, engine)),
            code & 0xFF);
    default:
        return DataError(engine, code & 0xFF);
    }
}

} // namespace

SqliteConnection::SqliteConnection(const QString &filePath, Mode mode) : m_filePath(filePath)
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::Create)
        flags |= SQLITE_OPEN_CREATE;
    const QByteArray path = QDir::toNativeSeparators(filePath).toUtf8();
    const int rc = sqlite3_open_v2(path.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        DataError error = failure(m_db, filePath, rc);
        if (!error.message().contains(QDir::toNativeSeparators(filePath)))
            error = DataError(QCoreApplication::translate("Database", "Cannot open %1: %2")
                                  .arg(QDir::toNativeSeparators(filePath), error.message()),
                              error.code());
        sqlite3_close(m_db);
        m_db = nullptr;
        throw error;
    }
    sqlite3_extended_result_codes(m_db, 1);
    // Another Velmora, or another tool, may hold the write lock for the moment of its change.
    sqlite3_busy_timeout(m_db, 5000);
    sqlite3_create_function_v2(m_db, "velmora_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldText, nullptr,
                               nullptr, nullptr);
}

SqliteConnection::~SqliteConnection()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

SqliteConnection::SqliteConnection(SqliteConnection &&other) noexcept
    : m_db(other.m_db), m_filePath(std::move(other.m_filePath))
{
    other.m_db = nullptr;
}

SqliteConnection &SqliteConnection::operator=(SqliteConnection &&other) noexcept
{
    if (this != &other) {
        if (m_db)
            sqlite3_close_v2(m_db);
        m_db = other.m_db;
        m_filePath = std::move(other.m_filePath);
        other.m_db = nullptr;
    }
    return *this;
}

void SqliteConnection::execute(const QString &sql)
{
    char *error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK)
        throw failure(m_db, m_filePath, sqlite3_extended_errcode(m_db));
}

int SqliteConnection::changes() const
{
    return sqlite3_changes(m_db);
}

qint64 SqliteConnection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

QString SqliteConnection::lastError() const
{
    return engineMessage(m_db, SQLITE_ERROR);
}

DataError SqliteConnection::lastFailure() const
{
    return failure(m_db, m_filePath, m_db ? sqlite3_extended_errcode(m_db) : SQLITE_ERROR);
}

SqliteStatement::SqliteStatement(SqliteConnection &connection, const QString &sql, const QVariantList &values)
    : m_connection(connection)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection.handle(), text.constData(), int(text.size()), &m_stmt, nullptr) != SQLITE_OK)
        throw connection.lastFailure();
    if (sqlite3_bind_parameter_count(m_stmt) != values.size()) {
        sqlite3_finalize(m_stmt);
        throw DataError(QStringLiteral("Statement expects %1 values, %2 given: %3")
                            .arg(sqlite3_bind_parameter_count(m_stmt))
                            .arg(values.size())
                            .arg(sql));
    }
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        rc = sqlite3_bind_null(m_stmt, index);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Bool:
        rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
        break;
    default: {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(m_stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DataError(m_connection.lastError());
    }
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw m_connection.lastFailure();
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_NULL:
        return QVariant();
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)));
    }
    }
}

static_assert(SqliteStatement::Integer == SQLITE_INTEGER && SqliteStatement::Real == SQLITE_FLOAT &&
              SqliteStatement::Text == SQLITE_TEXT && SqliteStatement::Blob == SQLITE_BLOB &&
              SqliteStatement::Null == SQLITE_NULL);

SqliteStatement::Raw SqliteStatement::raw(int column) const
{
    // One look-up of the column's value; reading it through the value spares the per-call checks of the
    // sqlite3_column_ functions, which add up over many rows.
    sqlite3_value *value = sqlite3_column_value(m_stmt, column);
    Raw raw;
    raw.type = Type(sqlite3_value_type(value));
    switch (raw.type) {
    case Integer:
        raw.integer = sqlite3_value_int64(value);
        break;
    case Real:
        raw.real = sqlite3_value_double(value);
        break;
    case Null:
        break;
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
        raw.utf8 = QByteArrayView(text, sqlite3_value_bytes(value));
    }
    }
    return raw;
}

SqliteTransaction::SqliteTransaction(SqliteConnection &connection, Mode mode) : m_connection(connection)
{
    switch (mode) {
    case Mode::Deferred:
        m_connection.execute(QStringLiteral("BEGIN DEFERRED"));
        break;
    case Mode::Immediate:
        m_connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
        break;
    case Mode::Exclusive:
        m_connection.execute(QStringLiteral("BEGIN EXCLUSIVE"));
        break;
    }
}

SqliteTransaction::~SqliteTransaction()
{
    if (!m_done) {
        try {
            m_connection.execute(QStringLiteral("ROLLBACK"));
        } catch (const DataError &) {
            // Nothing more can be done while unwinding; the engine has rolled back on its own.
        }
    }
}

void SqliteTransaction::commit()
{
    m_connection.execute(QStringLiteral("COMMIT"));
    m_done = true;
}
