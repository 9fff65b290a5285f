#pragma once

#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

class MenuStore;

// What would spoil the disc, found before anything is written.
struct DiscProblem
{
    enum class Kind {
        MissingFile,
        JolietName,
        MediaCollision,
        TooLarge,
        BadName,    // not valid UTF-8
        CaseClash,  // two names of one folder that differ only in letter case
        Unreadable, // a file or folder the user cannot read
        BrokenLink, // a link outside the root, to nothing, or back into its own folder
        Special,    // a pipe, a device or a socket
        OwnData,    // the CD root holds Velmora's database and style library
        WindowsName, // a device name, a trailing dot or blank, a character Windows refuses
    };
    Kind kind;
    QString text;
};

// The size of the disc image against the discs it may go on.
struct DiscSize
{
    qint64 sectors = 0;     // 2048-byte sectors of the whole image
    bool estimated = false; // xorriso could not tell: an estimate that includes the file system's own sectors
    QString whyEstimated;   // on one line: xorriso is missing, or its own reason (files that changed meanwhile)
    qint64 bytes() const { return sectors * 2048; }
    bool fitsCd() const;
    bool fitsDvd() const;
    bool fitsDualLayerDvd() const;
    // One line for the user: "Image size: N sectors (X MB)", then which discs it fits, all from the same figure.
    QString line() const;
};

// All a check found: problems spoil the disc; notes only tell what will go on it; the size is a summary.
struct DiscCheckResult
{
    QVector<DiscProblem> problems;
    QStringList notes;
    DiscSize size;
};

// Checks a menu's CD root before it is built or imaged: entries whose file or screenshot is missing, names a Joliet
// disc cannot hold or that differ only in case, names that are not UTF-8, files that cannot be read, links the image
// cannot take, style media that would overwrite each other or a generated file in the Menu folder, and the size of
// the image. Files are named below the CD root, entries by their title in quotes, one line each.
class DiscCheck
{
public:
    // Called every few hundred files with the number seen so far; returning false cancels the check.
    using Progress = std::function<bool(int filesSeen)>;

    // The snapshot gives the CD root (rootPath), the menu whose entries are checked and the style whose media are.
    DiscCheck(MenuStore &data, const MenuSnapshot &snapshot);
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // False when cancelled; the problems found so far are then incomplete. Throws DataError.
    bool run();
    const DiscCheckResult &result() const { return m_result; }
    const QVector<DiscProblem> &problems() const { return m_result.problems; }
    const QStringList &notes() const { return m_result.notes; }
    const DiscSize &size() const { return m_result.size; }

    // The xorriso that tells the image's size; "xorriso" on the search path unless set. None there: an estimate.
    void setProgram(const QString &program) { m_program = program; }
    // The sectors an image of these files and folders takes, counting the file system's own records.
    static qint64 estimatedSectors(qint64 fileSectors, qint64 entries, qint64 folders, qint64 nameCharacters);

    // Whether a file or folder name can stand on a Joliet disc; the failure says why not.
    static StepResult checkJolietName(const QString &name);

private:
    QHash<QString, QString> checkMedia();
    void checkEntries(const QHash<QString, QString> &mediaByName);
    bool walkRoot();
    void measure();
    void add(DiscProblem::Kind kind, const QString &text) { m_result.problems.append({kind, text}); }

    MenuStore &m_data;
    MenuSnapshot m_snapshot;
    Progress m_progress;
    QString m_program = QStringLiteral("xorriso");
    DiscCheckResult m_result;
    // What the walk counted, for the estimate.
    qint64 m_fileSectors = 0;
    qint64 m_entries = 0;
    qint64 m_folders = 0;
    qint64 m_nameCharacters = 0;
    int m_seen = 0;
};
