#include "MenuFolder.h"

#include "PathMapping.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    return StepResult::failure(QStringLiteral("No CD root folder has been chosen."));
}

StepResult ensureMenuFolder(const QString &rootPath)
{
    if (rootPath.isEmpty())
        return noRootFolder();
    const QString folder = rootPath + menuFolderName();
    const QFileInfo info(folder);
    if (info.exists() || info.isSymLink()) {
        if (info.isDir())
            return StepResult::success();
        return StepResult::failure(
            QStringLiteral("%1 is a file, not a folder.").arg(QDir::toNativeSeparators(folder)));
    }
    if (!QDir().mkdir(folder))
        return StepResult::failure(
            QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)));
    return StepResult::success();
}

StepResult copyToMenuFolder(const QString &rootPath, const QString &sourcePath)
{
    const StepResult folder = ensureMenuFolder(rootPath);
    if (!folder)
        return folder;
    return copyReplacing(sourcePath, rootPath + menuFolderName() + PathMapping::separator() +
                                         PathMapping::getFileName(sourcePath));
}

StepResult copyReplacing(const QString &sourcePath, const QString &destinationPath)
{
    const QString source = QDir::toNativeSeparators(sourcePath);
    const QString destination = QDir::toNativeSeparators(destinationPath);
    QFile in(sourcePath);
    if (!QFileInfo(sourcePath).isFile() || !in.open(QIODevice::ReadOnly))
        return StepResult::failure(QStringLiteral("Cannot read %1: %2")
                                       .arg(source, in.exists() ? in.errorString() : QStringLiteral("No such file")));
    if (QFileInfo(sourcePath).canonicalFilePath() == QFileInfo(destinationPath).canonicalFilePath())
        return StepResult::success(); // already in place
    QSaveFile out(destinationPath);
    if (!out.open(QIODevice::WriteOnly))
        return StepResult::failure(QStringLiteral("Cannot write %1: %2").arg(destination, out.errorString()));
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), buffer.size());
        if (got < 0)
            return StepResult::failure(QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()));
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got)
            return StepResult::failure(QStringLiteral("Cannot write %1: %2").arg(destination, out.errorString()));
    }
    if (!out.commit())
        return StepResult::failure(QStringLiteral("Cannot write %1: %2").arg(destination, out.errorString()));
    return StepResult::success();
}

} // namespace MenuFolder
