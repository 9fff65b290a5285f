#include "wizard/entries/FileEntries.h"

#include "core/data/DataError.h"
#include "core/data/MenuStore.h"
#include "core/generate/MenuFolder.h"
#include "core/model/PathMapping.h"
#include "wizard/EditState.h"
#include "wizard/FilesPage.h"
#include "wizard/FormButtons.h"
#include "wizard/Guarded.h"
#include "wizard/WizardContext.h"
#include "wizard/entries/frmFiles.h"
#include "wizard/platform/CommonDialog.h"
#include "core/platform/Notices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

QString noneWhenEmpty(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("none") : text;
}

} // namespace

FileEntries::FileEntries(EditState &state, const WizardContext &context, FilesPage &page)
    : QObject(&page), m_state(state), m_context(context), m_page(page)
{
    const auto show = [this] {
        if (!m_page.lstFiles->selectedItems().isEmpty())
            guarded(*m_context.notices, [this] { showDetails(); });
    };
    connect(page.lstFiles, &QListWidget::itemSelectionChanged, this, show);
    // A click on the entry already selected shows it again, after New or a save has emptied the fields.
    connect(page.lstFiles, &QListWidget::itemClicked, this, show);
    FormButtons::onClick(page.cmdFile, this, [this] { cmdFile_Click(); });
    FormButtons::onClick(page.cmdFScreenshot, this, [this] { cmdFScreenshot_Click(); });
    FormButtons::onClick(page.cmdSave, this, [this] { cmdSave_Click(); });
    FormButtons::onClick(page.cmdFileRemove, this, [this] { cmdFileRemove_Click(); });
    FormButtons::onClick(page.cmdNewF, this, [this] { cmdNewF_Click(); });
    FormButtons::onClick(page.cmdFind, this, [this] { cmdFind_Click(); });
    connect(context.store, &MenuStore::entriesAdded, this, &FileEntries::myData_fileAdded);
}

void FileEntries::showDetails()
{
    const QList<QListWidgetItem *> selected = m_page.lstFiles->selectedItems();
    if (selected.isEmpty())
        return;
    m_state.currentEntry = selected.first()->text();
    if (const std::optional<EntryRecord> entry = m_context.store->entry(m_state.menuId, m_state.currentEntry)) {
        m_page.txtFile->setText(entry->fileLink);
        m_page.txtFileCat->setText(entry->category);
        m_page.txtFileDescription->setPlainText(entry->description);
        m_page.txtFileScreenshot->setText(entry->screenshot);
        m_page.txtFileTitle->setText(entry->fileName);
    }
}

void FileEntries::cmdFile_Click()
{
    CommonDialog &cdlg = *m_context.cdlg;
    cdlg.InitDir = m_state.rootPath();
    cdlg.Filter = QCoreApplication::translate("Entries", "All files (*.*)|*.*");
    if (cdlg.ShowOpen())
        m_page.txtFile->setText(QDir::toNativeSeparators(cdlg.FileName));
}

void FileEntries::cmdFScreenshot_Click()
{
    CommonDialog &cdlg = *m_context.cdlg;
    cdlg.DefaultExt = QStringLiteral("jpg");
    cdlg.Filter = QCoreApplication::translate("Entries", "Pictures (*.jpg;*.gif)|*.jpg;*.gif");
    if (cdlg.ShowOpen())
        m_page.txtFileScreenshot->setText(QDir::toNativeSeparators(cdlg.FileName));
}

void FileEntries::cmdSave_Click()
{
    if (!m_page.txtFileTitle->text().isEmpty() && !m_page.txtFile->text().isEmpty())
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
    const QString category = noneWhenEmpty(m_page.txtFileCat->text());
    const QString title = m_page.txtFileTitle->text();
    QString link;
    if (!storedLink(m_page.txtFile->text(), &link))
        return;
    const QStringList replaced = othersTitled(title);
    if (!replaced.isEmpty() &&
        !m_context.notices->question(
            QCoreApplication::translate("Entries",
                                        "An entry titled %1 is already in this menu.\r\nDo you want to replace it?")
                .arg(replaced.constFirst())))
        return;
    const QString description = m_page.txtFileDescription->toPlainText();
    QString screenshot;
    if (!storedScreenshot(m_page.txtFileScreenshot->text(), &screenshot))
        return;
    // The replaced entries go, and this one is added or changed, in one step: all or nothing.
    const std::optional<EntryRecord> before = m_context.store->entry(menu.id, m_state.currentEntry);
    const bool added = m_context.store->saveEntry(menu, m_state.currentEntry,
                                                  {category, title, link, description, screenshot}, replaced);
    for (const QString &other : replaced) {
        // The fields hold what is being saved; taking an item out must not show another entry in them.
        const QSignalBlocker blocker(m_page.lstFiles);
        delete m_page.lstFiles->findItems(other, Qt::MatchExactly).value(0);
    }
    if (added) {
        // Listed only once stored; the fields are emptied by the entriesAdded handler.
        m_page.lstFiles->addItem(title);
        return;
    }
    const bool renamed = before && before->fileName != title;
    if (renamed) {
        const QList<QListWidgetItem *> items = m_page.lstFiles->findItems(m_state.currentEntry, Qt::MatchExactly);
        if (!items.isEmpty())
            items.first()->setText(title);
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
    QListWidgetItem *selected = m_page.lstFiles->selectedItems().value(0);
    Notices &notices = *m_context.notices;
    if (!selected) {
        notices.information(QCoreApplication::translate("Entries", "Please select the entry to remove in the list!"));
        return;
    }
    const QString name = selected->text();
    if (!notices.question(
            QCoreApplication::translate("Entries", "Do you really want to remove the entry for %1?").arg(name)))
        return;
    // Exactly the entry shown: "Readme" and "README" are two entries.
    const bool removed = guarded(
        notices, [&] { m_context.store->removeEntry(m_state.menuRecord(), name); }, m_context.menuLost);
    if (!removed)
        return;
    notices.information(QCoreApplication::translate("Entries", "Entry deleted successfully!"));
    {
        // Taking the item out moves the selection; that is no choice of the user's to show.
        const QSignalBlocker blocker(m_page.lstFiles);
        delete m_page.lstFiles->takeItem(m_page.lstFiles->row(selected));
        m_page.lstFiles->clearSelection();
    }
    myData_fileAdded();
}

void FileEntries::myData_fileAdded()
{
    m_page.txtFile->clear();
    m_page.txtFileCat->setText(QStringLiteral("none"));
    m_page.txtFileDescription->clear();
    m_page.txtFileScreenshot->setText(QStringLiteral("none"));
    m_page.txtFileTitle->clear();
}

void FileEntries::cmdFind_Click()
{
    QString file = m_page.txtFile->text();
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
    connect(m_descriptions, &frmFiles::descriptionChosen, this, [this](const QString &title, const QString &text) {
        m_page.txtFileTitle->setText(title);
        m_page.txtFileDescription->setPlainText(text);
    });
    if (m_descriptions->Form_Load())
        m_descriptions->show();
}
