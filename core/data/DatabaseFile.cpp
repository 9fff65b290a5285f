#include "core/data/DatabaseFile.h"

#include "core/data/DataError.h"
#include "core/data/Sql.h"
#include "core/data/SqliteConnection.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

struct TableShape
{
    QString name;
    QStringList columns;
};

QList<TableShape> expectedTables()
{
    return {
        {QStringLiteral("tblMenus"),
         {QStringLiteral("MenuID"), QStringLiteral("Template"), QStringLiteral("Title"), QStringLiteral("StyleNo"),
          QStringLiteral("Root")}},
        {QStringLiteral("tblDetails"),
         {QStringLiteral("MenuNo"), QStringLiteral("Category"), QStringLiteral("FileName"),
          QStringLiteral("FileLink"), QStringLiteral("Description"), QStringLiteral("Screenshot")}},
        {QStringLiteral("tblStyles"), QStringList{QStringLiteral("StyleID")} + Sql::styleColumns()},
    };
}

QString schemaText()
{
    QStringList styleColumns;
    for (const QString &column : Sql::styleColumns())
        styleColumns.append(column + QStringLiteral(" TEXT COLLATE NOCASE"));
    return QStringLiteral(
               "CREATE TABLE tblMenus (MenuID INTEGER PRIMARY KEY AUTOINCREMENT, Template TEXT COLLATE NOCASE, "
               "Title TEXT COLLATE NOCASE, StyleNo INTEGER, Root TEXT COLLATE NOCASE);"
               "CREATE TABLE tblDetails (MenuNo INTEGER, Category TEXT COLLATE NOCASE, FileName TEXT COLLATE NOCASE, "
               "FileLink TEXT COLLATE NOCASE, Description TEXT COLLATE NOCASE, Screenshot TEXT COLLATE NOCASE);"
               "CREATE INDEX idxDetailsMenuNo ON tblDetails (MenuNo);"
               "CREATE INDEX idxDetailsMenuCategory ON tblDetails (MenuNo, Category);" // Extended pages, by category
               "CREATE TABLE tblStyles (StyleID INTEGER PRIMARY KEY AUTOINCREMENT, %1);")
        .arg(styleColumns.join(QStringLiteral(", ")));
}

void create(const QString &filePath)
{
    const QString shown = QDir::toNativeSeparators(filePath);
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        throw DataError(QStringLiteral("Cannot create the folder of %1.").arg(shown));
    try {
        SqliteConnection connection(filePath, SqliteConnection::Mode::Create);
        SqliteTransaction transaction(connection);
        connection.execute(schemaText());
        transaction.commit();
    } catch (const DataError &error) {
        QFile::remove(filePath); // only ever our own half-made file: it did not exist before
        throw DataError(QStringLiteral("Cannot create %1: %2").arg(shown, error.message()));
    }
}

void validate(const QString &filePath)
{
    const QString shown = QDir::toNativeSeparators(filePath);
    try {
        SqliteConnection connection(filePath);
        for (const TableShape &table : expectedTables()) {
            SqliteStatement info(connection, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table.name});
            QSet<QString> present;
            while (info.step())
                present.insert(info.value(0).toString().toLower());
            if (present.isEmpty())
                throw DataError(QStringLiteral("%1 is not a Velmora database: it has no table %2.").arg(shown, table.name));
            for (const QString &column : table.columns) {
                if (!present.contains(column.toLower()))
                    throw DataError(QStringLiteral("%1 is not a Velmora database: table %2 has no column %3.")
                                        .arg(shown, table.name, column));
            }
        }
    } catch (const DataError &error) {
        if (error.message().startsWith(shown))
            throw;
        throw DataError(QStringLiteral("%1 is not a Velmora database: %2").arg(shown, error.message()));
    }
}

} // namespace

namespace DatabaseFile {

void prepare(const QString &filePath)
{
    if (QFileInfo::exists(filePath))
        validate(filePath);
    else
        create(filePath);
}

} // namespace DatabaseFile
