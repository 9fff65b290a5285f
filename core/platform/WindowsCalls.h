#pragma once

#include <QString>
#include <string>

// What the Windows sides of the platform layer share: paths and the system's reasons as the wide calls take and
// give them. Windows only.
namespace WindowsCalls {

// A path as the wide calls take it: absolute, with backslashes, and past 260 characters with the "\\?\" prefix
// that lifts the length limit.
std::wstring widePath(const QString &path);
// The system's text for an error code (GetLastError), without its final full stop.
QString systemMessage(unsigned long error);

} // namespace WindowsCalls
