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
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class FileEntries;   // the page's behaviour: it works on these controls
    friend class FolderEntries; // adding entries for a folder's files

    // Shows or hides the category and screenshot controls for a template; another text changes nothing.
    void setTemplate(const QString &templateName);
    void getFileData();
    // Takes a drag or drop of files or folders; false for any other event.
    bool takeDrop(QEvent *event);

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
