#pragma once

#include <QString>
#include <optional>

// File and folder names that Windows cannot open, whatever the disc's file system holds: the reserved device names
// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with or without an extension), names that end in a dot or a
// blank, and names with < > : " | ? * or a control character. Checked on every system, since the disc is read on
// Windows.
namespace WindowsNames {

// Why Windows cannot open a file or folder of this name; nothing when it can.
std::optional<QString> problem(const QString &name);

} // namespace WindowsNames
