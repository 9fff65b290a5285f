#include "wizard/WelcomePage.h"

#include "wizard/FormButtons.h"
#include "wizard/PageKit.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>

using namespace PageKit;

WelcomePage::WelcomePage(FormButtons &buttons, QWidget *parent)
    : WizardPage(0, QStringLiteral("Welcome to the Velmora Wizard"), parent)
{
    label(this, QStringLiteral("lblWhat"), QStringLiteral("What do you want to do?"), 900, 825, 4740, 465);

    cmdNew = buttons.make(QStringLiteral("cmdNew"), this);
    place(cmdNew, 945, 1365, 2115, 540);
    cmdEdit = buttons.make(QStringLiteral("cmdEdit"), this);
    place(cmdEdit, 945, 2025, 2115, 540);
    cmdDelete = buttons.make(QStringLiteral("cmdDelete"), this);
    place(cmdDelete, 945, 2730, 2115, 540);

    // The load group and the delete group share one place; at most one of them is shown.
    const QString ml = QStringLiteral("ML");
    Label40 = label(this, QStringLiteral("Label40"), QStringLiteral("Menu:"), 975, 3675, 915, 240);
    cmbMenuL = combo(this, QStringLiteral("cmbMenuL"), 1875, 3600, 3690, 360);
    pair(Label40, cmbMenuL);
    cmdLoad = buttons.make(QStringLiteral("cmdLoad"), this);
    place(cmdLoad, 5670, 3570, 1275, 435);
    for (QWidget *control : {static_cast<QWidget *>(Label40), static_cast<QWidget *>(cmbMenuL), cmdLoad}) {
        control->setProperty("tag", ml);
        control->hide();
    }

    const QString md = QStringLiteral("MD");
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Menu:"), 900, 3600, 915, 240);
    cmbMenus = combo(this, QStringLiteral("cmbMenus"), 1875, 3525, 3690, 360);
    pair(Label2, cmbMenus);
    cmdMDelete = buttons.make(QStringLiteral("cmdMDelete"), this);
    place(cmdMDelete, 5670, 3500, 1275, 435);
    for (QWidget *control : {static_cast<QWidget *>(Label2), static_cast<QWidget *>(cmbMenus), cmdMDelete}) {
        control->setProperty("tag", md);
        control->hide();
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/frmVelmora/Image1.png")));
    place(Image1, 5400, 1365, 1500, 1500);
}
