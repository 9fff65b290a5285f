#include "core/platform/ProgramParts.h"

#include "core/platform/SystemPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

// Set by the build from the install layout, relative to the folder of the installed executable.
#ifndef VELMORA_PLUGIN_FROM_BIN
#define VELMORA_PLUGIN_FROM_BIN "../lib/velmora/plugins"
#endif
#ifndef VELMORA_DATA_FROM_BIN
#define VELMORA_DATA_FROM_BIN "../share/velmora"
#endif

namespace {

QStringList withInstalled(const QString &programFolder, const char *fromBin)
{
    const QString installed = QDir::cleanPath(QDir(programFolder).filePath(QString::fromUtf8(fromBin)));
    QStringList folders{QDir::cleanPath(programFolder)};
    if (!folders.contains(installed))
        folders.append(installed);
    return folders;
}

} // namespace

ProgramParts::ProgramParts(const QString &programFolder) : m_programFolder(programFolder) {}

QStringList ProgramParts::autorunFileNames()
{
    return {QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")};
}

QStringList ProgramParts::pluginFolders() const
{
    return withInstalled(m_programFolder, VELMORA_PLUGIN_FROM_BIN);
}

QStringList ProgramParts::autorunFolders() const
{
    return withInstalled(m_programFolder, VELMORA_DATA_FROM_BIN);
}

QStringList ProgramParts::translationFolders() const
{
    QStringList folders;
    for (const QString &folder : autorunFolders())
        folders.append(QDir(folder).filePath(QStringLiteral("translations")));
    return folders;
}

bool ProgramParts::holdsAutorunFiles(const QString &folder)
{
    for (const QString &name : autorunFileNames()) {
        if (!QFileInfo(QDir(folder).filePath(name)).isFile())
            return false;
    }
    return true;
}

QString ProgramParts::autorunFolder() const
{
    for (const QString &folder : autorunFolders()) {
        if (holdsAutorunFiles(folder))
            return folder;
    }
    return {};
}

QString ProgramParts::autorunMissingMessage() const
{
    const QStringList folders = autorunFolders();
    // Named are the files that no folder holds (all of them when each lies in a different folder).
    QStringList missing;
    for (const QString &name : autorunFileNames()) {
        const auto holds = [&name](const QString &folder) { return QFileInfo(QDir(folder).filePath(name)).isFile(); };
        if (std::none_of(folders.cbegin(), folders.cend(), holds))
            missing.append(name);
    }
    if (missing.isEmpty())
        missing = autorunFileNames();
    const QString files = missing.join(QStringLiteral(" and "));
    QString message =
        missing.size() == 1
            ? QCoreApplication::translate(
                  "Program", "The autorun file %1 was not found, so the disc would not open its menu by itself.")
                  .arg(files)
            : QCoreApplication::translate(
                  "Program", "The autorun files %1 were not found, so the disc would not open its menu by itself.")
                  .arg(files);
    // A Velmora built without the cross compiler has no Start.exe anywhere.
    if (missing.contains(QStringLiteral("Start.exe")))
        message += QLatin1Char(' ') +
                   QCoreApplication::translate(
                       "Program", "Start.exe is made when Velmora is built with the mingw-w64 cross compiler.");
    QStringList places;
    for (const QString &folder : folders)
        places.append(QDir::toNativeSeparators(folder));
    return message + QLatin1Char(' ') +
           QCoreApplication::translate("Program", "Looked in: %1.").arg(places.join(QStringLiteral(", ")));
}

QString ProgramParts::portableFolder() const
{
    const bool portable = holdsAutorunFiles(m_programFolder) && !SystemPlaces::isInstalledCopy(m_programFolder);
    return portable ? QDir::cleanPath(m_programFolder) : QString();
}
