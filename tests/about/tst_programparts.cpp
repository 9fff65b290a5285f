#include "core/platform/ProgramParts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The program's parts in a build tree (beside the executable) and in an installed prefix (relative to bin/).
class TestProgramParts : public QObject
{
    Q_OBJECT

private slots:
    void findsTheAutorunFiles_data();
    void findsTheAutorunFiles();
    void looksForThePluginBesideThenInstalled();
};

namespace {

void touch(const QString &folder, const QStringList &names)
{
    QVERIFY(QDir().mkpath(folder));
    for (const QString &name : names) {
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

} // namespace

void TestProgramParts::findsTheAutorunFiles_data()
{
    QTest::addColumn<QStringList>("beside");    // autorun files beside the executable
    QTest::addColumn<QStringList>("installed"); // autorun files in the installed data folder
    QTest::addColumn<QString>("found");         // "bin", "data" or "" (none)
    QTest::addColumn<bool>("portable");
    QTest::addColumn<QString>("missing"); // how the message begins when none is found

    const QStringList both{"AUTORUN.INF", "Start.exe"};
    const QString neither = "The autorun files AUTORUN.INF and Start.exe were not found";
    QTest::newRow("build tree") << both << QStringList() << "bin" << true << "";
    QTest::newRow("installed") << QStringList() << both << "data" << false << "";
    QTest::newRow("both: the program folder wins") << both << both << "bin" << true << "";
    QTest::newRow("half beside, whole installed") << QStringList{"AUTORUN.INF"} << both << "data" << false << "";
    QTest::newRow("half in each") << QStringList{"AUTORUN.INF"} << QStringList{"Start.exe"} << "" << false << neither;
    QTest::newRow("none") << QStringList() << QStringList() << "" << false << neither;
    QTest::newRow("built without the cross compiler")
        << QStringList{"AUTORUN.INF"} << QStringList{"AUTORUN.INF"} << "" << false
        << "The autorun file Start.exe was not found, so the disc would not open its menu by itself. Start.exe is "
           "made when Velmora is built with the mingw-w64 cross compiler.";
}

void TestProgramParts::findsTheAutorunFiles()
{
    QFETCH(QStringList, beside);
    QFETCH(QStringList, installed);
    QFETCH(QString, found);
    QFETCH(bool, portable);
    QFETCH(QString, missing);

    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString data = QDir::cleanPath(bin + QStringLiteral("/" VELMORA_DATA_FROM_BIN));
    QVERIFY(data.startsWith(prefix.path() + QLatin1Char('/')));
    touch(bin, beside);
    touch(data, installed);

    const ProgramParts parts(bin);
    QCOMPARE(parts.autorunFolders(), (QStringList{bin, data}));
    QCOMPARE(parts.autorunFolder(), found == QLatin1String("bin") ? bin : found == QLatin1String("data") ? data : "");
    QCOMPARE(parts.portableFolder(), portable ? bin : QString());
    if (found.isEmpty()) {
        const QString message = parts.autorunMissingMessage();
        QVERIFY2(message.startsWith(missing), qPrintable(message));
        QVERIFY2(message.endsWith(QStringLiteral(" Looked in: %1, %2.")
                                      .arg(QDir::toNativeSeparators(bin), QDir::toNativeSeparators(data))),
                 qPrintable(message));
    }
}

void TestProgramParts::looksForThePluginBesideThenInstalled()
{
    const ProgramParts parts(QStringLiteral("/opt/velmora/bin/"));
    QCOMPARE(parts.pluginFolders(),
             (QStringList{QStringLiteral("/opt/velmora/bin"),
                          QDir::cleanPath(QStringLiteral("/opt/velmora/bin/" VELMORA_PLUGIN_FROM_BIN))}));
    QVERIFY(parts.pluginFolders().last().startsWith(QLatin1String("/opt/velmora/")));
}

QTEST_GUILESS_MAIN(TestProgramParts)
#include "tst_programparts.moc"
