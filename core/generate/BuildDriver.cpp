#include "core/generate/BuildDriver.h"

#include "core/generate/BuildChecks.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PageWriter.h"
#include "core/generate/PathMapping.h"

#include <QDir>

namespace BuildDriver {

QString successText()
{
    return QStringLiteral("Your Menu has been successfully created!");
}

QStringList finish(const MenuSnapshot &snapshot, clsData &data)
{
    if (snapshot.rootPath.isEmpty())
        return {MenuFolder::noRootFolder().error};
    if (const StepResult checked = BuildChecks::beforeWriting(snapshot, data, BuildChecks::Media::AlreadyCopied);
        !checked)
        return {checked.error};
    QStringList failures;
    auto record = [&failures](const StepResult &step) {
        if (!step)
            failures.append(step.error);
    };

    record(PageWriter(snapshot, data).write());

    const QString programFolder = PathMapping::rootPathFor(snapshot.programFolder);
    for (const QString &name : {QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")})
        record(MenuFolder::copyReplacing(programFolder + name, snapshot.rootPath + name));

    // An earlier page is copied again when this build wrote none, as it stays the menu of the CD.
    record(MenuFolder::copyReplacing(MenuFolder::createMenuFile(snapshot.rootPath),
                                     snapshot.rootPath + MenuFolder::applicationFileName()));
    return failures;
}

} // namespace BuildDriver
