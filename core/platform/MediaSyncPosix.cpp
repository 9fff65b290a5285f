#include "core/platform/MediaSync.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace MediaSync {

namespace {

QString failed(const QString &what)
{
    return QCoreApplication::translate("DriveCopy", "%1 could not be written to the drive: %2")
        .arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

QString flushFile(int handle)
{
    while (::fsync(handle) != 0) {
        if (errno != EINTR)
            return failed(QCoreApplication::translate("DriveCopy", "A file"));
    }
    return {};
}

void forgetCached(int handle)
{
#ifdef POSIX_FADV_DONTNEED
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_DONTNEED);
#else
    Q_UNUSED(handle)
#endif
}

QString flushFileSystem(const QString &path)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return failed(path);
#ifdef Q_OS_LINUX
    // syncfs also writes the folders' records and the allocation tables, which fsync of the files does not promise.
    const int synced = ::syncfs(handle);
#else
    const int synced = ::fsync(handle);
#endif
    const int error = errno;
    ::close(handle);
    errno = error;
    return synced == 0 ? QString() : failed(path);
}

} // namespace MediaSync
