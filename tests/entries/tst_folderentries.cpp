#include "tests/wizard/WizardFixture.h"

#include <QAbstractScrollArea>
#include <QListWidget>
#include <QMimeData>
#include <QtTest>

using Kind = FakeDiscPrompts::Kind;

// Entries for the files under the CD root on the "Add Files" page: Add Folder Contents… and files dropped from a
// file manager, offered as a checklist and stored together.
class TestFolderEntries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fillsFromTheCdRoot_data();
    void fillsFromTheCdRoot();
    void editedRowsStayUnique();
    void dropOffersWhatWasDropped_data();
    void dropOffersWhatWasDropped();

private:
    QListWidget *list() const { return m_wizard->window->findChild<QListWidget *>(QStringLiteral("lstFiles")); }
    // Title, category and link of every stored entry, in stored order.
    QStringList storedEntries() const;
    QStringList offeredRows() const;

    std::unique_ptr<WizardFixture> m_wizard;
};

namespace {

// Every file of the CD root that can be offered, as its row, in the order offered.
const QStringList allRows = {
    QStringLiteral("canción (1) (Música): Música/canción (1).mp3"),
    QStringLiteral("Read me first (General): Read_me-first.txt"),
    QStringLiteral("a b c.tar (Tools): tools/deep/more/a-b_c.tar.gz"),
    QStringLiteral("Setup Tool (Tools): tools/Setup Tool.exe"),
};

// The stored form of a row: "title|category|link".
QString storedForm(const QString &row)
{
    const int open = row.lastIndexOf(QStringLiteral(" ("), row.indexOf(QStringLiteral("): ")));
    const int close = row.indexOf(QStringLiteral("): "));
    return row.left(open) + QLatin1Char('|') + row.mid(open + 2, close - open - 2) + QLatin1Char('|') +
           row.mid(close + 3);
}

} // namespace

void TestFolderEntries::init()
{
    m_wizard = std::make_unique<WizardFixture>();
    WizardFixture &w = *m_wizard;
    for (const char *file : {"cd/Read_me-first.txt", "cd/tools/Setup Tool.exe", "cd/tools/deep/more/a-b_c.tar.gz",
                             "cd/Música/canción (1).mp3", "cd/docs/readme.txt", "cd/.hidden/x.txt", "cd/tools/.dot.txt",
                             "cd/Menu/logo.png", "cd/Index.htm", "cd/AUTORUN.INF", "cd/Start.exe", "outside/notes.txt"})
        w.makeFile(QString::fromUtf8(file));
    w.walkToEntries(QStringLiteral("Extended"), QStringLiteral("Tools CD"));
    QCOMPARE(w.step(), 4);
    // One file already has its entry, typed by hand.
    w.edit(QStringLiteral("txtFile"))->setText(w.cdRoot + QStringLiteral("/docs/readme.txt"));
    w.edit(QStringLiteral("txtFileTitle"))->setText(QStringLiteral("Readme"));
    w.edit(QStringLiteral("txtFileCat"))->setText(QStringLiteral("Docs"));
    w.click(QStringLiteral("cmdSave"));
    QCOMPARE(list()->count(), 1);
    w.notices.clear();
}

void TestFolderEntries::cleanup()
{
    m_wizard.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QStringList TestFolderEntries::storedEntries() const
{
    QStringList entries;
    Recordset rows = clsData(DataHome::databasePath(m_wizard->home)).GetRS(Sql::selectEntries(m_wizard->window->state().menuId));
    while (!rows.atEnd()) {
        entries.append(QStringList{rows.text(QStringLiteral("FileName")), rows.text(QStringLiteral("Category")),
                                   rows.text(QStringLiteral("FileLink"))}
                           .join(QLatin1Char('|')));
        rows.moveNext();
    }
    return entries;
}

QStringList TestFolderEntries::offeredRows() const
{
    const QList<FakeDiscPrompts::Shown> offers = m_wizard->prompts.shown(Kind::ChooseFiles);
    return offers.isEmpty() ? QStringList() : offers.constLast().lines;
}

void TestFolderEntries::fillsFromTheCdRoot_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QString>("notice");
    QTest::newRow("all checked") << false << QList<int>{0, 1, 2, 3} << QStringLiteral("4 entries added.");
    QTest::newRow("one unchecked") << false << QList<int>{0, 1, 3} << QStringLiteral("3 entries added.");
    QTest::newRow("one checked") << false << QList<int>{2} << QStringLiteral("1 entry added.");
    QTest::newRow("none checked") << false << QList<int>{} << QStringLiteral("No entries were added.");
    QTest::newRow("cancelled") << true << QList<int>{} << QString();
}

void TestFolderEntries::fillsFromTheCdRoot()
{
    QFETCH(bool, cancel);
    QFETCH(QList<int>, checked);
    QFETCH(QString, notice);
    WizardFixture &w = *m_wizard;
    w.edit(QStringLiteral("txtFileTitle"))->setText(QStringLiteral("half typed"));
    if (cancel)
        w.prompts.chooseNext(std::nullopt);
    else
        w.prompts.chooseNext(checked);
    w.click(QStringLiteral("cmdAddFolder"));

    QCOMPARE(offeredRows(), allRows);
    QCOMPARE(w.notices.texts(), notice.isEmpty() ? QStringList() : QStringList{notice});
    QStringList expected{QStringLiteral("Readme|Docs|docs/readme.txt")};
    QStringList left = allRows;
    for (const int row : checked) {
        if (!cancel)
            expected.append(storedForm(allRows.at(row)));
    }
    for (int row = allRows.size() - 1; row >= 0; --row) {
        if (!cancel && checked.contains(row))
            left.removeAt(row);
    }
    QCOMPARE(storedEntries(), expected);
    QCOMPARE(w.scalar(QStringLiteral("SELECT count(*) FROM tblDetails WHERE FileName<>'Readme' AND "
                                     "(Description<>'' OR Screenshot<>'none')"))
                 .toInt(),
             0);
    QStringList listed;
    for (int i = 0; i < list()->count(); ++i)
        listed.append(list()->item(i)->text());
    QStringList titles;
    for (const QString &entry : expected)
        titles.append(entry.section(QLatin1Char('|'), 0, 0));
    QCOMPARE(listed, titles);
    // What the user was typing stays.
    QCOMPARE(w.edit(QStringLiteral("txtFileTitle"))->text(), QStringLiteral("half typed"));

    // A second fill offers only the files still without an entry.
    w.prompts.clear();
    w.notices.clear();
    w.prompts.chooseNext(std::nullopt);
    w.click(QStringLiteral("cmdAddFolder"));
    QCOMPARE(offeredRows(), left);
    QCOMPARE(w.notices.texts(),
             left.isEmpty() ? QStringList{QStringLiteral("No files to add: every file under the CD root has an entry.")}
                            : QStringList());
}

// Titles and categories typed in the checklist are stored; a title typed twice, or one an entry has already, gets a
// number, and a title left empty keeps the suggestion.
void TestFolderEntries::editedRowsStayUnique()
{
    WizardFixture &w = *m_wizard;
    w.prompts.editNext([](QList<FileRow> &rows) {
        rows[0].title = QStringLiteral("readme");
        rows[1].title = QStringLiteral("Setup Tool");
        rows[1].category = QStringLiteral("Start here");
        rows[2].title.clear();
    });
    w.click(QStringLiteral("cmdAddFolder"));
    QCOMPARE(storedEntries(), (QStringList{QStringLiteral("Readme|Docs|docs/readme.txt"),
                                           QStringLiteral("readme (2)|Música|Música/canción (1).mp3"),
                                           QStringLiteral("Setup Tool|Start here|Read_me-first.txt"),
                                           QStringLiteral("a b c.tar|Tools|tools/deep/more/a-b_c.tar.gz"),
                                           QStringLiteral("Setup Tool (2)|Tools|tools/Setup Tool.exe")}));
}

void TestFolderEntries::dropOffersWhatWasDropped_data()
{
    QTest::addColumn<QStringList>("dropped"); // below the fixture's folder; a web address as it is
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("notice"); // %1: the fixture's folder
    QTest::addColumn<QString>("onto");   // the control under the drop; empty: the page itself
    const QString outside =
        QStringLiteral("The file %1/outside/notes.txt is not inside the CD root %1/cd/.\r\nPlease choose a file inside "
                       "the CD root!");
    QTest::newRow("a folder inside") << QStringList{QStringLiteral("cd/tools")} << true << allRows.mid(2)
                                     << QStringLiteral("2 entries added.") << QString();
    QTest::newRow("files inside") << QStringList{QStringLiteral("cd/Read_me-first.txt"),
                                                 QStringLiteral("cd/Música/canción (1).mp3")}
                                  << true << allRows.mid(0, 2) << QStringLiteral("2 entries added.") << QString();
    QTest::newRow("a file with an entry")
        << QStringList{QStringLiteral("cd/docs/readme.txt")} << true << QStringList()
        << QStringLiteral("No files to add: every file dropped has an entry already.") << QString();
    QTest::newRow("outside the root") << QStringList{QStringLiteral("outside/notes.txt")} << true << QStringList()
                                      << outside << QString();
    QTest::newRow("inside and outside") << QStringList{QStringLiteral("cd/tools"), QStringLiteral("outside/notes.txt")}
                                        << true << QStringList() << outside << QString();
    QTest::newRow("a web address") << QStringList{QStringLiteral("https://example.com/setup.exe")} << false
                                   << QStringList() << QString() << QString();
    QTest::newRow("onto the file field") << QStringList{QStringLiteral("cd/tools")} << true << allRows.mid(2)
                                         << QStringLiteral("2 entries added.") << QStringLiteral("txtFile");
    QTest::newRow("onto the description") << QStringList{QStringLiteral("cd/tools")} << true << allRows.mid(2)
                                          << QStringLiteral("2 entries added.") << QStringLiteral("txtFileDescription");
}

void TestFolderEntries::dropOffersWhatWasDropped()
{
    QFETCH(QStringList, dropped);
    QFETCH(bool, accepted);
    QFETCH(QStringList, offered);
    QFETCH(QString, notice);
    QFETCH(QString, onto);
    WizardFixture &w = *m_wizard;
    QList<QUrl> urls;
    for (const QString &item : dropped)
        urls.append(item.startsWith(QLatin1String("https:"))
                        ? QUrl(item)
                        : QUrl::fromLocalFile(w.tempPath() + QLatin1Char('/') + item));
    QMimeData mime;
    mime.setUrls(urls);
    QWidget *page = w.window->page(Step::Files);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(w.control(onto)))
        page = area->viewport();
    else if (!onto.isEmpty())
        page = w.control(onto);
    const QPoint inside = page->rect().center();
    QDragEnterEvent enter(inside, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(page, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted) {
        QDropEvent drop(QPointF(inside), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(page, &drop);
        QVERIFY(drop.isAccepted());
    }
    QTRY_COMPARE(w.notices.texts(), notice.isEmpty() ? QStringList() : QStringList{QDir::toNativeSeparators(notice.arg(w.tempPath()))});
    QCOMPARE(offeredRows(), offered);
    QCOMPARE(storedEntries().size(), 1 + offered.size());
    QCOMPARE(list()->count(), 1 + offered.size());
    QCOMPARE(w.edit(QStringLiteral("txtFile"))->text(), QString());
}

QTEST_MAIN(TestFolderEntries)
#include "tst_folderentries.moc"
