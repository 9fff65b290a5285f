#include "core/about/SystemInfo.h"
#include "core/model/MakerAddress.h"
#include "core/about/VersionInfo.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

class FixedLookup : public SystemInfoLookup
{
public:
    explicit FixedLookup(QString path) : m_path(std::move(path)) {}
    QString programPath() const override { return m_path; }

private:
    QString m_path;
};

} // namespace

class TestSystemInfo : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("VELMORA_SYSINFO"); }
    void startsTheProgramFound();
    void reportsWhenNothingCanStart_data();
    void reportsWhenNothingCanStart();
    void lookupHonoursTheConfiguredProgram();
    void versionLine();
};

void TestSystemInfo::startsTheProgramFound()
{
    QStringList started;
    FixedLookup lookup(QStringLiteral("/usr/bin/sysinfo-tool"));
    SystemInfoLauncher launcher(lookup, [&](const QString &program) {
        started.append(program);
        return true;
    });
    QVERIFY(launcher.StartSysInfo());
    QCOMPARE(started, QStringList{QStringLiteral("/usr/bin/sysinfo-tool")});
}

void TestSystemInfo::reportsWhenNothingCanStart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("useRealStarter");
    QTest::newRow("no program on this machine") << QString() << false;
    QTest::newRow("configured program is gone") << QStringLiteral("/nonexistent/msinfo") << true;
}

void TestSystemInfo::reportsWhenNothingCanStart()
{
    QFETCH(QString, path);
    QFETCH(bool, useRealStarter);
    int calls = 0;
    FixedLookup lookup(path);
    SystemInfoLauncher::Starter starter = SystemInfoLauncher::detachedStarter();
    if (!useRealStarter) {
        starter = [&](const QString &) {
            ++calls;
            return true;
        };
    }
    const StepResult started = SystemInfoLauncher(lookup, starter).StartSysInfo();
    QVERIFY(!started);
    QCOMPARE(calls, 0);
    QCOMPARE(started.error, QStringLiteral("System Information Is Unavailable At This Time"));
}

void TestSystemInfo::lookupHonoursTheConfiguredProgram()
{
    QTemporaryDir folder;
    const QString tool = folder.filePath(QStringLiteral("my-sysinfo"));
    QFile file(tool);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);

    qputenv("VELMORA_SYSINFO", tool.toUtf8());
    QCOMPARE(SystemInfoLookup().programPath(), tool);

    // A bare name is looked up on the PATH; one that is nowhere gives nothing to start.
    qputenv("VELMORA_SYSINFO", "velmora-no-such-sysinfo-program");
    QCOMPARE(SystemInfoLookup().programPath(), QString());
}

void TestSystemInfo::versionLine()
{
    QCOMPARE(QStringLiteral("Version %1.%2.%3")
                 .arg(VersionInfo::major())
                 .arg(VersionInfo::minor())
                 .arg(VersionInfo::revision()),
             QStringLiteral("Version 2.0.0"));
    QCOMPARE(VersionInfo::productName(), QStringLiteral("Velmora Wizard"));
    // The maker's host where the build names its address, the product's name otherwise.
    QCOMPARE(VersionInfo::companyName(),
             MakerAddress::url().isEmpty() ? QStringLiteral("Velmora") : QUrl(MakerAddress::url()).host());
}

QTEST_GUILESS_MAIN(TestSystemInfo)
#include "tst_systeminfo.moc"
