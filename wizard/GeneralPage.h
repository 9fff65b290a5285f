#pragma once

#include "wizard/WizardPage.h"

class DriveList;
class StyleEditor;
class FolderList;
class QComboBox;
class QLabel;
class QLineEdit;

// Page 1, "General Setting": the menu's title, template, page language and style, and its CD root chosen with the drive
// and folder lists.
class GeneralPage : public WizardPage
{
    Q_OBJECT

public:
    GeneralPage(StyleEditor &styles, EditState &state, const WizardContext &context, QWidget *parent);

    // A loaded menu is put on the page; a new one gets the style list filled afresh.
    bool enter() override;
    // Checks title and root, saves them and puts the chosen style on the style pages.
    bool leave() override;
    // Fills the style list from the database; a failure becomes a notice.
    void offerStyles();

private:
    bool loadMenu();
    // "NEW" and the stored styles, each keeping its id.
    void fillStyles();
    // Loads the style the list shows, or refuses, after a notice, a text typed that names no entry.
    bool loadChosenStyle();
    // After a new style was stored: the list offers it and it is chosen.
    void refreshData();
    void Drive1_Change();
    void Dir1_Change();
    // Shows the language of the given code, adding a code the list does not know so that it is kept.
    void showLanguage(const QString &code);

    StyleEditor &m_styles;
    QLabel *lblRoot;
    DriveList *Drive1;
    FolderList *Dir1;
    QComboBox *cmbTemplate;
    QComboBox *cmbStyles;
    QComboBox *cmbLanguage;
    QLineEdit *txtTitle;
};
