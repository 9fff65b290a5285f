#pragma once

#include "wizard/WizardPage.h"

class QComboBox;
class QLabel;

// Page 0: create, load or delete a menu, with the load group ("ML") and the delete group ("MD").
class WelcomePage : public WizardPage
{
    Q_OBJECT

public:
    WelcomePage(FormButtons &buttons, EditState &state, const WizardContext &context, QWidget *parent);

    // Leaving without Load starts a new menu, as Create Menu does.
    bool leave() override;
    // Lists the stored menus for loading, as Load Menu does.
    void offerMenus() { cmdEdit_Click(); }

signals:
    // Create Menu or Load asks the wizard to go forward.
    void forwardRequested();
    // Load Menu listed the stored menus; the style list is filled with them.
    void menusOffered();

private:
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdLoad_Click();
    void cmdDelete_Click();
    void cmdMDelete_Click();
    void fillMenuList(QComboBox *list, bool *any);
    void showGroup(const QString &tag, bool show);

    QWidget *cmdNew;
    QWidget *cmdEdit;
    QWidget *cmdDelete;
    QLabel *Label40;
    QComboBox *cmbMenuL;
    QWidget *cmdLoad;
    QLabel *Label2;
    QComboBox *cmbMenus;
    QWidget *cmdMDelete;
    QLabel *Image1;
};
