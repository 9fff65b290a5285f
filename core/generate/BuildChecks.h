#pragma once

#include "core/generate/MenuSnapshot.h"
#include "core/generate/StepResult.h"

#include <QString>
#include <QStringList>

class clsData;

// What a build can know before its first write: a refused build leaves the CD root as it was.
namespace BuildChecks {

enum class Media {
    Copied,       // the build copies the style's media into the Menu folder: they must be there to copy
    AlreadyCopied // the window copied them when the style was saved: only their names matter
};

// The CD root exists and is writable, "Menu" is a real folder or absent, no generated file's name is taken by a
// folder or a file that cannot be replaced, the media are distinct from each other and from the stylesheet, and
// no entry links outside the CD root. Once everything passes, the temporary files that stopped builds left in the
// root and the Menu folder are removed.
StepResult beforeWriting(const MenuSnapshot &snapshot, clsData &data, Media media = Media::Copied);

// The style's media files (empty and "none" fields skipped): present and regular when mustExist, and no two with
// the same name in the Menu folder, nor one named like the stylesheet. Letter case does not count (the CD is read
// on Windows).
StepResult media(const QStringList &mediaFiles, bool mustExist);

// No entry of the menu links to an absolute path or climbs out of the CD root with "..".
StepResult entryLinks(clsData &data, qint64 menuId);
bool isOutsideRoot(const QString &link);

} // namespace BuildChecks
