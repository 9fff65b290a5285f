#include "tests/wizard/WizardFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>

// The pages of the wizard and the moves between them, with the checks of each forward move.
class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void startUp();
    void backOnFirstPageHidesFinish();
    void nextOnFirstPageOpensNewMenu();
    void generalPageChecks_data();
    void generalPageChecks();
    void lastPageOffersFinishOnly();
    void filesPageFollowsTemplate_data();
    void filesPageFollowsTemplate();
    void showControlsActsOnExactTag();
    void everyFieldHasItsLabel();
    void keyboardPressesButtons();
    void databaseFailureKeepsPage();
    void pagesSaveTheirPartIntoTheState();
};

void TestNavigation::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                         [](QWidget *w) { return w->isVisible(); }));
}

void TestNavigation::startUp()
{
    WizardFixture f;
    frmVelmora &w = *f.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("  Velmora Wizard"));
    QCOMPARE(int(w.currentStep()), 0);
    QCOMPARE(w.state().menuId, 0);
    QVERIFY(!w.state().loaded);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(w.page(Step(i))->isHidden(), i != 0);
    QCOMPARE(w.page(Step(0))->title(), QStringLiteral("Welcome to the Velmora Wizard"));
    QCOMPARE(w.page(Step(4))->title(), QStringLiteral("Add Files"));
    for (const char *name : {"Label40", "cmbMenuL", "cmdLoad", "Label2", "cmbMenus", "cmdMDelete"})
        QVERIFY2(!f.shown(QString::fromLatin1(name)), name);
    for (const char *name : {"cmdClose", "cmdBack", "cmdNext", "Finish"})
        QVERIFY2(f.shown(QString::fromLatin1(name)), name);
    QCOMPARE(f.combo(QStringLiteral("cmbTemplate"))->currentText(), QStringLiteral("Standard"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("lblRoot"))->text(), QStringLiteral(" "));
    QVERIFY(!w.state().rootFolder);
    QVERIFY(w.state().rootPath().isEmpty());
    QCOMPARE(f.control(QStringLiteral("cmdNext"))->toolTip(), QStringLiteral("step forward to next page"));
    QCOMPARE(f.control(QStringLiteral("Finish"))->property("Caption").toString(), QStringLiteral("Finish"));
    QVERIFY(f.notices.shown().isEmpty());
}

void TestNavigation::backOnFirstPageHidesFinish()
{
    WizardFixture f;
    f.click(QStringLiteral("cmdBack"));
    QCOMPARE(f.step(), 0);
    QVERIFY(!f.window->page(Step(0))->isHidden());
    QVERIFY(!f.shown(QStringLiteral("Finish")));
    QVERIFY(f.shown(QStringLiteral("cmdNext")));
}

void TestNavigation::nextOnFirstPageOpensNewMenu()
{
    WizardFixture f;
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 1);
    QVERIFY(f.window->page(Step(0))->isHidden());
    QVERIFY(!f.window->page(Step(1))->isHidden());
    QVERIFY(!f.shown(QStringLiteral("Finish")));
    // As with Create Menu, the style list offers a choice and the general page leads on.
    QCOMPARE(f.combo(QStringLiteral("cmbStyles"))->currentText(), QStringLiteral("NEW"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Winter CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.notices.texts(), QStringList());
    QCOMPARE(f.step(), 2);
}

void TestNavigation::generalPageChecks_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("chooseFolder");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("titleAfter");

    QTest::newRow("no title") << QString() << true << QStringLiteral("Please enter a menu title!") << 1 << QString();
    QTest::newRow("title, no folder") << QStringLiteral("Winter CD") << false
                                      << QStringLiteral("Please select a root directory for your CD files!") << 1
                                      << QStringLiteral("Winter CD");
    QTest::newRow("title taken in other case")
        << QStringLiteral("summer cd") << true
        << QStringLiteral("Menu title is already taken, please change your title!,") << 1 << QString();
    QTest::newRow("free title") << QStringLiteral("Winter CD") << true << QString() << 2 << QStringLiteral("Winter CD");
    QTest::newRow("free title with apostrophe")
        << QStringLiteral("Bob's CD") << true << QString() << 2 << QStringLiteral("Bob's CD");
}

void TestNavigation::generalPageChecks()
{
    QFETCH(QString, title);
    QFETCH(bool, chooseFolder);
    QFETCH(QString, notice);
    QFETCH(int, step);
    QFETCH(QString, titleAfter);

    WizardFixture f;
    f.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Summer CD"), 0, f.cdRoot);
    f.click(QStringLiteral("cmdNew"));
    f.edit(QStringLiteral("txtTitle"))->setText(title);
    if (chooseFolder)
        f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));

    QCOMPARE(f.notices.texts(), notice.isEmpty() ? QStringList() : QStringList{notice});
    QCOMPARE(f.step(), step);
    QCOMPARE(f.window->page(Step(step))->isHidden(), false);
    QCOMPARE(f.edit(QStringLiteral("txtTitle"))->text(), titleAfter);
    if (step == 2)
        QCOMPARE(f.edit(QStringLiteral("txtTitleFont"))->text(), QStringLiteral("Arial;14pt;bold"));
}

void TestNavigation::lastPageOffersFinishOnly()
{
    WizardFixture f;
    f.walkToFonts(QStringLiteral("Summer CD"));
    QCOMPARE(f.step(), 3);
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QVERIFY(f.shown(QStringLiteral("Finish")));
    QVERIFY(!f.shown(QStringLiteral("cmdNext")));
    f.click(QStringLiteral("cmdBack"));
    QCOMPARE(f.step(), 3);
    QVERIFY(!f.shown(QStringLiteral("Finish")));
    QVERIFY(f.shown(QStringLiteral("cmdNext")));
    // Back again to the start: every page keeps what it shows.
    f.click(QStringLiteral("cmdBack"));
    f.click(QStringLiteral("cmdBack"));
    f.click(QStringLiteral("cmdBack"));
    QCOMPARE(f.step(), 0);
    QCOMPARE(f.edit(QStringLiteral("txtTitle"))->text(), QStringLiteral("Summer CD"));
    QCOMPARE(f.edit(QStringLiteral("txtStyleName"))->text(), QStringLiteral("Plain"));
    QVERIFY(f.notices.shown().isEmpty());
}

void TestNavigation::filesPageFollowsTemplate_data()
{
    QTest::addColumn<QStringList>("templates"); // chosen on the passes over the fonts page, in turn
    QTest::addColumn<bool>("category");
    QTest::addColumn<bool>("screenshot");

    QTest::newRow("Standard") << QStringList{QStringLiteral("Standard")} << false << false;
    QTest::newRow("Standard Screenshots") << QStringList{QStringLiteral("Standard Screenshots")} << false << true;
    QTest::newRow("Extended") << QStringList{QStringLiteral("Extended")} << true << false;
    QTest::newRow("Extended Screenshots") << QStringList{QStringLiteral("Extended Screenshots")} << true << true;
    QTest::newRow("Modern") << QStringList{QStringLiteral("Modern")} << true << false;
    QTest::newRow("Modern Screenshots") << QStringList{QStringLiteral("Modern Screenshots")} << true << true;
    QTest::newRow("Standard, then Extended Screenshots")
        << QStringList{QStringLiteral("Standard"), QStringLiteral("Extended Screenshots")} << true << true;
    QTest::newRow("unknown text keeps the layout")
        << QStringList{QStringLiteral("Extended"), QStringLiteral("Fancy")} << true << false;
}

void TestNavigation::filesPageFollowsTemplate()
{
    QFETCH(QStringList, templates);
    QFETCH(bool, category);
    QFETCH(bool, screenshot);

    WizardFixture f;
    f.walkToFonts(QStringLiteral("Summer CD"));
    for (const QString &templateName : templates) {
        f.combo(QStringLiteral("cmbTemplate"))->setCurrentText(templateName);
        f.click(QStringLiteral("cmdNext"));
        QCOMPARE(f.step(), 4);
        f.click(QStringLiteral("cmdBack"));
    }
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.shown(QStringLiteral("lblCat")), category);
    QCOMPARE(f.shown(QStringLiteral("txtFileCat")), category);
    QCOMPARE(f.shown(QStringLiteral("lblScreen")), screenshot);
    QCOMPARE(f.shown(QStringLiteral("txtFileScreenshot")), screenshot);
    QCOMPARE(f.shown(QStringLiteral("cmdFScreenshot")), screenshot);
    QVERIFY(f.shown(QStringLiteral("txtFileTitle")));
    QVERIFY(f.shown(QStringLiteral("lstFiles")));
}

void TestNavigation::showControlsActsOnExactTag()
{
    WizardFixture f;
    PageKit::showControls(f.window.get(), QStringLiteral("ml"), true);
    QVERIFY(!f.shown(QStringLiteral("cmbMenuL")));
    PageKit::showControls(f.window.get(), QStringLiteral("ML"), true);
    QVERIFY(f.shown(QStringLiteral("Label40")));
    QVERIFY(f.shown(QStringLiteral("cmbMenuL")));
    QVERIFY(f.shown(QStringLiteral("cmdLoad")));
    QVERIFY(!f.shown(QStringLiteral("cmbMenus")));
    // The media fields carry a tag too; hiding it hides exactly those five.
    PageKit::showControls(f.window.get(), QStringLiteral("file"), false);
    int hidden = 0;
    for (QLineEdit *box : f.window->findChildren<QLineEdit *>())
        hidden += box->isHidden() ? 1 : 0;
    QCOMPARE(hidden, 5);
    QVERIFY(f.edit(QStringLiteral("txtBSound"))->isHidden());
}

void TestNavigation::everyFieldHasItsLabel()
{
    WizardFixture f;
    QList<QWidget *> fields;
    for (QWidget *widget : f.window->findChildren<QWidget *>()) {
        if ((qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget->parentWidget())) ||
            qobject_cast<QComboBox *>(widget) || qobject_cast<QListWidget *>(widget) ||
            qobject_cast<QPlainTextEdit *>(widget))
            fields.append(widget);
    }
    QVERIFY(fields.size() >= 30);
    QHash<QWidget *, QLabel *> buddies;
    for (QLabel *label : f.window->findChildren<QLabel *>()) {
        if (label->buddy())
            buddies.insert(label->buddy(), label);
    }
    for (QWidget *field : fields) {
        if (field->objectName() == QLatin1String("Drive1"))
            continue; // the drive list sits under the folder list's label and is named on its own
        QLabel *label = buddies.value(field);
        QVERIFY2(label, qPrintable(field->objectName()));
        QCOMPARE(field->accessibleName(), label->text());
    }
    QCOMPARE(f.edit(QStringLiteral("txtTitle"))->accessibleName(), QStringLiteral("Title:"));
}

void TestNavigation::keyboardPressesButtons()
{
    WizardFixture f;
    QWidget *next = f.control(QStringLiteral("cmdNext"));
    QVERIFY(next->focusPolicy() & Qt::TabFocus);
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Space);
    QCOMPARE(f.step(), 1);
    // On the general page the title comes first in the keyboard order, then template and style.
    QLineEdit *title = f.edit(QStringLiteral("txtTitle"));
    QCOMPARE(title->nextInFocusChain(), f.combo(QStringLiteral("cmbTemplate")));
    QWidget *back = f.control(QStringLiteral("cmdBack"));
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Return);
    QCOMPARE(f.step(), 0);
}

void TestNavigation::databaseFailureKeepsPage()
{
    WizardFixture f;
    f.click(QStringLiteral("cmdNew"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    // The database file turns into something that is not a database.
    const QString database = DataHome::databasePath(f.home);
    QFile::remove(database);
    QDir().mkpath(database);
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.notices.shown().size(), 1);
    QVERIFY(!f.notices.texts().constFirst().isEmpty());
    QCOMPARE(f.step(), 1);
    QCOMPARE(f.edit(QStringLiteral("txtTitle"))->text(), QStringLiteral("Summer CD"));
}

void TestNavigation::pagesSaveTheirPartIntoTheState()
{
    WizardFixture f;
    f.walkToFonts(QStringLiteral("Summer CD"));
    const EditState &state = f.window->state();
    QCOMPARE(state.title, QStringLiteral("Summer CD"));
    QCOMPARE(state.templateName, QStringLiteral("Standard"));
    QCOMPARE(state.rootFolder.value_or(QString()), QDir::toNativeSeparators(f.cdRoot));
    QCOMPARE(state.menuId, 0);

    f.edit(QStringLiteral("txtHColor"))->setText(QStringLiteral("RGB(9,9,9)"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QVERIFY(state.menuId > 0 && state.styleId > 0);
    QCOMPARE(state.style.values(), f.styleValues());
    QCOMPARE(state.style.hyperColor, QStringLiteral("RGB(9,9,9)"));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
