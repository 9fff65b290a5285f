#include "core/platform/MediaSync.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace MediaSync {

namespace {

StepResult failed(const QString &what)
{
    return StepResult::failure(QCoreApplication::translate("DriveCopy", "%1 could not be written to the drive: %2")
                                   .arg(what, QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

StepResult flushFile(int handle)
{
    while (::fsync(handle) != 0) {
        if (errno != EINTR)
            return failed(QCoreApplication::translate("DriveCopy", "A file"));
    }
    return StepResult::success();
}

StepResult flushFileSystem(const QString &path)
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
    return synced == 0 ? StepResult::success() : failed(path);
}

StepResult readFromMedium(const QString &path, const std::function<void(QByteArrayView piece)> &take)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StepResult::failure(file.errorString());
#ifdef POSIX_FADV_DONTNEED
    // The file was flushed, so its cached pages are clean and the system lets them go: the reads below reach the
    // medium.
    ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
#endif
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0)
            return StepResult::failure(file.errorString());
        if (got == 0)
            return StepResult::success();
        take(QByteArrayView(buffer.constData(), got));
    }
}

} // namespace MediaSync
