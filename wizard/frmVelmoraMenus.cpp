// The menu records of the welcome page and the CD root of the general page.
#include "wizard/frmVelmora.h"

#include "wizard/GeneralPage.h"
#include "wizard/WelcomePage.h"
#include "core/data/clsData.h"
#include "core/generate/PathMapping.h"
#include "wizard/platform/DriveList.h"
#include "wizard/platform/FolderList.h"
#include "wizard/platform/Notices.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

namespace {

QString noMenusText()
{
    return QStringLiteral("Sorry, no menus available!");
}

QString invalidMenuText()
{
    return QStringLiteral("Please choose a menu from the list!");
}

} // namespace

// The ID of a list entry: the whole number before its first ":".
qint32 frmVelmora::listId(const QString &text, bool *ok) const
{
    const int colon = text.indexOf(QLatin1Char(':'));
    *ok = false;
    if (colon < 0)
        return 0;
    return text.left(colon).trimmed().toInt(ok);
}

QString frmVelmora::menuListEntry(const Recordset &menus) const
{
    return QStringLiteral("%1: %2").arg(menus.value(QStringLiteral("MenuID")).toLongLong())
        .arg(menus.text(QStringLiteral("Title")));
}

void frmVelmora::fillMenuList(QComboBox *list, bool *any)
{
    list->clear();
    Recordset menus = myData->GetRS(Sql::selectMenus());
    *any = !menus.atEnd();
    while (!menus.atEnd()) {
        list->addItem(menuListEntry(menus));
        menus.moveNext();
    }
    menus.close();
    if (*any)
        list->setCurrentIndex(0);
}

void frmVelmora::cmdNew_Click()
{
    currentMenuID = 0;
    switchSteps(QStringLiteral("up"));
    guarded([this] { fillStyles(); });
    showControls(QStringLiteral("ML"), false);
    showControls(QStringLiteral("MD"), false);
}

void frmVelmora::cmdEdit_Click()
{
    showControls(QStringLiteral("MD"), false);
    guarded([this] {
        bool any = false;
        fillMenuList(m_welcome->cmbMenuL, &any);
        if (!any)
            m_context.notices->plain(noMenusText());
        else
            showControls(QStringLiteral("ML"), true);
        fillStyles();
    });
}

void frmVelmora::cmdLoad_Click()
{
    bool ok = false;
    const qint32 id = listId(m_welcome->cmbMenuL->currentText(), &ok);
    bool stored = false;
    if (ok && !guarded([&] { stored = !myData->GetRS(Sql::selectMenu(id)).atEnd(); }))
        return;
    if (!ok || !stored) {
        m_context.notices->information(invalidMenuText());
        return;
    }
    currentMenuID = id;
    menuLoaded = true;
    showControls(QStringLiteral("ML"), false);
    switchSteps(QStringLiteral("up"));
}

void frmVelmora::cmdDelete_Click()
{
    showControls(QStringLiteral("ML"), false);
    guarded([this] {
        bool any = false;
        fillMenuList(m_welcome->cmbMenus, &any);
        if (!any) {
            m_context.notices->plain(noMenusText());
            return;
        }
        showControls(QStringLiteral("MD"), true);
    });
}

void frmVelmora::cmdMDelete_Click()
{
    bool ok = false;
    const qint32 id = listId(m_welcome->cmbMenus->currentText(), &ok);
    if (!ok) {
        m_context.notices->information(invalidMenuText());
        return;
    }
    if (m_context.notices->question(QStringLiteral("Do you really want to remove the selected Menu?"))) {
        guarded([this, id] {
            if (myData->ExecuteSQL(Sql::deleteMenu(id)))
                m_context.notices->information(QStringLiteral("Menu deleted successfully!"));
        });
    }
    showControls(QStringLiteral("MD"), false);
}

void frmVelmora::saveMenuRecord()
{
    const QString templateName = m_general->cmbTemplate->currentText();
    const QString title = m_general->txtTitle->text();
    const QString root = m_general->lblRoot->text();
    if (currentMenuID == 0) {
        myData->ExecuteSQL(Sql::insertMenu(templateName, title, currentStyleID, root));
        Recordset last = myData->GetRS(Sql::selectLastMenuId());
        currentMenuID = qint32(last.value(QStringLiteral("lastid")).toLongLong());
        last.close();
    } else {
        // Root is written as well, so that the menu keeps the CD root it was last built in.
        myData->ExecuteSQL(Sql::updateMenu(currentMenuID, templateName, title, currentStyleID, root));
    }
}

void frmVelmora::refreshData()
{
    fillStyles();
    QComboBox *styles = m_general->cmbStyles;
    for (int i = 0; i < styles->count(); ++i) {
        const QString entry = styles->itemText(i);
        bool ok = false;
        const qint32 id = listId(entry, &ok);
        if (entry != QLatin1String("NEW") && ok && id == currentStyleID) {
            styles->setCurrentIndex(i);
            break;
        }
    }
    setStyleData();
}

void frmVelmora::Drive1_Change()
{
    const QString drive = m_general->Drive1->drive();
    if (!m_general->Dir1->setPath(drive)) {
        m_context.notices->information(
            QStringLiteral("The drive %1 cannot be read. Please choose another drive!").arg(QDir::toNativeSeparators(drive)));
        // Show the drive the folder list is still on.
        const QSignalBlocker blocker(m_general->Drive1);
        m_general->Drive1->setDrive(DriveList::driveOf(m_general->Dir1->path(), m_general->Drive1->drives()));
    }
}

void frmVelmora::Dir1_Change()
{
    const QString path = QDir::toNativeSeparators(m_general->Dir1->path());
    m_general->lblRoot->setText(path);
    rootPath = PathMapping::rootPathFor(path);
}

QString frmVelmora::getFileName(const QString &path)
{
    return PathMapping::getFileName(path);
}
