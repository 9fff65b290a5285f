#include "core/data/DataHome.h"

#include "core/data/DatabaseFile.h"
#include "core/platform/SystemPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace DataHome {

namespace {

// Why the folder cannot be the data home: the nearest part of the path that exists tells what is in the way.
QString problemWith(const QString &folder)
{
    QFileInfo part(folder);
    while (!part.exists() && !part.isSymLink() && part.absolutePath() != part.absoluteFilePath())
        part.setFile(part.absolutePath());
    if (part.exists() && !part.isDir())
        return QCoreApplication::translate("Database", "%1 is a file, not a folder")
            .arg(QDir::toNativeSeparators(part.absoluteFilePath()));
    if (part.isSymLink() && !part.exists())
        return QCoreApplication::translate("Database", "%1 is a broken link")
            .arg(QDir::toNativeSeparators(part.absoluteFilePath()));
    return QCoreApplication::translate("Database", "permission denied in %1")
        .arg(QDir::toNativeSeparators(part.absoluteFilePath()));
}

} // namespace

StepValue<QString> resolve(const QString &programFolder, const QString &homeOption, const QString &environmentHome)
{
    const QString home = chosen(programFolder, homeOption, environmentHome);
    if (!QDir().mkpath(home))
        return StepValue<QString>::failure(
            QCoreApplication::translate("CommandLine", "Cannot create the data folder %1: %2.")
                .arg(QDir::toNativeSeparators(home), problemWith(home)));
    return StepValue<QString>::made(home);
}

QString chosen(const QString &programFolder, const QString &homeOption, const QString &environmentHome)
{
    QString home = homeOption;
    if (home.isEmpty())
        home = environmentHome;
    if (home.isEmpty()) {
        if (!programFolder.isEmpty() && SystemPlaces::canWriteIn(programFolder))
            home = programFolder;
        else
            home = SystemPlaces::userDataFolder();
    }
    return QDir::cleanPath(QDir(home).absolutePath());
}

QString databasePath(const QString &home)
{
    return home + QLatin1Char('/') + QLatin1String(DatabaseFile::fileName);
}

QString styleLibrary(const QString &home)
{
    return home + QStringLiteral("/Styles");
}

} // namespace DataHome
