#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <functional>
#include <optional>

class SqliteConnection;

// One row of tblMenus. id 0: not stored yet.
struct MenuRecord
{
    qint64 id = 0;
    QString templateName;
    QString title;
    qint64 styleNo = 0;
    QString root;
    QString language; // the page's language code; empty when the menu has none stored
};

// One row of tblDetails, without its menu.
struct EntryRecord
{
    QString category;
    QString fileName; // the entry's title
    QString fileLink;
    QString description;
    QString screenshot;
};

// A style as the style list shows it.
struct StyleListing
{
    qint64 id = 0;
    QString name;
};

// The menu database: the one place that reads and writes it. Every change runs in one transaction, checks that it
// changed the rows it meant to and otherwise changes nothing; failures are thrown as DataError naming the menu,
// entry or style. Each call opens a connection of its own, so other programs see every change at once.
class MenuStore : public QObject
{
    Q_OBJECT

public:
    explicit MenuStore(const QString &databasePath, QObject *parent = nullptr);

    QString databasePath() const { return m_databasePath; }

    // The message for a menu that vanished under the caller: `label` is how the caller knows it.
    static QString lostMenuText(const QString &label);

    // The menus a command can reach by their number. Rows of tblMenus that another tool wrote with a MenuID that is
    // not a positive whole number, or that repeats an earlier row's, are left out and counted.
    struct MenuList
    {
        QVector<MenuRecord> menus;
        int leftOut = 0;
    };
    MenuList menuList() const;
    QVector<MenuRecord> menus() const { return menuList().menus; }
    std::optional<MenuRecord> menu(qint64 menuId) const;
    // Whether a menu has this title, letter case aside in any script.
    bool titleTaken(const QString &title) const;
    // Stores a new menu (its id is set from the insert) or changes a stored one; a stored menu that no longer exists
    // throws the lost-menu text and stores nothing.
    void saveMenu(MenuRecord &menu);
    // Deletes the menu with its entries; false when there was no such menu.
    bool deleteMenu(qint64 menuId);

    QVector<EntryRecord> entries(qint64 menuId) const;
    // The first entry titled exactly fileName, letter case included.
    std::optional<EntryRecord> entry(qint64 menuId, const QString &fileName) const;
    // The titles equal to title when letter case is ignored, over all of Unicode.
    QStringList titlesLike(qint64 menuId, const QString &title) const;
    // Removes the entries titled as in `replacing` (one row each), then changes the entry titled `editing` to
    // `entry`, or adds `entry` when there is none. True when it was added. Raises entriesAdded then.
    bool saveEntry(const MenuRecord &menu, const QString &editing, const EntryRecord &entry,
                   const QStringList &replacing = {});
    void addEntry(const MenuRecord &menu, const EntryRecord &entry) { saveEntry(menu, QString(), entry); }
    // Removes one entry titled exactly fileName (letter case included).
    void removeEntry(const MenuRecord &menu, const QString &fileName);
    // Adds the entries whose link the menu does not hold yet, all or none, reading the stored links inside the
    // writing transaction so that two programs filling one menu store each file once. Returns how many were added.
    int addNewEntries(const MenuRecord &menu, const QVector<EntryRecord> &entries);

    // The descriptions of the entries of any menu with this title.
    QStringList descriptions(const QString &fileName) const;
    // The titles of the entries of any menu whose link contains `file` (letter case included), one per distinct
    // title, link and description, ordered by them.
    QStringList titlesLinkingTo(const QString &file) const;

    // The names of the eighteen style values, in the order style() and saveStyleAndMenu() use.
    static const QStringList &styleColumns();
    QVector<StyleListing> styles() const;
    // The eighteen values of a style, in the order of Sql::styleColumns() (a null value stays null).
    std::optional<QVariantList> style(qint64 styleId) const;
    // Stores the style (new when styleId is 0: the id comes from the insert) and the menu that uses it, in one
    // transaction: a failure at any step leaves the database as it was. `values`: the eighteen style columns (a
    // stored style keeps its name); none: the style is left as stored and only the menu is written. Sets styleId
    // and menu.id/styleNo only once everything is stored.
    void saveStyleAndMenu(qint64 &styleId, const std::optional<QStringList> &values, MenuRecord &menu);

signals:
    void entriesAdded();

private:
    SqliteConnection open() const;
    static QString menuLabel(const MenuRecord &menu);
    // What a change was storing, for the message when the engine refuses it.
    static QString menuWhat(const MenuRecord &menu);
    static QString entryWhat(const MenuRecord &menu, const QString &fileName);
    static QString styleWhat(const QString &name);
    static void requireMenu(SqliteConnection &connection, const MenuRecord &menu);
    static void writeMenu(SqliteConnection &connection, MenuRecord &menu);

    QString m_databasePath;
};
