#include "core/disc/OwnData.h"

#include "core/data/DataHome.h"
#include "core/model/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The path with every link resolved, as far as it exists; what does not exist yet is added as written.
QString realPath(const QString &path)
{
    QString rest;
    QFileInfo part(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    while (part.canonicalFilePath().isEmpty() && part.absolutePath() != part.absoluteFilePath()) {
        rest = QLatin1Char('/') + part.fileName() + rest;
        part.setFile(part.absolutePath());
    }
    return QDir::cleanPath(part.canonicalFilePath() + rest);
}

// Letter case aside: on a disc, and on Windows, a name in other letters is the same file.
bool isOrHolds(const QString &folder, const QString &path)
{
    return path.compare(folder, Qt::CaseInsensitive) == 0 ||
           path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'), Qt::CaseInsensitive);
}

} // namespace

bool OwnData::holds(const QString &home, const QString &path)
{
    const QString real = realPath(path);
    const QString database = realPath(DataHome::databasePath(home));
    for (const char *suffix : {"", "-journal", "-wal", "-shm"}) {
        if (real.compare(database + QLatin1String(suffix), Qt::CaseInsensitive) == 0)
            return true;
    }
    return isOrHolds(realPath(DataHome::styleLibrary(home)), real);
}

bool OwnData::isInside(const QString &home, const QString &folder)
{
    return isOrHolds(realPath(folder), realPath(home));
}

StepResult OwnData::checkTarget(const QString &home, const QString &target)
{
    if (home.isEmpty() || !holds(home, target))
        return StepResult::success();
    return StepResult::failure(
        QCoreApplication::translate("OwnData", "%1 is part of Velmora's own data (the menu database or the style "
                                               "library): it cannot be written over. Choose another file.")
            .arg(PathMapping::shown(QFileInfo(target).absoluteFilePath())));
}

QString OwnData::rootProblem(const QString &home, const QString &rootFolder)
{
    if (home.isEmpty() || !isInside(home, rootFolder))
        return {};
    return QCoreApplication::translate("OwnData", "The CD root %1 holds Velmora's own data (%2): the disc would carry "
                                                  "every stored menu. Choose another CD root, or keep the data "
                                                  "elsewhere (--home).")
        .arg(PathMapping::shown(rootFolder), PathMapping::shown(DataHome::databasePath(home)));
}
