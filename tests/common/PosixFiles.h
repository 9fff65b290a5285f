#pragma once

#include <QByteArray>

#ifndef Q_OS_WIN
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

// What only POSIX systems make: symbolic links, named pipes, modes, a user who may read everything. The tests that
// check how Velmora meets them skip on Windows, saying why; the Linux build runs them.
namespace PosixFiles {

inline const char *const missing =
    "Windows has no symbolic links, named pipes or POSIX permissions of this kind; the Linux build checks them.";

#ifndef Q_OS_WIN
inline bool available() { return true; }
inline bool link(const QByteArray &target, const QByteArray &path) { return ::symlink(target, path) == 0; }
inline bool pipe(const QByteArray &path) { return ::mkfifo(path, 0644) == 0; }
inline bool folder(const QByteArray &path, mode_t mode = 0755) { return ::mkdir(path, mode) == 0; }
inline bool file(const QByteArray &path) { return ::close(::open(path, O_CREAT | O_WRONLY, 0644)) == 0; }
inline bool mode(const QByteArray &path, int mode) { return ::chmod(path, mode_t(mode)) == 0; }
inline bool isRoot() { return ::geteuid() == 0; }
// Leaves a socket file at path, as a program that listens there would.
inline bool socket(const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int handle = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = handle >= 0 && ::bind(handle, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (handle >= 0)
        ::close(handle);
    return bound;
}
#else
inline bool available() { return false; }
inline bool link(const QByteArray &, const QByteArray &) { return false; }
inline bool pipe(const QByteArray &) { return false; }
inline bool folder(const QByteArray &, int = 0) { return false; }
inline bool file(const QByteArray &) { return false; }
inline bool mode(const QByteArray &, int) { return false; }
inline bool isRoot() { return false; }
inline bool socket(const QByteArray &) { return false; }
#endif

} // namespace PosixFiles
