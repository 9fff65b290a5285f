#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What a build can know before its first write: a refused build leaves the CD root as it was.
namespace BuildChecks {

// Why a CD root that is not a folder cannot be used: it does not exist, is a file, a broken link or a link loop.
QString notAFolderText(const QString &root);

enum class Media {
    Copied,       // the build copies the style's media into the Menu folder: they must be there to copy
    AlreadyCopied // the window copied them when the style was saved: only their names matter
};

// The CD root exists and is writable, "Menu" is a real folder or absent, no generated file's name is taken by a
// folder or a file that cannot be replaced, and the media are distinct from each other and from the stylesheet.
// Once everything passes, the temporary files that stopped builds left in the root and the Menu folder are
// removed.
StepResult beforeWriting(const MenuSnapshot &snapshot, Media media = Media::Copied);

// The style's media files (empty and "none" fields skipped): present and regular when mustExist, and no two with
// the same name in the Menu folder, nor one named like the stylesheet. Letter case does not count (the CD is read
// on Windows).
StepResult media(const QStringList &mediaFiles, bool mustExist);

// Every such problem, for a check that lists them all.
struct MediaProblem
{
    enum Kind { Missing, Collision } kind;
    QString text;
};
QVector<MediaProblem> mediaProblems(const QStringList &mediaFiles, bool mustExist);

// An entry's link that is absolute or climbs out of the CD root with "..": the page writers refuse it as they
// read the entries, before the page takes its name.
bool isOutsideRoot(const QString &link);
QString outsideRootText(const QString &title, const QString &link);

} // namespace BuildChecks
