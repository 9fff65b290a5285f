#pragma once

#include "core/model/StepResult.h"

#include <QList>
#include <QString>

// A mounted removable drive that a menu can be copied onto: a USB stick, an SD card.
struct RemovableDrive
{
    QString root;       // where it is mounted: /media/anna/STICK, E:/
    QString label;      // the file system's name; empty when it has none
    QString device;     // the system's name of it: /dev/sdb1, E:
    QString fileSystem; // "vfat", "exfat", "FAT32", "exFAT", ...
    qint64 bytesFree = 0;

    // "STICK (/media/anna/STICK, 3.2 GB free)", "STICK (E:\, 3.2 GB free)"
    QString shown() const;
};

// The drives the system can take away safely (RemovableDrivesPosix.cpp and RemovableDrivesWindows.cpp, chosen by
// the build). Linux: mounted file systems whose block device is removable or on USB; Windows: the removable drive
// letters that hold a medium.
namespace RemovableDrives {

QList<RemovableDrive> mounted();
// The mounted removable drive that holds path; an empty root when path is on none.
RemovableDrive holding(const QString &path);
// Unmounts the drive and ejects it, so that it can be pulled; why not when it cannot be (a program still uses it,
// the system refuses).
StepResult eject(const RemovableDrive &drive);

} // namespace RemovableDrives
