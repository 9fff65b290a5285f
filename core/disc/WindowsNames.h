#pragma once

#include "core/model/StepResult.h"

#include <QString>

// File and folder names that Windows cannot open, whatever the disc's file system holds: the reserved device names
// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with or without an extension), names that end in a dot or a
// blank, and names with < > : " | ? * or a control character. Checked on every system, since the disc is read on
// Windows.
namespace WindowsNames {

// Whether Windows can open a file or folder of this name; the failure says why not.
StepResult check(const QString &name);

} // namespace WindowsNames
