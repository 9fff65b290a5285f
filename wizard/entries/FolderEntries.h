#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVector>

struct FileRow;
struct FillEntry;

struct EditState;
class FilesPage;
struct WizardContext;

// Adds entries for the files of the CD root on the "Add Files" page: every file without an entry (Add Folder
// Contents…) or the files and folders dropped onto the page, offered as a checklist and stored together.
class FolderEntries : public QObject
{
    Q_OBJECT

public:
    FolderEntries(EditState &state, const WizardContext &context, FilesPage &page);

    // Offers the files under paths that have no entry yet (the whole CD root when empty).
    void offer(const QStringList &paths);

private:
    QVector<FillEntry> chosenEntries(const QVector<FillEntry> &offered, const QList<FileRow> &rows) const;

    EditState &m_state;
    const WizardContext &m_context;
    FilesPage &m_page;
};
