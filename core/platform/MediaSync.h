#pragma once

#include "core/model/StepResult.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

// Getting written bytes onto the medium itself, and reading them back from there, for copies that must survive a
// pulled stick (MediaSyncPosix.cpp and MediaSyncWindows.cpp, chosen by the build). Where a system has no such call
// it does what it can and says nothing.
namespace MediaSync {

// Waits until the open file's bytes are on the medium.
StepResult flushFile(int handle);
// Waits until everything written to the file system that holds path is on the medium (names and folders too).
StepResult flushFileSystem(const QString &path);
// Reads the whole file as the medium holds it, not as the system still keeps it in memory (which would hide a write
// the drive lost), handing each piece to take in order. A failure carries the system's reason alone.
StepResult readFromMedium(const QString &path, const std::function<void(QByteArrayView piece)> &take);

} // namespace MediaSync
