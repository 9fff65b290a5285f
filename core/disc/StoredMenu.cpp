#include "core/disc/StoredMenu.h"

#include "core/data/clsData.h"
#include "core/generate/PathMapping.h"

#include <QDir>
#include <QFileInfo>

std::optional<StoredMenu> StoredMenu::load(clsData &data, qint64 menuId, QString *error)
{
    StoredMenu stored;
    stored.snapshot.currentMenuID = menuId;
    Recordset menu = data.GetRS(Sql::selectMenu(menuId));
    if (menu.atEnd()) {
        *error = QStringLiteral("There is no menu %1.").arg(menuId);
        return std::nullopt;
    }
    stored.snapshot.title = menu.text(QStringLiteral("Title"));
    stored.snapshot.templateName = menu.text(QStringLiteral("Template"));
    stored.rootFolder = menu.text(QStringLiteral("Root")).trimmed();
    const qint64 styleNo = menu.value(QStringLiteral("StyleNo")).toLongLong();
    menu.close();

    Recordset style = data.GetRS(Sql::selectStyle(styleNo));
    if (style.atEnd()) {
        stored.snapshot.style = StyleFields::standard();
        stored.notes.append(
            QStringLiteral("Style %1 of menu %2 does not exist; the default style is used.").arg(styleNo).arg(menuId));
    } else {
        QStringList values;
        for (const QString &column : Sql::styleColumns())
            values.append(style.text(column));
        stored.snapshot.style = StyleFields::fromValues(values);
    }
    style.close();

    if (stored.rootFolder.isEmpty()) {
        *error = QStringLiteral("Menu %1 has no CD root folder.").arg(menuId);
        return std::nullopt;
    }
    if (!QFileInfo(stored.rootFolder).isDir()) {
        *error = QStringLiteral("The CD root folder %1 of menu %2 does not exist.")
                     .arg(QDir::toNativeSeparators(stored.rootFolder))
                     .arg(menuId);
        return std::nullopt;
    }
    stored.snapshot.rootPath = PathMapping::rootPathFor(stored.rootFolder);
    return stored;
}
