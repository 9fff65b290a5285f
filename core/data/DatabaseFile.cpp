#include "core/data/DatabaseFile.h"

#include "core/platform/PathKind.h"

#include "core/data/DataError.h"
#include "core/data/Sql.h"
#include "core/data/SqliteConnection.h"
#include "core/platform/FileOps.h"
#include "core/platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <sqlite3.h>

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
         {QStringLiteral("MenuNo"), QStringLiteral("Category"), QStringLiteral("FileName"), QStringLiteral("FileLink"),
          QStringLiteral("Description"), QStringLiteral("Screenshot")}},
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
               "Title TEXT COLLATE NOCASE, StyleNo INTEGER, Root TEXT COLLATE NOCASE, Language TEXT COLLATE NOCASE);"
               "CREATE TABLE tblDetails (MenuNo INTEGER, Category TEXT COLLATE NOCASE, FileName TEXT COLLATE NOCASE, "
               "FileLink TEXT COLLATE NOCASE, Description TEXT COLLATE NOCASE, Screenshot TEXT COLLATE NOCASE);"
               "CREATE INDEX idxDetailsMenuNo ON tblDetails (MenuNo);"
               "CREATE INDEX idxDetailsMenuCategory ON tblDetails (MenuNo, Category);" // Extended pages, by category
               "CREATE TABLE tblStyles (StyleID INTEGER PRIMARY KEY AUTOINCREMENT, %1);")
        .arg(styleColumns.join(QStringLiteral(", ")));
}

void removeTemporary(const QString &temporary)
{
    QFile::remove(temporary);
    QFile::remove(temporary + QStringLiteral("-journal"));
}

void validate(const QString &filePath);

// Gives an empty database the schema. The exclusive transaction waits until no other connection holds the file;
// the count is taken again inside it, as another start may have filled it meanwhile.
void giveSchema(SqliteConnection &connection)
{
    SqliteTransaction transaction(connection, SqliteTransaction::Mode::Exclusive);
    {
        SqliteStatement count(connection, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        count.step();
        if (count.value(0).toLongLong() != 0)
            return;
    }
    connection.execute(schemaText());
    transaction.commit();
}

// Makes the database complete under a temporary name and then puts it under its own name, never over a file that
// another start put there meanwhile: that one is used instead. A start that is stopped half-way leaves at most the
// temporary file, never a Velmora.dat without tables.
void create(const QString &filePath)
{
    const QString shown = QDir::toNativeSeparators(filePath);
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        throw DataError(QCoreApplication::translate("Database", "Cannot create the folder of %1.").arg(shown));
    // What starts that were stopped half-way left is removed first.
    const QString folder = QFileInfo(filePath).absolutePath();
    TemporaryFiles::removeStale(folder);
    const QString temporary = TemporaryFiles::nameFor(folder, QFileInfo(filePath).fileName());
    try {
        SqliteConnection connection(temporary, SqliteConnection::Mode::Create);
        SqliteTransaction transaction(connection);
        connection.execute(schemaText());
        transaction.commit();
    } catch (const DataError &error) {
        removeTemporary(temporary); // only ever our own file
        throw DataError(QCoreApplication::translate("Database", "Cannot create %1: %2").arg(shown, error.message()),
                        error.code());
    }
    // The name is taken only where it is free, in one step with the check.
    const FileOps::Result named = FileOps::nameWithoutReplacing(temporary, filePath);
    removeTemporary(temporary);
    if (named.ok && named.value == FileOps::Outcome::NameTaken) {
        validate(filePath);
        return;
    }
    if (!named.ok)
        throw DataError(QCoreApplication::translate("Database", "Cannot create %1: %2").arg(shown, named.error));
}

// A database from before menus had a language, or made by another tool, gains the column in one transaction and
// keeps every row as it was; one that cannot be written is read without it (its pages speak English).
void addLanguageColumn(SqliteConnection &connection)
{
    try {
        SqliteTransaction transaction(connection);
        // Another start may have added it meanwhile.
        SqliteStatement info(connection, QStringLiteral("SELECT name FROM pragma_table_info('tblMenus')"));
        bool present = false;
        while (info.step())
            present = present || info.value(0).toString().compare(Sql::menuLanguageColumn(), Qt::CaseInsensitive) == 0;
        if (!present)
            connection.execute(Sql::addMenuLanguageColumn().text);
        transaction.commit();
    } catch (const DataError &error) {
        if (error.code() != SQLITE_READONLY)
            throw;
    }
}

void validate(const QString &filePath)
{
    const QString shown = QDir::toNativeSeparators(filePath);
    try {
        SqliteConnection connection(filePath);
        SqliteStatement count(connection, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        count.step();
        // An empty file, or a database with nothing in it, is what a first start that was stopped leaves behind.
        if (count.value(0).toLongLong() == 0)
            giveSchema(connection);
        bool hasLanguage = true;
        for (const TableShape &table : expectedTables()) {
            SqliteStatement info(connection, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table.name});
            QSet<QString> present;
            while (info.step())
                present.insert(info.value(0).toString().toLower());
            if (present.isEmpty())
                throw DataError(
                    QCoreApplication::translate("Database", "%1 is not a Velmora database: it has no table %2.")
                        .arg(shown, table.name));
            for (const QString &column : table.columns) {
                if (!present.contains(column.toLower()))
                    throw DataError(QCoreApplication::translate(
                                        "Database", "%1 is not a Velmora database: table %2 has no column %3.")
                                        .arg(shown, table.name, column));
            }
            if (table.name == QLatin1String("tblMenus"))
                hasLanguage = present.contains(Sql::menuLanguageColumn().toLower());
        }
        // Only a database that holds everything else is given the column: a foreign one stays untouched.
        if (!hasLanguage)
            addLanguageColumn(connection);
    } catch (const DataError &error) {
        if (error.code() == SQLITE_NOTADB)
            throw DataError(
                QCoreApplication::translate("Database", "%1 is not a Velmora database: it is not a database file.")
                    .arg(shown),
                error.code());
        if (error.message().contains(shown))
            throw;
        throw DataError(QCoreApplication::translate("Database", "Cannot read %1: %2").arg(shown, error.message()),
                        error.code());
    }
}

} // namespace

namespace DatabaseFile {

void prepare(const QString &filePath)
{
    const QFileInfo info(filePath);
    const QString shown = QDir::toNativeSeparators(filePath);
    if (info.isDir())
        throw DataError(QCoreApplication::translate("Database", "%1 is a folder, not a database.").arg(shown));
    if (info.isSymLink() && !info.exists())
        throw DataError(
            pathKind(filePath) == PathKind::LinkLoop
                ? QCoreApplication::translate("Database", "%1 is a link loop: it leads back to itself.").arg(shown)
                : QCoreApplication::translate("Database", "%1 is a link to a file that does not exist.").arg(shown));
    if (info.exists())
        validate(filePath);
    else
        create(filePath);
}

} // namespace DatabaseFile
