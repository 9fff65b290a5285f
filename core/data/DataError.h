#pragma once

#include <QString>
#include <stdexcept>

// A failure of the menu database: the engine's message, thrown at the storage boundary and caught at the window.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
