#pragma once

#include <QString>

// Outcome of one step of writing or copying: success, or the reason it failed, ready to show the user.
struct StepResult
{
    bool ok = true;
    QString error;

    static StepResult success() { return {}; }
    static StepResult failure(const QString &reason) { return {false, reason}; }
    explicit operator bool() const { return ok; }
};
