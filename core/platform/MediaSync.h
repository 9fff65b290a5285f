#pragma once

#include "core/generate/StepResult.h"

#include <QString>

// Getting written bytes onto the medium itself, for copies that must survive a pulled stick. Each call says why it
// failed; where a system has no such call it succeeds and does nothing.
namespace MediaSync {

// Waits until the open file's bytes are on the medium.
StepResult flushFile(int handle);
// Lets the system forget the open file's cached bytes, so that the next read comes from the medium, not from memory.
void forgetCached(int handle);
// Waits until everything written to the file system that holds path is on the medium (names and folders too).
StepResult flushFileSystem(const QString &path);

} // namespace MediaSync
