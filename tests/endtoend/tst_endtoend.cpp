#include "tests/wizard/WizardFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

struct Entry
{
    QString title;
    QString file; // below the CD root
    QString category;
    QString description;
    QString screenshot; // file name, empty for none
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray png()
{
    return QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAAFklEQVR4nGP8z8DAwMDAxMDAwMDAAAANHQEDasKb6QAAAABJRU5ErkJggg==");
}

} // namespace

// From a fresh data home to a finished CD root, for each template, through the real window: a new menu, a new
// style with a logo and button images, three entries in two categories, Finish; then the menu loaded again in a
// new window, one entry changed, and Finish once more. The pages are left for the browser test.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void makesAWorkingCdRoot_data();
    void makesAWorkingCdRoot();

private:
    void addEntry(WizardFixture &w, const QString &root, const Entry &entry, const QString &shots);
    void finish(WizardFixture &w);
    void checkCdRoot(const QString &root, const QString &title, const QStringList &media);

    QString m_out;
    QJsonArray m_manifest;
};

void TestEndToEnd::initTestCase()
{
    m_out = qEnvironmentVariable("VELMORA_E2E_PAGES");
    if (m_out.isEmpty())
        m_out = QDir::temp().filePath(QStringLiteral("velmora-endtoend-pages"));
    QDir(m_out).removeRecursively();
    QVERIFY(QDir().mkpath(m_out));
}

void TestEndToEnd::cleanupTestCase()
{
    QFile manifest(m_out + QStringLiteral("/menus.json"));
    QVERIFY(manifest.open(QIODevice::WriteOnly));
    manifest.write(QJsonDocument(m_manifest).toJson());
}

void TestEndToEnd::makesAWorkingCdRoot_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("folder");
    QTest::newRow("Standard") << QStringLiteral("Standard") << QStringLiteral("standard");
    QTest::newRow("Standard Screenshots") << QStringLiteral("Standard Screenshots") << QStringLiteral("standard-shots");
    QTest::newRow("Extended") << QStringLiteral("Extended") << QStringLiteral("extended");
    QTest::newRow("Extended Screenshots") << QStringLiteral("Extended Screenshots") << QStringLiteral("extended-shots");
}

void TestEndToEnd::addEntry(WizardFixture &w, const QString &root, const Entry &entry, const QString &shots)
{
    w.cdlg.confirmFile(root + QLatin1Char('/') + entry.file);
    w.click(QStringLiteral("cmdFile"));
    w.edit(QStringLiteral("txtFileTitle"))->setText(entry.title);
    w.edit(QStringLiteral("txtFileCat"))->setText(entry.category);
    w.window->findChild<QPlainTextEdit *>(QStringLiteral("txtFileDescription"))->setPlainText(entry.description);
    if (!entry.screenshot.isEmpty()) {
        w.cdlg.confirmFile(shots + QLatin1Char('/') + entry.screenshot);
        w.click(QStringLiteral("cmdFScreenshot"));
    }
    w.click(QStringLiteral("cmdSave"));
    QVERIFY2(w.notices.shown().isEmpty(), qPrintable(w.notices.texts().join(QLatin1Char('|'))));
}

void TestEndToEnd::finish(WizardFixture &w)
{
    w.notices.clear();
    w.click(QStringLiteral("Finish"));
    QCOMPARE(w.notices.texts(), QStringList{WizardFixture::finishedText()});
    w.notices.clear();
}

void TestEndToEnd::checkCdRoot(const QString &root, const QString &title, const QStringList &media)
{
    const QByteArray page = fileBytes(root + QStringLiteral("/Index.htm"));
    QVERIFY(page.contains(title.toLatin1()));
    QVERIFY(page.contains("\r\n"));
    QCOMPARE(fileBytes(root + QStringLiteral("/Index.hta")), page);
    const QString program = QStringLiteral(VELMORA_PROGRAM_FOLDER);
    QCOMPARE(fileBytes(root + QStringLiteral("/AUTORUN.INF")), fileBytes(program + QStringLiteral("/AUTORUN.INF")));
    QCOMPARE(fileBytes(root + QStringLiteral("/Start.exe")), fileBytes(program + QStringLiteral("/Start.exe")));
    QVERIFY(fileBytes(root + QStringLiteral("/Start.exe")).startsWith("MZ"));
    QVERIFY(fileBytes(root + QStringLiteral("/Menu/Styles.css")).contains("font-family"));
    for (const QString &file : media)
        QCOMPARE(fileBytes(root + QStringLiteral("/Menu/") + file), png());
}

void TestEndToEnd::makesAWorkingCdRoot()
{
    QFETCH(QString, templateName);
    QFETCH(QString, folder);
    const bool screenshots = templateName.endsWith(QLatin1String("Screenshots"));
    const QString title = QStringLiteral("Summer CD ") + templateName;
    const QString root = m_out + QLatin1Char('/') + folder;
    WizardFixture w;
    w.makeFile(QStringLiteral("art/logo.png"), png());
    w.makeFile(QStringLiteral("art/on.png"), png());
    w.makeFile(QStringLiteral("art/off.png"), png());
    w.makeFile(QStringLiteral("shots/shot1.png"), png());
    for (const QString &file : {QStringLiteral("tools/setup.exe"), QStringLiteral("tools/uninstall.exe"),
                                QStringLiteral("docs/readme.txt")}) {
        QDir().mkpath(QFileInfo(root + QLatin1Char('/') + file).absolutePath());
        QFile made(root + QLatin1Char('/') + file);
        QVERIFY(made.open(QIODevice::WriteOnly));
    }
    const QString art = w.tempPath() + QStringLiteral("/art/");

    // Pages 0 and 1: a new menu in the chosen template and CD root.
    w.click(QStringLiteral("cmdNew"));
    w.combo(QStringLiteral("cmbTemplate"))->setCurrentText(templateName);
    w.edit(QStringLiteral("txtTitle"))->setText(title);
    w.chooseRoot(root);
    w.click(QStringLiteral("cmdNext"));
    QCOMPARE(w.step(), 2);

    // Page 2: a new style with a logo and button images, chosen with the pickers.
    w.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Blue"));
    w.cdlg.confirmFile(art + QStringLiteral("logo.png"));
    w.click(QStringLiteral("cmdLImage"));
    w.cdlg.confirmFile(art + QStringLiteral("on.png"));
    w.click(QStringLiteral("cmdButtonOn"));
    w.cdlg.confirmFile(art + QStringLiteral("off.png"));
    w.click(QStringLiteral("cmdButtonOff"));
    w.edit(QStringLiteral("txtTop"))->setText(QStringLiteral("20"));
    w.click(QStringLiteral("cmdNext"));
    QCOMPARE(w.step(), 3);

    // Page 3: a title colour from the colour dialog, then on to the entries.
    w.cdlg.confirmColor(0x0000FF);
    w.click(QStringLiteral("cmdTColor"));
    w.click(QStringLiteral("cmdNext"));
    QCOMPARE(w.step(), 4);
    QVERIFY2(w.notices.shown().isEmpty(), qPrintable(w.notices.texts().join(QLatin1Char('|'))));

    QList<Entry> entries = {
        {QStringLiteral("Setup"), QStringLiteral("tools/setup.exe"), QStringLiteral("Tools"),
         QStringLiteral("Installs the tools"), screenshots ? QStringLiteral("shot1.png") : QString()},
        {QStringLiteral("Readme"), QStringLiteral("docs/readme.txt"), QStringLiteral("Docs"),
         QStringLiteral("Read this first"), QString()},
        {QStringLiteral("Uninstall"), QStringLiteral("tools/uninstall.exe"), QStringLiteral("Tools"),
         QStringLiteral("Removes them again"), QString()},
    };
    for (const Entry &entry : entries)
        addEntry(w, root, entry, w.tempPath() + QStringLiteral("/shots"));
    QCOMPARE(w.window->findChild<QListWidget *>(QStringLiteral("lstFiles"))->count(), 3);

    finish(w);
    QStringList media = {QStringLiteral("logo.png"), QStringLiteral("on.png"), QStringLiteral("off.png")};
    if (screenshots)
        media.append(QStringLiteral("shot1.png"));
    checkCdRoot(root, title, media);
    QVERIFY(fileBytes(root + QStringLiteral("/Index.htm")).contains("Read this first"));
    QVERIFY(fileBytes(root + QStringLiteral("/Menu/Styles.css")).contains("RGB(255,0,0)"));

    // A new window loads the stored menu, changes one entry and builds again.
    w.window.reset();
    w.window = std::make_unique<frmVelmora>(w.context);
    w.window->show();
    w.click(QStringLiteral("cmdEdit"));
    QCOMPARE(w.combo(QStringLiteral("cmbMenuL"))->currentText(), QStringLiteral("1: ") + title);
    w.click(QStringLiteral("cmdLoad"));
    QCOMPARE(w.step(), 1);
    QCOMPARE(w.edit(QStringLiteral("txtTitle"))->text(), title);
    QCOMPARE(w.combo(QStringLiteral("cmbTemplate"))->currentText(), templateName);
    QCOMPARE(w.window->state().rootPath(), root + QLatin1Char('/'));
    w.click(QStringLiteral("cmdNext"));
    QCOMPARE(w.edit(QStringLiteral("txtStyleName"))->text(), QStringLiteral("Blue"));
    w.click(QStringLiteral("cmdNext"));
    w.click(QStringLiteral("cmdNext"));
    QCOMPARE(w.step(), 4);
    QVERIFY2(w.notices.shown().isEmpty(), qPrintable(w.notices.texts().join(QLatin1Char('|'))));
    auto *list = w.window->findChild<QListWidget *>(QStringLiteral("lstFiles"));
    QCOMPARE(list->count(), 3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(w.edit(QStringLiteral("txtFile"))->text(), QStringLiteral("docs/readme.txt"));
    entries[1].description = QStringLiteral("Read this first, then install");
    w.window->findChild<QPlainTextEdit *>(QStringLiteral("txtFileDescription"))->setPlainText(entries[1].description);
    w.click(QStringLiteral("cmdSave"));
    QVERIFY2(w.notices.shown().isEmpty(), qPrintable(w.notices.texts().join(QLatin1Char('|'))));
    finish(w);
    checkCdRoot(root, title, media);
    const QByteArray rebuilt = fileBytes(root + QStringLiteral("/Index.htm"));
    QVERIFY(rebuilt.contains("Read this first, then install"));
    QCOMPARE(clsData(DataHome::databasePath(w.home)).GetRS(Sql::selectEntries(1)).recordCount(), 3);

    QJsonArray shown;
    for (const Entry &entry : entries) {
        shown.append(QJsonObject{{"category", entry.category},
                                 {"title", entry.title},
                                 {"link", entry.file},
                                 {"description", entry.description},
                                 {"screenshot", entry.screenshot}});
    }
    m_manifest.append(
        QJsonObject{{"folder", folder}, {"template", templateName}, {"title", title}, {"entries", shown}});
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
