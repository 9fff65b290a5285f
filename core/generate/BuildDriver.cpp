#include "core/generate/BuildDriver.h"

#include "core/about/ProgramParts.h"
#include "core/generate/MenuFolder.h"
#include "core/generate/PageWriter.h"
#include "core/generate/PathMapping.h"

#include <QDir>
#include <QFileInfo>

namespace BuildDriver {

QString successText()
{
    return QStringLiteral("Your Menu has been successfully created!");
}

QStringList finish(const MenuSnapshot &snapshot, clsData &data)
{
    if (snapshot.rootPath.isEmpty())
        return {MenuFolder::noRootFolder().error};
    QStringList failures;
    auto record = [&failures](const StepResult &step) {
        if (!step)
            failures.append(step.error);
    };

    record(PageWriter(snapshot, data).write());

    // The autorun files come from the program folder or the installed data folder; when neither holds both, the
    // ones beside the program are still copied and the failure names every folder looked in.
    const ProgramParts parts(snapshot.programFolder);
    const QString autorunFolder = parts.autorunFolder();
    const QString programFolder =
        PathMapping::rootPathFor(autorunFolder.isEmpty() ? snapshot.programFolder : autorunFolder);
    for (const QString &name : ProgramParts::autorunFileNames()) {
        if (!autorunFolder.isEmpty() || QFileInfo(programFolder + name).isFile())
            record(MenuFolder::copyReplacing(programFolder + name, snapshot.rootPath + name));
    }
    if (autorunFolder.isEmpty())
        failures.append(parts.autorunMissingMessage());

    // An earlier page is copied again when this build wrote none, as it stays the menu of the CD.
    record(MenuFolder::copyReplacing(MenuFolder::createMenuFile(snapshot.rootPath),
                                     snapshot.rootPath + MenuFolder::applicationFileName()));
    return failures;
}

} // namespace BuildDriver
