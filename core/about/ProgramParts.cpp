#include "core/about/ProgramParts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// Set by the build from the install layout, relative to the folder of the installed executable.
#ifndef VELMORA_PLUGIN_FROM_BIN
#define VELMORA_PLUGIN_FROM_BIN "../lib/velmora"
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
    QStringList places;
    for (const QString &folder : autorunFolders())
        places.append(QDir::toNativeSeparators(folder));
    return QCoreApplication::translate("Program", "The autorun files %1 were not found. Looked in: %2.")
        .arg(autorunFileNames().join(QStringLiteral(" and ")), places.join(QStringLiteral(", ")));
}

QString ProgramParts::portableFolder() const
{
    return holdsAutorunFiles(m_programFolder) ? QDir::cleanPath(m_programFolder) : QString();
}
