#include "core/platform/TemporaryFiles.h"

#include "core/platform/Processes.h"

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
    return QDir(folder).filePath(prefix() +
                                 QStringLiteral("%1-%2-%3")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QRandomGenerator::global()->generate() & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                     .arg(fileName));
}

bool isStale(const QString &fileName, const QDateTime &modified)
{
    if (!fileName.startsWith(prefix()))
        return false;
    bool isNumber = false;
    const qint64 pid = fileName.mid(prefix().size()).section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
    if (!isNumber)
        return false;
    // A stick's temporaries may come from another computer, whose process numbers mean nothing here: a day old is
    // stale too.
    return !Processes::isAlive(pid) || (modified.isValid() && modified.secsTo(QDateTime::currentDateTime()) > 86400);
}

void removeStale(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({prefix() + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (isStale(name, QFileInfo(dir.filePath(name)).lastModified()))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace TemporaryFiles
