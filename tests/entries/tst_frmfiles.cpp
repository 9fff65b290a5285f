#include "controls/host/CorvixHost.h"
#include "tests/common/FakeNotices.h"
#include "core/data/DatabaseFile.h"
#include "tests/common/clsData.h"
#include "wizard/entries/frmFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestFrmFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsEveryEntryLinkingToTheFile();
    void selectingATitleShowsItsDescription();
    void okHandsOverTheEditedDescription();
    void cancelChangesNothing();
    void noMatchIsReportedAndCloses_data();
    void noMatchIsReportedAndCloses();
    void emptySearchOpensEmpty();
    void unreadableDatabaseIsReported();

private:
    frmFiles *open(const QString &search);
    void addEntry(qint64 menu, const QString &title, const QString &link, const QString &description);
    static QStringList titles(frmFiles *dialog);
    static QWidget *button(frmFiles *dialog, const char *name);

    CorvixHost m_host{QStringLiteral(CORVIX_PLUGIN_DIR)};
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_database;
    FakeNotices m_notices;
};

void TestFrmFiles::initTestCase()
{
    QVERIFY2(m_host.loadPlugin(), qPrintable(m_host.errorString()));
}

void TestFrmFiles::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    m_database = m_home->filePath(QStringLiteral("Velmora.dat"));
    DatabaseFile::prepare(m_database);
    m_notices.clear();
    addEntry(1, QStringLiteral("Setup"), QStringLiteral("tools/setup.exe"), QStringLiteral("Installs the tools"));
    addEntry(4, QStringLiteral("Setup two"), QStringLiteral("cd2/setup.exe"), QStringLiteral("The second disc's"));
    addEntry(4, QStringLiteral("Mine"), QStringLiteral("x/mysetup.exe"), QStringLiteral("Matches a part"));
    // The same title, link and description in two menus is offered once.
    addEntry(5, QStringLiteral("Setup"), QStringLiteral("tools/setup.exe"), QStringLiteral("Installs the tools"));
    addEntry(6, QStringLiteral("Readme"), QStringLiteral("docs/readme.txt"), QStringLiteral("Notes"));
}

void TestFrmFiles::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestFrmFiles::addEntry(qint64 menu, const QString &title, const QString &link, const QString &description)
{
    clsData(m_database).ExecuteSQL(
        Sql::insertEntry(menu, QStringLiteral("none"), title, link, description, QStringLiteral("none")));
}

frmFiles *TestFrmFiles::open(const QString &search)
{
    auto *dialog = new frmFiles(m_database, m_host, m_notices);
    dialog->strSearch = search;
    if (dialog->Form_Load())
        dialog->show();
    return dialog;
}

QStringList TestFrmFiles::titles(frmFiles *dialog)
{
    auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("cmbDesTitle"));
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result.append(combo->itemText(i));
    return result;
}

QWidget *TestFrmFiles::button(frmFiles *dialog, const char *name)
{
    return dialog->findChild<QWidget *>(QLatin1String(name));
}

void TestFrmFiles::listsEveryEntryLinkingToTheFile()
{
    frmFiles *dialog = open(QStringLiteral("setup.exe"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("  File Descriptions"));
    QCOMPARE(titles(dialog), (QStringList{QStringLiteral("Mine"), QStringLiteral("Setup"), QStringLiteral("Setup two")}));
    QVERIFY(m_notices.shown().isEmpty());
    auto *label = dialog->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(label->buddy(), dialog->findChild<QComboBox *>(QStringLiteral("cmbDesTitle")));
    dialog->close();
}

void TestFrmFiles::selectingATitleShowsItsDescription()
{
    // The same title with another description: two items, both showing the first row's description.
    addEntry(7, QStringLiteral("Setup two"), QStringLiteral("other/setup.exe"), QStringLiteral("Another text"));
    frmFiles *dialog = open(QStringLiteral("setup.exe"));
    auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("cmbDesTitle"));
    auto *text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtDesText"));
    QCOMPARE(combo->currentText(), QStringLiteral("Mine"));
    QCOMPARE(text->toPlainText(), QStringLiteral("Matches a part"));

    QCOMPARE(titles(dialog).count(QStringLiteral("Setup two")), 2);
    combo->setCurrentIndex(titles(dialog).lastIndexOf(QStringLiteral("Setup two")));
    emit combo->activated(combo->currentIndex());
    QCOMPARE(text->toPlainText(), QStringLiteral("The second disc's"));
    dialog->close();
}

void TestFrmFiles::okHandsOverTheEditedDescription()
{
    QPointer<frmFiles> dialog = open(QStringLiteral("setup.exe"));
    QSignalSpy chosen(dialog.data(), &frmFiles::descriptionChosen);
    auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("cmbDesTitle"));
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    auto *text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtDesText"));
    text->setPlainText(QStringLiteral("Installs the tools, now\r\nwith \"quotes\" and it's fine"));

    // OK pressed from the keyboard, as a push button is.
    QWidget *ok = button(dialog, "cmdOK");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Space);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().at(0).toString(), QStringLiteral("Setup"));
    QCOMPARE(chosen.first().at(1).toString(), text->toPlainText());
    QTRY_VERIFY(dialog.isNull());
}

void TestFrmFiles::cancelChangesNothing()
{
    QPointer<frmFiles> dialog = open(QStringLiteral("setup.exe"));
    QSignalSpy chosen(dialog.data(), &frmFiles::descriptionChosen);
    QWidget *cancel = button(dialog, "cmdCancel");
    QTest::mouseClick(cancel, Qt::LeftButton, Qt::NoModifier, cancel->rect().center());
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(clsData(m_database).GetRS(Sql::selectEntries(1)).text(QStringLiteral("Description")),
             QStringLiteral("Installs the tools"));
}

void TestFrmFiles::noMatchIsReportedAndCloses_data()
{
    QTest::addColumn<QString>("search");
    QTest::newRow("other name") << QStringLiteral("install.exe");
    QTest::newRow("other letter case") << QStringLiteral("SETUP.EXE");
    QTest::newRow("apostrophe") << QStringLiteral("o'brien.exe");
}

void TestFrmFiles::noMatchIsReportedAndCloses()
{
    QFETCH(QString, search);
    QPointer<frmFiles> dialog = new frmFiles(m_database, m_host, m_notices);
    dialog->strSearch = search;
    QVERIFY(!dialog->Form_Load());
    QCOMPARE(m_notices.texts(), QStringList{QStringLiteral("Sorry, no matching results")});
    QCOMPARE(m_notices.shown().first().kind, FakeNotices::Kind::Information);
    QTRY_VERIFY(dialog.isNull());
}

void TestFrmFiles::emptySearchOpensEmpty()
{
    frmFiles *dialog = open(QString());
    QVERIFY(dialog->isVisible());
    QVERIFY(titles(dialog).isEmpty());
    QVERIFY(m_notices.shown().isEmpty());
    dialog->close();
}

void TestFrmFiles::unreadableDatabaseIsReported()
{
    QPointer<frmFiles> dialog = new frmFiles(m_home->filePath(QStringLiteral("missing/Velmora.dat")), m_host, m_notices);
    dialog->strSearch = QStringLiteral("setup.exe");
    QVERIFY(!dialog->Form_Load());
    QCOMPARE(m_notices.shown().size(), 1);
    QVERIFY2(m_notices.texts().first().contains(QLatin1String("Velmora.dat")), qPrintable(m_notices.texts().first()));
    QTRY_VERIFY(dialog.isNull());
}

QTEST_MAIN(TestFrmFiles)
#include "tst_frmfiles.moc"
