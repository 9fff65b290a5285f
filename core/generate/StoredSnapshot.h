#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include <QString>
#include <QStringList>

class MenuReader;

// A stored menu as the commands build and check it: its snapshot (title, template, CD root, style) read once
// through the reader.
struct StoredSnapshot
{
    MenuSnapshot snapshot; // rootPath ends in a separator
    QString rootFolder;    // as stored, without its trailing separator
    QStringList notes;     // remarks that do not stop a command (a style that no longer exists)

    // Fails when the menu does not exist or has no CD root. Throws DataError.
    static StepValue<StoredSnapshot> load(MenuReader &reader, qint64 menuId);
};
