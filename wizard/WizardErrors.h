#pragma once

#include <QString>
#include <stdexcept>

// A failure of the file system or of the window's own resources, carrying the text the user is shown. Database
// failures are DataError; both are caught where the window handles a command.
class WizardError : public std::runtime_error
{
public:
    explicit WizardError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};
