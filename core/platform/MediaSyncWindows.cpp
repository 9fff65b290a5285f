#include "core/platform/MediaSync.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <io.h>

namespace MediaSync {

// The Windows side: the C library's commit (FlushFileBuffers) on the file; flushing a whole volume needs rights a
// user seldom has, so each file is flushed instead.
QString flushFile(int handle)
{
    if (::_commit(handle) != 0)
        return QCoreApplication::translate("DriveCopy", "%1 could not be written to the drive: %2")
            .arg(QCoreApplication::translate("DriveCopy", "A file"), QString::fromLocal8Bit(std::strerror(errno)));
    return {};
}

void forgetCached(int) {}

QString flushFileSystem(const QString &)
{
    return {};
}


} // namespace MediaSync
