#include "tests/wizard/WizardFixture.h"

#include "core/data/MenuStore.h"
#include "core/generate/MenuFolder.h"

#include <QApplication>

// Creating, loading, deleting and storing menus from the wizard.
class TestMenuRecords : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void noStoredMenus_data();
    void noStoredMenus();
    void pageZeroGroups();
    void storedTwiceInOnePassInsertsOnce();
    void loadStoredMenu();
    void loadMenuWithVanishedFolder();
    void deleteMenu_data();
    void deleteMenu();
    void listTextWithoutIdChangesNothing_data();
    void listTextWithoutIdChangesNothing();
    void folderChoiceSetsRoot();
    void walkAsNewUser();
    void menuDeletedElsewhere_data();
    void menuDeletedElsewhere();
};

void TestMenuRecords::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestMenuRecords::noStoredMenus_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Load Menu") << QStringLiteral("cmdEdit");
    QTest::newRow("Delete Menu") << QStringLiteral("cmdDelete");
}

void TestMenuRecords::noStoredMenus()
{
    QFETCH(QString, button);
    WizardFixture f;
    f.click(button);
    QCOMPARE(f.notices.shown().size(), 1);
    QCOMPARE(f.notices.shown().constFirst().kind, FakeNotices::Kind::Plain);
    QCOMPARE(f.notices.texts(), QStringList{QStringLiteral("Sorry, no menus available!")});
    QVERIFY(!f.shown(QStringLiteral("cmbMenuL")));
    QVERIFY(!f.shown(QStringLiteral("cmbMenus")));
    QCOMPARE(f.step(), 0);
}

void TestMenuRecords::pageZeroGroups()
{
    WizardFixture f;
    f.storeStyle(3, QStringLiteral("Ocean"));
    f.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Alpha"), 3, f.cdRoot);
    f.storeMenu(2, QStringLiteral("Extended"), QStringLiteral("Beta"), 3, f.cdRoot);
    f.storeMenu(5, QStringLiteral("Standard"), QStringLiteral("Gamma's"), 3, f.cdRoot);

    f.click(QStringLiteral("cmdEdit"));
    QComboBox *load = f.combo(QStringLiteral("cmbMenuL"));
    QCOMPARE(load->count(), 3);
    QCOMPARE(load->itemText(0), QStringLiteral("1: Alpha"));
    QCOMPARE(load->itemText(2), QStringLiteral("5: Gamma's"));
    QCOMPARE(load->currentText(), QStringLiteral("1: Alpha"));
    QVERIFY(f.shown(QStringLiteral("Label40")) && f.shown(QStringLiteral("cmbMenuL")) &&
            f.shown(QStringLiteral("cmdLoad")));
    QVERIFY(!f.shown(QStringLiteral("cmbMenus")));
    // Load Menu also refills the style list.
    QCOMPARE(f.combo(QStringLiteral("cmbStyles"))->count(), 2);

    f.click(QStringLiteral("cmdDelete"));
    QVERIFY(!f.shown(QStringLiteral("cmbMenuL")) && !f.shown(QStringLiteral("cmdLoad")));
    QVERIFY(f.shown(QStringLiteral("Label2")) && f.shown(QStringLiteral("cmbMenus")) &&
            f.shown(QStringLiteral("cmdMDelete")));
    QCOMPARE(f.combo(QStringLiteral("cmbMenus"))->currentText(), QStringLiteral("1: Alpha"));

    f.click(QStringLiteral("cmdNew"));
    QCOMPARE(f.step(), 1);
    QVERIFY(!f.shown(QStringLiteral("cmbMenus")) && !f.shown(QStringLiteral("cmbMenuL")));
    QCOMPARE(f.combo(QStringLiteral("cmbStyles"))->currentText(), QStringLiteral("NEW"));
    QVERIFY(f.notices.shown().isEmpty());
}

void TestMenuRecords::storedTwiceInOnePassInsertsOnce()
{
    WizardFixture f;
    f.walkToFonts(QStringLiteral("Bob's CD"));
    f.combo(QStringLiteral("cmbTemplate"))->setCurrentText(QStringLiteral("Extended"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    const qint64 id = f.window->state().menuId;
    QVERIFY(id > 0);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT Title FROM tblMenus WHERE MenuID=?"), {id}).toString(),
             QStringLiteral("Bob's CD"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT Root FROM tblMenus WHERE MenuID=?"), {id}).toString(), QDir::toNativeSeparators(f.cdRoot));
    QCOMPARE(f.scalar(QStringLiteral("SELECT StyleNo FROM tblMenus WHERE MenuID=?"), {id}).toInt(),
             f.window->state().styleId);
    QVERIFY(f.window->state().styleId > 0);
    // A new menu takes the window's language.
    QCOMPARE(f.scalar(QStringLiteral("SELECT Language FROM tblMenus WHERE MenuID=?"), {id}).toString(),
             QStringLiteral("en"));

    // Back to the general page, another title, folder and language, and forward again: the same row changes.
    const QString other = f.tempPath() + QStringLiteral("/other");
    QDir().mkpath(other);
    for (int i = 0; i < 3; ++i)
        f.click(QStringLiteral("cmdBack"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Bob's CD 2"));
    QComboBox *language = f.combo(QStringLiteral("cmbLanguage"));
    language->setCurrentIndex(language->findData(QStringLiteral("fr")));
    f.chooseRoot(other);
    for (int i = 0; i < 3; ++i)
        f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QCOMPARE(f.window->state().menuId, id);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT Title FROM tblMenus")).toString(), QStringLiteral("Bob's CD 2"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT Template FROM tblMenus")).toString(), QStringLiteral("Extended"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT Language FROM tblMenus")).toString(), QStringLiteral("fr"));
    // The update keeps the folder of the last build.
    QCOMPARE(f.scalar(QStringLiteral("SELECT Root FROM tblMenus")).toString(), QDir::toNativeSeparators(other));
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 1);
    QVERIFY(f.notices.shown().isEmpty());
}

void TestMenuRecords::loadStoredMenu()
{
    WizardFixture f;
    f.storeStyle(3, QStringLiteral("Ocean"));
    f.storeStyle(4, QStringLiteral("Sand"));
    f.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Alpha"), 3, f.cdRoot);
    f.storeMenu(5, QStringLiteral("Extended Screenshots"), QStringLiteral("Gamma"), 4, f.cdRoot);
    f.execute(QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot) "
                             "VALUES (5,'none','Readme','docs/readme.txt','Read me','none')"));
    f.execute(QStringLiteral("UPDATE tblMenus SET Language='es' WHERE MenuID=5"));

    f.click(QStringLiteral("cmdEdit"));
    f.combo(QStringLiteral("cmbMenuL"))->setCurrentIndex(1);
    f.click(QStringLiteral("cmdLoad"));
    QCOMPARE(f.step(), 1);
    QCOMPARE(f.window->state().menuId, 5);
    QVERIFY(f.window->state().loaded);
    QVERIFY(!f.shown(QStringLiteral("cmbMenuL")));
    QCOMPARE(f.combo(QStringLiteral("cmbTemplate"))->currentText(), QStringLiteral("Extended Screenshots"));
    QCOMPARE(f.edit(QStringLiteral("txtTitle"))->text(), QStringLiteral("Gamma"));
    QCOMPARE(f.combo(QStringLiteral("cmbLanguage"))->currentText(), QStringLiteral("Español"));
    QCOMPARE(f.window->findChild<QLabel *>(QStringLiteral("lblRoot"))->text(), QDir::toNativeSeparators(f.cdRoot));
    QCOMPARE(f.window->state().rootPath(), QDir::toNativeSeparators(f.cdRoot + QLatin1Char('/')));
    QCOMPARE(f.combo(QStringLiteral("cmbStyles"))->currentText(), QStringLiteral("4: Sand"));

    // The stored title is kept without the check for a free title, and the entries are listed on page 4.
    for (int i = 0; i < 3; ++i)
        f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QCOMPARE(f.window->state().styleId, 4);
    QCOMPARE(f.window->findChild<QListWidget *>(QStringLiteral("lstFiles"))->count(), 1);
    QCOMPARE(f.window->findChild<QListWidget *>(QStringLiteral("lstFiles"))->item(0)->text(), QStringLiteral("Readme"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), 2);
    QVERIFY(f.notices.shown().isEmpty());
}

void TestMenuRecords::loadMenuWithVanishedFolder()
{
    WizardFixture f;
    const QString gone = f.tempPath() + QStringLiteral("/gone");
    f.storeMenu(7, QStringLiteral("Standard"), QStringLiteral("Summer CD"), 0, gone);
    f.click(QStringLiteral("cmdEdit"));
    f.click(QStringLiteral("cmdLoad"));
    QCOMPARE(f.notices.texts(), QStringList{QStringLiteral(
                                    "Your root directory is no longer valid!\r\nPlease select a new root directory!")});
    QCOMPARE(f.step(), 1);
    QCOMPARE(f.edit(QStringLiteral("txtTitle"))->text(), QStringLiteral("Summer CD"));
    QVERIFY(f.window->state().rootPath() != gone + QLatin1Char('/'));

    f.notices.clear();
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 2);
    QVERIFY(f.notices.shown().isEmpty());
}

void TestMenuRecords::deleteMenu_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("rowsLeft");
    QTest::newRow("yes") << true
                         << QStringList{QStringLiteral("Do you really want to remove the selected Menu?"),
                                        QStringLiteral("Menu deleted successfully!")}
                         << 1;
    QTest::newRow("no") << false << QStringList{QStringLiteral("Do you really want to remove the selected Menu?")} << 2;
}

void TestMenuRecords::deleteMenu()
{
    QFETCH(bool, answer);
    QFETCH(QStringList, texts);
    QFETCH(int, rowsLeft);

    WizardFixture f;
    f.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Alpha"), 0, f.cdRoot);
    f.storeMenu(2, QStringLiteral("Standard"), QStringLiteral("Beta"), 0, f.cdRoot);
    f.execute(QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot) "
                             "VALUES (2,'none','Readme','readme.txt','','none')"));
    f.click(QStringLiteral("cmdDelete"));
    f.combo(QStringLiteral("cmbMenus"))->setCurrentIndex(1);
    f.notices.setNextAnswer(answer);
    f.click(QStringLiteral("cmdMDelete"));
    QCOMPARE(f.notices.texts(), texts);
    QCOMPARE(f.notices.shown().constFirst().kind, FakeNotices::Kind::Question);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), rowsLeft);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus WHERE MenuID=1")).toInt(), 1);
    // The menu's entries go with it: left behind, they would belong to no menu.
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblDetails")).toInt(), answer ? 0 : 1);
    QVERIFY(!f.shown(QStringLiteral("cmbMenus")));
}

void TestMenuRecords::listTextWithoutIdChangesNothing_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("load") << QStringLiteral("cmdEdit") << QStringLiteral("cmbMenuL") << QStringLiteral("cmdLoad")
                          << QStringLiteral("Alpha");
    QTest::newRow("delete") << QStringLiteral("cmdDelete") << QStringLiteral("cmbMenus") << QStringLiteral("cmdMDelete")
                            << QStringLiteral("Alpha");
    // The number is the listed entry's, not read from a text typed: a listed number with another title names none.
    QTest::newRow("load of a listed number with another title")
        << QStringLiteral("cmdEdit") << QStringLiteral("cmbMenuL") << QStringLiteral("cmdLoad")
        << QStringLiteral("1: Beta");
    QTest::newRow("delete of a listed number with another title")
        << QStringLiteral("cmdDelete") << QStringLiteral("cmbMenus") << QStringLiteral("cmdMDelete")
        << QStringLiteral("1: Beta");
}

void TestMenuRecords::listTextWithoutIdChangesNothing()
{
    QFETCH(QString, group);
    QFETCH(QString, list);
    QFETCH(QString, button);
    QFETCH(QString, text);

    WizardFixture f;
    f.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Alpha"), 0, f.cdRoot);
    f.click(group);
    f.combo(list)->setEditText(text);
    f.notices.setNextAnswer(true);
    f.click(button);
    QCOMPARE(f.notices.texts(), QStringList{QStringLiteral("Please choose a menu from the list!")});
    QCOMPARE(f.step(), 0);
    QCOMPARE(f.window->state().menuId, 0);
    QVERIFY(!f.window->state().loaded);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), 1);
}

void TestMenuRecords::folderChoiceSetsRoot()
{
    WizardFixture f;
    f.click(QStringLiteral("cmdNew"));
    QLabel *root = f.window->findChild<QLabel *>(QStringLiteral("lblRoot"));
    f.chooseRoot(f.cdRoot);
    QCOMPARE(root->text(), QDir::toNativeSeparators(f.cdRoot));
    QCOMPARE(f.window->state().rootPath(), QDir::toNativeSeparators(f.cdRoot + QLatin1Char('/')));
    // A drive root keeps its one separator ("/", or the root of the current drive on Windows).
    f.chooseRoot(QStringLiteral("/"));
    const QString driveRoot = QDir::toNativeSeparators(QFileInfo(QStringLiteral("/")).absoluteFilePath());
    QCOMPARE(root->text(), driveRoot);
    QCOMPARE(f.window->state().rootPath(), driveRoot);
    // Opening a folder of the list with the keyboard chooses it.
    FolderList *list = f.window->findChild<FolderList *>(QStringLiteral("Dir1"));
    f.chooseRoot(f.tempPath());
    QListWidgetItem *cd = nullptr;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toString() == f.cdRoot)
            cd = list->item(i);
    }
    QVERIFY(cd);
    list->setFocus();
    list->setCurrentItem(cd);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(root->text(), QDir::toNativeSeparators(f.cdRoot));
}

// Create a menu with the pickers, go back and forth, quit, start again, load the menu and delete it.
void TestMenuRecords::walkAsNewUser()
{
    if (QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("Under Wine's offscreen platform the window stays visible after its Close; the Linux build walks to the end.");
    WizardFixture f;
    const QString logo = f.makeFile(QStringLiteral("art/logo.gif"), "GIF89a");
    f.click(QStringLiteral("cmdNew"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.combo(QStringLiteral("cmbTemplate"))->setCurrentIndex(2);
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Blue"));
    f.cdlg.confirmColor(0xFF0000);
    f.click(QStringLiteral("cmdPickColor"));
    f.cdlg.confirmFile(logo);
    f.click(QStringLiteral("cmdLImage"));
    f.click(QStringLiteral("cmdNext"));
    f.cdlg.confirmFont(QStringLiteral("Verdana"), 16, true);
    f.click(QStringLiteral("cmdTFont"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    f.click(QStringLiteral("cmdBack"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QVERIFY(f.notices.shown().isEmpty());
    f.click(QStringLiteral("cmdClose"));
    QVERIFY(!f.window->isVisible());

    f.window = std::make_unique<frmVelmora>(f.context);
    f.window->show();
    f.click(QStringLiteral("cmdEdit"));
    QCOMPARE(f.combo(QStringLiteral("cmbMenuL"))->currentText(), QStringLiteral("1: Summer CD"));
    f.click(QStringLiteral("cmdLoad"));
    QCOMPARE(f.combo(QStringLiteral("cmbTemplate"))->currentText(), QStringLiteral("Extended"));
    QCOMPARE(f.window->state().rootPath(), QDir::toNativeSeparators(f.cdRoot + QLatin1Char('/')));
    QCOMPARE(f.combo(QStringLiteral("cmbStyles"))->currentText(), QStringLiteral("1: Blue"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.edit(QStringLiteral("txtBackgroundColor"))->text(), QStringLiteral("RGB(0,0,255)"));
    QCOMPARE(f.edit(QStringLiteral("txtLogoImage"))->text(), f.home + QStringLiteral("/Styles/Blue/logo.gif"));
    QCOMPARE(f.edit(QStringLiteral("txtTitleFont"))->text(), QStringLiteral("Verdana;16pt;Bold"));
    f.click(QStringLiteral("cmdBack"));
    f.click(QStringLiteral("cmdBack"));
    f.click(QStringLiteral("cmdDelete"));
    f.notices.setNextAnswer(true);
    f.click(QStringLiteral("cmdMDelete"));
    QCOMPARE(f.notices.texts().last(), QStringLiteral("Menu deleted successfully!"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), 0);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 1);
}

void TestMenuRecords::menuDeletedElsewhere_data()
{
    QTest::addColumn<QStringList>("before"); // the buttons pressed after the stored menus were listed
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("notice");
    const QString byNumber = QStringLiteral("The menu 1 no longer exists; it was deleted by another program.");
    QTest::newRow("load of a listed menu") << QStringList() << QStringLiteral("cmdLoad") << byNumber;
    QTest::newRow("next to the loaded menu's general page")
        << QStringList{QStringLiteral("cmdLoad"), QStringLiteral("cmdBack")} << QStringLiteral("cmdNext") << byNumber;
    // Finish names the menu by its title.
    QTest::newRow("finish")
        << QStringList{QStringLiteral("cmdLoad"), QStringLiteral("cmdNext"), QStringLiteral("cmdNext"),
                       QStringLiteral("cmdNext")}
        << QStringLiteral("Finish")
        << QStringLiteral("The menu \"Alpha\" no longer exists; it was deleted by another program.");
}

// Another program deletes the menu being loaded or edited: the window says so, writes no page, stores nothing, and
// offers the stored menus again.
void TestMenuRecords::menuDeletedElsewhere()
{
    QFETCH(QStringList, before);
    QFETCH(QString, button);
    QFETCH(QString, notice);

    WizardFixture f;
    f.storeStyle(3, QStringLiteral("Ocean"));
    f.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Alpha"), 3, f.cdRoot);
    f.storeMenu(2, QStringLiteral("Standard"), QStringLiteral("Beta"), 3, f.cdRoot);
    f.click(QStringLiteral("cmdEdit"));
    for (const QString &pressed : before)
        f.click(pressed);
    QVERIFY(f.notices.shown().isEmpty());

    QVERIFY(MenuStore(DataHome::databasePath(f.home)).deleteMenu(1));
    f.click(button);
    QTRY_COMPARE(f.step(), 0);
    QTRY_VERIFY(f.shown(QStringLiteral("cmbMenuL")));
    QCOMPARE(f.notices.texts(), QStringList{notice});
    QCOMPARE(f.combo(QStringLiteral("cmbMenuL"))->count(), 1);
    QCOMPARE(f.combo(QStringLiteral("cmbMenuL"))->itemText(0), QStringLiteral("2: Beta"));
    QCOMPARE(f.window->state().menuId, 0);
    QVERIFY(!QFileInfo::exists(MenuFolder::createMenuFile(f.cdRoot + QLatin1Char('/'))));
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), 1);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT count(*) FROM tblDetails WHERE MenuNo NOT IN (SELECT MenuID FROM tblMenus)"))
            .toInt(),
        0);

    // The general page still shows the root of the menu that was loaded, and a new menu goes on from it.
    if (before.contains(QStringLiteral("cmdLoad"))) {
        f.click(QStringLiteral("cmdNew"));
        f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Gamma"));
        f.click(QStringLiteral("cmdNext"));
        QCOMPARE(f.step(), 2);
        QCOMPARE(f.window->state().rootPath(), QDir::toNativeSeparators(f.cdRoot + QLatin1Char('/')));
    }
}

QTEST_MAIN(TestMenuRecords)
#include "tst_menurecords.moc"
