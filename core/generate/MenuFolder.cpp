#include "core/generate/MenuFolder.h"

#include "core/model/PathMapping.h"
#include "core/platform/ReplacingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace MenuFolder {

QString menuFolderName()
{
    return QStringLiteral("Menu");
}

QString pageFileName()
{
    return QStringLiteral("Index.htm");
}

QString applicationFileName()
{
    return QStringLiteral("Index.hta");
}

QString createMenuFile(const QString &rootPath)
{
    return rootPath + pageFileName();
}

StepResult noRootFolder()
{
    return StepResult::failure(QCoreApplication::translate("Build", "No CD root folder has been chosen."));
}

QString menuFolderProblem(const QString &rootPath)
{
    const QString folder = rootPath + menuFolderName();
    const QString shown = QDir::toNativeSeparators(folder);
    const QFileInfo info(folder);
    if (info.isSymLink())
        return QCoreApplication::translate("Build",
                                           "%1 is a link; the build writes only into a real folder of the CD root.")
            .arg(shown);
    if (!info.exists() || info.isDir())
        return {};
    if (info.isFile())
        return QCoreApplication::translate("Build", "%1 is a file, not a folder.").arg(shown);
    return QCoreApplication::translate("Build", "%1 is not a folder.").arg(shown);
}

StepResult ensureMenuFolder(const QString &rootPath)
{
    if (rootPath.isEmpty())
        return noRootFolder();
    const QString problem = menuFolderProblem(rootPath);
    if (!problem.isEmpty())
        return StepResult::failure(problem);
    const QString folder = rootPath + menuFolderName();
    if (QFileInfo(folder).isDir())
        return StepResult::success();
    if (!QDir().mkdir(folder))
        return StepResult::failure(
            QCoreApplication::translate("Build", "Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)));
    return StepResult::success();
}

StepResult copyToMenuFolder(const QString &rootPath, const QString &sourcePath)
{
    const StepResult folder = ensureMenuFolder(rootPath);
    if (!folder)
        return folder;
    return copyReplacing(sourcePath,
                         rootPath + menuFolderName() + PathMapping::separator() + PathMapping::getFileName(sourcePath));
}

StepResult copyReplacing(const QString &sourcePath, const QString &destinationPath)
{
    const QString source = QDir::toNativeSeparators(sourcePath);
    const QString destination = QDir::toNativeSeparators(destinationPath);
    QFile in(sourcePath);
    // A link to a file is read like the file; a pipe or device would never end or would change under the copy.
    if (QFileInfo::exists(sourcePath) && !QFileInfo(sourcePath).isFile())
        return StepResult::failure(
            QCoreApplication::translate("Build", "Cannot read %1: not a regular file").arg(source));
    if (!QFileInfo(sourcePath).isFile() || !in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return StepResult::failure(
            QCoreApplication::translate("Build", "Cannot read %1: %2")
                .arg(source, in.exists() ? in.errorString() : QCoreApplication::translate("Build", "No such file")));
    if (!QFileInfo(destinationPath).isSymLink() &&
        QFileInfo(sourcePath).canonicalFilePath() == QFileInfo(destinationPath).canonicalFilePath())
        return StepResult::success(); // already in place
    ReplacingFile out(destinationPath);
    StepResult written = out.open();
    if (written)
        written = out.copyFrom(in);
    if (written)
        written = out.commit();
    if (!written)
        return StepResult::failure(
            QCoreApplication::translate("Build", "Cannot write %1: %2").arg(destination, written.error));
    return StepResult::success();
}

StepResult writeReplacing(const QString &path, const QByteArray &bytes)
{
    ReplacingFile file(path);
    StepResult written = file.open();
    if (written)
        written = file.write(bytes.constData(), bytes.size());
    if (written)
        written = file.commit();
    if (!written)
        return StepResult::failure(QCoreApplication::translate("Build", "Cannot write %1: %2")
                                       .arg(QDir::toNativeSeparators(path), written.error));
    return StepResult::success();
}

} // namespace MenuFolder
