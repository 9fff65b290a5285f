#pragma once

#include "core/model/StepResult.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

// Finds a system-information program on this machine: the one named by VELMORA_SYSINFO when that is set,
// else the first of the usual desktop tools found on the PATH.
class SystemInfoLookup
{
public:
    virtual ~SystemInfoLookup() = default;
    // The program's full path, or empty when none is there.
    virtual QString programPath() const;

    static QStringList knownPrograms();
};

// Starts the system-information program in a window of its own, or says that none can be started.
class SystemInfoLauncher
{
public:
    using Starter = std::function<bool(const QString &program)>;

    explicit SystemInfoLauncher(const SystemInfoLookup &lookup, Starter starter = detachedStarter());

    // The failure is unavailableMessage(), for the window to show.
    StepResult StartSysInfo() const;

    static QString unavailableMessage()
    {
        return QCoreApplication::translate("About", "System Information Is Unavailable At This Time");
    }
    static Starter detachedStarter();

private:
    const SystemInfoLookup &m_lookup;
    Starter m_starter;
};
