#include "wizard/platform/QtCommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// The common dialog on Qt's own dialogs: what a confirmed dialog hands back, and that a cancel leaves every
// setting as it was.
class TestCommonDialog : public QObject
{
    Q_OBJECT

private slots:
    void colour_data();
    void colour();
    void font_data();
    void font();
    void missingFamilyKeptWhenUnchanged();
    void openFile_data();
    void openFile();

private:
    // Acts on the dialog once it is shown.
    template <typename Dialog>
    void whenShown(std::function<void(Dialog *)> action)
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
};

void TestCommonDialog::colour_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

void TestCommonDialog::colour()
{
    QFETCH(bool, confirm);
    QtCommonDialog cdlg;
    cdlg.Color = 0x00C0C0C0;
    QColor preset;
    whenShown<QColorDialog>([&](QColorDialog *dialog) {
        preset = dialog->currentColor();
        dialog->setCurrentColor(QColor(255, 0, 0));
        confirm ? dialog->accept() : dialog->reject();
    });
    QCOMPARE(cdlg.ShowColor(), confirm);
    QCOMPARE(preset, QColor(192, 192, 192));
    QCOMPARE(cdlg.Color, confirm ? 0x000000FF : 0x00C0C0C0);
}

void TestCommonDialog::font_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

void TestCommonDialog::font()
{
    QFETCH(bool, confirm);
    QtCommonDialog cdlg;
    cdlg.FontName = QStringLiteral("DejaVu Sans");
    cdlg.FontSize = 14;
    cdlg.FontBold = true;
    QFont preset;
    whenShown<QFontDialog>([&](QFontDialog *dialog) {
        preset = dialog->currentFont();
        QFont chosen(preset.family(), 20);
        dialog->setCurrentFont(chosen);
        confirm ? dialog->accept() : dialog->reject();
    });
    QCOMPARE(cdlg.ShowFont(), confirm);
    QCOMPARE(preset.pointSize(), 14);
    QVERIFY(preset.bold());
    QCOMPARE(cdlg.FontSize, confirm ? 20.0f : 14.0f);
    QCOMPARE(cdlg.FontBold, !confirm);
}

void TestCommonDialog::missingFamilyKeptWhenUnchanged()
{
    QtCommonDialog cdlg;
    cdlg.FontName = QStringLiteral("No Such Family Velmora");
    cdlg.FontSize = 14;
    cdlg.FontBold = true;
    QFont shown;
    whenShown<QFontDialog>([&](QFontDialog *dialog) {
        shown = dialog->currentFont();
        dialog->accept();
    });
    QVERIFY(cdlg.ShowFont());
    QVERIFY(shown.bold());
    QCOMPARE(cdlg.FontName, QStringLiteral("No Such Family Velmora"));
    QCOMPARE(cdlg.FontSize, 14.0f);
    QVERIFY(cdlg.FontBold);
}

void TestCommonDialog::openFile_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

void TestCommonDialog::openFile()
{
    QFETCH(bool, confirm);
    QTemporaryDir temp;
    const QString chosen = temp.path() + QStringLiteral("/logo.gif");
    QFile file(chosen);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QtCommonDialog cdlg;
    cdlg.FileName = QStringLiteral("/earlier/choice.jpg");
    cdlg.Filter = QStringLiteral("Pictures (*.jpg;*.gif)|*.jpg;*.gif");
    cdlg.InitDir = temp.path();
    QStringList filters;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        dialog->selectFile(chosen);
        QDialog *asDialog = dialog;
        confirm ? asDialog->accept() : asDialog->reject();
    });
    QCOMPARE(cdlg.ShowOpen(), confirm);
    QCOMPARE(filters, QStringList{QStringLiteral("Pictures (*.jpg *.gif)")});
    QCOMPARE(cdlg.FileName, confirm ? chosen : QStringLiteral("/earlier/choice.jpg"));
}

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
