#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The dialogs that take a menu from a folder to a disc: choosing files to add, confirming a build despite
// problems, choosing where an image goes, and opening the finished page. The window passes the real dialogs in;
// tests pass a scripted fake.
class DiscPrompts
{
public:
    virtual ~DiscPrompts() = default;

    // A checklist of the rows, all checked; the indexes the user left checked, or nothing on Cancel.
    virtual std::optional<QList<int>> chooseFiles(const QStringList &rows) = 0;
    // Lists the problems found before a build; true for Continue, false for Cancel.
    virtual bool continueDespite(const QStringList &problems) = 0;
    // A save dialog for the disc image, starting at the suggested file; empty on Cancel.
    virtual QString imageFile(const QString &suggested) = 0;
    // Opens a file in the program the desktop uses for it.
    virtual void open(const QString &file) = 0;
};
