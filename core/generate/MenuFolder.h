#pragma once

#include "core/model/StepResult.h"

#include <QByteArray>
#include <QString>

// The files of the generated CD root: the page, and the Menu folder that holds everything the page refers to.
namespace MenuFolder {

QString menuFolderName();     // "Menu"
QString pageFileName();       // "Index.htm"
QString applicationFileName(); // "Index.hta"

// rootPath followed by "Index.htm".
QString createMenuFile(const QString &rootPath);

// The failure of a step that needs a CD root when none has been chosen (an empty rootPath would name files in the
// current folder).
StepResult noRootFolder();

// Creates rootPath "Menu" when nothing of that name exists. Fails when it cannot, or when "Menu" is anything but a
// real folder: a link (even to a folder) would carry the build's files out of the CD root.
StepResult ensureMenuFolder(const QString &rootPath);
// Why rootPath "Menu" cannot take the build's files, or nothing when it is a real folder or absent.
QString menuFolderProblem(const QString &rootPath);


// Copies the file into the Menu folder under its own name, replacing an earlier copy.
StepResult copyToMenuFolder(const QString &rootPath, const QString &sourcePath);

// Copies source over destination through a temporary file: a failure leaves the earlier destination in place.
StepResult copyReplacing(const QString &sourcePath, const QString &destinationPath);
// Writes the bytes over path the same way.
StepResult writeReplacing(const QString &path, const QByteArray &bytes);

} // namespace MenuFolder
