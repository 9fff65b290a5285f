#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One file offered as a new entry: whether it is taken, and the title and category it gets, which the user may
// change before the entries are added.
struct FileRow
{
    bool checked = true;
    QString title;
    QString category;
    QString file; // below the CD root
};

// The dialogs that take a menu from a folder to a disc: choosing files to add, confirming a build despite
// problems, choosing where an image goes, and opening the finished page. The window passes the real dialogs in;
// tests pass a scripted fake.
class DiscPrompts
{
public:
    virtual ~DiscPrompts() = default;

    // A table of the rows, all checked, with titles and categories open to editing; false on Cancel. On Add the
    // rows hold what the user left checked and typed.
    virtual bool chooseFiles(QList<FileRow> &rows) = 0;
    // Lists the problems found before a build, then the notes and the size summary; true for Continue, false for
    // Cancel.
    virtual bool continueDespite(const QStringList &problems, const QStringList &notes, const QString &summary) = 0;
    // A save dialog for the disc image, starting at the suggested file; empty on Cancel.
    virtual QString imageFile(const QString &suggested) = 0;
    // A folder dialog for the folder a menu is copied onto, starting at start; empty on Cancel.
    virtual QString copyFolder(const QString &start) = 0;
    // Opens a file in the program the desktop uses for it; a failure to start one is told in a notice.
    virtual void open(const QString &file) = 0;
};
