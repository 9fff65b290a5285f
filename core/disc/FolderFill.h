#pragma once

#include "core/model/StepResult.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

class MenuStore;

// One file offered as a new entry, with what the entry would hold.
struct FillEntry
{
    QString path;     // full path of the file
    QString link;     // FileLink: below the CD root, "/" as separator
    QString title;    // FileName
    QString category; // Category
};

// Offers the files under the CD root that the menu has no entry for yet, and stores the chosen ones. Skips what
// the build writes (the Menu folder, the pages, the autorun files) and hidden files and folders.
class FolderFill
{
public:
    // Called every few hundred files with the number seen so far; returning false cancels the walk.
    using Progress = std::function<bool(int filesSeen)>;

    FolderFill(MenuStore &data, qint64 menuId, const QString &rootFolder);

    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Every category is this text instead of the suggested one (empty: the suggestion).
    void setCategory(const QString &category) { m_category = category; }
    void clearCategory() { m_category.reset(); }

    // Collects the offer from paths (files or folders; the whole root when empty), ordered by link (letter case aside).
    // Paths outside the CD root, or that do not exist, are refused: the offer is then empty and the failure says why,
    // one line (CR LF) a path. A cancelled walk fails with no text. Throws DataError.
    StepResult collect(const QStringList &paths = {});
    const QVector<FillEntry> &offered() const { return m_offered; }
    // What the walk saw but cannot offer (links out of the root, names that are not UTF-8), one text each.
    const QStringList &skipped() const { return m_skipped; }

    // Stores the entries in one transaction (empty description, no screenshot), except those whose file another
    // program stored meanwhile; returns how many were stored. Throws DataError (the lost-menu text when the menu is
    // gone); then nothing is stored.
    int store(const QVector<FillEntry> &chosen);

    // The file name without its extension, "_" and "-" read as blanks.
    static QString suggestedTitle(const QString &fileName);
    // The first folder of the link, or "General" for a file at the top of the CD root.
    static QString suggestedCategory(const QString &link);

private:
    bool skipped(const QString &link) const;
    bool offer(const QString &path);
    QString uniqueTitle(const QString &title);

    MenuStore &m_data;
    qint64 m_menuId;
    QString m_rootPath;
    QString m_home;           // the data home, whose own files are never offered
    bool m_holdsHome = false; // the CD root holds the data home
    std::optional<QString> m_category;
    Progress m_progress;
    int m_seen = 0;
    QSet<QString> m_links;  // links already stored or offered
    QSet<QString> m_titles; // titles in lower case, already stored or offered
    QVector<FillEntry> m_offered;
    QStringList m_skipped;
};
