#include "tests/common/FakeNotices.h"
#include "wizard/platform/QtDiscPrompts.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// The disc prompts on real dialogs: what the checklist, the problem list and the save dialog hand back.
class TestDiscPrompts : public QObject
{
    Q_OBJECT

private slots:
    void chooseFiles_data();
    void chooseFiles();
    void continueDespite_data();
    void continueDespite();
    void imageFile_data();
    void imageFile();
    void browserFailureIsTold_data();
    void browserFailureIsTold();

private:
    // Acts on the modal dialog once it is shown.
    template <typename Dialog> void whenShown(std::function<void(Dialog *)> action)
    {
        QTimer::singleShot(0, this, [this, action] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                whenShown<Dialog>(action);
                return;
            }
            action(dialog);
        });
    }
    // The rows of the checklist: "+" or "-" for the check box, then title, category and file.
    static QStringList rows(QDialog *dialog)
    {
        QStringList shown;
        const auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("tblFiles"));
        for (int i = 0; i < table->rowCount(); ++i)
            shown.append((table->item(i, 0)->checkState() == Qt::Checked ? "+" : "-") + table->item(i, 1)->text() +
                         "|" + table->item(i, 2)->text() + "|" + table->item(i, 3)->text());
        return shown;
    }
    // Types into a cell as a user does: F2, the text, Return.
    static void typeInto(QTableWidget *table, int row, int column, const QString &text)
    {
        table->setCurrentCell(row, column);
        QTest::keyClick(table, Qt::Key_F2);
        auto *editor = table->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(table->item(row, column)->text(), text);
    }
};

void TestDiscPrompts::chooseFiles_data()
{
    QTest::addColumn<QList<int>>("unchecked");
    QTest::addColumn<QString>("title");       // typed over the first row's title; empty: none
    QTest::addColumn<QString>("allCategory"); // set for the checked rows through the field; empty: none
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QStringList>("expected");
    const QStringList offered = {"+a|Docs|docs/a.txt", "+b|Docs|docs/b.txt", "+c|General|c.txt"};
    QTest::newRow("all added") << QList<int>{} << QString() << QString() << "cmdAdd" << true << offered;
    QTest::newRow("one unchecked") << QList<int>{1} << QString() << QString() << "cmdAdd" << true
                                   << QStringList{"+a|Docs|docs/a.txt", "-b|Docs|docs/b.txt", "+c|General|c.txt"};
    QTest::newRow("edited in place") << QList<int>{1} << "Read me first"
                                     << "Manuals"
                                     << "cmdAdd" << true
                                     << QStringList{"+Read me first|Manuals|docs/a.txt", "-b|Docs|docs/b.txt",
                                                    "+c|Manuals|c.txt"};
    QTest::newRow("cancelled") << QList<int>{1} << "x"
                               << "y"
                               << "cmdCancel" << false << offered;
}

void TestDiscPrompts::chooseFiles()
{
    QFETCH(QList<int>, unchecked);
    QFETCH(QString, title);
    QFETCH(QString, allCategory);
    QFETCH(QString, button);
    QFETCH(bool, chosen);
    QFETCH(QStringList, expected);
    QtDiscPrompts prompts;
    QStringList shown;
    whenShown<QDialog>([&](QDialog *dialog) {
        shown = rows(dialog);
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("tblFiles"));
        for (const int row : unchecked)
            table->item(row, 0)->setCheckState(Qt::Unchecked);
        if (!title.isEmpty())
            typeInto(table, 0, 1, title);
        if (!allCategory.isEmpty()) {
            QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("txtCategory")), allCategory);
            dialog->findChild<QPushButton *>(QStringLiteral("cmdSetCategory"))->click();
        }
        dialog->findChild<QPushButton *>(button)->click();
    });
    QList<FileRow> rows = {
        {true, "a", "Docs", "docs/a.txt"}, {true, "b", "Docs", "docs/b.txt"}, {true, "c", "General", "c.txt"}};
    QCOMPARE(prompts.chooseFiles(rows), chosen);
    QCOMPARE(shown, (QStringList{"+a|Docs|docs/a.txt", "+b|Docs|docs/b.txt", "+c|General|c.txt"}));
    QStringList answer;
    for (const FileRow &row : rows)
        answer.append((row.checked ? "+" : "-") + row.title + "|" + row.category + "|" + row.file);
    QCOMPARE(answer, expected);
}

void TestDiscPrompts::continueDespite_data()
{
    QTest::addColumn<QString>("button"); // empty: Enter, the default button
    QTest::addColumn<bool>("expected");
    QTest::newRow("Continue") << QStringLiteral("cmdContinue") << true;
    QTest::newRow("Cancel") << QStringLiteral("cmdCancel") << false;
    QTest::newRow("Enter cancels") << QString() << false;
}

// Every problem is shown whole, wrapped in the dialog's width, with the notes after it and the size below the list;
// Copy hands all of it on.
void TestDiscPrompts::continueDespite()
{
    QFETCH(QString, button);
    QFETCH(bool, expected);
    QtDiscPrompts prompts;
    const QStringList problems = {
        QStringLiteral("The file \"docs/a very long folder name for the quarterly reports of the sales team/quick "
                       "start.pdf\" of the entry \"Quick start\" is missing."),
        QStringLiteral("The name \"x*y.txt\" holds a character a disc cannot hold.")};
    const QStringList notes = {QStringLiteral("Hidden files go on the disc: .DS_Store.")};
    const QString summary = QStringLiteral("Size: 1.0 MB; fits on a CD (700 MB).");
    QStringList shown;
    QString copied;
    whenShown<QDialog>([&](QDialog *dialog) {
        dialog->resize(360, 300);
        QApplication::processEvents();
        auto *scroll = dialog->findChild<QScrollArea *>(QStringLiteral("scrProblems"));
        const QLabel *summaryLine = dialog->findChild<QLabel *>(QStringLiteral("lblSummary"));
        for (const QLabel *line : scroll->findChildren<QLabel *>()) {
            shown.append(line->text());
            // Nothing reaches past the visible width; the long problem takes more than one line.
            QVERIFY(line->geometry().right() <= scroll->viewport()->width());
            if (line->text() == problems.first())
                QVERIFY(line->height() >= 2 * line->fontMetrics().lineSpacing());
        }
        shown.append(summaryLine->text());
        QVERIFY(summaryLine->mapTo(dialog, QPoint()).y() > scroll->geometry().bottom());
        QVERIFY(dialog->isSizeGripEnabled());
        dialog->findChild<QPushButton *>(QStringLiteral("cmdCopy"))->click();
        copied = QApplication::clipboard()->text();
        if (button.isEmpty())
            QTest::keyClick(dialog, Qt::Key_Return);
        else
            dialog->findChild<QPushButton *>(button)->click();
    });
    QCOMPARE(prompts.continueDespite(problems, notes, summary), expected);
    QCOMPARE(shown, problems + QStringList{QStringLiteral("Notes:")} + notes + QStringList{summary});
    QCOMPARE(copied, (problems + notes + QStringList{summary}).join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestDiscPrompts::imageFile_data()
{
    QTest::addColumn<QString>("typed"); // empty: the suggestion as it is
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("expected"); // below the folder
    QTest::newRow("suggestion") << QString() << true << QStringLiteral("Summer CD.iso");
    QTest::newRow("typed without .iso") << QStringLiteral("Winter") << true << QStringLiteral("Winter.iso");
    QTest::newRow("cancelled") << QString() << false << QString();
}

void TestDiscPrompts::imageFile()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    QtDiscPrompts prompts;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        if (!typed.isEmpty())
            dialog->selectFile(typed);
        confirm ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
    });
    const QString answer = prompts.imageFile(folder.path() + QStringLiteral("/Summer CD.iso"));
    QCOMPARE(answer, expected.isEmpty() ? QString() : folder.path() + QLatin1Char('/') + expected);
}

void TestDiscPrompts::browserFailureIsTold_data()
{
    QTest::addColumn<QByteArray>("opener"); // the xdg-open script on the search path; empty: none there
    QTest::addColumn<QString>("reason");
    QTest::newRow("no opener") << QByteArray() << QStringLiteral("xdg-open could not be started");
    QTest::newRow("no browser") << QByteArray("echo 'xdg-open: no method available for opening' >&2; exit 3")
                                << QStringLiteral("xdg-open: no method available for opening");
    QTest::newRow("silent failure") << QByteArray("exit 4") << QStringLiteral("the browser could not be started");
    QTest::newRow("browser started") << QByteArray("exit 0") << QString();
}

void TestDiscPrompts::browserFailureIsTold()
{
    QFETCH(QByteArray, opener);
    QFETCH(QString, reason);
    QTemporaryDir bin;
    if (!opener.isEmpty()) {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + opener + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    FakeNotices notices;
    QtDiscPrompts prompts;
    prompts.setNotices(&notices);
    const QString page = QStringLiteral("/media/Summer CD/Index.htm");
    prompts.open(page);
    qputenv("PATH", path);
    QTRY_VERIFY(!notices.shown().isEmpty() || reason.isEmpty());
    QTest::qWait(reason.isEmpty() ? 300 : 0);
    if (reason.isEmpty()) {
        QVERIFY(notices.texts().isEmpty());
        return;
    }
    QCOMPARE(notices.texts().size(), 1);
    const QString text = notices.texts().constFirst();
    QVERIFY2(text.startsWith(QStringLiteral("The menu page %1 could not be opened in a browser: %2").arg(page, reason)),
             qPrintable(text));
}

QTEST_MAIN(TestDiscPrompts)
#include "tst_discprompts.moc"
