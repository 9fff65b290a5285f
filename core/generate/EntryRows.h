#pragma once

#include "core/data/EntryCursor.h"
#include "core/generate/AnsiText.h"
#include "core/model/MenuSnapshot.h"
#include "core/model/StepResult.h"

#include <QLatin1String>
#include <QString>

// A value of an entry. Most entries are ASCII: those are written from the database's own bytes (ASCII is the same
// in UTF-8 and Latin-1) without making a QString of each.
struct Field
{
    QLatin1String ascii;
    QString text;
    bool isAscii = true;

    static Field of(const QString &text) { return {{}, text, false}; }

    TextUnits view() const { return isAscii ? TextUnits(ascii) : TextUnits(text); }
    QString toString() const { return isAscii ? QString(ascii) : text; }
    // A media field or screenshot counts as set when it is neither empty nor "none" (exact comparison).
    bool isSet() const
    {
        return isAscii ? !ascii.isEmpty() && ascii != QLatin1String("none") : StyleFields::isSet(text);
    }
};

// The value in a column of the cursor's current row; an ASCII value refers to the engine's bytes until the next step.
Field fieldOf(const EntryCursor &row, int column);

// The link as the page writes it (LinkText::forPage); fileNameOnly keeps only the part after the last separator
// (PathMapping::getFileName), as media files are copied into the Menu folder. An encoded ASCII link is kept in
// buffer until the next call.
Field pageLink(const Field &value, bool fileNameOnly, QByteArray &buffer);

// The marks of a way out of the CD root: most links have none and pass without a copy being made.
template <typename Text> bool mayLeaveRoot(const Text &link)
{
    return link.startsWith(QLatin1Char('/')) || link.startsWith(QLatin1Char('\\')) ||
           (link.size() >= 2 && QChar(link.at(1)) == QLatin1Char(':')) || link.contains(QLatin1String(".."));
}

// The entries of a menu as the cursor steps over them: the fields refer to the engine's bytes of the current row,
// so no entry is copied on its way into the page. The page refuses an entry that links outside the CD root; it is
// found here, as the entries pass, rather than by a pass of its own over a large menu. The rows end at the first
// refusal.
class EntryRows
{
public:
    explicit EntryRows(EntryCursor rows);

    bool next()
    {
        if (!m_checked.ok || !m_rows.next())
            return false;
        const Field link = fileLink();
        if (link.isAscii ? mayLeaveRoot(link.ascii) : mayLeaveRoot(link.text))
            checkLink(link);
        return m_checked.ok;
    }
    // Fails with the entry that links outside the CD root.
    const StepResult &checked() const { return m_checked; }

    Field fileName() const { return fieldOf(m_rows, m_fileName); }
    Field fileLink() const { return fieldOf(m_rows, m_fileLink); }
    Field description() const { return fieldOf(m_rows, m_description); }
    Field screenshot() const { return fieldOf(m_rows, m_screenshot); }

private:
    void checkLink(const Field &link); // a link that may leave the CD root: refused when it does

    EntryCursor m_rows;
    int m_fileName, m_fileLink, m_description, m_screenshot;
    StepResult m_checked;
};

// The categories of a menu, in page order.
class CategoryRows
{
public:
    explicit CategoryRows(EntryCursor rows)
        : m_rows(std::move(rows)), m_column(m_rows.column(QStringLiteral("Category")))
    {}
    bool next() { return m_rows.next(); }
    QString category() const { return m_rows.value(m_column).toString(); }

private:
    EntryCursor m_rows;
    int m_column;
};
