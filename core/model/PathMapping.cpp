#include "core/model/PathMapping.h"

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

// Windows takes "/" as well as its own "\\", and Qt hands out paths with "/": paths are compared and split in the
// system's own form. Elsewhere the separator is "/" already and a backslash is part of a name.
QString rootPathFor(const QString &folder)
{
    const QString native = QDir::toNativeSeparators(folder);
    if (native.endsWith(separator()))
        return native;
    return native + separator();
}

QString getFileName(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    return native.mid(native.lastIndexOf(separator()) + 1);
}

std::optional<QString> getFileLink(const QString &strFullPath, const QString &rootPath)
{
    const QString full = QDir::toNativeSeparators(strFullPath);
    const QString root = QDir::toNativeSeparators(rootPath);
    if (root.isEmpty() || !full.startsWith(root, Qt::CaseSensitive))
        return std::nullopt;
    return full.mid(root.size());
}

QString toStoredLink(const QString &relativePath)
{
    QString link = relativePath;
    return link.replace(separator(), QLatin1Char('/'));
}

} // namespace PathMapping
