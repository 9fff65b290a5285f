#include "wizard/entries/FileEntries.h"

#include "core/data/DataError.h"
#include "core/data/MenuStore.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"
#include "wizard/EditState.h"
#include "wizard/FilesPage.h"
#include "wizard/Guarded.h"
#include "wizard/WizardContext.h"
#include "wizard/entries/frmFiles.h"
#include "wizard/platform/CommonDialog.h"
#include "wizard/Notices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString noneWhenEmpty(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("none") : text;
}

} // namespace

FileEntries::FileEntries(EditState &state, const WizardContext &context, FilesPage &page)
    : QObject(&page), m_state(state), m_context(context), m_page(page)
{
    connect(&page, &FilesPage::entryChosen, this, [this] {
        if (m_page.selectedTitle())
            guarded(*m_context.notices, [this] { showDetails(); });
    });
    connect(&page, &FilesPage::fileClicked, this, &FileEntries::cmdFile_Click);
    connect(&page, &FilesPage::screenshotClicked, this, &FileEntries::cmdFScreenshot_Click);
    connect(&page, &FilesPage::saveClicked, this, &FileEntries::cmdSave_Click);
    connect(&page, &FilesPage::removeClicked, this, &FileEntries::cmdFileRemove_Click);
    connect(&page, &FilesPage::newClicked, this, &FileEntries::cmdNewF_Click);
    connect(&page, &FilesPage::findClicked, this, &FileEntries::cmdFind_Click);
    connect(context.store, &MenuStore::entriesAdded, this, &FileEntries::myData_fileAdded);
}

void FileEntries::showDetails()
{
    const std::optional<QString> selected = m_page.selectedTitle();
    if (!selected)
        return;
    m_state.currentEntry = *selected;
    if (const std::optional<EntryRecord> entry = m_context.store->entry(m_state.menuId, m_state.currentEntry))
        m_page.showFields({entry->fileLink, entry->category, entry->fileName, entry->description, entry->screenshot});
}

void FileEntries::cmdFile_Click()
{
    CommonDialog &cdlg = *m_context.cdlg;
    cdlg.InitDir = m_state.rootPath();
    cdlg.Filter = QCoreApplication::translate("Entries", "All files (*.*)|*.*");
    if (cdlg.ShowOpen())
        m_page.setFile(QDir::toNativeSeparators(cdlg.FileName));
}

void FileEntries::cmdFScreenshot_Click()
{
    CommonDialog &cdlg = *m_context.cdlg;
    cdlg.DefaultExt = QStringLiteral("jpg");
    cdlg.Filter = QCoreApplication::translate("Entries", "Pictures (*.jpg;*.gif)|*.jpg;*.gif");
    if (cdlg.ShowOpen())
        m_page.setScreenshot(QDir::toNativeSeparators(cdlg.FileName));
}

void FileEntries::cmdSave_Click()
{
    const EntryFields fields = m_page.fields();
    if (!fields.title.isEmpty() && !fields.file.isEmpty())
        guarded(
            *m_context.notices, [this] { addFile(); }, m_context.menuLost);
    else
        m_context.notices->information(
            QCoreApplication::translate("Entries", "Please select a file and enter a file name!"));
}

// A full path must lie inside the CD root; a relative text is a link as the entry stores it (shown by
// showDetails) and is kept.
bool FileEntries::storedLink(const QString &fileText, QString *link) const
{
    if (const auto below = PathMapping::getFileLink(fileText, m_state.rootPath())) {
        *link = PathMapping::toStoredLink(*below);
        return true;
    }
    if (QDir::isRelativePath(fileText)) {
        *link = PathMapping::toStoredLink(fileText);
        return true;
    }
    m_context.notices->information(PathMapping::outsideRootNotice(fileText, m_state.rootPath()));
    return false;
}

// A screenshot chosen with its path is copied into the Menu folder; a bare name already there (as showDetails
// shows a stored one) is kept as it is.
bool FileEntries::storedScreenshot(const QString &fieldText, QString *screenshot) const
{
    *screenshot = noneWhenEmpty(fieldText);
    if (*screenshot == QLatin1String("none"))
        return true;
    const QString name = PathMapping::getFileName(fieldText);
    const QString inMenuFolder = m_state.rootPath() + MenuFolder::menuFolderName() + PathMapping::separator() + name;
    if (name == fieldText && QFileInfo(inMenuFolder).isFile())
        return true;
    const StepResult copied = MenuFolder::copyToMenuFolder(m_state.rootPath(), fieldText);
    if (!copied) {
        m_context.notices->information(copied.error);
        return false;
    }
    *screenshot = name;
    return true;
}

void FileEntries::addFile()
{
    const MenuRecord menu = m_state.menuRecord();
    const EntryFields fields = m_page.fields();
    const QString category = noneWhenEmpty(fields.category);
    const QString title = fields.title;
    QString link;
    if (!storedLink(fields.file, &link))
        return;
    const QStringList replaced = othersTitled(title);
    if (!replaced.isEmpty() &&
        !m_context.notices->question(
            QCoreApplication::translate("Entries",
                                        "An entry titled %1 is already in this menu.\r\nDo you want to replace it?")
                .arg(replaced.constFirst())))
        return;
    QString screenshot;
    if (!storedScreenshot(fields.screenshot, &screenshot))
        return;
    // The replaced entries go, and this one is added or changed, in one step: all or nothing.
    const std::optional<EntryRecord> before = m_context.store->entry(menu.id, m_state.currentEntry);
    const bool added = m_context.store->saveEntry(menu, m_state.currentEntry,
                                                  {category, title, link, fields.description, screenshot}, replaced);
    // The fields hold what is being saved; taking an item out must not show another entry in them.
    for (const QString &other : replaced)
        m_page.removeListed(other);
    if (added) {
        // Listed only once stored; the fields are emptied by the entriesAdded handler.
        m_page.addListed(title);
        return;
    }
    const bool renamed = before && before->fileName != title;
    if (renamed) {
        m_page.renameListed(m_state.currentEntry, title);
        // The entry is now known by its new title, so the next save changes it again rather than adding one.
        m_state.currentEntry = title;
    }
}

// The titles of the menu's other entries, one per row, that equal title when letter case is ignored; the entry
// being edited is not among them.
QStringList FileEntries::othersTitled(const QString &title) const
{
    QStringList others;
    for (const QString &stored : m_context.store->titlesLike(m_state.menuId, title)) {
        if (stored != m_state.currentEntry)
            others.append(stored);
    }
    return others;
}

void FileEntries::cmdFileRemove_Click()
{
    const std::optional<QString> selected = m_page.selectedTitle();
    Notices &notices = *m_context.notices;
    if (!selected) {
        notices.information(QCoreApplication::translate("Entries", "Please select the entry to remove in the list!"));
        return;
    }
    const QString name = *selected;
    if (!notices.question(
            QCoreApplication::translate("Entries", "Do you really want to remove the entry for %1?").arg(name)))
        return;
    // Exactly the entry shown: "Readme" and "README" are two entries.
    const bool removed = guarded(
        notices, [&] { m_context.store->removeEntry(m_state.menuRecord(), name); }, m_context.menuLost);
    if (!removed)
        return;
    notices.information(QCoreApplication::translate("Entries", "Entry deleted successfully!"));
    m_page.removeSelected();
    myData_fileAdded();
}

void FileEntries::myData_fileAdded()
{
    m_page.clearFields();
}

void FileEntries::cmdFind_Click()
{
    QString file = m_page.fields().file;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString search = PathMapping::getFileName(QDir::toNativeSeparators(file));
    if (m_descriptions) {
        // One dialog at a time: an open one is brought forward and keeps its results.
        m_descriptions->strSearch = search;
        m_descriptions->raise();
        m_descriptions->activateWindow();
        return;
    }
    const WizardContext &context = m_context;
    try {
        m_descriptions =
            new frmFiles(context.store->databasePath(), *context.controls, *context.notices, m_page.window());
    } catch (const DataError &error) {
        context.notices->information(error.message());
        return;
    }
    m_descriptions->strSearch = search;
    connect(m_descriptions, &frmFiles::descriptionChosen, &m_page, &FilesPage::setTitleAndDescription);
    if (m_descriptions->Form_Load())
        m_descriptions->show();
}
