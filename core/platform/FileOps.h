#pragma once

#include <QString>

// The few file operations that only some systems offer. Each says when it cannot be done here, so that the caller
// falls back on the portable way; on other systems they always do.
namespace FileOps {

enum class Outcome { Done, Unsupported, Failed };

struct Result
{
    Outcome outcome = Outcome::Unsupported;
    QString error; // Failed: the system's reason
};

// Copies the rest of the open file `from` onto the open file `to` inside the kernel, from and to their current
// positions, which it leaves after the bytes copied. Unsupported when it copied nothing and the caller should copy
// the bytes itself (from the positions as they are then).
Result copyInKernel(int fromHandle, int toHandle);

// Swaps the names of two existing files in one step, so that each name always names a whole file.
Result exchangeNames(const QString &first, const QString &second);

} // namespace FileOps
