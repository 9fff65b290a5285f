#include "core/platform/FileOps.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace FileOps {

#ifdef Q_OS_LINUX

namespace {

Result failed()
{
    return {Outcome::Failed, QString::fromLocal8Bit(std::strerror(errno))};
}

} // namespace

Result copyInKernel(int fromHandle, int toHandle)
{
    for (bool first = true;; first = false) {
        const ssize_t copied = ::copy_file_range(fromHandle, nullptr, toHandle, nullptr, 1 << 30, 0);
        // Some special files give the kernel's copy nothing and a read everything: an empty start is read again.
        if (copied == 0)
            return {first ? Outcome::Unsupported : Outcome::Done, {}};
        if (copied < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EBADF)
                return failed();
            // Where the file systems do not allow it, the caller copies what is left.
            return {Outcome::Unsupported, {}};
        }
    }
}

Result exchangeNames(const QString &first, const QString &second)
{
#if defined(RENAME_EXCHANGE)
    const QByteArray a = QFile::encodeName(first);
    const QByteArray b = QFile::encodeName(second);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE) == 0)
        return {Outcome::Done, {}};
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return failed();
#else
    Q_UNUSED(first)
    Q_UNUSED(second)
#endif
    return {Outcome::Unsupported, {}};
}

#else

Result copyInKernel(int, int)
{
    return {Outcome::Unsupported, {}};
}

Result exchangeNames(const QString &, const QString &)
{
    return {Outcome::Unsupported, {}};
}

#endif

} // namespace FileOps
