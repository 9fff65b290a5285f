#pragma once

#include <QString>

// Where Velmora keeps Velmora.dat and its style library.
namespace DataHome {

// The folder named by --home, else by VELMORA_HOME, else the program folder when one is given and writable, else
// $XDG_DATA_HOME/Velmora. The folder is created when missing; an empty result means it could not be.
QString resolve(const QString &programFolder, const QString &homeOption, const QString &environmentHome);

QString databasePath(const QString &home);
QString styleLibrary(const QString &home);

} // namespace DataHome
