#pragma once

#include "wizard/entries/frmFiles.h"

#include <QObject>
#include <QPointer>

struct EditState;
class FilesPage;
struct WizardContext;

// The behaviour of the "Add Files" page: showing, adding, changing and removing the file entries of the current
// menu, choosing their files, and looking up descriptions entered before.
class FileEntries : public QObject
{
    Q_OBJECT

public:
    FileEntries(EditState &state, const WizardContext &context, FilesPage &page);

    frmFiles *descriptionsDialog() const { return m_descriptions; }

private:
    void showDetails();
    void cmdFile_Click();
    void cmdFScreenshot_Click();
    void cmdSave_Click();
    void addFile();
    void cmdFileRemove_Click();
    void cmdNewF_Click() { myData_fileAdded(); }
    void myData_fileAdded();
    void cmdFind_Click();
    bool storedLink(const QString &fileText, QString *link) const;
    bool storedScreenshot(const QString &fieldText, QString *screenshot) const;
    QStringList othersTitled(const QString &title) const;

    EditState &m_state;
    const WizardContext &m_context;
    FilesPage &m_page;
    QPointer<frmFiles> m_descriptions;
};
