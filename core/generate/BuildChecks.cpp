#include "core/generate/BuildChecks.h"

#include "core/data/DataError.h"
#include "core/platform/PathKind.h"
#include "core/platform/TemporaryFiles.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"
#include "core/generate/StylesheetWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A name the build replaces: a link or nothing is fine (the link itself is replaced), a regular writable file too.
QString destinationProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.exists())
        return {};
    if (info.isDir())
        return QCoreApplication::translate("Build", "%1 is a folder; the build cannot write its file there.")
            .arg(PathMapping::shown(path));
    if (!info.isFile())
        return QCoreApplication::translate("Build", "%1 is not a regular file; the build cannot replace it.")
            .arg(PathMapping::shown(path));
    if (!info.isWritable())
        return QCoreApplication::translate("Build", "%1 is not writable.").arg(PathMapping::shown(path));
    return {};
}

QString folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return BuildChecks::notAFolderText(folder);
    if (!info.isWritable() || !info.permission(QFileDevice::WriteOwner))
        return QCoreApplication::translate("Build", "The folder %1 is read-only.").arg(PathMapping::shown(folder));
    return {};
}

} // namespace

namespace BuildChecks {

QString notAFolderText(const QString &root)
{
    const QString shown = PathMapping::shown(QDir::cleanPath(root));
    switch (pathKind(QDir::cleanPath(root))) {
    case PathKind::File:
    case PathKind::Other:
        return QCoreApplication::translate("Build", "The CD root %1 is a file, not a folder.").arg(shown);
    case PathKind::BrokenLink:
        return QCoreApplication::translate("Build", "The CD root %1 is a link to nothing.").arg(shown);
    case PathKind::LinkLoop:
        return QCoreApplication::translate("Build", "The CD root %1 is a link loop.").arg(shown);
    case PathKind::Missing:
    case PathKind::Folder:
        break;
    }
    return QCoreApplication::translate("Build", "The CD root folder %1 does not exist.").arg(PathMapping::shown(root));
}

StepResult beforeWriting(const MenuSnapshot &snapshot, Media mediaCheck)
{
    const QString root = snapshot.rootPath;
    if (root.isEmpty())
        return MenuFolder::noRootFolder();
    QString problem = folderProblem(root);
    if (!problem.isEmpty())
        return StepResult::failure(problem.replace(QLatin1String("The folder"), QLatin1String("The CD root folder")));
    problem = MenuFolder::menuFolderProblem(root);
    if (!problem.isEmpty())
        return StepResult::failure(problem);
    const QString menuFolder = root + MenuFolder::menuFolderName();
    const bool hasMenuFolder = QFileInfo(menuFolder).isDir();
    if (hasMenuFolder && !(problem = folderProblem(menuFolder)).isEmpty())
        return StepResult::failure(problem);

    const StepResult mediaResult = media(snapshot.style.mediaFiles(), mediaCheck == Media::Copied);
    if (!mediaResult)
        return mediaResult;

    QStringList destinations;
    for (const QString &name : {MenuFolder::pageFileName(), MenuFolder::applicationFileName(),
                                QStringLiteral("AUTORUN.INF"), QStringLiteral("Start.exe")})
        destinations.append(root + name);
    if (mediaCheck == Media::Copied) {
        destinations.append(StylesheetWriter::stylesheetPath(root));
        for (const QString &file : snapshot.style.mediaFiles()) {
            if (StyleFields::isSet(file))
                destinations.append(menuFolder + PathMapping::separator() + PathMapping::getFileName(file));
        }
    }
    for (const QString &destination : destinations) {
        if (!(problem = destinationProblem(destination)).isEmpty())
            return StepResult::failure(problem);
    }

    TemporaryFiles::removeStale(root);
    if (hasMenuFolder)
        TemporaryFiles::removeStale(menuFolder);
    return StepResult::success();
}

QVector<MediaProblem> mediaProblems(const QStringList &mediaFiles, bool mustExist)
{
    const QString stylesheet = QStringLiteral("Styles.css");
    QVector<MediaProblem> problems;
    QStringList seen; // the media taken so far, by their place in the Menu folder
    for (const QString &file : mediaFiles) {
        if (!StyleFields::isSet(file))
            continue;
        const QFileInfo info(file);
        if (mustExist && !info.exists())
            problems.append({MediaProblem::Missing,
                             QCoreApplication::translate("Build", "The media file %1 of the style is missing.")
                                 .arg(PathMapping::shown(file))});
        else if (mustExist && !info.isFile())
            problems.append(
                {MediaProblem::Missing,
                 QCoreApplication::translate("Build", "The media file %1 of the style is not a regular file.")
                     .arg(PathMapping::shown(file))});
        const QString name = PathMapping::getFileName(file);
        if (name.compare(stylesheet, Qt::CaseInsensitive) == 0)
            problems.append(
                {MediaProblem::Collision,
                 QCoreApplication::translate(
                     "Build", "The media file %1 has the name of the stylesheet %2 that the build writes.")
                     .arg(PathMapping::shown(file), MenuFolder::menuFolderName() + QLatin1Char('/') + stylesheet)});
        for (const QString &other : std::as_const(seen)) {
            if (PathMapping::getFileName(other).compare(name, Qt::CaseInsensitive) == 0 &&
                QFileInfo(other).absoluteFilePath() != info.absoluteFilePath()) {
                problems.append(
                    {MediaProblem::Collision,
                     QCoreApplication::translate(
                         "Build", "The media files %1 and %2 have the same name; the Menu folder holds only one.")
                         .arg(PathMapping::shown(other), PathMapping::shown(file))});
                break;
            }
        }
        seen.append(file);
    }
    return problems;
}

StepResult media(const QStringList &mediaFiles, bool mustExist)
{
    const QVector<MediaProblem> problems = mediaProblems(mediaFiles, mustExist);
    return problems.isEmpty() ? StepResult::success() : StepResult::failure(problems.first().text);
}

bool isOutsideRoot(const QString &link)
{
    // Most links hold none of the marks of a way out; they are passed without taking them apart.
    if (!link.contains(QLatin1String("..")) && !link.startsWith(QLatin1Char('/')) &&
        !link.startsWith(QLatin1Char('\\')) && !(link.size() >= 2 && link.at(1) == QLatin1Char(':')))
        return false;
    if (link.startsWith(QLatin1Char('/')) || link.startsWith(QLatin1Char('\\')))
        return true;
    if (link.size() >= 2 && link.at(1) == QLatin1Char(':') && link.at(0).isLetter() && link.at(0).unicode() < 0x80)
        return true; // a drive
    int depth = 0;
    for (const QString &part : link.split(QRegularExpression(QStringLiteral("[/\\\\]")))) {
        if (part == QLatin1String(".."))
            --depth;
        else if (!part.isEmpty() && part != QLatin1String("."))
            ++depth;
        if (depth < 0)
            return true;
    }
    return false;
}

QString outsideRootText(const QString &title, const QString &link)
{
    return QCoreApplication::translate(
               "Build", "The entry \"%1\" links to %2, which is outside the CD root; the page may only link to "
                        "files on the CD.")
        .arg(title, link);
}

} // namespace BuildChecks
