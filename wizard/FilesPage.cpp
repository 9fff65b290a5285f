#include "wizard/FilesPage.h"

#include "core/data/MenuStore.h"
#include "core/model/MenuSnapshot.h"
#include "wizard/EditState.h"
#include "wizard/FormButtons.h"
#include "wizard/PageKit.h"
#include "wizard/entries/FileEntries.h"
#include "wizard/entries/FolderEntries.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalBlocker>

using namespace PageKit;

namespace {

constexpr int labelLeft = 2400;
constexpr int fieldLeft = 3375;
constexpr int buttonLeft = 7050;

QLineEdit *field(QWidget *page, QLabel **caption, const QString &labelName, const QString &text, const QString &name,
                 int top)
{
    // The label may use the whole gap up to its field: the platform font is wider than the classic one.
    *caption = label(page, labelName, text, labelLeft, top, fieldLeft - labelLeft, 255);
    QLineEdit *box = edit(page, name, fieldLeft, top, 3615, 315);
    pair(*caption, box);
    box->setText(QStringLiteral("none"));
    return box;
}

// A drop the page takes: files or folders of this computer, nothing else.
QStringList droppedPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

FilesPage::FilesPage(FormButtons &buttons, EditState &state, const WizardContext &context, QWidget *parent)
    : WizardPage(Step::Files, QCoreApplication::translate("Entries", "Add Files"), state, context, parent)
{
    auto *explain = label(this, QStringLiteral("lblExplainFiles"),
                          QCoreApplication::translate(
                              "Entries", "Now you can add your files and enter the file information. Saved files will "
                                         "be shown in the list and can be edited by clicking on them."),
                          300, 525, 7515, 540);
    explain->setWordWrap(true);

    QLabel *filesLabel =
        label(this, QStringLiteral("lblFiles"), QCoreApplication::translate("Entries", "Files:"), 300, 1125, 1815, 240);
    lstFiles = new QListWidget(this);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    place(lstFiles, 225, 1425, 1965, 2790);
    pair(filesLabel, lstFiles);

    QLabel *caption = nullptr;
    txtFile = field(this, &caption, QStringLiteral("lblFile"), QCoreApplication::translate("Entries", "File:"),
                    QStringLiteral("txtFile"), 1425);
    cmdFile = buttons.make(QStringLiteral("cmdFile"), this);
    place(cmdFile, buttonLeft, 1425, 855, 375);

    txtFileCat = field(this, &lblCat, QStringLiteral("lblCat"), QCoreApplication::translate("Entries", "Category:"),
                       QStringLiteral("txtFileCat"), 1875);

    txtFileTitle = field(this, &caption, QStringLiteral("lblFileTitle"),
                         QCoreApplication::translate("Entries", "File Title:"), QStringLiteral("txtFileTitle"), 2325);
    cmdFind = buttons.make(QStringLiteral("cmdFind"), this);
    place(cmdFind, buttonLeft, 2325, 855, 375);

    QLabel *descriptionLabel =
        label(this, QStringLiteral("lblDescription"), QCoreApplication::translate("Entries", "Description:"), labelLeft,
              2775, fieldLeft - labelLeft, 255);
    txtFileDescription = new QPlainTextEdit(this);
    txtFileDescription->setObjectName(QStringLiteral("txtFileDescription"));
    txtFileDescription->setTabChangesFocus(true);
    txtFileDescription->setPlainText(QStringLiteral("none"));
    place(txtFileDescription, fieldLeft, 2775, 3615, 1140);
    pair(descriptionLabel, txtFileDescription);

    txtFileScreenshot =
        field(this, &lblScreen, QStringLiteral("lblScreen"), QCoreApplication::translate("Entries", "Screenshot:"),
              QStringLiteral("txtFileScreenshot"), 3975);
    cmdFScreenshot = buttons.make(QStringLiteral("cmdFScreenshot"), this);
    place(cmdFScreenshot, buttonLeft, 3900, 855, 375);

    cmdFileRemove = buttons.make(QStringLiteral("cmdFileRemove"), this);
    place(cmdFileRemove, 3375, 4500, 1155, 375);
    cmdNewF = buttons.make(QStringLiteral("cmdNewF"), this);
    place(cmdNewF, 4612, 4500, 1155, 375);
    cmdSave = buttons.make(QStringLiteral("cmdSave"), this);
    place(cmdSave, 5850, 4500, 1155, 375);
    cmdAddFolder = buttons.make(QStringLiteral("cmdAddFolder"), this);
    place(cmdAddFolder, 225, 4500, 2925, 375);
    setAcceptDrops(true);
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(this);

    connect(lstFiles, &QListWidget::itemSelectionChanged, this, &FilesPage::entryChosen);
    // A click on the entry already selected shows it again, after New or a save has emptied the fields.
    connect(lstFiles, &QListWidget::itemClicked, this, &FilesPage::entryChosen);
    FormButtons::onClick(cmdFile, this, [this] { emit fileClicked(); });
    FormButtons::onClick(cmdFScreenshot, this, [this] { emit screenshotClicked(); });
    FormButtons::onClick(cmdSave, this, [this] { emit saveClicked(); });
    FormButtons::onClick(cmdFileRemove, this, [this] { emit removeClicked(); });
    FormButtons::onClick(cmdNewF, this, [this] { emit newClicked(); });
    FormButtons::onClick(cmdFind, this, [this] { emit findClicked(); });
    FormButtons::onClick(cmdAddFolder, this, [this] { emit addFolderClicked(); });

    new FileEntries(state, context, *this);
    new FolderEntries(state, context, *this);
}

// A drop of files anywhere on the page is for the page, also over a field that would take it as text.
bool FilesPage::takeDrop(QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths = droppedPaths(drop->mimeData());
    if (paths.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        emit pathsDropped(paths);
    return true;
}

bool FilesPage::event(QEvent *event)
{
    return takeDrop(event) || WizardPage::event(event);
}

bool FilesPage::eventFilter(QObject *watched, QEvent *event)
{
    return takeDrop(event) || WizardPage::eventFilter(watched, event);
}

bool FilesPage::enter()
{
    setTemplate(state().templateName);
    if (state().menuId > 0 && state().loaded)
        getFileData();
    return true;
}

void FilesPage::getFileData()
{
    const QVector<EntryRecord> entries = store().entries(state().menuId);
    if (!entries.isEmpty()) {
        lstFiles->clear();
        for (const EntryRecord &entry : entries)
            lstFiles->addItem(entry.fileName);
    }
}

EntryFields FilesPage::fields() const
{
    return {txtFile->text(), txtFileCat->text(), txtFileTitle->text(), txtFileDescription->toPlainText(),
            txtFileScreenshot->text()};
}

void FilesPage::showFields(const EntryFields &fields)
{
    txtFile->setText(fields.file);
    txtFileCat->setText(fields.category);
    txtFileDescription->setPlainText(fields.description);
    txtFileScreenshot->setText(fields.screenshot);
    txtFileTitle->setText(fields.title);
}

void FilesPage::setFile(const QString &file)
{
    txtFile->setText(file);
}

void FilesPage::setScreenshot(const QString &screenshot)
{
    txtFileScreenshot->setText(screenshot);
}

void FilesPage::setTitleAndDescription(const QString &title, const QString &description)
{
    txtFileTitle->setText(title);
    txtFileDescription->setPlainText(description);
}

void FilesPage::clearFields()
{
    txtFile->clear();
    txtFileCat->setText(QStringLiteral("none"));
    txtFileDescription->clear();
    txtFileScreenshot->setText(QStringLiteral("none"));
    txtFileTitle->clear();
}

QStringList FilesPage::listedTitles() const
{
    QStringList titles;
    for (int i = 0; i < lstFiles->count(); ++i)
        titles.append(lstFiles->item(i)->text());
    return titles;
}

std::optional<QString> FilesPage::selectedTitle() const
{
    const QList<QListWidgetItem *> selected = lstFiles->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.constFirst()->text();
}

void FilesPage::addListed(const QString &title)
{
    lstFiles->addItem(title);
}

void FilesPage::renameListed(const QString &from, const QString &to)
{
    if (QListWidgetItem *item = lstFiles->findItems(from, Qt::MatchExactly).value(0))
        item->setText(to);
}

void FilesPage::removeListed(const QString &title)
{
    const QSignalBlocker blocker(lstFiles);
    delete lstFiles->findItems(title, Qt::MatchExactly).value(0);
}

void FilesPage::removeSelected()
{
    const QSignalBlocker blocker(lstFiles);
    if (QListWidgetItem *selected = lstFiles->selectedItems().value(0))
        delete lstFiles->takeItem(lstFiles->row(selected));
    lstFiles->clearSelection();
}

void FilesPage::relist()
{
    const std::optional<QString> selected = selectedTitle();
    const QSignalBlocker blocker(lstFiles);
    getFileData();
    if (QListWidgetItem *again = lstFiles->findItems(selected.value_or(QString()), Qt::MatchExactly).value(0);
        again && selected)
        lstFiles->setCurrentItem(again);
}

void FilesPage::setTemplate(const QString &templateName)
{
    bool category = false;
    bool screenshot = false;
    if (templateName == MenuTemplate::standard()) {
    } else if (templateName == MenuTemplate::standardScreenshots()) {
        screenshot = true;
    } else if (templateName == MenuTemplate::extended()) {
        category = true;
    } else if (templateName == MenuTemplate::extendedScreenshots()) {
        category = true;
        screenshot = true;
    } else if (templateName == MenuTemplate::modern()) {
        category = true;
    } else if (templateName == MenuTemplate::modernScreenshots()) {
        category = true;
        screenshot = true;
    } else {
        return;
    }
    lblCat->setVisible(category);
    txtFileCat->setVisible(category);
    lblScreen->setVisible(screenshot);
    txtFileScreenshot->setVisible(screenshot);
    cmdFScreenshot->setVisible(screenshot);
}
