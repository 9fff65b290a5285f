#pragma once

#include "core/data/MenuStore.h"

#include <QWidget>

class CorvixHost;
class Notices;
class QComboBox;
class QPlainTextEdit;

// "File Descriptions": offers the titles and descriptions entered earlier, in any menu, for entries whose link
// contains the searched file name. It changes nothing itself: OK hands the chosen title and the (possibly
// edited) description to the main window.
class frmFiles : public QWidget
{
    Q_OBJECT

public:
    frmFiles(const QString &databasePath, CorvixHost &controls, Notices &notices, QWidget *parent = nullptr);

    // The file name to look for; set before the dialog loads.
    QString strSearch;

    // Runs the search, once, as the dialog loads. False when nothing matched: the user has been told and the
    // dialog has closed itself.
    bool Form_Load();

signals:
    void descriptionChosen(const QString &title, const QString &description);

private:
    void showDescription();
    void cmdOK_Click();

    MenuStore m_data;
    Notices &m_notices;
    QComboBox *m_titles = nullptr;
    QPlainTextEdit *m_description = nullptr;
};
