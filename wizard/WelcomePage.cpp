#include "wizard/WelcomePage.h"

#include "core/data/MenuStore.h"
#include "wizard/Notices.h"
#include "wizard/EditState.h"
#include "wizard/FormButtons.h"
#include "wizard/Guarded.h"
#include "wizard/PageKit.h"
#include "wizard/WizardContext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

using namespace PageKit;

namespace {

const QString loadGroup = QStringLiteral("ML");
const QString deleteGroup = QStringLiteral("MD");

QString noMenusText()
{
    return QCoreApplication::translate("Welcome", "Sorry, no menus available!");
}

QString invalidMenuText()
{
    return QCoreApplication::translate("Welcome", "Please choose a menu from the list!");
}

} // namespace

WelcomePage::WelcomePage(FormButtons &buttons, EditState &state, const WizardContext &context, QWidget *parent)
    : WizardPage(Step::Welcome, QCoreApplication::translate("Welcome", "Welcome to the Velmora Wizard"), state, context,
                 parent)
{
    label(this, QStringLiteral("lblWhat"), QCoreApplication::translate("Welcome", "What do you want to do?"), 900, 825,
          4740, 465);

    cmdNew = buttons.make(QStringLiteral("cmdNew"), this);
    place(cmdNew, 945, 1365, 2115, 540);
    cmdEdit = buttons.make(QStringLiteral("cmdEdit"), this);
    place(cmdEdit, 945, 2025, 2115, 540);
    cmdDelete = buttons.make(QStringLiteral("cmdDelete"), this);
    place(cmdDelete, 945, 2730, 2115, 540);

    // The load group and the delete group share one place; at most one of them is shown.
    Label40 =
        label(this, QStringLiteral("Label40"), QCoreApplication::translate("Welcome", "Menu:"), 975, 3675, 915, 240);
    cmbMenuL = combo(this, QStringLiteral("cmbMenuL"), 1875, 3600, 3690, 360);
    pair(Label40, cmbMenuL);
    cmdLoad = buttons.make(QStringLiteral("cmdLoad"), this);
    place(cmdLoad, 5670, 3570, 1275, 435);
    for (QWidget *control : {static_cast<QWidget *>(Label40), static_cast<QWidget *>(cmbMenuL), cmdLoad}) {
        control->setProperty("tag", loadGroup);
        control->hide();
    }

    Label2 =
        label(this, QStringLiteral("Label2"), QCoreApplication::translate("Welcome", "Menu:"), 900, 3600, 915, 240);
    cmbMenus = combo(this, QStringLiteral("cmbMenus"), 1875, 3525, 3690, 360);
    pair(Label2, cmbMenus);
    cmdMDelete = buttons.make(QStringLiteral("cmdMDelete"), this);
    place(cmdMDelete, 5670, 3500, 1275, 435);
    for (QWidget *control : {static_cast<QWidget *>(Label2), static_cast<QWidget *>(cmbMenus), cmdMDelete}) {
        control->setProperty("tag", deleteGroup);
        control->hide();
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/frmVelmora/Image1.png")));
    place(Image1, 5400, 1365, 1500, 1500);

    FormButtons::onClick(cmdNew, this, [this] { cmdNew_Click(); });
    FormButtons::onClick(cmdEdit, this, [this] { cmdEdit_Click(); });
    FormButtons::onClick(cmdLoad, this, [this] { cmdLoad_Click(); });
    FormButtons::onClick(cmdDelete, this, [this] { cmdDelete_Click(); });
    FormButtons::onClick(cmdMDelete, this, [this] { cmdMDelete_Click(); });
}

bool WelcomePage::leave()
{
    showGroup(loadGroup, false);
    showGroup(deleteGroup, false);
    return true;
}

void WelcomePage::showGroup(const QString &tag, bool show)
{
    showControls(this, tag, show);
}

void WelcomePage::fillMenuList(QComboBox *list, bool *any)
{
    list->clear();
    const QVector<MenuRecord> menus = store().menus();
    *any = !menus.isEmpty();
    for (const MenuRecord &menu : menus)
        list->addItem(QStringLiteral("%1: %2").arg(menu.id).arg(menu.title), menu.id);
    if (*any)
        list->setCurrentIndex(0);
}

void WelcomePage::cmdNew_Click()
{
    state().menuId = 0;
    emit forwardRequested();
}

void WelcomePage::cmdEdit_Click()
{
    showGroup(deleteGroup, false);
    const bool listed = guarded(notices(), [this] {
        bool any = false;
        fillMenuList(cmbMenuL, &any);
        if (!any)
            notices().plain(noMenusText());
        else
            showGroup(loadGroup, true);
    });
    if (listed)
        emit menusOffered();
}

void WelcomePage::cmdLoad_Click()
{
    const std::optional<qint64> chosen = chosenId(cmbMenuL);
    if (!chosen) {
        notices().information(invalidMenuText());
        return;
    }
    const qint64 id = *chosen;
    bool stored = false;
    if (!guarded(notices(), [&] { stored = store().menu(id).has_value(); }))
        return;
    if (!stored) {
        // Listed, then deleted by another program: the list is offered afresh.
        notices().information(MenuStore::lostMenuText(QString::number(id)));
        cmdEdit_Click();
        return;
    }
    state().menuId = id;
    state().loaded = true;
    showGroup(loadGroup, false);
    emit forwardRequested();
}

void WelcomePage::cmdDelete_Click()
{
    showGroup(loadGroup, false);
    guarded(notices(), [this] {
        bool any = false;
        fillMenuList(cmbMenus, &any);
        if (!any) {
            notices().plain(noMenusText());
            return;
        }
        showGroup(deleteGroup, true);
    });
}

void WelcomePage::cmdMDelete_Click()
{
    const std::optional<qint64> chosen = chosenId(cmbMenus);
    if (!chosen) {
        notices().information(invalidMenuText());
        return;
    }
    const qint64 id = *chosen;
    if (notices().question(QCoreApplication::translate("Welcome", "Do you really want to remove the selected Menu?"))) {
        guarded(notices(), [this, id] {
            if (store().deleteMenu(id))
                notices().information(QCoreApplication::translate("Welcome", "Menu deleted successfully!"));
            else
                notices().information(MenuStore::lostMenuText(QString::number(id)));
        });
    }
    showGroup(deleteGroup, false);
}
