#include "tests/wizard/WizardFixture.h"

#include <QAction>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

using Kind = FakeDiscPrompts::Kind;

// From a folder to a disc through the real window: the disc check before Finish, the offer to open the built menu,
// and Make Disc Image… with the real xorriso.
class TestDiscWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void finishChecksTheDisc_data();
    void finishChecksTheDisc();
    void makesADiscImage_data();
    void makesADiscImage();
    void fromFolderToDisc();
    void finishOffersTheImage();

private:
    // A new menu in the given CD root, walked to the entry page.
    void walkToEntries(WizardFixture &w, const QString &title);
    QAction *imageAction(const WizardFixture &w) const
    {
        return w.window->findChild<QAction *>(QStringLiteral("mnuMakeImage"));
    }
    // The files of an image, as xorriso lists them, sorted with "label " and the volume label.
    QStringList imageFiles(const QString &image) const;
};

void TestDiscWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestDiscWindow::walkToEntries(WizardFixture &w, const QString &title)
{
    w.walkToEntries(QStringLiteral("Extended"), title);
    QCOMPARE(w.step(), 4);
    QVERIFY2(w.notices.shown().isEmpty(), qPrintable(w.notices.texts().join(QLatin1Char('|'))));
}

QStringList TestDiscWindow::imageFiles(const QString &image) const
{
    QProcess xorriso;
    xorriso.start(QStringLiteral("xorriso"),
                  {QStringLiteral("-indev"), image, QStringLiteral("-pvd_info"), QStringLiteral("-find"),
                   QStringLiteral("/"), QStringLiteral("-type"), QStringLiteral("f")});
    if (!xorriso.waitForFinished(60000) || xorriso.exitCode() != 0)
        return {QStringLiteral("xorriso failed: ") + QString::fromLocal8Bit(xorriso.readAllStandardError())};
    QStringList files;
    for (const QString &line : QString::fromUtf8(xorriso.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('\'')))
            files.append(line.mid(1, line.size() - 2));
        else if (line.startsWith(QLatin1String("Volume Id")))
            files.append(QStringLiteral("label ") + line.section(QLatin1Char(':'), 1).trimmed());
    }
    files.sort();
    return files;
}

void TestDiscWindow::finishChecksTheDisc_data()
{
    QTest::addColumn<bool>("missing");      // an entry whose file is gone
    QTest::addColumn<bool>("continueOver"); // the answer to the check dialog
    QTest::addColumn<bool>("open");         // the answer to the offer to open the menu
    QTest::newRow("clean root, opened") << false << false << true;
    QTest::newRow("clean root, not opened") << false << false << false;
    QTest::newRow("missing file, Cancel") << true << false << true;
    QTest::newRow("missing file, Continue") << true << true << true;
}

void TestDiscWindow::finishChecksTheDisc()
{
    QFETCH(bool, missing);
    QFETCH(bool, continueOver);
    QFETCH(bool, open);
    WizardFixture w;
    w.makeFile(QStringLiteral("cd/tools/setup.exe"));
    if (missing)
        w.makeFile(QStringLiteral("cd/tools/gone.exe"));
    walkToEntries(w, QStringLiteral("Check CD"));
    w.click(QStringLiteral("cmdAddFolder"));
    w.notices.clear();
    if (missing)
        QVERIFY(QFile::remove(w.cdRoot + QStringLiteral("/tools/gone.exe")));
    QVERIFY(!imageAction(w)->isEnabled());

    w.prompts.continueNext(continueOver);
    w.notices.setNextAnswer(open);
    w.click(QStringLiteral("Finish"));

    const QList<FakeDiscPrompts::Shown> checks = w.prompts.shown(Kind::ContinueDespite);
    QCOMPARE(checks.size(), missing ? 1 : 0);
    if (missing) {
        QCOMPARE(checks.first().lines.size(), 2);
        QCOMPARE(checks.first().lines.first(),
                 QStringLiteral("The file tools/gone.exe of the entry \"gone\" is missing."));
        QVERIFY2(checks.first().lines.last().startsWith(QLatin1String("Image size: ")) &&
                     checks.first().lines.last().contains(QLatin1String("; fits on a CD (700 MB)")),
                 qPrintable(checks.first().lines.last()));
    }
    const bool built = !missing || continueOver;
    const QString page = w.cdRoot + QStringLiteral("/Index.htm");
    QCOMPARE(QFileInfo::exists(page), built);
    QCOMPARE(QFileInfo::exists(w.cdRoot + QStringLiteral("/Start.exe")), built);
    QCOMPARE(w.notices.texts(), built ? QStringList{WizardFixture::finishedText()} : QStringList());
    const QList<FakeDiscPrompts::Shown> opened = w.prompts.shown(Kind::Open);
    QCOMPARE(opened.size(), built && open ? 1 : 0);
    if (!opened.isEmpty())
        QCOMPARE(opened.first().lines, QStringList{page});
    QCOMPARE(w.step(), 4);
    QCOMPARE(imageAction(w)->isEnabled(), built);
}

void TestDiscWindow::makesADiscImage_data()
{
    QTest::addColumn<QString>("answer"); // the image file chosen: "suggested", or empty for Cancel
    QTest::addColumn<bool>("cancelMidway");
    QTest::addColumn<bool>("withoutXorriso");
    QTest::addColumn<QString>("notice"); // %1: the image file
    QTest::addColumn<bool>("made");
    QTest::newRow("made") << QStringLiteral("suggested") << false << false
                          << QStringLiteral("The disc image %1 has been made.") << true;
    QTest::newRow("save dialog cancelled") << QString() << false << false << QString() << false;
    QTest::newRow("cancelled midway") << QStringLiteral("suggested") << true << false << QString() << false;
    QTest::newRow("no xorriso") << QStringLiteral("suggested") << false << true
                                << QStringLiteral(
                                       "xorriso was not found. Please install the xorriso package to make disc images.")
                                << false;
}

void TestDiscWindow::makesADiscImage()
{
    QFETCH(QString, answer);
    QFETCH(bool, cancelMidway);
    QFETCH(bool, withoutXorriso);
    QFETCH(QString, notice);
    QFETCH(bool, made);
    WizardFixture w;
    w.makeFile(QStringLiteral("cd/docs/readme.txt"));
    walkToEntries(w, QStringLiteral("Tools: CD"));
    w.click(QStringLiteral("cmdAddFolder"));
    w.notices.clear();
    w.click(QStringLiteral("Finish"));
    QCOMPARE(w.notices.texts(), QStringList{WizardFixture::finishedText()});
    w.notices.clear();
    if (cancelMidway) {
        // Enough to read that the image is still being written when Cancel comes.
        QFile big(w.cdRoot + QStringLiteral("/docs/big.bin"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(qint64(400) << 20));
    }

    const QString suggested = w.tempPath() + QStringLiteral("/Tools_ CD.iso");
    w.prompts.imageFileNext(answer == QLatin1String("suggested") ? suggested : answer);
    bool progressShown = false;
    int highest = -1;
    QTimer::singleShot(0, this, [&] {
        auto *progress = w.window->findChild<QProgressDialog *>(QStringLiteral("dlgImageProgress"));
        progressShown = progress && progress->isVisible();
        if (progress)
            connect(progress->findChild<QProgressBar *>(), &QProgressBar::valueChanged, this,
                    [&](int value) { highest = qMax(highest, value); });
        if (progress && cancelMidway)
            progress->findChild<QPushButton *>()->click();
    });
    const QByteArray path = qgetenv("PATH");
    if (withoutXorriso)
        qputenv("PATH", QFile::encodeName(w.tempPath() + QStringLiteral("/nowhere")));
    QVERIFY(imageAction(w)->isEnabled());
    imageAction(w)->trigger();
    qputenv("PATH", path);
    QTest::qWait(0);

    QCOMPARE(w.prompts.shown(Kind::ImageFile).value(0).lines, QStringList{suggested});
    QCOMPARE(w.notices.texts(),
             notice.isEmpty() ? QStringList() : QStringList{QString(notice).replace(QStringLiteral("%1"), suggested)});
    QCOMPARE(progressShown, !answer.isEmpty() && !withoutXorriso);
    QCOMPARE(highest == 100, made);
    // Nothing is left beside the image but the image itself.
    QCOMPARE(QDir(w.tempPath()).entryList(QDir::Files | QDir::Hidden),
             made ? QStringList{QFileInfo(suggested).fileName()} : QStringList());
    if (made)
        QCOMPARE(imageFiles(suggested), (QStringList{QStringLiteral("/AUTORUN.INF"), QStringLiteral("/Index.hta"),
                                                     QStringLiteral("/Index.htm"), QStringLiteral("/Menu/Styles.css"),
                                                     QStringLiteral("/Start.exe"), QStringLiteral("/docs/readme.txt"),
                                                     QStringLiteral("label TOOLS_CD")}));
}

// The question after Finish leads straight to the image; the progress dialog is gone before the result is told.
void TestDiscWindow::finishOffersTheImage()
{
    WizardFixture w;
    w.makeFile(QStringLiteral("cd/docs/readme.txt"));
    walkToEntries(w, QStringLiteral("Tools: CD"));
    w.click(QStringLiteral("cmdAddFolder"));
    w.notices.clear();
    w.notices.setNextChoice(1);
    bool busyAtFirst = false;
    QTimer::singleShot(0, this, [&] {
        auto *progress = w.window->findChild<QProgressDialog *>(QStringLiteral("dlgImageProgress"));
        busyAtFirst = progress && progress->isVisible() && progress->maximum() == 0;
    });
    QStringList progressOnScreen; // at each notice: a progress dialog still shown
    w.notices.onShown([&](const QString &) {
        for (const QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String("dlgImageProgress") && widget->isVisible())
                progressOnScreen.append(widget->objectName());
    });
    w.click(QStringLiteral("Finish"));
    QVERIFY(busyAtFirst);
    QVERIFY(progressOnScreen.isEmpty());
    QCOMPARE(w.notices.lastButtons(), (QStringList{QStringLiteral("Open in Browser"),
                                                   QStringLiteral("Make Disc Image\u2026"), QStringLiteral("Close")}));
    const QString image = w.tempPath() + QStringLiteral("/Tools_ CD.iso");
    QCOMPARE(w.notices.texts(), (QStringList{WizardFixture::finishedText(),
                                             QStringLiteral("The disc image %1 has been made.").arg(image)}));
    QCOMPARE(w.prompts.shown(Kind::Open).size(), 0);
    QVERIFY(QFileInfo(image).isFile());
}

// A newcomer's way from an empty data home and a folder of files to a disc image whose menu lists every file,
// without typing an entry: Add Folder Contents…, Finish over a file that went missing, Make Disc Image….
void TestDiscWindow::fromFolderToDisc()
{
    WizardFixture w;
    const QStringList files = {QStringLiteral("docs/Read_me.txt"), QStringLiteral("tools/Setup-Tool.exe"),
                               QStringLiteral("pictures/Big picture.png"), QStringLiteral("notes.txt")};
    for (const QString &file : files)
        w.makeFile(QStringLiteral("cd/") + file, file.toUtf8());
    walkToEntries(w, QStringLiteral("From Folder to Disc"));
    w.click(QStringLiteral("cmdAddFolder"));
    QCOMPARE(w.notices.texts(), QStringList{QStringLiteral("4 entries added.")});
    QCOMPARE(w.window->findChild<QListWidget *>(QStringLiteral("lstFiles"))->count(), 4);
    w.notices.clear();

    // A file moved away after it was added: the check says so, and the user builds anyway.
    QVERIFY(QFile::remove(w.cdRoot + QStringLiteral("/notes.txt")));
    w.prompts.continueNext(true);
    w.click(QStringLiteral("Finish"));
    QCOMPARE(w.prompts.shown(Kind::ContinueDespite).size(), 1);
    QCOMPARE(w.notices.texts(), QStringList{WizardFixture::finishedText()});
    QFile page(w.cdRoot + QStringLiteral("/Index.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    for (const char *title : {"Read me", "Setup Tool", "Big picture", "notes"})
        QVERIFY2(html.contains(title), title);
    w.notices.clear();

    // A new window with the stored menu loaded offers the image at once.
    w.window.reset();
    w.window = std::make_unique<frmVelmora>(w.context);
    w.window->show();
    QVERIFY(!imageAction(w)->isEnabled());
    w.click(QStringLiteral("cmdEdit"));
    w.click(QStringLiteral("cmdLoad"));
    QCOMPARE(w.step(), 1);
    QVERIFY(imageAction(w)->isEnabled());

    imageAction(w)->trigger();
    const QString image = w.tempPath() + QStringLiteral("/From Folder to Disc.iso");
    QCOMPARE(w.notices.texts(), QStringList{QStringLiteral("The disc image %1 has been made.").arg(image)});
    QStringList expected = {QStringLiteral("/AUTORUN.INF"), QStringLiteral("/Index.hta"),
                            QStringLiteral("/Index.htm"),   QStringLiteral("/Menu/Styles.css"),
                            QStringLiteral("/Start.exe"),   QStringLiteral("label FROM_FOLDER_TO_DISC")};
    for (const QString &file : files.mid(0, 3))
        expected.append(QLatin1Char('/') + file);
    expected.sort();
    QCOMPARE(imageFiles(image), expected);
}

QTEST_MAIN(TestDiscWindow)
#include "tst_discwindow.moc"
