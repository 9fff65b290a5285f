#include "core/data/DataHome.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The folder of a user's data as each system has it: the XDG data folder, or the roaming application data on Windows.
QString userData()
{
    if (QSysInfo::productType() == QLatin1String("windows"))
        return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/Velmora");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Velmora");
}

} // namespace

class TestDataHome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void choosesTheFirstGivenFolder();
    void fallsBackWhenProgramFolderIsReadOnly();
    void namesItsFiles();
};

void TestDataHome::choosesTheFirstGivenFolder()
{
    QTemporaryDir program, option, environment;
    const QString optionHome = option.filePath(QStringLiteral("new/home"));
    QCOMPARE(DataHome::resolve(program.path(), optionHome, environment.path()).value, optionHome);
    QVERIFY(QFileInfo(optionHome).isDir());
    QCOMPARE(DataHome::resolve(program.path(), QString(), environment.path()).value, environment.path());
    QCOMPARE(DataHome::resolve(program.path(), QString(), QString()).value, program.path());
    QCOMPARE(DataHome::resolve(program.path(), program.path() + QStringLiteral("/sub/../"), QString()).value,
             program.path());
}

void TestDataHome::fallsBackWhenProgramFolderIsReadOnly()
{
    // An installed program gives no program folder: its data lives in the user's data folder.
    QCOMPARE(DataHome::resolve(QString(), QString(), QString()).value, userData());
    if (QFileInfo(QStringLiteral("/proc")).isWritable())
        QSKIP("running with rights that make every folder writable");
    const QString home = DataHome::resolve(QStringLiteral("/proc"), QString(), QString()).value;
    QVERIFY(home.endsWith(QLatin1String("/Velmora")));
    QCOMPARE(home, userData());
}

void TestDataHome::namesItsFiles()
{
    QCOMPARE(DataHome::databasePath(QStringLiteral("/x")), QStringLiteral("/x/Velmora.dat"));
    QCOMPARE(DataHome::styleLibrary(QStringLiteral("/x")), QStringLiteral("/x/Styles"));
}

QTEST_GUILESS_MAIN(TestDataHome)
#include "tst_datahome.moc"
