#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// A statement with its values, bound as parameters when it runs.
struct SqlStatement
{
    QString text;
    QVariantList values;
};

// Every statement Velmora sends to the menu database, in one place.
namespace Sql {

// The eighteen style columns after StyleID, in the order in which they are always named.
const QStringList &styleColumns();

SqlStatement selectMenus();
SqlStatement selectMenu(qint64 menuId);
SqlStatement selectMenuTitle(const QString &title);
// The menu's page language, added to tblMenus after its other columns; a database may lack it.
QString menuLanguageColumn();
SqlStatement addMenuLanguageColumn();
SqlStatement insertMenu(const QString &templateName, const QString &title, qint64 styleNo, const QString &root,
                        const QString &language = QStringLiteral("en"));
SqlStatement updateMenu(qint64 menuId, const QString &templateName, const QString &title, qint64 styleNo,
                        const QString &root, const QString &language = QStringLiteral("en"));
SqlStatement deleteMenu(qint64 menuId);
SqlStatement deleteMenuEntries(qint64 menuId);

SqlStatement selectEntries(qint64 menuId);
SqlStatement selectEntriesByCategory(qint64 menuId);
SqlStatement selectEntriesInCategory(qint64 menuId, const QString &category);
SqlStatement insertEntry(qint64 menuId, const QString &category, const QString &fileName, const QString &fileLink,
                         const QString &description, const QString &screenshot);
// The entries whose title is exactly fileName, letter case included: "Readme" and "README" are two entries.
SqlStatement selectEntryExactly(qint64 menuId, const QString &fileName);
// The titles of a menu's entries equal to fileName when letter case is ignored, over all of Unicode.
SqlStatement selectEntryTitlesLike(qint64 menuId, const QString &fileName);
// Deletes one entry: the first that selectEntryExactly finds, so that a title stored twice loses one row.
SqlStatement deleteEntryExactly(qint64 menuId, const QString &fileName);
// The rowid of the first entry titled exactly fileName.
SqlStatement selectEntryRowExactly(qint64 menuId, const QString &fileName);
SqlStatement updateEntry(qint64 rowId, const QString &category, const QString &fileName, const QString &fileLink,
                         const QString &description, const QString &screenshot);
SqlStatement selectEntryLinks(qint64 menuId);
SqlStatement selectDescriptions(const QString &fileName);
SqlStatement selectEntriesLinkingTo(const QString &file);
SqlStatement selectCategories(qint64 menuId);
// How many rows selectEntries gives; a one-row, one-column result.
SqlStatement countEntries(qint64 menuId);
// How many rows selectCategories gives, counting no further than limit.
SqlStatement countCategories(qint64 menuId, int limit);
// The titles (FileName) of selectEntries, in the same order.
SqlStatement selectEntryTitles(qint64 menuId);
// The index the per-category entry query needs; databases made elsewhere get it when an Extended page is built.
SqlStatement createCategoryIndex();

SqlStatement selectStyles();
SqlStatement selectStyle(qint64 styleId);
// values: the eighteen style columns, in the order of styleColumns().
SqlStatement insertStyle(const QStringList &values);
// values: the eighteen style columns; the style keeps its name (the first of them).
SqlStatement updateStyle(qint64 styleId, const QStringList &values);

} // namespace Sql
