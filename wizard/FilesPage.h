#pragma once

#include "wizard/WizardPage.h"

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// What the fields of one file entry hold, as typed.
struct EntryFields
{
    QString file;
    QString category;
    QString title;
    QString description;
    QString screenshot;
};

// Page 4, "Add Files": the entry list and the fields of one file entry. Which of the category and screenshot
// controls show depends on the template (setTemplate). What its buttons do is FileEntries' and FolderEntries' work,
// through the fields, the list and the signals below.
class FilesPage : public WizardPage
{
    Q_OBJECT

public:
    FilesPage(FormButtons &buttons, EditState &state, const WizardContext &context, QWidget *parent);

    // Fits the fields to the menu's template and lists the entries of a loaded menu.
    bool enter() override;

    EntryFields fields() const;
    void showFields(const EntryFields &fields);
    void setFile(const QString &file);
    void setScreenshot(const QString &screenshot);
    void setTitleAndDescription(const QString &title, const QString &description);
    // Empties the fields for the next entry: no file, title or description; category and screenshot "none".
    void clearFields();

    // The titles in the entry list, in its order.
    QStringList listedTitles() const;
    // The title of the entry selected in the list; none when no entry is selected.
    std::optional<QString> selectedTitle() const;
    void addListed(const QString &title);
    // Retitles the first entry listed as from.
    void renameListed(const QString &from, const QString &to);
    // Takes an entry out of the list; the selection this moves is not shown as the user's choice.
    void removeListed(const QString &title);
    // Takes the selected entry out of the list and leaves none selected, without showing either as the user's choice.
    void removeSelected();
    // Lists the menu's stored entries again, with the entry selected before still selected, without showing it anew.
    void relist();

signals:
    // The user selected an entry in the list, or clicked the one selected.
    void entryChosen();
    void fileClicked();
    void screenshotClicked();
    void saveClicked();
    void removeClicked();
    void newClicked();
    void findClicked();
    void addFolderClicked();
    // Files or folders from a file manager were dropped onto the page.
    void pathsDropped(const QStringList &paths);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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
