#include "core/disc/FolderTarget.h"

#include "core/model/PathMapping.h"
#include "core/platform/MediaSync.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <filesystem>

namespace {

constexpr qint64 chunk = 1 << 20;

StepResult cannot(const QString &what, const QString &path, const QString &reason)
{
    return StepResult::failure(what.arg(PathMapping::shown(path), reason));
}

} // namespace

FolderTarget::FolderTarget(const QString &folder) : m_folder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())) {}

QString FolderTarget::path(const QString &relative) const
{
    return m_folder + QLatin1Char('/') + relative;
}

QString FolderTarget::shown() const
{
    return PathMapping::shown(m_folder);
}

QString FolderTarget::fileSystemType() const
{
    return QString::fromLatin1(QStorageInfo(m_folder).fileSystemType());
}

qint64 FolderTarget::bytesFree() const
{
    return QStorageInfo(m_folder).bytesAvailable();
}

qint64 FolderTarget::clusterBytes() const
{
    return qMax(512, QStorageInfo(m_folder).blockSize());
}

StepValue<QList<TargetEntry>> FolderTarget::entries()
{
    QList<TargetEntry> found;
    QDirIterator it(m_folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        TargetEntry entry;
        entry.relative = QDir(m_folder).relativeFilePath(info.filePath());
        // A link is never a folder to write into, nor a file to keep: it is replaced, never written through.
        entry.folder = info.isDir() && !info.isSymLink();
        entry.size = info.isSymLink() || !info.isFile() ? -1 : info.size();
        entry.modified = info.lastModified();
        found.append(entry);
    }
    return StepValue<QList<TargetEntry>>::made(found);
}

StepResult FolderTarget::makeFolder(const QString &relative)
{
    if (QDir(m_folder).mkdir(relative) || QFileInfo(path(relative)).isDir())
        return StepResult::success();
    return cannot(QCoreApplication::translate("DriveCopy", "Cannot make the folder %1: %2"), path(relative),
                  QCoreApplication::translate("DriveCopy", "the drive refused it"));
}

StepValue<QByteArray> FolderTarget::write(const QString &source, const QString &relative, const QDateTime &modified,
                                          const Written &written)
{
    using Result = StepValue<QByteArray>;
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return Result::failure(QCoreApplication::translate("DriveCopy", "Cannot read %1: %2")
                                   .arg(PathMapping::shown(source), from.errorString()));
    QFile to(path(relative));
    if (!to.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Result::failure(QCoreApplication::translate("DriveCopy", "Cannot write %1: %2")
                                   .arg(PathMapping::shown(to.fileName()), to.errorString()));
    QCryptographicHash hash(QCryptographicHash::Md5);
    QByteArray buffer(chunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(buffer.data(), chunk);
        if (got < 0)
            return Result::failure(QCoreApplication::translate("DriveCopy", "Cannot read %1: %2")
                                       .arg(PathMapping::shown(source), from.errorString()));
        if (got == 0)
            break;
        hash.addData(QByteArrayView(buffer.constData(), got));
        if (to.write(buffer.constData(), got) != got)
            return Result::failure(QCoreApplication::translate("DriveCopy", "Cannot write %1: %2")
                                       .arg(PathMapping::shown(to.fileName()), to.errorString()));
        if (written && !written(got))
            return Result::failure(QString());
    }
    if (!to.flush())
        return Result::failure(QCoreApplication::translate("DriveCopy", "Cannot write %1: %2")
                                   .arg(PathMapping::shown(to.fileName()), to.errorString()));
    to.setFileTime(modified, QFileDevice::FileModificationTime);
    if (const StepResult flushed = MediaSync::flushFile(to.handle()); !flushed)
        return Result::failure(flushed.error);
    return Result::made(hash.result());
}

StepValue<QByteArray> FolderTarget::readBack(const QString &relative)
{
    using Result = StepValue<QByteArray>;
    // What was just written is still in memory; the check must read what the medium holds.
    QCryptographicHash hash(QCryptographicHash::Md5);
    const StepResult read =
        MediaSync::readFromMedium(path(relative), [&hash](QByteArrayView piece) { hash.addData(piece); });
    if (!read)
        return Result::failure(QCoreApplication::translate("DriveCopy", "Cannot read back %1: %2")
                                   .arg(PathMapping::shown(path(relative)), read.error));
    return Result::made(hash.result());
}

StepResult FolderTarget::rename(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(path(from)).toStdString(), QFile::encodeName(path(to)).toStdString(),
                            error);
    if (error)
        return cannot(QCoreApplication::translate("DriveCopy", "Cannot name the copy %1: %2"), path(to),
                      QString::fromStdString(error.message()));
    return StepResult::success();
}

StepResult FolderTarget::remove(const QString &relative)
{
    if (QFile::remove(path(relative)) || !QFileInfo::exists(path(relative)))
        return StepResult::success();
    return cannot(QCoreApplication::translate("DriveCopy", "Cannot remove %1: %2"), path(relative),
                  QCoreApplication::translate("DriveCopy", "the drive refused it"));
}

StepResult FolderTarget::flush()
{
    return MediaSync::flushFileSystem(m_folder);
}
