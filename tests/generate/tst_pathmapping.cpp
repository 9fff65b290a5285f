#include "generate/AnsiText.h"
#include "generate/MenuFolder.h"
#include "generate/PathMapping.h"

#include <QTemporaryDir>
#include <QtTest>

// Paths of the CD root, the Menu folder, and how values are written into the generated files.
class TestPathMapping : public QObject
{
    Q_OBJECT

private slots:
    void rootPath_data();
    void rootPath();
    void fileName_data();
    void fileName();
    void fileLink_data();
    void fileLink();
    void copyToMenuFolderCreatesAndReplaces();
    void copyToMenuFolderRefusesAFileNamedMenu();
    void failedCopyKeepsTheEarlierFile();
    void markupText_data();
    void markupText();
    void scriptString_data();
    void scriptString();
    void pageLink_data();
    void pageLink();
};

void TestPathMapping::rootPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("rootPath");
    QTest::newRow("folder") << "/media/MyCD" << "/media/MyCD/";
    QTest::newRow("file-system root") << "/" << "/";
    QTest::newRow("already ends in a separator") << "/media/MyCD/" << "/media/MyCD/";
}

void TestPathMapping::rootPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, rootPath);
    QCOMPARE(PathMapping::rootPathFor(folder), rootPath);
}

void TestPathMapping::fileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("full path") << "/pics/logo.gif" << "logo.gif";
    QTest::newRow("bare name") << "logo.gif" << "logo.gif";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("folder") << "/pics/" << "";
    QTest::newRow("backslash is part of the name here") << "/pics/a\\b.gif" << "a\\b.gif";
}

void TestPathMapping::fileName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(PathMapping::getFileName(path), name);
}

void TestPathMapping::fileLink_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("rootPath");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QString>("link");
    QTest::newRow("below the root") << "/media/MyCD/Tools/setup.exe" << "/media/MyCD/" << true << "Tools/setup.exe";
    QTest::newRow("in the root") << "/media/MyCD/setup.exe" << "/media/MyCD/" << true << "setup.exe";
    QTest::newRow("letter case differs") << "/media/mycd/setup.exe" << "/media/MyCD/" << false << "";
    QTest::newRow("outside the root") << "/home/setup.exe" << "/media/MyCD/" << false << "";
    QTest::newRow("root only inside the path") << "/x/media/MyCD/setup.exe" << "/media/MyCD/" << false << "";
    QTest::newRow("already relative") << "setup.exe" << "/media/MyCD/" << false << "";
    QTest::newRow("no root chosen") << "/media/MyCD/setup.exe" << "" << false << "";
}

void TestPathMapping::fileLink()
{
    QFETCH(QString, path);
    QFETCH(QString, rootPath);
    QFETCH(bool, inside);
    QFETCH(QString, link);
    const std::optional<QString> result = PathMapping::getFileLink(path, rootPath);
    QCOMPARE(result.has_value(), inside);
    if (inside) {
        QCOMPARE(*result, link);
        QCOMPARE(PathMapping::toStoredLink(*result), link);
    }
}

void TestPathMapping::copyToMenuFolderCreatesAndReplaces()
{
    QTemporaryDir pics, cd;
    const QString logo = pics.filePath(QStringLiteral("logo.gif"));
    QFile file(logo);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("first");
    file.close();
    const QString rootPath = PathMapping::rootPathFor(cd.path());

    QVERIFY(MenuFolder::copyToMenuFolder(rootPath, logo).ok);
    const QString copy = cd.filePath(QStringLiteral("Menu/logo.gif"));
    QFile copied(copy);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("first"));
    copied.close();

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("second, longer");
    file.close();
    QVERIFY(MenuFolder::copyToMenuFolder(rootPath, logo).ok);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("second, longer"));
    QCOMPARE(MenuFolder::createMenuFile(rootPath), rootPath + QStringLiteral("Index.htm"));
}

void TestPathMapping::copyToMenuFolderRefusesAFileNamedMenu()
{
    QTemporaryDir cd;
    QFile menu(cd.filePath(QStringLiteral("Menu")));
    QVERIFY(menu.open(QIODevice::WriteOnly));
    menu.close();
    const StepResult result =
        MenuFolder::copyToMenuFolder(PathMapping::rootPathFor(cd.path()), QFINDTESTDATA("tst_pathmapping.cpp"));
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QLatin1String("is a file")), qPrintable(result.error));
}

void TestPathMapping::failedCopyKeepsTheEarlierFile()
{
    QTemporaryDir cd;
    const QString target = cd.filePath(QStringLiteral("Start.exe"));
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    const StepResult result = MenuFolder::copyReplacing(cd.filePath(QStringLiteral("missing.exe")), target);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QLatin1String("missing.exe")));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
}

void TestPathMapping::markupText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ordinary text unchanged") << "Tom's <b>Tools</b>" << QByteArray("Tom's <b>Tools</b>");
    QTest::newRow("latin-1 as one byte") << QStringLiteral("Caf\u00e9 \u00a9") << QByteArray("Caf\xe9 \xa9");
    QTest::newRow("code page extras") << QStringLiteral("\u20ac\u2019\u0160") << QByteArray("\x80\x92\x8a");
    QTest::newRow("outside the code page") << QStringLiteral("\u65e5\u672c") << QByteArray("&#26085;&#26412;");
    QTest::newRow("beyond 16 bits") << QStringLiteral("a\U0001F600b") << QByteArray("a&#128512;b");
    QTest::newRow("C1 control") << QStringLiteral("\u0081") << QByteArray("&#129;");
}

void TestPathMapping::markupText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    AnsiText out;
    out.markup(text);
    QCOMPARE(out.bytes(), bytes);
}

void TestPathMapping::scriptString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("closing tag") << "Installs <b>it</b> & more" << QByteArray("Installs <b>it<\\/b> & more");
    QTest::newRow("plain text unchanged") << "Installs it, 100% \"quoted\"" << QByteArray("Installs it, 100% \"quoted\"");
    QTest::newRow("apostrophe") << "Tom's" << QByteArray("Tom\\'s");
    QTest::newRow("backslash") << "C:\\x" << QByteArray("C:\\\\x");
    QTest::newRow("line breaks") << "a\r\nb" << QByteArray("a\\r\\nb");
    QTest::newRow("end of script") << "</script>" << QByteArray("<\\/script>");
    QTest::newRow("comment opening") << "<!--" << QByteArray("<\\!--");
    QTest::newRow("latin-1 as one byte") << QStringLiteral("\u00e9") << QByteArray("\xe9");
    QTest::newRow("outside the code page") << QStringLiteral("\u65e5") << QByteArray("\\u65E5");
    QTest::newRow("beyond 16 bits") << QStringLiteral("\U0001F600") << QByteArray("\\uD83D\\uDE00");
    QTest::newRow("line separator") << QStringLiteral("\u2028") << QByteArray("\\u2028");
}

void TestPathMapping::scriptString()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    AnsiText out;
    out.scriptString(text);
    QCOMPARE(out.bytes(), bytes);
}

void TestPathMapping::pageLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("stylesheet");
    QTest::newRow("ordinary") << "Tools/setup (x86).exe" << "Tools/setup%20(x86).exe" << "Tools/setup%20%28x86%29.exe";
    QTest::newRow("plain") << "doc/manual.pdf" << "doc/manual.pdf" << "doc/manual.pdf";
    QTest::newRow("quotes and brackets") << "a'b\"c<d>e" << "a%27b%22c%3Cd%3Ee" << "a%27b%22c%3Cd%3Ee";
    QTest::newRow("fragment, query, percent") << "a#b?c%d" << "a%23b%3Fc%25d" << "a%23b%3Fc%25d";
    QTest::newRow("accents unchanged") << QStringLiteral("caf\u00e9.txt") << QStringLiteral("caf\u00e9.txt")
                                       << QStringLiteral("caf\u00e9.txt");
}

void TestPathMapping::pageLink()
{
    QFETCH(QString, link);
    QFETCH(QString, page);
    QFETCH(QString, stylesheet);
    QCOMPARE(LinkText::forPage(link), page);
    QCOMPARE(LinkText::forStylesheet(link), stylesheet);
}

QTEST_GUILESS_MAIN(TestPathMapping)
#include "tst_pathmapping.moc"
