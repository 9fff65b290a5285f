#include "core/generate/StoredSnapshot.h"

#include "core/data/DataHome.h"
#include "core/data/MenuReader.h"
#include "core/model/PathMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// A relative media path is where the wizard puts media: the style's own folder of the style library, whatever folder
// the program runs from. One that climbs out of that folder is refused.
StepResult resolveMedia(StyleFields &style, const QString &home)
{
    const QString folder = QDir::cleanPath(DataHome::styleLibrary(home) + QLatin1Char('/') + style.styleName);
    const struct
    {
        QString StyleFields::*field;
        const char *column;
    } media[] = {{&StyleFields::backImage, "BackImage"},
                 {&StyleFields::soundFile, "Soundfile"},
                 {&StyleFields::logoFile, "Logofile"},
                 {&StyleFields::buttonOnImage, "ButtonOnImage"},
                 {&StyleFields::buttonOffImage, "ButtonOffImage"}};
    for (const auto &medium : media) {
        QString &path = style.*medium.field;
        if (!StyleFields::isSet(path) || QDir::isAbsolutePath(path))
            continue;
        const QString resolved = QDir::cleanPath(folder + QLatin1Char('/') + path);
        if (!resolved.startsWith(folder + QLatin1Char('/')))
            return StepResult::failure(
                QCoreApplication::translate("Build", "The field %1 of the style \"%2\" names %3, which leads out of "
                                                     "the style's folder %4.")
                    .arg(QLatin1String(medium.column), style.styleName, path, PathMapping::shown(folder)));
        path = QDir::toNativeSeparators(resolved);
    }
    return StepResult::success();
}

} // namespace

StepValue<StoredSnapshot> StoredSnapshot::load(MenuReader &reader, qint64 menuId)
{
    const std::optional<StoredMenu> menu = reader.menu(menuId);
    if (!menu)
        return StepValue<StoredSnapshot>::failure(
            QCoreApplication::translate("Build", "There is no menu %1.").arg(menuId));
    StoredSnapshot stored;
    stored.snapshot.currentMenuID = menuId;
    stored.snapshot.title = menu->row.title;
    // The column compares template names without regard to case; so does the build.
    stored.snapshot.templateName = menu->row.templateName;
    stored.snapshot.language = MenuLanguage::ofStored(menu->row.language);
    for (const QString &name : MenuTemplate::allNames()) {
        if (name.compare(menu->row.templateName, Qt::CaseInsensitive) == 0)
            stored.snapshot.templateName = name;
    }
    if (menu->style) {
        stored.snapshot.style = *menu->style;
        const StepResult media = resolveMedia(stored.snapshot.style, QFileInfo(reader.databasePath()).absolutePath());
        if (!media)
            return StepValue<StoredSnapshot>::failure(media.error);
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
                    .arg(menu->row.styleNo)
                    .arg(menuId));
    }
    stored.rootFolder = menu->row.root.trimmed();
    if (stored.rootFolder.isEmpty())
        return StepValue<StoredSnapshot>::failure(
            QCoreApplication::translate("Build", "Menu %1 has no CD root folder.").arg(menuId));
    stored.snapshot.rootPath = PathMapping::rootPathFor(stored.rootFolder);
    return StepValue<StoredSnapshot>::made(std::move(stored));
}
