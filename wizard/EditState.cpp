#include "wizard/EditState.h"

#include "core/model/PathMapping.h"

MenuSnapshot EditState::snapshot(const QString &programFolder) const
{
    MenuSnapshot snapshot;
    snapshot.title = title;
    snapshot.templateName = templateName;
    snapshot.language = language;
    snapshot.style = style;
    snapshot.rootPath = rootPath();
    snapshot.currentMenuID = menuId;
    snapshot.programFolder = programFolder;
    return snapshot;
}

MenuRecord EditState::menuRecord() const
{
    MenuRecord menu;
    menu.id = menuId;
    menu.templateName = templateName;
    menu.title = title;
    menu.styleNo = styleId;
    menu.root = rootFolder.value_or(QString());
    menu.language = language;
    return menu;
}

QString EditState::rootPath() const
{
    return rootFolder && !rootFolder->isEmpty() ? PathMapping::rootPathFor(*rootFolder) : QString();
}
