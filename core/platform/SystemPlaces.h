#pragma once

#include <QString>
#include <QStringList>

// Where things are on this kind of system: SystemPlacesPosix.cpp and SystemPlacesWindows.cpp, chosen by the build.
namespace SystemPlaces {

// The data home of a program that may not keep its data beside itself: $XDG_DATA_HOME/Velmora, or
// %APPDATA%\Velmora on Windows.
QString userDataFolder();

// Whether this process can create files in the folder (on Windows the folder's access rights, not only its
// read-only flag).
bool canWriteIn(const QString &folder);

// Whether the program folder belongs to an installed copy, which keeps its data in userDataFolder() even when it may
// write beside itself.
bool isInstalledCopy(const QString &programFolder);

// The program that opens a page in the desktop's browser and says why it could not; empty where the desktop
// service opens it itself.
QString pageOpener();

// How the drive list names a drive: its root on POSIX systems ("/media/disc"), its letter and label on Windows
// ("D: [DISC_2026]").
QString driveCaption(const QString &root, const QString &label);

// The system-information tools to look for, in order.
QStringList systemInfoPrograms();

} // namespace SystemPlaces
