// Measures what opening a connection per operation costs against one shared connection, for the reads the wizard
// makes on a click (a menu, a style, a list of entries), on a database of realistic size.
#include "core/data/DatabaseFile.h"
#include "core/data/SqliteConnection.h"
#include "tests/common/clsData.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

int main()
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(path);
    clsData data(path);
    {
        SqliteConnection connection(path);
        SqliteTransaction transaction(connection);
        for (int menu = 1; menu <= 200; ++menu) {
            SqliteStatement(connection, QStringLiteral("INSERT INTO tblMenus (Template, Title, StyleNo, Root) "
                                                       "VALUES ('Standard', ?, 1, '/cd')"),
                            {QStringLiteral("Menu %1").arg(menu)})
                .step();
            for (int entry = 0; entry < 50; ++entry) {
                SqliteStatement(connection, QStringLiteral("INSERT INTO tblDetails VALUES (?, 'none', ?, 'f.exe', "
                                                           "'A description of some length', 'none')"),
                                {menu, QStringLiteral("Entry %1").arg(entry)})
                    .step();
            }
        }
        transaction.commit();
    }

    const int rounds = 2000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        data.GetRS(Sql::selectEntries(1 + i % 200)).close();
    const double perOperation = double(timer.nsecsElapsed()) / rounds / 1000.0;

    SqliteConnection shared(path);
    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        SqliteStatement query(shared, Sql::selectEntries(1 + i % 200).text, {1 + i % 200});
        while (query.step()) {
            for (int c = 0; c < query.columnCount(); ++c)
                query.value(c);
        }
    }
    const double sharedConnection = double(timer.nsecsElapsed()) / rounds / 1000.0;

    QTextStream(stdout) << "Reading 50 entries, " << rounds << " times (200 menus, 10,000 entries stored):\n"
                        << "  own connection per operation: " << perOperation << " us per read\n"
                        << "  one shared connection:        " << sharedConnection << " us per read\n";
    return 0;
}
