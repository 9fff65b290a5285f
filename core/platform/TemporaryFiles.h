#pragma once

#include <QDateTime>
#include <QString>

// The hidden files Velmora writes before it renames them into place: ".velmora-tmp-PID-RANDOM-NAME". The name
// tells them apart from the user's files and says which process made them, so that those of a stopped process
// can be removed while those of one still running stay.
namespace TemporaryFiles {

QString prefix(); // ".velmora-tmp-"

// A new name in folder for a file that will become fileName; unique to this process and call.
QString nameFor(const QString &folder, const QString &fileName);

// Whether fileName is a temporary file of a process that is gone, or one last modified more than a day ago (on a
// stick written by another computer, process numbers mean nothing).
bool isStale(const QString &fileName, const QDateTime &modified = {});

// Removes the temporary files in folder whose process is gone.
void removeStale(const QString &folder);

} // namespace TemporaryFiles
