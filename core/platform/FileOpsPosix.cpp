#include "core/platform/FileOps.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace FileOps {

namespace {

Result failed(int error = errno)
{
    return Result::failure(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

Result copyInKernel(int fromHandle, int toHandle)
{
#ifdef Q_OS_LINUX
    for (bool first = true;; first = false) {
        const ssize_t copied = ::copy_file_range(fromHandle, nullptr, toHandle, nullptr, 1 << 30, 0);
        // Some special files give the kernel's copy nothing and a read everything: an empty start is read again.
        if (copied == 0)
            return Result::made(first ? Outcome::Unsupported : Outcome::Done);
        if (copied < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EBADF)
                return failed();
            // Where the file systems do not allow it, the caller copies what is left.
            return Result::made(Outcome::Unsupported);
        }
    }
#else
    Q_UNUSED(fromHandle)
    Q_UNUSED(toHandle)
    return Result::made(Outcome::Unsupported);
#endif
}

void followKernelPositions(QFile &from, QFile &to)
{
    // QFile knows nothing of what the kernel moved: it carries on from the file positions the kernel left.
    from.seek(::lseek(from.handle(), 0, SEEK_CUR));
    to.seek(::lseek(to.handle(), 0, SEEK_CUR));
}

Result exchangeNames(const QString &first, const QString &second)
{
#if defined(Q_OS_LINUX) && defined(RENAME_EXCHANGE)
    const QByteArray a = QFile::encodeName(first);
    const QByteArray b = QFile::encodeName(second);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE) == 0)
        return Result::made(Outcome::Done);
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return failed();
#else
    Q_UNUSED(first)
    Q_UNUSED(second)
#endif
    return Result::made(Outcome::Unsupported);
}

Result replaceName(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return failed();
    return Result::made(Outcome::Done);
}

Result nameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    // A hard link is made only where the name is free; where the file system has none, a rename that refuses to
    // replace does the same.
    int result = ::link(source.constData(), target.constData());
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (result != 0 && errno != EEXIST)
        result = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
#endif
    const int error = result == 0 ? 0 : errno;
    if (error == EEXIST)
        return Result::made(Outcome::NameTaken);
    if (error != 0)
        return failed(error);
    ::unlink(source.constData()); // the linked name stays; after a rename there is nothing left to remove
    return Result::made(Outcome::Done);
}

Result writeAll(QFile &file, const char *data, qint64 size)
{
    // Written directly, so that a full disk or a file-size limit is reported with the system's own reason.
    while (size > 0) {
        const ssize_t written = ::write(file.handle(), data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return failed();
        }
        data += written;
        size -= written;
    }
    return Result::made(Outcome::Done);
}

QByteArray bytesOf(const std::filesystem::path &path)
{
    return QByteArray::fromStdString(path.native());
}

std::filesystem::path pathOf(const QByteArray &bytes)
{
    return std::filesystem::path(bytes.toStdString());
}

QByteArray encodeName(const QString &path)
{
    return QFile::encodeName(path);
}

QString decodeName(const QByteArray &bytes)
{
    return QFile::decodeName(bytes);
}

bool isReadable(const QByteArray &path)
{
    return ::access(path.constData(), R_OK) == 0;
}

} // namespace FileOps
