#include "core/generate/HeadlessBuild.h"

#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/MenuSnapshot.h"
#include "core/generate/PageWriter.h"
#include "core/generate/PathMapping.h"
#include "core/generate/StylesheetWriter.h"
#include "core/data/DataError.h"
#include "core/data/clsData.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool isSet(const QString &field)
{
    return !field.isEmpty() && field != QLatin1String("none");
}

// A folder counts as read-only when its permissions deny the owner writing, or when nothing can be created in it
// (a read-only medium): the build never writes into a folder the user marked read-only.
bool isWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isWritable() || !info.permission(QFileDevice::WriteOwner))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".velmora-XXXXXX")));
    return probe.open();
}

} // namespace

HeadlessBuild::HeadlessBuild(clsData &data, const QString &programFolder)
    : m_data(data), m_programFolder(programFolder)
{
}

StepResult HeadlessBuild::run(qint64 menuId)
{
    m_written.clear();
    m_notes.clear();
    MenuSnapshot snapshot;
    snapshot.currentMenuID = menuId;
    snapshot.programFolder = m_programFolder;
    QString root;
    qint64 styleNo = 0;
    try {
        Recordset menu = m_data.GetRS(Sql::selectMenu(menuId));
        if (menu.atEnd())
            return StepResult::failure(QStringLiteral("There is no menu %1.").arg(menuId));
        snapshot.title = menu.text(QStringLiteral("Title"));
        snapshot.templateName = menu.text(QStringLiteral("Template"));
        root = menu.text(QStringLiteral("Root")).trimmed();
        styleNo = menu.value(QStringLiteral("StyleNo")).toLongLong();
        menu.close();

        Recordset style = m_data.GetRS(Sql::selectStyle(styleNo));
        if (style.atEnd()) {
            snapshot.style = StyleFields::standard();
            m_notes.append(QStringLiteral("Style %1 of menu %2 does not exist; the default style is used.")
                               .arg(styleNo)
                               .arg(menuId));
        } else {
            QStringList values;
            for (const QString &column : Sql::styleColumns())
                values.append(style.text(column));
            snapshot.style = StyleFields::fromValues(values);
        }
        style.close();
    } catch (const DataError &error) {
        return StepResult::failure(error.message());
    }

    if (root.isEmpty())
        return StepResult::failure(QStringLiteral("Menu %1 has no CD root folder.").arg(menuId));
    if (!QFileInfo(root).isDir())
        return StepResult::failure(
            QStringLiteral("The CD root folder %1 of menu %2 does not exist.").arg(shown(root)).arg(menuId));
    if (!isWritableFolder(root))
        return StepResult::failure(
            QStringLiteral("The CD root folder %1 of menu %2 is read-only.").arg(shown(root)).arg(menuId));
    snapshot.rootPath = PathMapping::rootPathFor(root);
    if (const StepResult checked = BuildChecks::beforeWriting(snapshot, m_data); !checked)
        return checked;

    QStringList media;
    for (const QString &file : snapshot.style.mediaFiles()) {
        if (!isSet(file))
            continue;
        if (!QFileInfo(file).isFile())
            return StepResult::failure(QStringLiteral("The media file %1 of the style is missing.").arg(shown(file)));
        media.append(file);
    }
    const QString programFolder = PathMapping::rootPathFor(m_programFolder);
    const QStringList autorunFiles = {QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")};
    for (const QString &name : autorunFiles) {
        if (!QFileInfo(programFolder + name).isFile())
            return StepResult::failure(
                QStringLiteral("%1 is missing in the program folder %2.").arg(name, shown(m_programFolder)));
    }

    QString error;
    const std::optional<QByteArray> stylesheet = StylesheetWriter::text(snapshot.style, &error);
    if (!stylesheet)
        return StepResult::failure(error);
    const std::optional<QByteArray> page = PageWriter(snapshot, m_data).page(snapshot.templateName, &error);
    if (!page)
        return StepResult::failure(QStringLiteral("Menu %1: %2").arg(menuId).arg(error));

    StepResult step = MenuFolder::ensureMenuFolder(snapshot.rootPath);
    if (!step)
        return step;
    const QString stylesheetPath = StylesheetWriter::stylesheetPath(snapshot.rootPath);
    if (!(step = MenuFolder::writeReplacing(stylesheetPath, *stylesheet)))
        return step;
    m_written.append(stylesheetPath);
    for (const QString &file : media) {
        if (!(step = MenuFolder::copyToMenuFolder(snapshot.rootPath, file)))
            return step;
        m_written.append(snapshot.rootPath + MenuFolder::menuFolderName() + PathMapping::separator() +
                         PathMapping::getFileName(file));
    }
    const QString pagePath = MenuFolder::createMenuFile(snapshot.rootPath);
    if (!(step = MenuFolder::writeReplacing(pagePath, *page)))
        return step;
    m_written.append(pagePath);
    const QString applicationPath = snapshot.rootPath + MenuFolder::applicationFileName();
    if (!(step = MenuFolder::writeReplacing(applicationPath, *page)))
        return step;
    m_written.append(applicationPath);
    for (const QString &name : autorunFiles) {
        if (!(step = MenuFolder::copyReplacing(programFolder + name, snapshot.rootPath + name)))
            return step;
        m_written.append(snapshot.rootPath + name);
    }
    return StepResult::success();
}
