#pragma once

#include "core/generate/MenuSnapshot.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

class MenuStore;

// What would spoil the disc, found before anything is written.
struct DiscProblem
{
    enum class Kind { MissingFile, JolietName, MediaCollision, TooLarge };
    Kind kind;
    QString text;
};

// The size of the CD root against the discs it may go on.
struct DiscSize
{
    qint64 bytes = 0;
    qint64 sectors = 0; // 2048-byte sectors the files take, each file rounded up
    bool fitsCd() const;
    bool fitsDvd() const;
    bool fitsDualLayerDvd() const;
    // One line for the user: the size and which discs it fits.
    QString line() const;
};

// Checks a menu's CD root before it is built or imaged: entries whose file is missing, names a Joliet disc cannot
// hold, style media that would overwrite each other or a generated file in the Menu folder, and the total size.
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
    const QVector<DiscProblem> &problems() const { return m_problems; }
    const DiscSize &size() const { return m_size; }

    // Why a file or folder name cannot stand on a Joliet disc; nothing when it can.
    static std::optional<QString> jolietProblem(const QString &name);

private:
    QHash<QString, QString> checkMedia();
    void checkEntries(const QHash<QString, QString> &mediaByName);
    bool walkRoot();
    void add(DiscProblem::Kind kind, const QString &text) { m_problems.append({kind, text}); }

    MenuStore &m_data;
    MenuSnapshot m_snapshot;
    Progress m_progress;
    QVector<DiscProblem> m_problems;
    DiscSize m_size;
};
