#pragma once

#include <QString>

// Getting written bytes onto the medium itself, for copies that must survive a pulled stick (MediaSyncPosix.cpp and
// MediaSyncWindows.cpp, chosen by the build). Each call returns why it
// failed, empty when it did not; where a system has no such call it does nothing.
namespace MediaSync {

// Waits until the open file's bytes are on the medium.
QString flushFile(int handle);
// Lets the system forget the open file's cached bytes, so that the next read comes from the medium, not from memory.
void forgetCached(int handle);
// Waits until everything written to the file system that holds path is on the medium (names and folders too).
QString flushFileSystem(const QString &path);

} // namespace MediaSync
