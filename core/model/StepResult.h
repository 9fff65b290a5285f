#pragma once

#include <QString>
#include <utility>

// Outcome of one step of writing or copying: success, or the reason it failed, ready to show the user.
struct StepResult
{
    bool ok = true;
    QString error;

    static StepResult success() { return {}; }
    static StepResult failure(const QString &reason) { return {false, reason}; }
    explicit operator bool() const { return ok; }
};

// A step that makes something: what it made when it succeeds, or the reason it failed.
template <typename T> struct StepValue : StepResult
{
    T value{};

    static StepValue made(T value)
    {
        StepValue result;
        result.value = std::move(value);
        return result;
    }
    static StepValue failure(const QString &reason)
    {
        StepValue result;
        result.ok = false;
        result.error = reason;
        return result;
    }
};
