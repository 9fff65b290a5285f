#include "core/platform/SystemPlaces.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace SystemPlaces {

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Velmora");
}

bool canWriteIn(const QString &folder)
{
    return QFileInfo(folder).isWritable();
}

bool isInstalledCopy(const QString &)
{
    // An installed program lies under its prefix without the autorun files beside it (ProgramParts tells).
    return false;
}

QString pageOpener()
{
    return QStringLiteral("xdg-open");
}

QString driveCaption(const QString &root, const QString &)
{
    return root;
}

QStringList systemInfoPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("lshw-gtk"), QStringLiteral("xfce4-taskmanager")};
}

} // namespace SystemPlaces
