#pragma once

#include "core/disc/CopyTarget.h"
#include "core/model/StepResult.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// How far a copy has come.
struct CopyProgress
{
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
    int filesDone = 0;
    int filesTotal = 0;
};

// Copies a CD root onto a drive so that a pulled stick never holds a half-written file under its real name. plan()
// looks at both sides first and lists, before anything is written, what the drive cannot take (too little space,
// files too large or names its file system refuses, names that differ only in letter case); run() then writes the
// new and changed files, each under a temporary name, read back and renamed when it matches; the page last, so that
// the menu is never newer than the files it lists; and flushes the drive.
class DriveCopy
{
public:
    using Progress = std::function<void(const CopyProgress &progress)>;

    DriveCopy(const QString &rootFolder, CopyTarget &target);

    // The target for a folder (a mounted drive) or a FAT image file; a failure when it is neither, when it would
    // hold the CD root or be inside it, or when it is or holds Velmora's own data in dataHome.
    static StepValue<std::shared_ptr<CopyTarget>> targetFor(const QString &rootFolder, const QString &path,
                                                            const QString &dataHome);

    // Called now and then; false stops the copy, which keeps every file completed and leaves no temporary behind.
    void setKeepGoing(std::function<bool()> keepGoing) { m_keepGoing = std::move(keepGoing); }
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Looks at the root and the target; fails when one side cannot be read (with no text when cancelled). Then
    // problems() lists why the target cannot take the menu, as a check does; empty when it can.
    StepResult plan();
    const QStringList &problems() const { return m_problems; }

    // Writes what plan() found new or changed. Success once every file is on the drive as the root holds it.
    StepResult run();
    bool wasCancelled() const { return m_cancelled; }

    // After plan(): what will be written and what is already there.
    int filesToWrite() const { return int(m_writes.size()); }
    int filesUnchanged() const { return m_unchanged; }
    // After run(): the files written, below the root, in the order they were.
    const QStringList &written() const { return m_written; }
    // Files and folders on the target that the CD root does not hold, left alone; a folder stands for what it holds.
    const QStringList &notInMenu() const { return m_notInMenu; }

private:
    struct Source
    {
        QString relative;
        QString path; // on disk
        qint64 size = 0;
        QDateTime modified;
    };

    bool walkRoot();
    void checkNames();
    bool decideWrites(const QList<TargetEntry> &onTarget);
    void checkSpace(const QHash<QString, TargetEntry> &existing);
    QString key(const QString &relative) const;
    bool keepGoing();
    StepResult copyOne(const Source &file, CopyProgress &progress);

    QString m_root;
    CopyTarget &m_target;
    std::function<bool()> m_keepGoing;
    Progress m_progress;
    QList<Source> m_files;
    QStringList m_folders;    // every folder of the root, a folder before what it holds
    QStringList m_newFolders; // those the target lacks
    QList<Source> m_writes;
    QStringList m_staleTemporaries;
    QStringList m_problems;
    QStringList m_notInMenu;
    QStringList m_written;
    QString m_error;
    int m_unchanged = 0;
    bool m_planned = false;
    bool m_cancelled = false;
};
