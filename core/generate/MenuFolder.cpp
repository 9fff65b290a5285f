#include "core/generate/MenuFolder.h"

#include "core/generate/PathMapping.h"
#include "core/platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace MenuFolder {

QString menuFolderName()
{
    return QStringLiteral("Menu");
}

QString pageFileName()
{
    return QStringLiteral("Index.htm");
}

QString applicationFileName()
{
    return QStringLiteral("Index.hta");
}

QString createMenuFile(const QString &rootPath)
{
    return rootPath + pageFileName();
}

StepResult noRootFolder()
{
    return StepResult::failure(QStringLiteral("No CD root folder has been chosen."));
}

StepResult ensureMenuFolder(const QString &rootPath)
{
    if (rootPath.isEmpty())
        return noRootFolder();
    const QString folder = rootPath + menuFolderName();
    const QFileInfo info(folder);
    if (info.exists() || info.isSymLink()) {
        if (info.isDir())
            return StepResult::success();
        return StepResult::failure(
            QStringLiteral("%1 is a file, not a folder.").arg(QDir::toNativeSeparators(folder)));
    }
    if (!QDir().mkdir(folder))
        return StepResult::failure(
            QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)));
    return StepResult::success();
}

StepResult copyToMenuFolder(const QString &rootPath, const QString &sourcePath)
{
    const StepResult folder = ensureMenuFolder(rootPath);
    if (!folder)
        return folder;
    return copyReplacing(sourcePath, rootPath + menuFolderName() + PathMapping::separator() +
                                         PathMapping::getFileName(sourcePath));
}

StepResult copyReplacing(const QString &sourcePath, const QString &destinationPath)
{
    const QString source = QDir::toNativeSeparators(sourcePath);
    const QString destination = QDir::toNativeSeparators(destinationPath);
    QFile in(sourcePath);
    if (!QFileInfo(sourcePath).isFile() || !in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return StepResult::failure(QStringLiteral("Cannot read %1: %2")
                                       .arg(source, in.exists() ? in.errorString() : QStringLiteral("No such file")));
    if (QFileInfo(sourcePath).canonicalFilePath() == QFileInfo(destinationPath).canonicalFilePath())
        return StepResult::success(); // already in place
    ReplacingFile out(destinationPath);
    if (!out.open() || !out.copyFrom(in) || !out.commit())
        return StepResult::failure(QStringLiteral("Cannot write %1: %2").arg(destination, out.errorString()));
    return StepResult::success();
}

StepResult writeReplacing(const QString &path, const QByteArray &bytes)
{
    ReplacingFile file(path);
    if (!file.open() || !file.write(bytes.constData(), bytes.size()) || !file.commit())
        return StepResult::failure(
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return StepResult::success();
}

} // namespace MenuFolder

ReplacingFile::ReplacingFile(const QString &path) : m_path(path)
{
    QFileInfo existing(path);
    // As QSaveFile: a link is followed, so that the file it names is replaced rather than the link.
    int depth = 128;
    while (--depth && existing.isSymLink())
        existing.setFile(existing.symLinkTarget());
    if (depth > 0)
        m_path = existing.filePath();
}

ReplacingFile::~ReplacingFile()
{
    if (m_file) {
        m_file->close();
        QFile::remove(m_temporary);
    }
}

bool ReplacingFile::fail(const QString &error)
{
    m_error = error;
    if (m_file) {
        m_file->close();
        QFile::remove(m_temporary);
        m_file.reset();
    }
    return false;
}

bool ReplacingFile::open()
{
    const QFileInfo existing(m_path);
    m_replacesExisting = existing.exists();
    if (m_replacesExisting && !existing.isWritable())
        return fail(QStringLiteral("Existing file %1 is not writable").arg(QDir::toNativeSeparators(m_path)));
    if (existing.isDir())
        return fail(QStringLiteral("Filename refers to a directory"));
    // Until the earlier file's permissions are copied, the new one is the owner's alone.
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const uint random = QRandomGenerator::global()->generate() & 0xFFFFFF;
        const QString name = m_path + QStringLiteral(".%1").arg(random, 6, 16, QLatin1Char('0'));
        auto file = std::make_unique<QFile>(name);
        const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
        if (m_replacesExisting ? file->open(mode, ownerOnly) : file->open(mode)) {
            m_temporary = name;
            m_file = std::move(file);
            return true;
        }
        if (!QFileInfo::exists(name))
            return fail(file->errorString());
    }
    return fail(QStringLiteral("No unused temporary file name beside %1").arg(QDir::toNativeSeparators(m_path)));
}

bool ReplacingFile::write(const char *data, qint64 size)
{
    if (!m_file)
        return false;
    if (m_file->write(data, size) != size)
        return fail(m_file->errorString());
    return true;
}

bool ReplacingFile::copyFrom(QFile &source)
{
    if (!m_file)
        return false;
    // In the kernel, without passing the bytes through this process; where that cannot be done the loop below
    // copies what is left.
    const FileOps::Result kernel = FileOps::copyInKernel(source.handle(), m_file->handle());
    if (kernel.outcome == FileOps::Outcome::Done)
        return true;
    if (kernel.outcome == FileOps::Outcome::Failed)
        return fail(kernel.error);
#ifndef Q_OS_WIN
    // QFile knows nothing of what the kernel moved: it carries on from the file positions the kernel left.
    source.seek(::lseek(source.handle(), 0, SEEK_CUR));
    m_file->seek(::lseek(m_file->handle(), 0, SEEK_CUR));
#endif
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(buffer.data(), buffer.size());
        if (got < 0)
            return fail(QStringLiteral("Cannot read %1: %2")
                            .arg(QDir::toNativeSeparators(source.fileName()), source.errorString()));
        if (got == 0)
            return true;
        if (!write(buffer.constData(), got))
            return false;
    }
}

bool ReplacingFile::commit()
{
    if (!m_file)
        return false;
    m_file->close();
    if (m_file->error() != QFileDevice::NoError)
        return fail(m_file->errorString());
    if (m_replacesExisting && !QFile::setPermissions(m_temporary, QFileInfo(m_path).permissions()))
        return fail(QStringLiteral("Cannot keep the permissions of %1").arg(QDir::toNativeSeparators(m_path)));
#ifdef Q_OS_WIN
    if (!MoveFileExW(reinterpret_cast<const wchar_t *>(m_temporary.utf16()),
                     reinterpret_cast<const wchar_t *>(m_path.utf16()), MOVEFILE_REPLACE_EXISTING))
        return fail(QStringLiteral("Cannot replace the file"));
#else
    const QByteArray temporary = QFile::encodeName(m_temporary);
    const QByteArray path = QFile::encodeName(m_path);
    auto reason = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    if (!m_replacesExisting) {
        if (::rename(temporary.constData(), path.constData()) != 0)
            return fail(reason());
    } else {
        // Swapping the two names keeps the whole earlier or the whole new file under the name at every moment, and
        // spares the flush to disk that some file systems make before a rename over an existing file.
        const FileOps::Result swapped = FileOps::exchangeNames(m_temporary, m_path);
        if (swapped.outcome == FileOps::Outcome::Done) {
            ::unlink(temporary.constData());
            m_file.reset();
            return true;
        }
        if (swapped.outcome == FileOps::Outcome::Failed)
            return fail(swapped.error);
        // Where names cannot be swapped, one rename over the earlier file is just as whole.
        if (::rename(temporary.constData(), path.constData()) != 0)
            return fail(reason());
    }
#endif
    m_file.reset();
    return true;
}
