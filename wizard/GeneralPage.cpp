#include "wizard/GeneralPage.h"

#include "wizard/PageKit.h"
#include "core/generate/MenuSnapshot.h"
#include "wizard/platform/DriveList.h"
#include "wizard/platform/FolderList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace PageKit;

GeneralPage::GeneralPage(const QStringList &drives, QWidget *parent)
    : WizardPage(1, QStringLiteral("General Setting"), parent)
{
    auto *explain1 = label(this, QStringLiteral("lblExplainRoot"),
                           QStringLiteral("Please select the folder which contains all files to be on your CD. This "
                                          "folder will be treated as the CD Root path."),
                           900, 825, 5790, 465);
    explain1->setWordWrap(true);
    auto *explain2 = label(this, QStringLiteral("lblExplainFolder"),
                           QStringLiteral("If you have not yet placed all files to be on your CD into one folder, we "
                                          "recommend you do so  before continuing."),
                           900, 1425, 5940, 540);
    explain2->setWordWrap(true);

    auto *rootLabel = label(this, QStringLiteral("lblRootCaption"), QStringLiteral("CD root folder:"), 900, 2100, 1290, 315);
    rootLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A single blank means that no folder has been chosen yet.
    lblRoot = label(this, QStringLiteral("lblRoot"), QStringLiteral(" "), 2325, 2100, 5490, 240);

    Drive1 = new DriveList(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    if (!drives.isEmpty())
        Drive1->setDrives(drives);
    place(Drive1, 900, 2400, 2415, 315);
    Dir1 = new FolderList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    place(Dir1, 900, 2775, 2415, 2340);
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    pair(rootLabel, Dir1);

    auto *templateLabel = label(this, QStringLiteral("lblTemplate"), QStringLiteral("Template:"), 3390, 2400, 1155, 255);
    cmbTemplate = combo(this, QStringLiteral("cmbTemplate"), 4350, 2400, 3615, 315);
    cmbTemplate->addItems(MenuTemplate::allNames());
    cmbTemplate->setCurrentIndex(0);
    pair(templateLabel, cmbTemplate);

    auto *styleLabel = label(this, QStringLiteral("lblStyle"), QStringLiteral("Style:"), 3390, 2850, 780, 255);
    cmbStyles = combo(this, QStringLiteral("cmbStyles"), 4350, 2850, 3615, 315);
    pair(styleLabel, cmbStyles);

    auto *titleLabel = label(this, QStringLiteral("lblTitle"), QStringLiteral("Title:"), 3375, 3300, 795, 255);
    txtTitle = edit(this, QStringLiteral("txtTitle"), 4350, 3300, 3615, 315);
    pair(titleLabel, txtTitle);

    // Keyboard order: the settings first, then the folder.
    setTabOrder(txtTitle, cmbTemplate);
    setTabOrder(cmbTemplate, cmbStyles);
    setTabOrder(cmbStyles, Drive1);
    setTabOrder(Drive1, Dir1);
}
