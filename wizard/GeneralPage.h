#pragma once

#include "wizard/WizardPage.h"

class DriveList;
class FolderList;
class QComboBox;
class QLabel;
class QLineEdit;

// Page 1, "General Setting": the menu's title, template and style, and its CD root chosen with the drive and
// folder lists.
class GeneralPage : public WizardPage
{
    Q_OBJECT

public:
    GeneralPage(const QStringList &drives, QWidget *parent);

    QLabel *lblRoot;
    DriveList *Drive1;
    FolderList *Dir1;
    QComboBox *cmbTemplate;
    QComboBox *cmbStyles;
    QLineEdit *txtTitle;
};
