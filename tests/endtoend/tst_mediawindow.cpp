#include "tests/disc/DiscFiles.h"
#include "tests/wizard/WizardFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

using Kind = FakeDiscPrompts::Kind;

// File → Burn to Disc… and File → Copy to Drive… through the real window: the drive list, the progress, Cancel and
// the notice at the end, with the real xorriso writing a pseudo-drive and the copy writing a folder.
class TestMediaWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void burn_data();
    void burn();
    void copy_data();
    void copy();

private:
    // A built menu, in a window whose Burn and Copy dialogs offer the pseudo-drive and the stick folder.
    void builtMenu(WizardFixture &w);
    static QWidget *shown(const QString &name);
    static void clickIn(const QString &dialog, const QString &button);
};

void TestMediaWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *TestMediaWindow::shown(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

void TestMediaWindow::clickIn(const QString &dialog, const QString &button)
{
    QWidget *box = shown(dialog);
    QVERIFY2(box, qPrintable(dialog));
    auto *push = box->findChild<QPushButton *>(button);
    QVERIFY2(push, qPrintable(button));
    push->click();
}

void TestMediaWindow::builtMenu(WizardFixture &w)
{
    w.context.burnDrives = {QStringLiteral("stdio:") + w.tempPath() + QStringLiteral("/disc.iso")};
    w.context.copyDrives = {w.tempPath() + QStringLiteral("/stick")};
    QVERIFY(QDir().mkpath(w.tempPath() + QStringLiteral("/stick")));
    DiscFiles::writeFile(w.tempPath() + QStringLiteral("/disc.iso"), {});
    w.window = std::make_unique<frmVelmora>(w.context);
    w.window->show();
    w.makeFile(QStringLiteral("cd/docs/readme.txt"));
    w.walkToEntries(QStringLiteral("Extended"), QStringLiteral("Tools CD"));
    w.click(QStringLiteral("cmdAddFolder"));
    w.notices.setNextChoice(2); // Close, after Finish
    w.click(QStringLiteral("Finish"));
    w.notices.clear();
}

void TestMediaWindow::burn_data()
{
    QTest::addColumn<bool>("cancelMidway");
    QTest::addColumn<bool>("simulateFirst");
    QTest::addColumn<QString>("notice");
    QTest::newRow("burned") << false << false << "The disc has been burned and verified.";
    QTest::newRow("simulated first") << false << true << "The disc has been burned and verified.";
    QTest::newRow("cancelled") << true << false
                               << "The burn was cancelled. A write-once disc that was being written cannot be used "
                                  "again.";
}

void TestMediaWindow::burn()
{
    if (QStandardPaths::findExecutable("xorriso").isEmpty())
        QSKIP("xorriso is not installed");
    QFETCH(bool, cancelMidway);
    QFETCH(bool, simulateFirst);
    QFETCH(QString, notice);
    WizardFixture w;
    builtMenu(w);
    if (simulateFirst)
        w.notices.setNextAnswer(true); // yes, burn after the simulation
    if (cancelMidway) {
        QFile big(w.cdRoot + QStringLiteral("/docs/big.bin"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        for (int i = 0; i < 100; ++i)
            big.write(QByteArray(1 << 20, char(i)));
        w.notices.setNextAnswer(true); // yes, stop the burn
    }
    QStringList drives;
    QString medium;
    QStringList progressLines;
    QTimer::singleShot(0, this, [&] {
        auto *box = shown(QStringLiteral("dlgBurn"));
        QVERIFY(box);
        auto *list = box->findChild<QComboBox *>(QStringLiteral("cmbDrive"));
        for (int i = 0; i < list->count(); ++i)
            drives.append(list->itemText(i));
        medium = box->findChild<QLabel *>(QStringLiteral("lblMedium"))->text();
        box->findChild<QCheckBox *>(QStringLiteral("chkSimulate"))->setChecked(simulateFirst);
        clickIn(QStringLiteral("dlgBurn"), QStringLiteral("cmdBurn"));
    });
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *progress = shown(QStringLiteral("dlgBurnProgress"));
        if (!progress)
            return;
        const QString line = progress->findChild<QLabel *>(QStringLiteral("lblProgress"))->text();
        if (progressLines.isEmpty() || progressLines.last() != line)
            progressLines.append(line);
        // Once the dialog is up, xorriso is writing.
        if (cancelMidway) {
            poll.stop();
            clickIn(QStringLiteral("dlgBurnProgress"), QStringLiteral("cmdCancel"));
        }
    });
    poll.start(5);
    auto *action = w.window->findChild<QAction *>(QStringLiteral("mnuBurn"));
    QVERIFY(action->isEnabled());
    action->trigger();
    poll.stop();

    QCOMPARE(drives, QStringList{w.context.burnDrives.first()});
    QVERIFY2(medium.startsWith(QLatin1String("stdio file, overwriteable, blank, ")), qPrintable(medium));
    QVERIFY2(!progressLines.isEmpty(), "no progress shown");
    QCOMPARE(w.notices.texts().last(), notice);
    if (cancelMidway) {
        QCOMPARE(w.notices.texts().first(), QStringLiteral("Stop the burn? A write-once disc that is stopped while it "
                                                           "is written cannot be used again."));
        return;
    }
    if (simulateFirst) {
        QCOMPARE(w.notices.texts().size(), 2);
        QVERIFY2(w.notices.texts().first().startsWith("The simulation went through: the menu (") &&
                     w.notices.texts().first().endsWith(") fits on the stdio file, overwriteable. Burn the disc now?"),
                 qPrintable(w.notices.texts().first()));
    }
    QVERIFY2(progressLines.contains(QStringLiteral("Reading the disc back to verify it…")),
             qPrintable(progressLines.join('|')));
    QMap<QString, qint64> expected = DiscFiles::folderFiles(w.cdRoot);
    QCOMPARE(DiscFiles::imageFiles(w.tempPath() + QStringLiteral("/disc.iso")), expected);
}

void TestMediaWindow::copy_data()
{
    QTest::addColumn<bool>("cancelMidway");
    QTest::newRow("copied") << false;
    QTest::newRow("cancelled") << true;
}

void TestMediaWindow::copy()
{
    QFETCH(bool, cancelMidway);
    WizardFixture w;
    builtMenu(w);
    const QString stick = w.tempPath() + QStringLiteral("/stick");
    const QString other = w.tempPath() + QStringLiteral("/other");
    QVERIFY(QDir().mkpath(other));
    if (cancelMidway) {
        QFile big(w.cdRoot + QStringLiteral("/docs/big.bin"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        for (int i = 0; i < 100; ++i)
            big.write(QByteArray(1 << 20, char(i)));
    } else {
        w.prompts.copyFolderNext(other);
    }
    QStringList drives;
    QTimer::singleShot(0, this, [&] {
        auto *box = shown(QStringLiteral("dlgCopy"));
        QVERIFY(box);
        auto *list = box->findChild<QListWidget *>(QStringLiteral("lstDrives"));
        for (int i = 0; i < list->count(); ++i)
            drives.append(list->item(i)->text());
        // The folder dialog adds a folder beside the drives, and chooses it.
        if (!cancelMidway)
            clickIn(QStringLiteral("dlgCopy"), QStringLiteral("cmdOtherFolder"));
        clickIn(QStringLiteral("dlgCopy"), QStringLiteral("cmdCopy"));
    });
    bool progressShown = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!shown(QStringLiteral("dlgCopyProgress")))
            return;
        progressShown = true;
        if (cancelMidway) {
            poll.stop();
            clickIn(QStringLiteral("dlgCopyProgress"), QStringLiteral("cmdCancel"));
        }
    });
    poll.start(5);
    auto *action = w.window->findChild<QAction *>(QStringLiteral("mnuCopy"));
    QVERIFY(action->isEnabled());
    action->trigger();
    poll.stop();

    QCOMPARE(drives.size(), 1);
    QVERIFY2(drives.first().startsWith(stick), qPrintable(drives.first()));
    QVERIFY(progressShown);
    const QString target = cancelMidway ? stick : other;
    const QMap<QString, qint64> copied = DiscFiles::folderFiles(target);
    if (cancelMidway) {
        QVERIFY2(w.notices.texts().last().startsWith("The copy was cancelled."), qPrintable(w.notices.texts().last()));
        // What was copied is whole; nothing half-written or temporary is left.
        const QMap<QString, qint64> root = DiscFiles::folderFiles(w.cdRoot);
        QVERIFY(!copied.contains(QStringLiteral("docs/big.bin")));
        for (auto it = copied.cbegin(); it != copied.cend(); ++it)
            QCOMPARE(it.value(), root.value(it.key()));
        return;
    }
    QCOMPARE(w.prompts.shown(Kind::CopyFolder).size(), 1);
    QCOMPARE(w.notices.texts(),
             QStringList{QStringLiteral("The menu has been copied onto %1 and verified: 6 files written, 0 unchanged.\n"
                                        "Windows does not start a menu from a USB drive by itself: open Start.exe or "
                                        "Index.htm on the stick.")
                             .arg(other)});
    QCOMPARE(copied, DiscFiles::folderFiles(w.cdRoot));
}

QTEST_MAIN(TestMediaWindow)
#include "tst_mediawindow.moc"
