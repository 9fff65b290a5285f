#include "core/disc/DiscBurn.h"
#include "core/disc/IsoImage.h"
#include "tests/disc/DiscFiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

// Burning onto pseudo-drives: regular files that the real xorriso writes as it would a disc.
// The verdict column of a refused medium.
constexpr int refused = -1;

class TestDiscBurn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void progressLines_data();
    void progressLines();
    void media_data();
    void media();
    void drivesListed();
    void burnReadsBackIdentical();
    void simulationWritesNothing();
    void changedDiscFailsTheCheck();
    void tooSmallMediumRefused();
    void cancelStopsXorriso();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    BurnOptions pseudoDrive(const QString &file) const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDiscBurn::initTestCase()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
}

void TestDiscBurn::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const char *file : {"Index.htm", "Setup.exe", "Docs/read me.txt", "Menu/Styles.css"})
        DiscFiles::writeFile(path("cd/") + file, QByteArray("content of ") + file);
}

BurnOptions TestDiscBurn::pseudoDrive(const QString &file) const
{
    BurnOptions options;
    options.device = "stdio:" + path(file);
    return options;
}

void TestDiscBurn::progressLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("phase");
    QTest::newRow("writing, speed not yet told")
        << "xorriso : UPDATE : Writing:       7023s    4.7%   fifo   0%  buf  50%" << 4 << "" << 1;
    QTest::newRow("writing with speed")
        << "xorriso : UPDATE : Writing:      64015s   43.2%   fifo  11%  buf  50%   81.4xD " << 43 << "81.4xD" << 1;
    QTest::newRow("CD speed") << "xorriso : UPDATE : Writing:  100s  99.9%  fifo 95%  buf 99%  16.0xC" << 99 << "16.0xC"
                              << 1;
    QTest::newRow("image pacifier") << "xorriso : UPDATE :  31.01% done" << 31 << "" << 1;
    QTest::newRow("blanking") << "xorriso : UPDATE : Blanking  ( 12.5% done in 5 seconds )" << 12 << "" << 0;
    QTest::newRow("not progress") << "xorriso : UPDATE :       3 files added in 1 seconds" << -1 << "" << 1;
    QTest::newRow("fifo alone is no percentage") << "fifo 100%" << -1 << "" << 1;
}

void TestDiscBurn::progressLines()
{
    QFETCH(QString, line);
    QFETCH(int, percent);
    QFETCH(QString, speed);
    QFETCH(int, phase);
    const std::optional<BurnProgress> told = BurnProgress::parse(line);
    QCOMPARE(told.has_value(), percent >= 0);
    if (!told)
        return;
    QCOMPARE(told->percent, percent);
    QCOMPARE(told->speed, speed);
    QCOMPARE(int(told->phase), phase);
}

void TestDiscBurn::media_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<qint64>("imageSectors");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("reason");
    const QString blankDvd = "Media current: DVD+R\nMedia status : is blank\n"
                             "Media summary: 0 sessions, 0 data blocks, 0 data, 4489m free\nMedia space  : 2295104s\n";
    QTest::newRow("blank DVD+R") << blankDvd << qint64(1000) << int(OpticalMedium::Verdict::Burn) << "";
    QTest::newRow("blank DVD+R too small") << blankDvd << qint64(3000000) << refused
                                           << "The menu needs 6144.0 MB, but the DVD+R in the drive has only 4700.4 "
                                              "MB free.";
    QTest::newRow("closed CD-R") << "Media current: CD-R\nMedia status : is written , is closed\n"
                                    "Media summary: 1 session, 300000 data blocks, 585m data, 0 free\n"
                                    "Media space  : 0s\n"
                                 << qint64(10) << refused
                                 << "The CD-R in the drive is closed: nothing more can be written on it.";
    QTest::newRow("appendable CD-R takes a session")
        << "Media current: CD-R\nMedia status : is written , is appendable\n"
           "Media summary: 1 session, 1000 data blocks, 2000k data, 600m free\nMedia space  : 300000s\n"
        << qint64(1000) << int(OpticalMedium::Verdict::Burn) << "";
    QTest::newRow("CD-RW with data is blanked first")
        << "Media current: CD-RW\nMedia status : is written , is closed\n"
           "Media blocks : 1000 readable , 0 writable , 359844 overall\n"
           "Media summary: 1 session, 1000 data blocks, 2000k data, 0 free\nMedia space  : 0s\n"
        << qint64(1000) << int(OpticalMedium::Verdict::BlankFirst)
        << "The CD-RW in the drive holds 2.0 MB of data. Burning the menu erases all of it. Erase the disc and burn?";
    QTest::newRow("no disc") << "Media current: is not present\n"
                             << qint64(1) << refused << "There is no disc in the drive.";
    QTest::newRow("pressed disc") << "Media current: DVD-ROM\nMedia status : is written , is closed\n"
                                  << qint64(1) << refused << "The disc in the drive (DVD-ROM) cannot be written.";
}

void TestDiscBurn::media()
{
    QFETCH(QString, output);
    QFETCH(qint64, imageSectors);
    QFETCH(int, verdict);
    QFETCH(QString, reason);
    const OpticalMedium medium = OpticalMedium::parse(output);
    const StepValue<OpticalMedium::Verdict> told = medium.verdictFor(imageSectors);
    QCOMPARE(told.ok ? int(told.value) : refused, verdict);
    if (!told)
        QCOMPARE(told.error, reason);
    else
        QCOMPARE(told.value == OpticalMedium::Verdict::BlankFirst ? medium.erasingQuestion() : QString(), reason);
}

void TestDiscBurn::drivesListed()
{
    const QString listed = "Beginning to scan for devices ...\n"
                           "Full drive scan done.\n"
                           "0  -dev '/dev/sr0' rwrw-- :  'HL-DT-ST' 'DVDRAM GH24NSD1'\n"
                           "1  -dev '/dev/sr1' rwrw-- :  'ASUS    ' 'BW-16D1HT'\n";
    const QList<OpticalDrive> drives = OpticalDrive::parseList(listed);
    QCOMPARE(drives.size(), 2);
    QCOMPARE(drives[0].device, QStringLiteral("/dev/sr0"));
    QCOMPARE(drives[0].name, QStringLiteral("HL-DT-ST DVDRAM GH24NSD1"));
    QCOMPARE(drives[1].name, QStringLiteral("ASUS BW-16D1HT"));
    QVERIFY(OpticalDrive::parseList("xorriso : SORRY : No drives found\n").isEmpty());
}

void TestDiscBurn::burnReadsBackIdentical()
{
    // An empty file is a blank disc; one written before holds data and is blanked only when asked.
    DiscFiles::writeFile(path("disc.iso"), {});
    StepValue<OpticalMedium> medium = DiscBurn::medium("stdio:" + path("disc.iso"));
    QVERIFY2(medium, qPrintable(medium.error));
    QCOMPARE(medium.value.state, OpticalMedium::State::Blank);

    DiscBurn burn;
    QList<BurnProgress> seen;
    connect(&burn, &DiscBurn::progress, this, [&seen](const BurnProgress &progress) { seen.append(progress); });
    const StepResult burned = burn.run(path("cd"), "My Menu", pseudoDrive("disc.iso"));
    QVERIFY2(burned, qPrintable(burned.error));
    QVERIFY(burn.wasVerified());
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.last().phase, BurnProgress::Phase::Verifying);
    QCOMPARE(DiscFiles::imageFiles(path("disc.iso")), DiscFiles::folderFiles(path("cd")));
    QCOMPARE(DiscFiles::volumeId(path("disc.iso")), QStringLiteral("MY_MENU"));
    // Every file reads back byte for byte, as the image holds it.
    const QString extracted = path("back");
    DiscFiles::xorriso({"-osirrox", "on", "-indev", path("disc.iso"), "-extract", "/", extracted});
    for (const QString &file : DiscFiles::folderFiles(path("cd")).keys()) {
        QFile a(path("cd/") + file), b(extracted + "/" + file);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
    }

    medium = DiscBurn::medium("stdio:" + path("disc.iso"));
    QVERIFY(medium);
    QCOMPARE(medium.value.state, OpticalMedium::State::Appendable);
    QCOMPARE(medium.value.verdictFor(100).value, OpticalMedium::Verdict::BlankFirst);
}

void TestDiscBurn::simulationWritesNothing()
{
    DiscFiles::writeFile(path("disc.iso"), {});
    BurnOptions options = pseudoDrive("disc.iso");
    options.simulate = true;
    DiscBurn burn;
    const StepResult burned = burn.run(path("cd"), "My Menu", options);
    QVERIFY2(burned, qPrintable(burned.error));
    QVERIFY(!burn.wasVerified());
    QCOMPARE(QFileInfo(path("disc.iso")).size(), 0);
}

void TestDiscBurn::changedDiscFailsTheCheck()
{
    DiscFiles::writeFile(path("disc.iso"), {});
    DiscBurn burn;
    // Between the burn and the check, one file's bytes on the disc change.
    connect(&burn, &DiscBurn::progress, this, [this](const BurnProgress &progress) {
        if (progress.phase != BurnProgress::Phase::Verifying)
            return;
        QFile disc(path("disc.iso"));
        QVERIFY(disc.open(QIODevice::ReadWrite));
        QByteArray bytes = disc.readAll();
        const qsizetype at = bytes.indexOf("content of Setup.exe");
        QVERIFY(at > 0);
        bytes[at] = 'C';
        disc.seek(0);
        disc.write(bytes);
    });
    const StepResult burned = burn.run(path("cd"), "My Menu", pseudoDrive("disc.iso"));
    QVERIFY(!burned);
    QVERIFY(!burn.wasVerified());
    QCOMPARE(burn.differingFile(), QStringLiteral("/Setup.exe"));
    QCOMPARE(burned.error, QStringLiteral("The disc does not match what was written: /Setup.exe differs."));
}

void TestDiscBurn::tooSmallMediumRefused()
{
#ifdef Q_OS_LINUX
    // A pseudo-drive has the room of the file system it lies on: a small one is a small disc.
    const QString small = path("small");
    QVERIFY(QDir().mkpath(small));
    if (::geteuid() != 0 || ::mount("tmpfs", small.toLocal8Bit().constData(), "tmpfs", 0, "size=1m") != 0)
        QSKIP("a small file system cannot be mounted here");
    DiscFiles::writeFile(path("cd/big.bin"), QByteArray(2 << 20, 'x'));
    const StepValue<OpticalMedium> medium = DiscBurn::medium("stdio:" + small + "/disc.iso");
    const StepValue<qint64> sectors = IsoImage::printSize("xorriso", path("cd"), "My Menu");
    ::umount(small.toLocal8Bit().constData());
    QVERIFY2(medium, qPrintable(medium.error));
    QVERIFY(sectors);
    const StepValue<OpticalMedium::Verdict> verdict = medium.value.verdictFor(sectors.value);
    QVERIFY(!verdict);
    QVERIFY2(verdict.error.startsWith("The menu needs 2."), qPrintable(verdict.error));
#else
    QSKIP("needs a small file system");
#endif
}

void TestDiscBurn::cancelStopsXorriso()
{
    QFile big(path("cd/big.bin"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    for (int i = 0; i < 200; ++i)
        big.write(QByteArray(1 << 20, char(i)));
    big.close();
    DiscFiles::writeFile(path("disc.iso"), {});
    DiscBurn burn;
    qint64 pid = 0;
    connect(&burn, &DiscBurn::progress, this, [&burn, &pid](const BurnProgress &) {
        pid = burn.processId();
        burn.cancel();
    });
    const StepResult burned = burn.run(path("cd"), "My Menu", pseudoDrive("disc.iso"));
    QVERIFY(!burned);
    QVERIFY(burn.wasCancelled());
    QVERIFY(burned.error.contains("cancelled"));
    QVERIFY(pid > 0);
    // xorriso was stopped and reaped, not left writing.
    QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)));
}

QTEST_GUILESS_MAIN(TestDiscBurn)
#include "tst_discburn.moc"
