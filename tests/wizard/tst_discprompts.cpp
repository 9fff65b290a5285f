#include "wizard/platform/QtDiscPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
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
    // The rows of a list dialog and whether each is checked ("+" or "-" in front).
    static QStringList rows(QDialog *dialog)
    {
        QStringList shown;
        const QListWidget *list = dialog->findChild<QListWidget *>(QStringLiteral("lstItems"));
        for (int i = 0; i < list->count(); ++i) {
            const QListWidgetItem *item = list->item(i);
            const bool checkable = item->data(Qt::CheckStateRole).isValid();
            shown.append((checkable ? item->checkState() == Qt::Checked ? "+" : "-" : "") + item->text());
        }
        return shown;
    }
};

void TestDiscPrompts::chooseFiles_data()
{
    QTest::addColumn<QList<int>>("unchecked");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("all added") << QList<int>{} << QStringLiteral("cmdAdd") << true << QList<int>{0, 1, 2};
    QTest::newRow("one unchecked") << QList<int>{1} << QStringLiteral("cmdAdd") << true << QList<int>{0, 2};
    QTest::newRow("cancelled") << QList<int>{1} << QStringLiteral("cmdCancel") << false << QList<int>{};
}

void TestDiscPrompts::chooseFiles()
{
    QFETCH(QList<int>, unchecked);
    QFETCH(QString, button);
    QFETCH(bool, chosen);
    QFETCH(QList<int>, expected);
    QtDiscPrompts prompts;
    QStringList shown;
    whenShown<QDialog>([&](QDialog *dialog) {
        shown = rows(dialog);
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("lstItems"));
        for (const int row : unchecked)
            list->item(row)->setCheckState(Qt::Unchecked);
        dialog->findChild<QPushButton *>(button)->click();
    });
    const std::optional<QList<int>> answer =
        prompts.chooseFiles({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QCOMPARE(shown, (QStringList{QStringLiteral("+a"), QStringLiteral("+b"), QStringLiteral("+c")}));
    QCOMPARE(answer.has_value(), chosen);
    if (answer)
        QCOMPARE(*answer, expected);
}

void TestDiscPrompts::continueDespite_data()
{
    QTest::addColumn<QString>("button"); // empty: Enter, the default button
    QTest::addColumn<bool>("expected");
    QTest::newRow("Continue") << QStringLiteral("cmdContinue") << true;
    QTest::newRow("Cancel") << QStringLiteral("cmdCancel") << false;
    QTest::newRow("Enter cancels") << QString() << false;
}

void TestDiscPrompts::continueDespite()
{
    QFETCH(QString, button);
    QFETCH(bool, expected);
    QtDiscPrompts prompts;
    QStringList shown;
    whenShown<QDialog>([&](QDialog *dialog) {
        shown = rows(dialog);
        if (button.isEmpty())
            QTest::keyClick(dialog, Qt::Key_Return);
        else
            dialog->findChild<QPushButton *>(button)->click();
    });
    const QStringList problems = {QStringLiteral("The file x is missing."), QStringLiteral("Size: 1.0 MB.")};
    QCOMPARE(prompts.continueDespite(problems), expected);
    QCOMPARE(shown, problems);
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

QTEST_MAIN(TestDiscPrompts)
#include "tst_discprompts.moc"
