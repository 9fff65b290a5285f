#include "wizard/platform/DriveList.h"
#include "wizard/platform/FolderList.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The drive list and the folder list of the general page.
class TestFolderLists : public QObject
{
    Q_OBJECT

private slots:
    void driveOf_data();
    void driveOf();
    void driveChoiceSignals();
    void folderListShowsChainAndChildren();
    void missingFolderChangesNothing();
};

void TestFolderLists::driveOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("drive");
    QTest::newRow("system root") << "/" << "/";
    QTest::newRow("folder on the system drive") << "/srv/cd" << "/";
    QTest::newRow("folder on a mounted drive") << "/media/usb/cd" << "/media/usb";
    QTest::newRow("the mounted drive itself") << "/media/usb" << "/media/usb";
    QTest::newRow("name that only starts like a drive") << "/media/usbstick/cd" << "/";
    QTest::newRow("deepest drive wins") << "/media/usb/inner/x" << "/media/usb/inner";
    QTest::newRow("trailing separator") << "/media/usb/" << "/media/usb";
    QTest::newRow("relative path") << "media/usb" << "";
}

void TestFolderLists::driveOf()
{
    QFETCH(QString, path);
    QFETCH(QString, drive);
    const QStringList drives = {QStringLiteral("/"), QStringLiteral("/media/usb"), QStringLiteral("/media/usb/inner")};
    QCOMPARE(DriveList::driveOf(path, drives), drive);
}

void TestFolderLists::driveChoiceSignals()
{
    DriveList drives;
    drives.setDrives({QStringLiteral("/"), QStringLiteral("/media/usb")});
    QSignalSpy changed(&drives, &DriveList::driveChanged);
    QVERIFY(drives.setDrive(QStringLiteral("/media/usb")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("/media/usb"));
    QVERIFY(drives.setDrive(QStringLiteral("/media/usb")));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!drives.setDrive(QStringLiteral("/mnt/gone")));
    QCOMPARE(drives.drive(), QStringLiteral("/media/usb"));
    QVERIFY(DriveList::mountedRoots().startsWith(QDir::rootPath()));
}

void TestFolderLists::folderListShowsChainAndChildren()
{
    QTemporaryDir temp;
    const QString base = QDir::cleanPath(temp.path());
    QDir(base).mkpath(QStringLiteral("cd/Tools"));
    QDir(base).mkpath(QStringLiteral("cd/docs"));
    QDir(base).mkpath(QStringLiteral("cd/Art"));

    FolderList list;
    QSignalSpy changed(&list, &FolderList::pathChanged);
    QVERIFY(list.setPath(base + QStringLiteral("/cd/")));
    QCOMPARE(list.path(), base + QStringLiteral("/cd"));
    QCOMPARE(changed.count(), 1);

    QStringList paths;
    for (int i = 0; i < list.count(); ++i)
        paths.append(list.item(i)->data(Qt::UserRole).toString());
    QCOMPARE(paths.constFirst(), QDir::rootPath());
    const int current = paths.indexOf(base + QStringLiteral("/cd"));
    QVERIFY(current > 0);
    QCOMPARE(list.currentRow(), current);
    QCOMPARE(paths.mid(current + 1), (QStringList{base + QStringLiteral("/cd/Art"), base + QStringLiteral("/cd/docs"),
                                                  base + QStringLiteral("/cd/Tools")}));

    // Typing a folder's name finds it, and Enter opens it.
    list.setFocus();
    QTest::keyClicks(&list, QStringLiteral("doc"));
    QCOMPARE(list.currentItem()->data(Qt::UserRole).toString(), base + QStringLiteral("/cd/docs"));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(list.path(), base + QStringLiteral("/cd/docs"));
    QVERIFY(list.setPath(base + QStringLiteral("/cd")));
    QCOMPARE(changed.count(), 3);

    // Opening a parent folder moves the list there.
    list.setCurrentRow(current - 1);
    emit list.itemActivated(list.currentItem());
    QCOMPARE(list.path(), base);
    QCOMPARE(changed.count(), 4);
    // The same folder again raises no change.
    QVERIFY(list.setPath(base));
    QCOMPARE(changed.count(), 4);
}

void TestFolderLists::missingFolderChangesNothing()
{
    QTemporaryDir temp;
    FolderList list;
    QVERIFY(list.setPath(temp.path()));
    QSignalSpy changed(&list, &FolderList::pathChanged);
    QVERIFY(!list.setPath(temp.path() + QStringLiteral("/missing")));
    QVERIFY(!list.setPath(QString()));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(list.path(), QDir::cleanPath(temp.path()));
}

QTEST_MAIN(TestFolderLists)
#include "tst_folderlists.moc"
