#include "wizard/GeneralPage.h"

#include "core/data/MenuStore.h"
#include "core/model/MenuSnapshot.h"
#include "core/model/PathMapping.h"
#include "wizard/Notices.h"
#include "wizard/EditState.h"
#include "wizard/ElidedLabel.h"
#include "wizard/Guarded.h"
#include "wizard/PageKit.h"
#include "wizard/WizardContext.h"
#include "wizard/platform/DriveList.h"
#include "wizard/platform/FolderList.h"
#include "wizard/styles/StyleEditor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

using namespace PageKit;

namespace {

const QString newStyle = QStringLiteral("NEW");

} // namespace

GeneralPage::GeneralPage(StyleEditor &styles, EditState &state, const WizardContext &context, QWidget *parent)
    : WizardPage(Step::General, QCoreApplication::translate("General", "General Setting"), state, context, parent),
      m_styles(styles)
{
    auto *explain1 = label(this, QStringLiteral("lblExplainRoot"),
                           QCoreApplication::translate(
                               "General", "Please select the folder which contains all files to be on your CD. This "
                                          "folder will be treated as the CD Root path."),
                           900, 825, 5790, 465);
    explain1->setWordWrap(true);
    auto *explain2 = label(this, QStringLiteral("lblExplainFolder"),
                           QCoreApplication::translate(
                               "General", "If you have not yet placed all files to be on your CD into one folder, we "
                                          "recommend you do so  before continuing."),
                           900, 1425, 5940, 540);
    explain2->setWordWrap(true);

    auto *rootLabel = label(this, QStringLiteral("lblRootCaption"),
                            QCoreApplication::translate("General", "CD root folder:"), 900, 2100, 1290, 315);
    rootLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A single blank until a folder is chosen; the edit state holds the root from then on.
    // A long path is shortened in the middle, where it hides least of what the user chose; the tooltip has it all.
    lblRoot = new ElidedLabel(QStringLiteral(" "), this);
    lblRoot->setObjectName(QStringLiteral("lblRoot"));
    PageKit::place(lblRoot, 2325, 2100, 5490, 240);

    Drive1 = new DriveList(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    if (!context.drives.isEmpty())
        Drive1->setDrives(context.drives);
    place(Drive1, 900, 2400, 2415, 315);
    Dir1 = new FolderList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    place(Dir1, 900, 2775, 2415, 2340);
    Drive1->setAccessibleName(QCoreApplication::translate("General", "Drive"));
    pair(rootLabel, Dir1);

    auto *templateLabel = label(this, QStringLiteral("lblTemplate"),
                                QCoreApplication::translate("General", "Template:"), 3390, 2400, 1155, 255);
    cmbTemplate = combo(this, QStringLiteral("cmbTemplate"), 4350, 2400, 3615, 315);
    cmbTemplate->addItems(MenuTemplate::allNames());
    cmbTemplate->setCurrentIndex(0);
    pair(templateLabel, cmbTemplate);

    auto *styleLabel =
        label(this, QStringLiteral("lblStyle"), QCoreApplication::translate("General", "Style:"), 3390, 2850, 780, 255);
    cmbStyles = combo(this, QStringLiteral("cmbStyles"), 4350, 2850, 3615, 315);
    pair(styleLabel, cmbStyles);

    auto *titleLabel =
        label(this, QStringLiteral("lblTitle"), QCoreApplication::translate("General", "Title:"), 3375, 3300, 795, 255);
    txtTitle = edit(this, QStringLiteral("txtTitle"), 4350, 3300, 3615, 315);
    pair(titleLabel, txtTitle);

    auto *languageLabel = label(this, QStringLiteral("lblLanguage"),
                                QCoreApplication::translate("General", "Language:"), 3390, 3750, 960, 255);
    cmbLanguage = combo(this, QStringLiteral("cmbLanguage"), 4350, 3750, 3615, 315);
    for (const MenuLanguage::Choice &choice : MenuLanguage::choices())
        cmbLanguage->addItem(choice.name, choice.code);
    pair(languageLabel, cmbLanguage);

    // Keyboard order: the settings first, then the folder.
    setTabOrder(txtTitle, cmbTemplate);
    setTabOrder(cmbTemplate, cmbLanguage);
    setTabOrder(cmbLanguage, cmbStyles);
    setTabOrder(cmbStyles, Drive1);
    setTabOrder(Drive1, Dir1);

    // The folder list opens at the start folder without choosing it: lblRoot keeps its blank.
    const QString start = context.startFolder.isEmpty() ? QDir::homePath() : context.startFolder;
    Drive1->setDrive(DriveList::driveOf(start, Drive1->drives()));
    Dir1->setPath(start);
    connect(Drive1, &DriveList::driveChanged, this, [this] { Drive1_Change(); });
    connect(Dir1, &FolderList::pathChanged, this, [this] { Dir1_Change(); });
    styles.onStyleStored([this] { refreshData(); });
    // Title and template are read where the menu is stored and built, whichever page is shown then.
    connect(txtTitle, &QLineEdit::textChanged, this, [this](const QString &text) { this->state().title = text; });
    connect(cmbTemplate, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { this->state().templateName = text; });
    state.templateName = cmbTemplate->currentText();
    connect(cmbLanguage, &QComboBox::currentIndexChanged, this,
            [this] { this->state().language = cmbLanguage->currentData().toString(); });
    // A new menu's page speaks the window's language.
    showLanguage(context.language);
}

void GeneralPage::showLanguage(const QString &code)
{
    int index = cmbLanguage->findData(code, Qt::UserRole, Qt::MatchFixedString);
    if (index < 0) {
        cmbLanguage->addItem(code, code);
        index = cmbLanguage->count() - 1;
    }
    cmbLanguage->setCurrentIndex(index);
    state().language = cmbLanguage->currentData().toString();
}

void GeneralPage::offerStyles()
{
    guarded(notices(), [this] { fillStyles(); });
}

bool GeneralPage::enter()
{
    // A new menu gets the list afresh, as Create Menu gives it; the list always offers at least NEW.
    if (state().menuId == 0 || cmbStyles->count() == 0)
        offerStyles();
    if (state().menuId != 0 && state().loaded && !loadMenu()) {
        // Loaded, then deleted by another program: the wizard offers the stored menus again.
        notices().information(MenuStore::lostMenuText(QString::number(state().menuId)));
        if (context().menuLost)
            context().menuLost();
        return false;
    }
    return true;
}

bool GeneralPage::leave()
{
    const QString title = txtTitle->text();
    if (title.isEmpty()) {
        notices().information(QCoreApplication::translate("General", "Please enter a menu title!"));
        return false;
    }
    if (!state().rootFolder) {
        notices().information(
            QCoreApplication::translate("General", "Please select a root directory for your CD files!"));
        return false;
    }
    if (state().menuId == 0) {
        if (store().titleTaken(title)) {
            notices().information(
                QCoreApplication::translate("General", "Menu title is already taken, please change your title!,"));
            txtTitle->clear();
            return false;
        }
    }
    state().title = title;
    state().templateName = cmbTemplate->currentText();
    state().language = cmbLanguage->currentData().toString();
    return loadChosenStyle();
}

bool GeneralPage::loadMenu()
{
    const std::optional<MenuRecord> menu = store().menu(state().menuId);
    if (!menu)
        return false;
    cmbTemplate->setCurrentText(menu->templateName);
    txtTitle->setText(menu->title);
    showLanguage(MenuLanguage::ofStored(menu->language));

    const QString root = QDir::fromNativeSeparators(menu->root);
    const QString drive = DriveList::driveOf(root, Drive1->drives());
    if (!drive.isEmpty())
        Drive1->setDrive(drive);
    if (!root.isEmpty() && QFileInfo(root).isDir()) {
        Dir1->setPath(root);
        // The folder list raises no change when it already shows the folder; the root follows it all the same.
        Dir1_Change();
    } else {
        notices().information(QCoreApplication::translate(
            "General", "Your root directory is no longer valid!\r\nPlease select a new root directory!"));
    }

    if (const int style = cmbStyles->findData(menu->styleNo); style >= 0)
        cmbStyles->setCurrentIndex(style);
    return true;
}

void GeneralPage::fillStyles()
{
    cmbStyles->clear();
    cmbStyles->addItem(newStyle); // keeps no id: a new style is stored when the style pages are left
    for (const StyleListing &style : store().styles())
        cmbStyles->addItem(QStringLiteral("%1: %2").arg(style.id).arg(style.name), style.id);
    cmbStyles->setCurrentIndex(0);
}

void GeneralPage::refreshData()
{
    fillStyles();
    if (const int stored = cmbStyles->findData(state().styleId); stored >= 0)
        cmbStyles->setCurrentIndex(stored);
    loadChosenStyle();
}

bool GeneralPage::loadChosenStyle()
{
    const int index = chosenIndex(cmbStyles);
    if (index < 0) {
        notices().information(QCoreApplication::translate("Styles", "Please choose a style from the list!"));
        return false;
    }
    const QVariant id = cmbStyles->itemData(index);
    if (!id.isValid()) {
        m_styles.loadNew();
        return true;
    }
    return m_styles.load(id.toLongLong(), cmbStyles->itemText(index));
}

void GeneralPage::Drive1_Change()
{
    const QString drive = Drive1->drive();
    if (!Dir1->setPath(drive)) {
        notices().information(
            QCoreApplication::translate("General", "The drive %1 cannot be read. Please choose another drive!")
                .arg(QDir::toNativeSeparators(drive)));
        // Show the drive the folder list is still on.
        const QSignalBlocker blocker(Drive1);
        Drive1->setDrive(DriveList::driveOf(Dir1->path(), Drive1->drives()));
    }
}

void GeneralPage::Dir1_Change()
{
    const QString path = QDir::toNativeSeparators(Dir1->path());
    lblRoot->setText(path);
    lblRoot->setToolTip(path);
    state().rootFolder = path;
}
