#pragma once

#include "core/model/StepResult.h"

#include <QByteArray>
#include <QString>
#include <filesystem>

class QFile;

// The file calls that differ between systems, each in one place: FileOpsPosix.cpp and FileOpsWindows.cpp, chosen
// by the build. Where a system lacks a call, it says so, so that the caller falls back on the portable way.
namespace FileOps {

// What a call did when it did not fail; a failure carries the system's reason.
enum class Outcome { Done, Unsupported, NameTaken };
using Result = StepValue<Outcome>;

inline bool isDone(const Result &result)
{
    return result.ok && result.value == Outcome::Done;
}

// Copies the rest of the open file `from` onto the open file `to` inside the kernel, from and to their current
// positions, which it leaves after the bytes copied. Unsupported when it copied nothing and the caller should copy
// the bytes itself (from the positions as they are then).
Result copyInKernel(int fromHandle, int toHandle);
// After copyInKernel: tells the two QFiles where the kernel left their positions.
void followKernelPositions(QFile &from, QFile &to);

// Swaps the names of two existing files in one step, so that each name always names a whole file.
Result exchangeNames(const QString &first, const QString &second);

// Gives the file `from` the name `to` in one step, replacing a file of that name; written through to the disk where
// the system can be asked to.
Result replaceName(const QString &from, const QString &to);

// Gives the file `from` the name `to` in one step unless `to` exists: NameTaken then, and `from` stays. `from` is
// gone afterwards in every case but NameTaken and a failure.
Result nameWithoutReplacing(const QString &from, const QString &to);

// Writes all of data to the open file, with the system's own reason when it cannot (a full disk, a size limit).
Result writeAll(QFile &file, const char *data, qint64 size);

// A path's bytes (UTF-8 with "/" on Windows, the file system's bytes elsewhere) and back.
QByteArray bytesOf(const std::filesystem::path &path);
std::filesystem::path pathOf(const QByteArray &bytes);
QByteArray encodeName(const QString &path);
QString decodeName(const QByteArray &bytes);
// Whether this process may read the file or folder named by the bytes.
bool isReadable(const QByteArray &path);

} // namespace FileOps
