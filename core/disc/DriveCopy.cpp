#include "core/disc/DriveCopy.h"

#include "core/data/DataHome.h"
#include "core/disc/OwnData.h"

#include "core/disc/FatImageTarget.h"
#include "core/disc/FileSystemRules.h"
#include "core/disc/FolderTarget.h"
#include "core/disc/RootWalk.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"
#include "core/platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

QString megabytes(qint64 bytes)
{
    return QCoreApplication::translate("DriveCopy", "%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

qint64 clusters(qint64 bytes, qint64 cluster)
{
    return (bytes + cluster - 1) / cluster * cluster;
}

QString parentOf(const QString &relative)
{
    const int slash = relative.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : relative.left(slash);
}

QString nameOf(const QString &relative)
{
    return relative.mid(relative.lastIndexOf(QLatin1Char('/')) + 1);
}

bool isInside(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// The page goes last and its application copy just before it: a stick pulled early shows the earlier menu, whose
// files are all there.
int writeOrder(const QString &relative)
{
    if (relative == MenuFolder::pageFileName())
        return 2;
    if (relative == MenuFolder::applicationFileName())
        return 1;
    return 0;
}

} // namespace

DriveCopy::DriveCopy(const QString &rootFolder, CopyTarget &target)
    : m_root(QDir::cleanPath(QFileInfo(rootFolder).absoluteFilePath())), m_target(target)
{}

StepValue<std::shared_ptr<CopyTarget>> DriveCopy::targetFor(const QString &rootFolder, const QString &path,
                                                            const QString &dataHome)
{
    using Result = StepValue<std::shared_ptr<CopyTarget>>;
    if (const StepResult own = OwnData::checkTarget(dataHome, path); !own)
        return Result::failure(own.error);
    if (!dataHome.isEmpty() && OwnData::isInside(dataHome, path))
        return Result::failure(
            QCoreApplication::translate("DriveCopy",
                                        "The menu cannot be copied into %1, which holds Velmora's own data "
                                        "(%2).")
                .arg(PathMapping::shown(path), PathMapping::shown(DataHome::databasePath(dataHome))));
    const QFileInfo info(path);
    if (info.isFile()) {
        if (const StepResult fat = FatImageTarget::probe(path); !fat)
            return Result::failure(
                QCoreApplication::translate("DriveCopy", "%1 is neither a folder nor a FAT image. %2")
                    .arg(PathMapping::shown(path), fat.error));
        return Result::made(std::make_shared<FatImageTarget>(path));
    }
    if (!info.isDir())
        return Result::failure(
            QCoreApplication::translate("DriveCopy", "The folder %1 does not exist.").arg(PathMapping::shown(path)));
    const QString real = info.canonicalFilePath();
    const QString root = QFileInfo(rootFolder).canonicalFilePath();
    if (isInside(real, root) || isInside(root, real))
        return Result::failure(
            QCoreApplication::translate("DriveCopy", "The menu cannot be copied into %1, which holds the CD root or "
                                                     "lies inside it.")
                .arg(PathMapping::shown(path)));
    return Result::made(std::make_shared<FolderTarget>(path));
}

QString DriveCopy::key(const QString &relative) const
{
    return FileSystemRules(m_target.fileSystemType()).foldsCase() ? relative.toCaseFolded() : relative;
}

bool DriveCopy::keepGoing()
{
    if (m_keepGoing && !m_keepGoing())
        m_cancelled = true;
    return !m_cancelled;
}

bool DriveCopy::walkRoot()
{
    if (!QFileInfo(m_root).isDir()) {
        m_error = QCoreApplication::translate("DriveCopy", "The CD root folder %1 does not exist.")
                      .arg(PathMapping::shown(m_root));
        return false;
    }
    // The walk shows control characters escaped; the copy needs each name as it is.
    QHash<QString, QString> realFolder;
    RootWalk(m_root).run([&](const RootItem &item) {
        if (item.link != RootItem::Link::None && item.link != RootItem::Link::Inside)
            return true; // the disc leaves it out, and so does the copy
        const QString parent = parentOf(item.relative);
        const QString relative = parent.isEmpty() ? item.name : realFolder.value(parent) + QLatin1Char('/') + item.name;
        if (!item.validName) {
            m_problems.append(QCoreApplication::translate(
                                  "DriveCopy", "%1: the name is not valid UTF-8 and cannot be copied: rename it")
                                  .arg(item.relative));
            return true;
        }
        if (item.name.startsWith(TemporaryFiles::prefix()))
            return true;
        if (!item.readable) {
            m_problems.append(QCoreApplication::translate("DriveCopy", "%1 cannot be read.").arg(item.relative));
            return true;
        }
        if (item.type == RootItem::Type::Folder) {
            realFolder.insert(item.relative, relative);
            m_folders.append(relative);
        } else if (item.type == RootItem::Type::File) {
            const QString path = QFile::decodeName(item.path);
            m_files.append({relative, path, item.size, QFileInfo(path).lastModified()});
        } else {
            m_problems.append(
                QCoreApplication::translate("DriveCopy", "%1 is not a file or a folder and cannot be copied.")
                    .arg(item.relative));
        }
        return keepGoing();
    });
    return !m_cancelled;
}

void DriveCopy::checkNames()
{
    const FileSystemRules rules(m_target.fileSystemType());
    QHash<QString, QString> seen; // folded name in its folder → the first name
    QStringList names = m_folders;
    for (const Source &file : std::as_const(m_files)) {
        names.append(file.relative);
        if (const StepResult size = rules.checkSize(file.size); !size)
            m_problems.append(QStringLiteral("%1: %2").arg(RootWalk::escaped(file.relative), size.error));
    }
    for (const QString &relative : std::as_const(names)) {
        if (const StepResult name = rules.checkName(nameOf(relative)); !name)
            m_problems.append(QStringLiteral("%1: %2").arg(RootWalk::escaped(relative), name.error));
        if (!rules.foldsCase())
            continue;
        const QString folded = relative.toCaseFolded();
        const auto first = seen.constFind(folded);
        if (first == seen.constEnd())
            seen.insert(folded, relative);
        else
            m_problems.append(QCoreApplication::translate(
                                  "DriveCopy", "%1 and %2 differ only in letter case, which a %3 drive cannot tell "
                                               "apart")
                                  .arg(RootWalk::escaped(*first), RootWalk::escaped(relative), rules.name()));
    }
}

bool DriveCopy::decideWrites(const QList<TargetEntry> &onTarget)
{
    const FileSystemRules rules(m_target.fileSystemType());
    QHash<QString, TargetEntry> existing;
    for (const TargetEntry &entry : onTarget) {
        if (nameOf(entry.relative).startsWith(TemporaryFiles::prefix())) {
            if (TemporaryFiles::isStale(nameOf(entry.relative), entry.modified))
                m_staleTemporaries.append(entry.relative);
            continue;
        }
        existing.insert(key(entry.relative), entry);
    }
    for (const QString &folder : std::as_const(m_folders)) {
        const auto there = existing.constFind(key(folder));
        if (there == existing.constEnd())
            m_newFolders.append(folder);
        else if (!there->folder)
            m_problems.append(QCoreApplication::translate(
                                  "DriveCopy", "%1 on the drive is a file or a link, not a folder: move it away")
                                  .arg(RootWalk::escaped(there->relative)));
    }
    for (const Source &file : std::as_const(m_files)) {
        const auto there = existing.constFind(key(file.relative));
        if (there == existing.constEnd()) {
            m_writes.append(file);
            continue;
        }
        if (there->folder) {
            m_problems.append(
                QCoreApplication::translate("DriveCopy", "%1 on the drive is a folder, not a file: move it away")
                    .arg(RootWalk::escaped(there->relative)));
            continue;
        }
        bool same = there->size == file.size;
        if (same && m_target.listsExactTimes()) {
            same = qAbs(there->modified.msecsTo(file.modified)) <= rules.timeToleranceMs();
        } else if (same) {
            // Times to the minute do not tell; the content does.
            const StepValue<QByteArray> back = m_target.readBack(there->relative);
            QFile source(file.path);
            QCryptographicHash hash(QCryptographicHash::Md5);
            same = back && source.open(QIODevice::ReadOnly) && hash.addData(&source) && hash.result() == back.value;
        }
        if (same)
            ++m_unchanged;
        else
            m_writes.append(file);
        if (!keepGoing())
            return false;
    }
    std::stable_sort(m_writes.begin(), m_writes.end(),
                     [](const Source &a, const Source &b) { return writeOrder(a.relative) < writeOrder(b.relative); });

    QSet<QString> inMenu;
    for (const QString &folder : std::as_const(m_folders))
        inMenu.insert(key(folder));
    for (const Source &file : std::as_const(m_files))
        inMenu.insert(key(file.relative));
    QSet<QString> extraFolders;
    for (const TargetEntry &entry : onTarget) {
        const QString k = key(entry.relative);
        // What an extra folder holds is named with it.
        if (extraFolders.contains(key(parentOf(entry.relative)))) {
            if (entry.folder)
                extraFolders.insert(k);
            continue;
        }
        if (inMenu.contains(k) || nameOf(entry.relative).startsWith(TemporaryFiles::prefix()))
            continue;
        if (entry.folder)
            extraFolders.insert(k);
        m_notInMenu.append(entry.relative + (entry.folder ? QStringLiteral("/") : QString()));
    }
    m_notInMenu.sort();
    checkSpace(existing);
    return true;
}

void DriveCopy::checkSpace(const QHash<QString, TargetEntry> &existing)
{
    // While a file is written its earlier copy stays until the rename: the most the drive must hold at once is
    // what grows, plus the largest file written over one of its own size or larger.
    const qint64 cluster = qMax<qint64>(512, m_target.clusterBytes());
    qint64 growth = 0;
    qint64 overlap = 0;
    for (const Source &file : std::as_const(m_writes)) {
        const qint64 now = clusters(file.size, cluster);
        const auto there = existing.constFind(key(file.relative));
        const qint64 before = there == existing.constEnd() ? 0 : clusters(qMax<qint64>(0, there->size), cluster);
        growth += qMax<qint64>(0, now - before);
        overlap = qMax(overlap, qMin(now, before));
    }
    const qint64 needed = growth + overlap + cluster * m_newFolders.size();
    const qint64 free = m_target.bytesFree();
    if (needed > free)
        m_problems.prepend(QCoreApplication::translate("DriveCopy", "%1 has %2 free; the menu needs %3 there.")
                               .arg(m_target.shown(), megabytes(free), megabytes(needed)));
}

StepResult DriveCopy::plan()
{
    m_problems.clear();
    m_error.clear();
    m_files.clear();
    m_folders.clear();
    m_newFolders.clear();
    m_writes.clear();
    m_staleTemporaries.clear();
    m_notInMenu.clear();
    m_unchanged = 0;
    m_planned = false;
    if (!walkRoot())
        return StepResult::failure(m_error);
    checkNames();
    const StepValue<QList<TargetEntry>> onTarget = m_target.entries();
    if (!onTarget) {
        m_error = onTarget.error;
        return StepResult::failure(m_error);
    }
    if (!decideWrites(onTarget.value))
        return StepResult::failure(m_error);
    m_planned = m_problems.isEmpty();
    return StepResult::success();
}

StepResult DriveCopy::copyOne(const Source &file, CopyProgress &progress)
{
    const QString temporary =
        parentOf(file.relative).isEmpty()
            ? QFileInfo(TemporaryFiles::nameFor(QStringLiteral("/"), QStringLiteral("copy"))).fileName()
            : parentOf(file.relative) + QLatin1Char('/') +
                  QFileInfo(TemporaryFiles::nameFor(QStringLiteral("/"), QStringLiteral("copy"))).fileName();
    const StepValue<QByteArray> sent =
        m_target.write(file.path, temporary, file.modified, [this, &progress](qint64 bytes) {
            progress.bytesDone += bytes;
            if (m_progress)
                m_progress(progress);
            return keepGoing();
        });
    StepResult result = sent;
    if (sent) {
        const StepValue<QByteArray> back = m_target.readBack(temporary);
        if (!back)
            result = back;
        else if (back.value != sent.value)
            result = StepResult::failure(
                QCoreApplication::translate("DriveCopy", "%1 did not read back as it was written: the drive may be "
                                                         "failing. Nothing was put under its name.")
                    .arg(RootWalk::escaped(file.relative)));
        else
            result = m_target.rename(temporary, file.relative);
    }
    if (!result) {
        m_target.remove(temporary);
        if (m_cancelled)
            result.error = QCoreApplication::translate("DriveCopy", "The copy was cancelled.");
    }
    return result;
}

StepResult DriveCopy::run()
{
    if (!m_planned) {
        if (const StepResult planned = plan(); !planned)
            return planned;
        if (!m_planned)
            return StepResult::failure(m_problems.join(QLatin1Char('\n')));
    }
    for (const QString &stale : std::as_const(m_staleTemporaries))
        m_target.remove(stale);
    for (const QString &folder : std::as_const(m_newFolders)) {
        if (const StepResult made = m_target.makeFolder(folder); !made)
            return made;
    }
    CopyProgress progress;
    progress.filesTotal = int(m_writes.size());
    for (const Source &file : std::as_const(m_writes))
        progress.bytesTotal += file.size;
    if (m_progress)
        m_progress(progress);
    for (const Source &file : std::as_const(m_writes)) {
        if (!keepGoing())
            return StepResult::failure(QCoreApplication::translate("DriveCopy", "The copy was cancelled."));
        if (const StepResult copied = copyOne(file, progress); !copied)
            return copied;
        m_written.append(file.relative);
        ++progress.filesDone;
        if (m_progress)
            m_progress(progress);
    }
    return m_target.flush();
}
