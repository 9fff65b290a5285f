#include "core/generate/StoredSnapshot.h"

#include "core/data/MenuReader.h"
#include "core/generate/PathMapping.h"

#include <QCoreApplication>

StepValue<StoredSnapshot> StoredSnapshot::load(MenuReader &reader, qint64 menuId)
{
    const std::optional<StoredMenu> menu = reader.menu(menuId);
    if (!menu)
        return StepValue<StoredSnapshot>::failure(
            QCoreApplication::translate("Build", "There is no menu %1.").arg(menuId));
    StoredSnapshot stored;
    stored.snapshot.currentMenuID = menuId;
    stored.snapshot.title = menu->title;
    // The column compares template names without regard to case; so does the build.
    stored.snapshot.templateName = menu->templateName;
    stored.snapshot.language = MenuLanguage::ofStored(menu->language);
    for (const QString &name : MenuTemplate::allNames()) {
        if (name.compare(menu->templateName, Qt::CaseInsensitive) == 0)
            stored.snapshot.templateName = name;
    }
    if (menu->style) {
        stored.snapshot.style = StyleFields::fromValues(*menu->style);
    } else {
        stored.snapshot.style = StyleFields::standard();
        bool number = false;
        menu->styleText.toLongLong(&number);
        if (!number)
            stored.notes.append(QCoreApplication::translate(
                                    "Build", "Menu %1 names no style (its style number is \"%2\"); the default style "
                                             "is used.")
                                    .arg(menuId)
                                    .arg(menu->styleText));
        else
            stored.notes.append(
                QCoreApplication::translate("Build", "Style %1 of menu %2 does not exist; the default style is used.")
                    .arg(menu->styleNo)
                    .arg(menuId));
    }
    stored.rootFolder = menu->root.trimmed();
    if (stored.rootFolder.isEmpty())
        return StepValue<StoredSnapshot>::failure(
            QCoreApplication::translate("Build", "Menu %1 has no CD root folder.").arg(menuId));
    stored.snapshot.rootPath = PathMapping::rootPathFor(stored.rootFolder);
    return StepValue<StoredSnapshot>::made(std::move(stored));
}
