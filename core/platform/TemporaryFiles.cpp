#include "core/platform/TemporaryFiles.h"

#include "core/platform/Processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace TemporaryFiles {

QString prefix()
{
    return QStringLiteral(".velmora-tmp-");
}

QString nameFor(const QString &folder, const QString &fileName)
{
    return QDir(folder).filePath(prefix() + QStringLiteral("%1-%2-%3")
                                                .arg(QCoreApplication::applicationPid())
                                                .arg(QRandomGenerator::global()->generate() & 0xFFFFFF, 6, 16,
                                                     QLatin1Char('0'))
                                                .arg(fileName));
}

void removeStale(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({prefix() + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        bool isNumber = false;
        const qint64 pid = name.mid(prefix().size()).section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
        if (!isNumber)
            continue;
        if (!Processes::isAlive(pid))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace TemporaryFiles
