#pragma once

#include <QString>
#include <stdexcept>

// A failure of the menu database: the engine's message, thrown at the storage boundary and caught at the window.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString &message, int code = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_code(code)
    {}
    QString message() const { return m_message; }
    // Not the engine's: the menu being changed no longer exists.
    static constexpr int menuLost = -1;

    // The engine's primary result code (SQLITE_BUSY, SQLITE_NOTADB...), 0 when the failure is not the engine's.
    int code() const { return m_code; }

private:
    QString m_message;
    int m_code = 0;
};
