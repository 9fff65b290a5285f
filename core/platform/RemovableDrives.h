#pragma once

#include <QList>
#include <QString>

// A mounted removable drive that a menu can be copied onto: a USB stick, an SD card.
struct RemovableDrive
{
    QString root;       // where it is mounted
    QString label;      // the file system's name; empty when it has none
    QString device;     // the system's name of it (/dev/sdb1)
    QString fileSystem; // "vfat", "exfat", ...
    qint64 bytesFree = 0;

    // "STICK (/media/anna/STICK, 3.2 GB free)"
    QString shown() const;
};

// The drives the system can take away safely. Linux: mounted file systems whose block device is removable or on
// USB; the Windows side (removable drive letters, the shell's eject) is still to come.
namespace RemovableDrives {

QList<RemovableDrive> mounted();
// The mounted removable drive that holds path; an empty root when path is on none.
RemovableDrive holding(const QString &path);
// Unmounts the drive and powers it off, so that it can be pulled; why not when it cannot be (a program still uses
// it, the system refuses), empty when it is done.
QString eject(const RemovableDrive &drive);

} // namespace RemovableDrives
