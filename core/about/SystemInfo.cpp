#include "core/about/SystemInfo.h"

#include "core/platform/SystemPlaces.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QStringList SystemInfoLookup::knownPrograms()
{
    return SystemPlaces::systemInfoPrograms();
}

QString SystemInfoLookup::programPath() const
{
    // A configured program is taken as it is; whether it can start shows when it is started.
    const QString configured = qEnvironmentVariable("VELMORA_SYSINFO");
    if (!configured.isEmpty())
        return QFileInfo(configured).isRelative() ? QStandardPaths::findExecutable(configured) : configured;
    for (const QString &program : knownPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

SystemInfoLauncher::SystemInfoLauncher(const SystemInfoLookup &lookup, Starter starter)
    : m_lookup(lookup), m_starter(std::move(starter))
{
}

SystemInfoLauncher::Starter SystemInfoLauncher::detachedStarter()
{
    return [](const QString &program) { return QProcess::startDetached(program, {}); };
}

StepResult SystemInfoLauncher::StartSysInfo() const
{
    const QString program = m_lookup.programPath();
    if (!program.isEmpty() && m_starter(program))
        return StepResult::success();
    return StepResult::failure(unavailableMessage());
}
