#pragma once

#include "core/generate/MenuSnapshot.h"

#include <QString>
#include <QStringList>
#include <optional>

class clsData;

// A stored menu read back for the commands that work on its CD root: its snapshot (title, template, style) and
// its root folder, which must exist.
struct StoredMenu
{
    MenuSnapshot snapshot; // rootPath ends in a separator
    QString rootFolder;    // as stored, without a trailing separator (except a file-system root)
    QStringList notes;     // remarks that do not stop the command (a style that no longer exists)

    // Nothing, with the reason in *error, when the menu or its root folder does not exist. Throws DataError.
    static std::optional<StoredMenu> load(clsData &data, qint64 menuId, QString *error);
};
