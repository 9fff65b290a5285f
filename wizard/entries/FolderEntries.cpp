#include "wizard/entries/FolderEntries.h"

#include "core/data/MenuStore.h"
#include "core/disc/FolderFill.h"
#include "wizard/Notices.h"
#include "wizard/EditState.h"
#include "wizard/FilesPage.h"
#include "wizard/Guarded.h"
#include "wizard/WizardContext.h"
#include "wizard/platform/DiscPrompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSet>
#include <QSignalBlocker>

// The checked rows as entries, with the titles and categories typed. A title is made unique again among the stored
// entries and the other rows, as the offer made it, since a title names its entry in the list.
QVector<FillEntry> FolderEntries::chosenEntries(const QVector<FillEntry> &offered, const QList<FileRow> &rows) const
{
    QSet<QString> taken;
    for (const QString &listed : m_page.listedTitles())
        taken.insert(listed.toLower());
    QVector<FillEntry> chosen;
    for (int i = 0; i < rows.size() && i < offered.size(); ++i) {
        const FileRow &row = rows.at(i);
        if (!row.checked)
            continue;
        FillEntry entry = offered.at(i);
        entry.category = row.category.isEmpty() ? entry.category : row.category;
        const QString title = row.title.isEmpty() ? entry.title : row.title;
        entry.title = title;
        for (int n = 2; taken.contains(entry.title.toLower()); ++n)
            entry.title = QStringLiteral("%1 (%2)").arg(title).arg(n);
        taken.insert(entry.title.toLower());
        chosen.append(entry);
    }
    return chosen;
}

FolderEntries::FolderEntries(EditState &state, const WizardContext &context, FilesPage &page)
    : QObject(&page), m_state(state), m_context(context), m_page(page)
{
    connect(&page, &FilesPage::addFolderClicked, this, [this] { offer({}); });
    // Queued: the checklist must not open while the file manager still waits for its drop to end.
    connect(&page, &FilesPage::pathsDropped, this, &FolderEntries::offer, Qt::QueuedConnection);
}

void FolderEntries::offer(const QStringList &paths)
{
    if (m_state.menuId <= 0 || m_state.rootPath().isEmpty())
        return;
    Notices &notices = *m_context.notices;
    FolderFill fill(*m_context.store, m_state.menuId, m_state.rootPath());
    StepResult collected;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ran = guarded(notices, [&] { collected = fill.collect(paths); });
    QApplication::restoreOverrideCursor();
    if (!ran)
        return;
    if (!collected) {
        if (!collected.error.isEmpty())
            notices.information(collected.error);
        return;
    }
    const QVector<FillEntry> &offered = fill.offered();
    if (offered.isEmpty()) {
        notices.information(
            paths.isEmpty() ? QCoreApplication::translate("FolderFill",
                                                          "No files to add: every file under the CD root has an entry.")
                            : QCoreApplication::translate("FolderFill",
                                                          "No files to add: every file dropped has an entry already."));
        return;
    }
    QList<FileRow> rows;
    for (const FillEntry &entry : offered)
        rows.append({true, entry.title, entry.category, entry.link});
    if (!m_context.discPrompts->chooseFiles(rows))
        return;
    const QVector<FillEntry> stored = chosenEntries(offered, rows);
    int count = 0;
    const bool added = guarded(
        notices,
        [&] {
            // The fields may hold an entry being typed; the new entries are no reason to empty them.
            const QSignalBlocker quiet(m_context.store);
            count = fill.store(stored);
        },
        m_context.menuLost);
    if (!added)
        return;
    guarded(notices, [this] { m_page.relist(); });
    notices.information(count == 0   ? QCoreApplication::translate("FolderFill", "No entries were added.")
                        : count == 1 ? QCoreApplication::translate("FolderFill", "1 entry added.")
                                     : QCoreApplication::translate("FolderFill", "%1 entries added.").arg(count));
}
