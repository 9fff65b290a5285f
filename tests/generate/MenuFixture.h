#pragma once

#include "core/data/DatabaseFile.h"
#include "core/data/SqliteConnection.h"
#include "core/data/MenuStore.h"
#include "tests/common/clsData.h"
#include "core/data/MenuReader.h"
#include "core/model/MenuSnapshot.h"
#include "core/generate/PageWriter.h"
#include "core/model/PathMapping.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// A fresh data home, CD root and program folder for one test, with a menu database to fill.
class MenuFixture
{
public:
    MenuFixture()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("home"));
        QDir(m_dir.path()).mkpath(QStringLiteral("cd"));
        QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
        DatabaseFile::prepare(databasePath());
        m_data = std::make_unique<clsData>(databasePath());
        m_store = std::make_unique<MenuStore>(databasePath());
        writeFile(programFolder() + QStringLiteral("/AUTORUN.INF"), "[autorun]\r\nopen=Start.exe\r\n");
        writeFile(programFolder() + QStringLiteral("/Start.exe"), QByteArray("MZ\x90\0starter", 11));
    }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    // The page the snapshot gives for this menu; nothing, with the reason in error, when it is refused.
    std::optional<QByteArray> page(const MenuSnapshot &snapshot, QString *error = nullptr)
    {
        MenuReader reader(store());
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const StepResult written = PageWriter(snapshot, reader).write(buffer);
        if (!written && error)
            *error = written.error;
        return written ? std::optional<QByteArray>(bytes) : std::nullopt;
    }
    QString databasePath() const { return path(QStringLiteral("home/Velmora.dat")); }
    QString cdFolder() const { return path(QStringLiteral("cd")); }
    QString programFolder() const { return path(QStringLiteral("bin")); }
    clsData &data() { return *m_data; }
    MenuStore &store() { return *m_store; }

    // screenshot: a null QVariant stores Null.
    void addEntry(qint64 menu, const QString &category, const QString &fileName, const QString &link,
                  const QString &description, const QVariant &screenshot)
    {
        m_data->ExecuteSQL({QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,"
                                           "Screenshot) VALUES (?,?,?,?,?,?)"),
                            {menu, category, fileName, link, description, screenshot}});
    }

    // Many entries in one transaction: category, title and link each, no description or screenshot.
    void addEntries(qint64 menu, const QList<QStringList> &entries)
    {
        SqliteConnection connection(databasePath());
        SqliteTransaction transaction(connection);
        for (const QStringList &entry : entries) {
            SqliteStatement insert(connection,
                                   QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink) "
                                                  "VALUES (?,?,?,?)"),
                                   {menu, entry.value(0), entry.value(1), entry.value(2)});
            insert.step();
        }
        transaction.commit();
    }

    MenuSnapshot snapshot(const QString &templateName, qint64 menu = 1) const
    {
        MenuSnapshot snapshot;
        snapshot.title = QStringLiteral("My CD");
        snapshot.templateName = templateName;
        snapshot.style = StyleFields::standard();
        snapshot.style.styleName = QStringLiteral("Ocean");
        snapshot.rootPath = PathMapping::rootPathFor(cdFolder());
        snapshot.currentMenuID = menu;
        snapshot.programFolder = programFolder();
        return snapshot;
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        file.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    // The page's lines without their CR LF; empty when a line lacks it.
    static QList<QByteArray> lines(const QByteArray &page)
    {
        QList<QByteArray> result = page.split('\n');
        if (result.isEmpty() || !result.takeLast().isEmpty())
            return {};
        for (QByteArray &line : result) {
            if (!line.endsWith('\r'))
                return {};
            line.chop(1);
        }
        return result;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<clsData> m_data;
    std::unique_ptr<MenuStore> m_store;
};
