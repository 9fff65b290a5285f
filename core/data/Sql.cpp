#include "core/data/Sql.h"

#include <QVariant>

namespace Sql {

const QStringList &styleColumns()
{
    static const QStringList columns = {
        QStringLiteral("StyleName"),   QStringLiteral("BackColor"),     QStringLiteral("BackImage"),
        QStringLiteral("Soundfile"),   QStringLiteral("Logofile"),      QStringLiteral("LogoTop"),
        QStringLiteral("LogoLeft"),    QStringLiteral("ButtonOnImage"), QStringLiteral("ButtonOffImage"),
        QStringLiteral("TitleFont"),   QStringLiteral("TitleColor"),    QStringLiteral("ButtonFont"),
        QStringLiteral("ButtonColor"), QStringLiteral("TextFont"),      QStringLiteral("TextColor"),
        QStringLiteral("HyperFont"),   QStringLiteral("HyperColor"),    QStringLiteral("HyperColorA"),
    };
    return columns;
}

SqlStatement selectMenus()
{
    return {QStringLiteral("SELECT * from tblMenus"), {}};
}

SqlStatement selectMenu(qint64 menuId)
{
    return {QStringLiteral("SELECT * from tblMenus WHERE MenuID=?"), {menuId}};
}

// Titles are told apart without regard to case in any script, whatever collation the column was made with.
SqlStatement selectMenuTitle(const QString &title)
{
    return {QStringLiteral("SELECT tblMenus.Title From tblMenus WHERE velmora_fold(tblMenus.Title)=velmora_fold(?)"),
            {title}};
}

QString menuLanguageColumn()
{
    return QStringLiteral("Language");
}

SqlStatement addMenuLanguageColumn()
{
    return {QStringLiteral("ALTER TABLE tblMenus ADD COLUMN Language TEXT COLLATE NOCASE"), {}};
}

SqlStatement insertMenu(const QString &templateName, const QString &title, qint64 styleNo, const QString &root,
                        const QString &language)
{
    return {QStringLiteral("INSERT INTO tblMenus (Template, Title, StyleNo,Root, Language) VALUES (?,?,?,?,?)"),
            {templateName, title, styleNo, root, language}};
}


// Root is written too, so that a menu keeps the CD root it was last built in.
SqlStatement updateMenu(qint64 menuId, const QString &templateName, const QString &title, qint64 styleNo,
                        const QString &root, const QString &language)
{
    return {QStringLiteral("UPDATE tblMenus SET Template=?, Title=?, StyleNo=?, Root=?, Language=? WHERE MenuID=?"),
            {templateName, title, styleNo, root, language, menuId}};
}

SqlStatement deleteMenu(qint64 menuId)
{
    return {QStringLiteral("DELETE FROM tblMenus WHERE MenuID=?"), {menuId}};
}

SqlStatement deleteMenuEntries(qint64 menuId)
{
    return {QStringLiteral("DELETE FROM tblDetails WHERE MenuNo=?"), {menuId}};
}

// Entries come back in the order they were stored, whichever index the engine picks.
SqlStatement selectEntries(qint64 menuId)
{
    return {QStringLiteral("SELECT * from tblDetails WHERE MenuNo=? ORDER BY rowid"), {menuId}};
}

// Grouped by category (compared as the column compares, without regard to case), in stored order within each.
SqlStatement selectEntriesByCategory(qint64 menuId)
{
    return {QStringLiteral("SELECT * from tblDetails WHERE MenuNo=? ORDER BY Category, rowid"), {menuId}};
}

SqlStatement selectEntriesInCategory(qint64 menuId, const QString &category)
{
    // A category that was never set (NULL) is the empty one: its entries show in the empty category's panel. Any
    // other category is looked up by the (MenuNo, Category) index alone, so a page of many panels is not quadratic.
    if (!category.isEmpty())
        return {QStringLiteral("SELECT * from tblDetails WHERE MenuNo=? AND Category=? ORDER BY rowid"),
                {menuId, category}};
    return {QStringLiteral("SELECT * from tblDetails WHERE MenuNo=? AND (Category='' OR Category IS NULL) "
                           "ORDER BY rowid"),
            {menuId}};
}


SqlStatement insertEntry(qint64 menuId, const QString &category, const QString &fileName, const QString &fileLink,
                         const QString &description, const QString &screenshot)
{
    return {QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot) "
                           "SELECT ?,?,?,?,?,?"),
            {menuId, category, fileName, fileLink, description, screenshot}};
}


SqlStatement selectEntryExactly(qint64 menuId, const QString &fileName)
{
    return {QStringLiteral("SELECT * from tblDetails WHERE MenuNo=? AND FileName=? COLLATE BINARY ORDER BY rowid"),
            {menuId, fileName}};
}

SqlStatement selectEntryTitlesLike(qint64 menuId, const QString &fileName)
{
    return {QStringLiteral("SELECT FileName from tblDetails WHERE MenuNo=? AND velmora_fold(FileName)=velmora_fold(?) "
                           "ORDER BY rowid"),
            {menuId, fileName}};
}

SqlStatement deleteEntryExactly(qint64 menuId, const QString &fileName)
{
    return {QStringLiteral("DELETE FROM tblDetails WHERE rowid=(SELECT rowid FROM tblDetails WHERE MenuNo=? AND "
                           "FileName=? COLLATE BINARY ORDER BY rowid LIMIT 1)"),
            {menuId, fileName}};
}

SqlStatement selectEntryRowExactly(qint64 menuId, const QString &fileName)
{
    return {QStringLiteral("SELECT rowid from tblDetails WHERE MenuNo=? AND FileName=? COLLATE BINARY ORDER BY rowid "
                           "LIMIT 1"),
            {menuId, fileName}};
}

SqlStatement updateEntry(qint64 rowId, const QString &category, const QString &fileName, const QString &fileLink,
                         const QString &description, const QString &screenshot)
{
    return {QStringLiteral("UPDATE tblDetails SET Category=?, FileName=?, FileLink=?, Description=?, Screenshot=? "
                           "WHERE rowid=?"),
            {category, fileName, fileLink, description, screenshot, rowId}};
}

SqlStatement selectEntryLinks(qint64 menuId)
{
    return {QStringLiteral("SELECT FileLink from tblDetails WHERE MenuNo=?"), {menuId}};
}

SqlStatement selectDescriptions(const QString &fileName)
{
    return {QStringLiteral("SELECT Description from tblDetails WHERE FileName=?"), {fileName}};
}

// instr compares exactly, whatever the column's collation: a part of a link matches only in its own letter case.
SqlStatement selectEntriesLinkingTo(const QString &file)
{
    return {QStringLiteral("SELECT FileName, FileLink, Description, instr(FileLink,?1) AS Expr1 from tblDetails "
                           "GROUP BY FileName, FileLink, Description HAVING instr(FileLink,?1)>0 "
                           "ORDER BY FileName, FileLink, Description"),
            {file}};
}

SqlStatement selectCategories(qint64 menuId)
{
    // NULL is the empty category: where the menu has both, the NULL group is left out, as its entries show in the
    // empty one's panel.
    return {QStringLiteral("SELECT MenuNo, Category from tblDetails WHERE NOT (Category IS NULL AND EXISTS (SELECT 1 "
                           "FROM tblDetails AS d WHERE d.MenuNo=tblDetails.MenuNo AND d.Category='')) "
                           "GROUP BY Category, MenuNo HAVING MenuNo=? ORDER BY Category, MenuNo"),
            {menuId}};
}

SqlStatement countEntries(qint64 menuId)
{
    return {QStringLiteral("SELECT COUNT(*) from tblDetails WHERE MenuNo=?"), {menuId}};
}

SqlStatement countCategories(qint64 menuId, int limit)
{
    const SqlStatement categories = selectCategories(menuId);
    return {QStringLiteral("SELECT COUNT(*) FROM (%1 LIMIT ?)").arg(categories.text),
            categories.values + QVariantList{limit}};
}

SqlStatement selectEntryTitles(qint64 menuId)
{
    return {QStringLiteral("SELECT FileName from tblDetails WHERE MenuNo=? ORDER BY rowid"), {menuId}};
}

SqlStatement createCategoryIndex()
{
    return {
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxDetailsMenuCategory ON tblDetails (MenuNo, Category)"), {}};
}

SqlStatement selectStyles()
{
    return {QStringLiteral("SELECT * from tblStyles"), {}};
}

SqlStatement selectStyle(qint64 styleId)
{
    return {QStringLiteral("SELECT * from tblStyles WHERE StyleID=?"), {styleId}};
}

SqlStatement insertStyle(const QStringList &values)
{
    QVariantList bound;
    for (const QString &value : values)
        bound.append(value);
    QStringList marks;
    for (int i = 0; i < styleColumns().size(); ++i)
        marks.append(QStringLiteral("?"));
    return {QStringLiteral("INSERT INTO tblStyles (%1) VALUES (%2)")
                .arg(styleColumns().join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
            bound};
}


SqlStatement updateStyle(qint64 styleId, const QStringList &values)
{
    QStringList sets;
    QVariantList bound;
    for (int i = 1; i < styleColumns().size(); ++i) {
        sets.append(styleColumns().at(i) + QStringLiteral("=?"));
        bound.append(values.at(i));
    }
    bound.append(styleId);
    return {QStringLiteral("UPDATE tblStyles SET %1 WHERE StyleID=?").arg(sets.join(QLatin1Char(','))), bound};
}

} // namespace Sql
