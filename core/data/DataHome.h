#pragma once

#include "core/model/StepResult.h"

#include <QString>

// Where Velmora keeps Velmora.dat and its style library.
namespace DataHome {

// The folder named by --home, else by VELMORA_HOME, else the program folder when one is given and writable, else
// the user's data folder ($XDG_DATA_HOME/Velmora, %APPDATA%\Velmora on Windows). The folder is created when missing;
// when it cannot be, the failure names it and what is in the way.
StepValue<QString> resolve(const QString &programFolder, const QString &homeOption, const QString &environmentHome);
// The folder resolve() would use, whether or not it exists or can be made.
QString chosen(const QString &programFolder, const QString &homeOption, const QString &environmentHome);

QString databasePath(const QString &home);
QString styleLibrary(const QString &home);

} // namespace DataHome
