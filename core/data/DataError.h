#pragma once

#include <QString>
#include <stdexcept>

// A failure of the menu database, thrown at the storage boundary and caught at the window: the engine's message, or
// the news that the menu being changed no longer exists.
class DataError : public std::runtime_error
{
public:
    enum class Kind { Engine, MenuLost };

    explicit DataError(const QString &message, int engineCode = 0) : DataError(Kind::Engine, message, engineCode) {}
    static DataError menuLost(const QString &message) { return DataError(Kind::MenuLost, message, 0); }

    QString message() const { return m_message; }
    Kind kind() const { return m_kind; }
    // The engine's primary result code (SQLITE_BUSY, SQLITE_NOTADB...), 0 when the failure is not the engine's.
    int code() const { return m_code; }

private:
    DataError(Kind kind, const QString &message, int engineCode)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind), m_code(engineCode)
    {}

    QString m_message;
    Kind m_kind = Kind::Engine;
    int m_code = 0;
};
