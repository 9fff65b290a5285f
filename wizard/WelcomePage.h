#pragma once

#include "wizard/WizardPage.h"

class QComboBox;
class QLabel;

// Page 0: create, load or delete a menu, with the load group ("ML") and the delete group ("MD").
class WelcomePage : public WizardPage
{
    Q_OBJECT

public:
    WelcomePage(FormButtons &buttons, QWidget *parent);

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
