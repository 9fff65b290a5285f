#include "core/data/DatabaseFile.h"
#include "tests/common/clsData.h"
#include "core/model/MenuSnapshot.h"
#include "tests/disc/DiscFiles.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

// velmora iso stopped by a signal at random moments: xorriso never outlives it, and no partial image outlives the
// next iso.
class TestIsoTorture : public QObject
{
    Q_OBJECT

private slots:
    void stoppedImagesLeaveNothing_data();
    void stoppedImagesLeaveNothing();

private:
    // The xorriso processes that write into folder.
    static QList<qint64> xorrisoWritingInto(const QString &folder);
};

QList<qint64> TestIsoTorture::xorrisoWritingInto(const QString &folder)
{
    QList<qint64> found;
    for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray arguments = cmdline.readAll();
        const QByteArray program = arguments.left(arguments.indexOf('\0'));
        if (program.endsWith("xorriso") && arguments.contains(QFile::encodeName(folder)))
            found.append(pid.toLongLong());
    }
    return found;
}

void TestIsoTorture::stoppedImagesLeaveNothing_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestIsoTorture::stoppedImagesLeaveNothing()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString home = dir.filePath("home");
    const QString out = dir.filePath("out");
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(out) && QDir().mkpath(dir.filePath("cd")));
    DatabaseFile::prepare(home + "/Velmora.dat");
    {
        clsData data(home + "/Velmora.dat");
        data.ExecuteSQL(Sql::insertStyle(StyleFields::standard().values()));
        data.ExecuteSQL(Sql::insertMenu(MenuTemplate::standard(), "Torture", 1, dir.filePath("cd")));
    }
    // A sparse file: xorriso takes a second or so over it, without the space on this disk.
    QFile big(dir.filePath("cd/big.img"));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(600) << 20));
    big.close();
    DiscFiles::writeFile(dir.filePath("cd/a.txt"), "a");
    const QStringList iso = {"iso", "1", "-o", out + "/disc.iso", "--home", home};

    int midImage = 0; // rounds whose signal came while xorriso was writing
    for (int round = 0; round < 10; ++round) {
        QProcess velmora;
        velmora.start(VELMORA_BIN, iso);
        QVERIFY(velmora.waitForStarted());
        QTest::qSleep(int(QRandomGenerator::global()->bounded(1200)));
        midImage += xorrisoWritingInto(out).isEmpty() ? 0 : 1;
        ::kill(pid_t(velmora.processId()), signal);
        QVERIFY(velmora.waitForFinished(10000));

        QElapsedTimer waited;
        waited.start();
        while (!xorrisoWritingInto(out).isEmpty() && waited.elapsed() < 2000)
            QTest::qSleep(50);
        QVERIFY2(xorrisoWritingInto(out).isEmpty(), qPrintable(QStringLiteral("round %1").arg(round)));
        const QStringList left = QDir(out).entryList({".velmora-tmp-*"}, QDir::Files | QDir::Hidden);
        if (!left.isEmpty())
            qInfo("round %d: %s left until the next image", round, qPrintable(left.join(' ')));
    }

    // Random moments that all fell before or after xorriso would prove nothing.
    QVERIFY2(midImage >= 3, qPrintable(QStringLiteral("only %1 of 10 signals came mid-image").arg(midImage)));
    qInfo("%d of 10 signals came mid-image", midImage);

    QProcess velmora;
    velmora.start(VELMORA_BIN, iso);
    QVERIFY(velmora.waitForFinished(120000));
    QCOMPARE(velmora.exitCode(), 0);
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"disc.iso"});
}

QTEST_GUILESS_MAIN(TestIsoTorture)
#include "tst_isotorture.moc"
