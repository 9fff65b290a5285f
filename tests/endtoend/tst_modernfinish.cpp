#include "tests/wizard/WizardFixture.h"

#include <QPlainTextEdit>
#include <QtTest>

// The window offers the Modern templates, stores the choice, and Finish writes a Modern page with what page 4 holds.
class TestModernFinish : public QObject
{
    Q_OBJECT

private slots:
    void finishWritesAModernPage();
};

void TestModernFinish::finishWritesAModernPage()
{
    WizardFixture w;
    QVERIFY(w.combo(QStringLiteral("cmbTemplate"))->findText(QStringLiteral("Modern")) == 4);
    const QString shot = w.makeFile(QStringLiteral("shots/shot1.png"), "PNG");
    QDir().mkpath(w.cdRoot + QStringLiteral("/tools"));
    QFile setup(w.cdRoot + QStringLiteral("/tools/setup.exe"));
    QVERIFY(setup.open(QIODevice::WriteOnly) && setup.write(QByteArray(3000, 'x')) == 3000);
    setup.close();

    w.walkToEntries(QStringLiteral("Modern Screenshots"), QStringLiteral("Tom & Jerry's CD"));
    QCOMPARE(w.step(), 4);
    QVERIFY(w.shown(QStringLiteral("txtFileCat")) && w.shown(QStringLiteral("txtFileScreenshot")));

    w.cdlg.confirmFile(w.cdRoot + QStringLiteral("/tools/setup.exe"));
    w.click(QStringLiteral("cmdFile"));
    w.edit(QStringLiteral("txtFileTitle"))->setText(QStringLiteral("Setup"));
    w.edit(QStringLiteral("txtFileCat"))->setText(QStringLiteral("Tools"));
    w.window->findChild<QPlainTextEdit *>(QStringLiteral("txtFileDescription"))
        ->setPlainText(QStringLiteral("Installs"));
    w.cdlg.confirmFile(shot);
    w.click(QStringLiteral("cmdFScreenshot"));
    w.click(QStringLiteral("cmdSave"));
    w.notices.clear();
    w.click(QStringLiteral("Finish"));
    QCOMPARE(w.notices.texts(), QStringList{WizardFixture::finishedText()});

    QCOMPARE(w.scalar(QStringLiteral("SELECT Template FROM tblMenus")).toString(),
             QStringLiteral("Modern Screenshots"));
    QFile page(w.cdRoot + QStringLiteral("/Index.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    QVERIFY(html.startsWith("<!DOCTYPE html>"));
    for (const QByteArray &part :
         {QByteArray("<h1>Tom &amp; Jerry's CD</h1>"), QByteArray("<h2 id=\"h0\">Tools</h2>"),
          QByteArray("<a href=\"tools/setup.exe\">Setup</a>"), QByteArray("<span class=\"size\">2.9\xC2\xA0KB</span>"),
          QByteArray("<div class=\"ed\">Installs</div>"),
          QByteArray("<a class=\"shot\" href=\"Menu/shot1.png\" aria-label=\"Full-size screenshot: Setup\"><img "
                     "src=\"Menu/shot1.png\"")})
        QVERIFY2(html.contains(part), part.constData());
    QFile application(w.cdRoot + QStringLiteral("/Index.hta"));
    QVERIFY(application.open(QIODevice::ReadOnly));
    QCOMPARE(application.readAll(), html);
}

QTEST_MAIN(TestModernFinish)
#include "tst_modernfinish.moc"
