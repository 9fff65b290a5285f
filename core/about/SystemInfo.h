#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

class Notices;

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

    SystemInfoLauncher(const SystemInfoLookup &lookup, Notices &notices, Starter starter = detachedStarter());

    // Returns true when the program was started.
    bool StartSysInfo() const;

    static QString unavailableMessage()
    {
        return QCoreApplication::translate("About", "System Information Is Unavailable At This Time");
    }
    static Starter detachedStarter();

private:
    const SystemInfoLookup &m_lookup;
    Notices &m_notices;
    Starter m_starter;
};
