#include "wizard/EditState.h"

#include "core/data/clsData.h"
#include "core/generate/PathMapping.h"

EditState::EditState(const QString &databasePath) : m_data(std::make_unique<clsData>(databasePath)) {}

EditState::~EditState() = default;

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

QString EditState::rootPath() const
{
    return rootFolder.isEmpty() ? QString() : PathMapping::rootPathFor(rootFolder);
}
