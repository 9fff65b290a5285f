#include "tests/wizard/WizardFixture.h"
#include "wizard/entries/FileEntries.h"
#include "wizard/entries/frmFiles.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

// The "Add Files" page of the real window: entries added, changed, renamed and removed, their files and
// screenshots, and the description lookup.
class TestFileEntries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addsAnEntryAndEmptiesTheFields();
    void changesTheSelectedEntryInPlace();
    void renameKeepsTheEntrySelected();
    void newKeepsTheSaveTarget();
    void screenshotIsCopiedIntoTheMenuFolder();
    void refusesWhatCannotBeStored_data();
    void refusesWhatCannotBeStored();
    void textIsStoredUnchanged();
    void removesTheSelectedEntry();
    void removeAsksAndCanBeDeclined();
    void removeTakesOutExactlyTheEntryShown_data();
    void removeTakesOutExactlyTheEntryShown();
    void titleTakenInOtherCaseAsksToReplace_data();
    void titleTakenInOtherCaseAsksToReplace();
    void browseSetsTheFileOnlyWhenConfirmed();
    void findOffersEarlierDescriptions();

private:
    qint64 menuId() const { return m_wizard->window->state().menuId; }
    QListWidget *list() const { return m_wizard->window->findChild<QListWidget *>(QStringLiteral("lstFiles")); }
    QPlainTextEdit *description() const
    {
        return m_wizard->window->findChild<QPlainTextEdit *>(QStringLiteral("txtFileDescription"));
    }
    QString field(const char *name) const { return m_wizard->edit(QLatin1String(name))->text(); }
    void setField(const char *name, const QString &text) const { m_wizard->edit(QLatin1String(name))->setText(text); }
    void fillEntry(const QString &title, const QString &file, const QString &category, const QString &text);
    void select(const QString &title);
    void reopenWithEntries(const QStringList &titles);
    int rows() const;
    QString stored(const QString &title, const char *column) const;

    std::unique_ptr<WizardFixture> m_wizard;
};

void TestFileEntries::init()
{
    m_wizard = std::make_unique<WizardFixture>();
    WizardFixture &w = *m_wizard;
    w.walkToEntries(QStringLiteral("Extended Screenshots"), QStringLiteral("Tools CD"));
    QCOMPARE(w.step(), 4);
    QVERIFY(menuId() > 0);
    QVERIFY(w.shown(QStringLiteral("txtFileCat")));
    QVERIFY(w.shown(QStringLiteral("txtFileScreenshot")));
    w.makeFile(QStringLiteral("cd/docs/readme.txt"));
    w.makeFile(QStringLiteral("cd/tools/setup.exe"));
    w.notices.clear();
}

void TestFileEntries::cleanup()
{
    m_wizard.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestFileEntries::fillEntry(const QString &title, const QString &file, const QString &category,
                                const QString &text)
{
    setField("txtFileTitle", title);
    setField("txtFile", file);
    setField("txtFileCat", category);
    description()->setPlainText(text);
}

void TestFileEntries::select(const QString &title)
{
    const QList<QListWidgetItem *> items = list()->findItems(title, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(title));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(items.first()).center());
    QVERIFY(items.first()->isSelected());
}

int TestFileEntries::rows() const
{
    return m_wizard->scalar(QStringLiteral("SELECT count(*) FROM tblDetails WHERE MenuNo=?"), {menuId()}).toInt();
}

QString TestFileEntries::stored(const QString &title, const char *column) const
{
    return m_wizard
        ->scalar(QStringLiteral("SELECT %1 FROM tblDetails WHERE MenuNo=? AND FileName=?").arg(QLatin1String(column)),
                 {menuId(), title})
        .toString();
}

void TestFileEntries::addsAnEntryAndEmptiesTheFields()
{
    fillEntry(QStringLiteral("Readme"), m_wizard->cdRoot + QStringLiteral("/docs/readme.txt"), QString(),
              QStringLiteral("Notes"));
    m_wizard->click(QStringLiteral("cmdSave"));
    QVERIFY(m_wizard->notices.shown().isEmpty());
    QCOMPARE(rows(), 1);
    QCOMPARE(stored(QStringLiteral("Readme"), "Category"), QStringLiteral("none"));
    QCOMPARE(stored(QStringLiteral("Readme"), "FileLink"), QStringLiteral("docs/readme.txt"));
    QCOMPARE(stored(QStringLiteral("Readme"), "Screenshot"), QStringLiteral("none"));
    QCOMPARE(stored(QStringLiteral("Readme"), "Description"), QStringLiteral("Notes"));
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->item(0)->text(), QStringLiteral("Readme"));
    QCOMPARE(field("txtFile"), QString());
    QCOMPARE(field("txtFileTitle"), QString());
    QCOMPARE(field("txtFileCat"), QStringLiteral("none"));
    QCOMPARE(field("txtFileScreenshot"), QStringLiteral("none"));
    QCOMPARE(description()->toPlainText(), QString());
}

void TestFileEntries::changesTheSelectedEntryInPlace()
{
    fillEntry(QStringLiteral("Readme"), m_wizard->cdRoot + QStringLiteral("/docs/readme.txt"), QStringLiteral("Docs"),
              QStringLiteral("Notes"));
    m_wizard->click(QStringLiteral("cmdSave"));
    select(QStringLiteral("Readme"));
    QCOMPARE(m_wizard->window->state().currentEntry, QStringLiteral("Readme"));
    QCOMPARE(field("txtFile"), QStringLiteral("docs/readme.txt"));
    QCOMPARE(field("txtFileCat"), QStringLiteral("Docs"));
    QCOMPARE(description()->toPlainText(), QStringLiteral("Notes"));

    // The stored link shown in the field is kept when the entry is saved again.
    description()->setPlainText(QStringLiteral("Better notes"));
    m_wizard->click(QStringLiteral("cmdSave"));
    QVERIFY(m_wizard->notices.shown().isEmpty());
    QCOMPARE(rows(), 1);
    QCOMPARE(stored(QStringLiteral("Readme"), "Description"), QStringLiteral("Better notes"));
    QCOMPARE(stored(QStringLiteral("Readme"), "FileLink"), QStringLiteral("docs/readme.txt"));
    QCOMPARE(list()->count(), 1);
}

void TestFileEntries::renameKeepsTheEntrySelected()
{
    fillEntry(QStringLiteral("Readme"), m_wizard->cdRoot + QStringLiteral("/docs/readme.txt"), QString(),
              QStringLiteral("Notes"));
    m_wizard->click(QStringLiteral("cmdSave"));
    select(QStringLiteral("Readme"));
    setField("txtFileTitle", QStringLiteral("Read me first"));
    m_wizard->click(QStringLiteral("cmdSave"));
    QCOMPARE(list()->item(0)->text(), QStringLiteral("Read me first"));
    QCOMPARE(m_wizard->window->state().currentEntry, QStringLiteral("Read me first"));

    description()->setPlainText(QStringLiteral("Changed after the rename"));
    m_wizard->click(QStringLiteral("cmdSave"));
    QCOMPARE(rows(), 1);
    QCOMPARE(list()->count(), 1);
    QCOMPARE(stored(QStringLiteral("Read me first"), "Description"), QStringLiteral("Changed after the rename"));
}

void TestFileEntries::newKeepsTheSaveTarget()
{
    fillEntry(QStringLiteral("Readme"), m_wizard->cdRoot + QStringLiteral("/docs/readme.txt"), QString(),
              QStringLiteral("Notes"));
    m_wizard->click(QStringLiteral("cmdSave"));
    select(QStringLiteral("Readme"));
    m_wizard->click(QStringLiteral("cmdNewF"));
    QCOMPARE(field("txtFileTitle"), QString());
    QCOMPARE(field("txtFileCat"), QStringLiteral("none"));
    QCOMPARE(m_wizard->window->state().currentEntry, QStringLiteral("Readme"));

    // Clicking the entry that is still selected shows it again.
    select(QStringLiteral("Readme"));
    QCOMPARE(field("txtFileTitle"), QStringLiteral("Readme"));
    m_wizard->click(QStringLiteral("cmdNewF"));

    fillEntry(QStringLiteral("Setup"), m_wizard->cdRoot + QStringLiteral("/tools/setup.exe"), QString(),
              QStringLiteral("Installs"));
    m_wizard->click(QStringLiteral("cmdSave"));
    QCOMPARE(rows(), 1);
    QCOMPARE(stored(QStringLiteral("Setup"), "FileLink"), QStringLiteral("tools/setup.exe"));
}

void TestFileEntries::screenshotIsCopiedIntoTheMenuFolder()
{
    const QString shot = m_wizard->makeFile(QStringLiteral("shots/main.jpg"), "jpeg bytes");
    fillEntry(QStringLiteral("Setup"), m_wizard->cdRoot + QStringLiteral("/tools/setup.exe"), QStringLiteral("Tools"),
              QStringLiteral("Installs"));
    setField("txtFileScreenshot", shot);
    m_wizard->click(QStringLiteral("cmdSave"));
    QVERIFY2(m_wizard->notices.shown().isEmpty(), qPrintable(m_wizard->notices.texts().join(QLatin1Char('|'))));
    QCOMPARE(stored(QStringLiteral("Setup"), "Screenshot"), QStringLiteral("main.jpg"));
    QFile copy(m_wizard->cdRoot + QStringLiteral("/Menu/main.jpg"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("jpeg bytes"));

    // Shown again, the field holds the bare name; saving keeps it without a copy from nowhere.
    select(QStringLiteral("Setup"));
    QCOMPARE(field("txtFileScreenshot"), QStringLiteral("main.jpg"));
    description()->setPlainText(QStringLiteral("Installs everything"));
    m_wizard->click(QStringLiteral("cmdSave"));
    QVERIFY(m_wizard->notices.shown().isEmpty());
    QCOMPARE(stored(QStringLiteral("Setup"), "Screenshot"), QStringLiteral("main.jpg"));
    QCOMPARE(stored(QStringLiteral("Setup"), "Description"), QStringLiteral("Installs everything"));
}

void TestFileEntries::refusesWhatCannotBeStored_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("screenshot");
    QTest::addColumn<bool>("dropTable");
    QTest::addColumn<QString>("message");
    QTest::newRow("no title") << QString() << QStringLiteral("cd/tools/setup.exe") << QStringLiteral("none") << false
                              << QStringLiteral("Please select a file and enter a file name!");
    QTest::newRow("no file") << QStringLiteral("Setup") << QString() << QStringLiteral("none") << false
                             << QStringLiteral("Please select a file and enter a file name!");
    QTest::newRow("file outside the root") << QStringLiteral("Setup") << QStringLiteral("elsewhere/setup.exe")
                                           << QStringLiteral("none") << false
                                           << QStringLiteral("is not inside the CD root");
    QTest::newRow("screenshot gone") << QStringLiteral("Setup") << QStringLiteral("cd/tools/setup.exe")
                                     << QStringLiteral("shots/gone.jpg") << false << QStringLiteral("gone.jpg");
    QTest::newRow("database refuses") << QStringLiteral("Setup") << QStringLiteral("cd/tools/setup.exe")
                                      << QStringLiteral("none") << true << QStringLiteral("tblDetails");
}

void TestFileEntries::refusesWhatCannotBeStored()
{
    QFETCH(QString, title);
    QFETCH(QString, file);
    QFETCH(QString, screenshot);
    QFETCH(bool, dropTable);
    QFETCH(QString, message);
    const QString base = m_wizard->tempPath() + QLatin1Char('/');
    fillEntry(title, file.isEmpty() ? QString() : base + file, QStringLiteral("Tools"), QStringLiteral("Text"));
    setField("txtFileScreenshot", screenshot == QLatin1String("none") ? screenshot : base + screenshot);
    if (dropTable)
        m_wizard->execute(QStringLiteral("ALTER TABLE tblDetails RENAME TO tblDetailsAway"));

    m_wizard->click(QStringLiteral("cmdSave"));
    QCOMPARE(m_wizard->notices.shown().size(), 1);
    QVERIFY2(m_wizard->notices.texts().first().contains(message), qPrintable(m_wizard->notices.texts().first()));
    QCOMPARE(list()->count(), 0);
    QCOMPARE(field("txtFileTitle"), title);
    QCOMPARE(description()->toPlainText(), QStringLiteral("Text"));
    QCOMPARE(m_wizard->step(), 4);
    if (dropTable)
        m_wizard->execute(QStringLiteral("ALTER TABLE tblDetailsAway RENAME TO tblDetails"));
    QCOMPARE(rows(), 0);
}

void TestFileEntries::textIsStoredUnchanged()
{
    const QString title = QStringLiteral(u"Tom's \"best\" tool – ünïcode");
    // The description box keeps line breaks as typed: line feeds.
    const QString text = QStringLiteral("Line one's\nline two </script>\n\nend");
    fillEntry(title, m_wizard->cdRoot + QStringLiteral("/tools/setup.exe"), QStringLiteral("It's"), text);
    m_wizard->click(QStringLiteral("cmdSave"));
    QVERIFY(m_wizard->notices.shown().isEmpty());
    QCOMPARE(stored(title, "Description"), text);
    QCOMPARE(stored(title, "Category"), QStringLiteral("It's"));
    select(title);
    QCOMPARE(description()->toPlainText(), text);
}

void TestFileEntries::removesTheSelectedEntry()
{
    fillEntry(QStringLiteral("Readme"), m_wizard->cdRoot + QStringLiteral("/docs/readme.txt"), QString(), QString());
    m_wizard->click(QStringLiteral("cmdSave"));
    fillEntry(QStringLiteral("Setup"), m_wizard->cdRoot + QStringLiteral("/tools/setup.exe"), QString(), QString());
    m_wizard->click(QStringLiteral("cmdSave"));
    QCOMPARE(rows(), 2);

    // Nothing selected: said so, nothing deleted.
    m_wizard->click(QStringLiteral("cmdFileRemove"));
    QCOMPARE(m_wizard->notices.texts(), QStringList{QStringLiteral("Please select the entry to remove in the list!")});
    QCOMPARE(rows(), 2);

    m_wizard->notices.clear();
    select(QStringLiteral("Readme"));
    m_wizard->notices.setNextAnswer(true);
    m_wizard->click(QStringLiteral("cmdFileRemove"));
    QCOMPARE(m_wizard->notices.texts(), (QStringList{QStringLiteral("Do you really want to remove the entry for Readme?"),
                                                     QStringLiteral("Entry deleted successfully!")}));
    QCOMPARE(rows(), 1);
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->item(0)->text(), QStringLiteral("Setup"));
    QCOMPARE(field("txtFileTitle"), QString());
    QCOMPARE(field("txtFileCat"), QStringLiteral("none"));
}

void TestFileEntries::removeAsksAndCanBeDeclined()
{
    fillEntry(QStringLiteral("Readme"), m_wizard->cdRoot + QStringLiteral("/docs/readme.txt"), QString(), QString());
    m_wizard->click(QStringLiteral("cmdSave"));
    select(QStringLiteral("Readme"));
    m_wizard->notices.clear();
    m_wizard->notices.setNextAnswer(false);
    m_wizard->click(QStringLiteral("cmdFileRemove"));
    QCOMPARE(m_wizard->notices.shown().size(), 1);
    QCOMPARE(m_wizard->notices.shown().first().kind, FakeNotices::Kind::Question);
    QCOMPARE(rows(), 1);
    QCOMPARE(list()->count(), 1);
}

// Entries stored by earlier versions, which let titles repeat, listed by opening the menu again.
void TestFileEntries::reopenWithEntries(const QStringList &titles)
{
    for (const QString &title : titles) {
        m_wizard->execute(QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,"
                                         "Screenshot) VALUES (?,'none',?,'docs/readme.txt',?,'none')"),
                          {menuId(), title, title + QStringLiteral(" notes")});
    }
    for (int i = 0; i < 4; ++i)
        m_wizard->click(QStringLiteral("cmdBack"));
    m_wizard->click(QStringLiteral("cmdEdit"));
    m_wizard->click(QStringLiteral("cmdLoad"));
    for (int i = 0; i < 3; ++i)
        m_wizard->click(QStringLiteral("cmdNext"));
    QCOMPARE(list()->count(), titles.size());
}

void TestFileEntries::removeTakesOutExactlyTheEntryShown_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("left");
    QTest::newRow("titles differing in case") << QStringList{QStringLiteral("Readme"), QStringLiteral("README")} << 1
                                              << QStringLiteral("Readme");
    QTest::newRow("title stored twice") << QStringList{QStringLiteral("Readme"), QStringLiteral("Readme")} << 1
                                        << QStringLiteral("Readme");
}

void TestFileEntries::removeTakesOutExactlyTheEntryShown()
{
    QFETCH(QStringList, titles);
    QFETCH(int, row);
    QFETCH(QString, left);
    reopenWithEntries(titles);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    QCOMPARE(description()->toPlainText(), titles.at(row) + QStringLiteral(" notes"));
    m_wizard->notices.clear();
    m_wizard->notices.setNextAnswer(true);
    m_wizard->click(QStringLiteral("cmdFileRemove"));
    QCOMPARE(m_wizard->notices.texts().last(), QStringLiteral("Entry deleted successfully!"));
    QCOMPARE(rows(), 1);
    QCOMPARE(m_wizard->scalar(QStringLiteral("SELECT FileName FROM tblDetails WHERE MenuNo=?"), {menuId()}).toString(),
             left);
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->item(0)->text(), left);
}

void TestFileEntries::titleTakenInOtherCaseAsksToReplace_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::newRow("Latin") << QStringLiteral("Readme") << QStringLiteral("README");
    QTest::newRow("beyond A to Z") << QStringLiteral(u"ärger") << QStringLiteral(u"ÄRGER");
}

void TestFileEntries::titleTakenInOtherCaseAsksToReplace()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    reopenWithEntries({stored});
    fillEntry(typed, QStringLiteral("docs/readme.txt"), QString(), QStringLiteral("New notes"));
    m_wizard->notices.clear();
    m_wizard->notices.setNextAnswer(false);
    m_wizard->click(QStringLiteral("cmdSave"));
    QCOMPARE(m_wizard->notices.texts(),
             QStringList{QStringLiteral("An entry titled %1 is already in this menu.\r\nDo you want to replace it?")
                             .arg(stored)});
    const QString titles = QStringLiteral("SELECT group_concat(FileName || ':' || Description) FROM tblDetails");
    QCOMPARE(m_wizard->scalar(titles).toString(), stored + QStringLiteral(":") + stored + QStringLiteral(" notes"));

    m_wizard->notices.setNextAnswer(true);
    m_wizard->click(QStringLiteral("cmdSave"));
    QCOMPARE(m_wizard->scalar(titles).toString(), typed + QStringLiteral(":New notes"));
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->item(0)->text(), typed);
}

void TestFileEntries::browseSetsTheFileOnlyWhenConfirmed()
{
    const QString setup = m_wizard->cdRoot + QStringLiteral("/tools/setup.exe");
    m_wizard->cdlg.confirmFile(setup);
    m_wizard->click(QStringLiteral("cmdFile"));
    QCOMPARE(field("txtFile"), QDir::toNativeSeparators(setup));
    const auto &shown = m_wizard->cdlg.shown();
    QCOMPARE(shown.last().kind, FakeCommonDialog::Kind::Open);
    QCOMPARE(shown.last().filter, QStringLiteral("All files (*.*)|*.*"));
    QCOMPARE(shown.last().initDir, m_wizard->window->state().rootPath());

    m_wizard->cdlg.cancelNext();
    m_wizard->click(QStringLiteral("cmdFScreenshot"));
    QCOMPARE(field("txtFileScreenshot"), QStringLiteral("none"));
    QCOMPARE(m_wizard->cdlg.shown().last().filter, QStringLiteral("Pictures (*.jpg;*.gif)|*.jpg;*.gif"));
    QCOMPARE(m_wizard->cdlg.shown().last().defaultExt, QStringLiteral("jpg"));

    m_wizard->cdlg.cancelNext();
    m_wizard->click(QStringLiteral("cmdFile"));
    QCOMPARE(field("txtFile"), QDir::toNativeSeparators(setup));
}

void TestFileEntries::findOffersEarlierDescriptions()
{
    if (QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("Under Wine's offscreen platform the closed File Descriptions dialog is not deleted; the Linux build checks it.");
    m_wizard->execute(QStringLiteral("INSERT INTO tblDetails VALUES (90, 'none', 'Setup', 'tools/setup.exe', "
                                     "'Installs the tools', 'none')"));
    m_wizard->execute(QStringLiteral("INSERT INTO tblDetails VALUES (91, 'none', 'Setup two', 'cd2/setup.exe', "
                                     "'The second', 'none')"));
    setField("txtFile", m_wizard->cdRoot + QStringLiteral("/setup.exe"));
    m_wizard->click(QStringLiteral("cmdFind"));
    auto *entries = m_wizard->window->findChild<FileEntries *>();
    QVERIFY(entries);
    QPointer<frmFiles> dialog = entries->descriptionsDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    auto *titles = dialog->findChild<QComboBox *>(QStringLiteral("cmbDesTitle"));
    QCOMPARE(titles->count(), 2);

    // A second Find brings the open dialog forward instead of opening another.
    m_wizard->click(QStringLiteral("cmdFind"));
    QCOMPARE(entries->descriptionsDialog(), dialog.data());
    QCOMPARE(m_wizard->window->findChildren<frmFiles *>().size(), 1);

    titles->setCurrentIndex(1);
    emit titles->activated(1);
    QWidget *ok = dialog->findChild<QWidget *>(QStringLiteral("cmdOK"));
    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(field("txtFileTitle"), QStringLiteral("Setup two"));
    QCOMPARE(description()->toPlainText(), QStringLiteral("The second"));
    QCOMPARE(rows(), 0);
}

QTEST_MAIN(TestFileEntries)
#include "tst_fileentries.moc"
