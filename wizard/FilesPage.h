#pragma once

#include "wizard/WizardPage.h"

class FileEntries;
class FolderEntries;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// Page 4, "Add Files": the entry list and the fields of one file entry. Which of the category and screenshot
// controls show depends on the template (setTemplate).
class FilesPage : public WizardPage
{
    Q_OBJECT

public:
    FilesPage(FormButtons &buttons, EditState &state, const WizardContext &context, QWidget *parent);

    // Fits the fields to the menu's template and lists the entries of a loaded menu.
    bool enter() override;

signals:
    // Files or folders from a file manager were dropped onto the page.
    void pathsDropped(const QStringList &paths);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend class FileEntries;   // the page's behaviour: it works on these controls
    friend class FolderEntries; // adding entries for a folder's files

    // Shows or hides the category and screenshot controls for a template; another text changes nothing.
    void setTemplate(const QString &templateName);
    void getFileData();

    QListWidget *lstFiles;
    QLineEdit *txtFile;
    QWidget *cmdFile;
    QLabel *lblCat;
    QLineEdit *txtFileCat;
    QLineEdit *txtFileTitle;
    QWidget *cmdFind;
    QPlainTextEdit *txtFileDescription;
    QLabel *lblScreen;
    QLineEdit *txtFileScreenshot;
    QWidget *cmdFScreenshot;
    QWidget *cmdFileRemove;
    QWidget *cmdNewF;
    QWidget *cmdSave;
    QWidget *cmdAddFolder;
};
