#pragma once

#include "core/generate/MenuSnapshot.h"
#include "core/generate/StepResult.h"

#include <QByteArray>
#include <functional>
#include <optional>

class AnsiText;
class clsData;

// Writes Index.htm in one of the four templates from the snapshot's title and style fields and the menu's entries
// in the database. The page goes to a temporary file that replaces Index.htm only when complete.
class PageWriter
{
public:
    PageWriter(const MenuSnapshot &snapshot, clsData &data);

    // The writer of the snapshot's template; an unknown template name writes nothing and fails.
    StepResult write();

    StepResult writeHTMLStandard();
    StepResult writeHTMLStandardScreen();
    StepResult writeHTMLExtended();
    StepResult writeHTMLExtendedScreen();

    // The page's bytes for a template, without touching the CD root. Nothing, with the reason in error, for a menu
    // without entries, an unknown template or a database failure.
    std::optional<QByteArray> page(const QString &templateName, QString *error = nullptr);

    static QString noEntriesText(); // the reason given for a menu without entries

private:
    StepResult writePage(const QString &templateName);
    // Reads what the page needs, calls ready (when given; false stops there) and makes the page into out. False,
    // with the reason in error, where page() gives nothing.
    bool make(const QString &templateName, AnsiText &out, const std::function<bool()> &ready, QString *error);

    const MenuSnapshot &m_snapshot;
    clsData &m_data;
};
