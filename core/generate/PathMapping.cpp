#include "core/generate/PathMapping.h"

#include <QCoreApplication>
#include <QDir>

namespace PathMapping {

QChar separator()
{
    return QDir::separator();
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString outsideRootNotice(const QString &path, const QString &rootPath)
{
    return QCoreApplication::translate(
               "Build", "The file %1 is not inside the CD root %2.\r\nPlease choose a file inside the CD root!")
        .arg(path, shown(rootPath));
}

QString rootPathFor(const QString &folder)
{
    if (folder.endsWith(separator()))
        return folder;
    return folder + separator();
}

QString getFileName(const QString &path)
{
    return path.mid(path.lastIndexOf(separator()) + 1);
}

std::optional<QString> getFileLink(const QString &strFullPath, const QString &rootPath)
{
    if (rootPath.isEmpty() || !strFullPath.startsWith(rootPath, Qt::CaseSensitive))
        return std::nullopt;
    return strFullPath.mid(rootPath.size());
}

QString toStoredLink(const QString &relativePath)
{
    QString link = relativePath;
    return link.replace(separator(), QLatin1Char('/'));
}

} // namespace PathMapping
