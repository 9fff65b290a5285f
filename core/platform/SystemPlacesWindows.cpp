#include "core/platform/SystemPlaces.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace SystemPlaces {

QString userDataFolder()
{
    // The roaming application data, where Windows programs keep what a user makes.
    QString appData = qEnvironmentVariable("APPDATA");
    if (appData.isEmpty())
        appData = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return QDir::fromNativeSeparators(appData) + QStringLiteral("/Velmora");
}

bool canWriteIn(const QString &folder)
{
    // The read-only flag that QFileInfo reads says nothing of the folder's access rights (Program Files has none
    // for a user): only a file made there tells.
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".velmora-write-XXXXXX")));
    return probe.open();
}

bool isInstalledCopy(const QString &programFolder)
{
    // The installer puts its uninstaller beside velmora.exe; the portable folder has none.
    return QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("Uninstall.exe")));
}

QString pageOpener()
{
    return {}; // the shell's default handler, through the desktop service
}

QString driveCaption(const QString &root, const QString &label)
{
    QString letter = QDir::toNativeSeparators(root);
    if (letter.size() == 3 && letter.endsWith(QLatin1Char('\\')))
        letter.chop(1); // a drive root is shown by its letter and colon alone
    return label.isEmpty() ? letter : letter + QStringLiteral(" [") + label + QLatin1Char(']');
}

QStringList systemInfoPrograms()
{
    return {QStringLiteral("msinfo32")};
}

} // namespace SystemPlaces
