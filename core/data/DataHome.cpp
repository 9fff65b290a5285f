#include "core/data/DataHome.h"

#include "core/data/DatabaseFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataHome {

QString resolve(const QString &programFolder, const QString &homeOption, const QString &environmentHome)
{
    QString home = homeOption;
    if (home.isEmpty())
        home = environmentHome;
    if (home.isEmpty()) {
        if (!programFolder.isEmpty() && QFileInfo(programFolder).isWritable())
            home = programFolder;
        else
            home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Velmora");
    }
    home = QDir::cleanPath(QDir(home).absolutePath());
    if (!QDir().mkpath(home))
        return {};
    return home;
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
