#pragma once

#include <QByteArray>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
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
#else
inline bool available() { return false; }
inline bool link(const QByteArray &, const QByteArray &) { return false; }
inline bool pipe(const QByteArray &) { return false; }
inline bool folder(const QByteArray &, int = 0) { return false; }
inline bool file(const QByteArray &) { return false; }
inline bool mode(const QByteArray &, int) { return false; }
inline bool isRoot() { return false; }
#endif

} // namespace PosixFiles
