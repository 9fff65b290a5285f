#include "core/data/DataHome.h"

#include "core/data/DatabaseFile.h"
#include "core/platform/SystemPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace DataHome {

QString resolve(const QString &programFolder, const QString &homeOption, const QString &environmentHome)
{
    const QString home = chosen(programFolder, homeOption, environmentHome);
    if (!QDir().mkpath(home))
        return {};
    return home;
}

QString problemWith(const QString &folder)
{
    // The nearest part of the path that exists tells what is in the way.
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
