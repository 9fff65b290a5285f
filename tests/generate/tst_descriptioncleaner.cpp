#include "core/generate/DescriptionCleaner.h"

#include <QtTest>

class TestDescriptionCleaner : public QObject
{
    Q_OBJECT

private slots:
    void descriptionsStayInTheirEntry_data();
    void descriptionsStayInTheirEntry();
    void linksAreJudgedAsTheBrowserReadsThem_data();
    void linksAreJudgedAsTheBrowserReadsThem();
};

void TestDescriptionCleaner::descriptionsStayInTheirEntry_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("unclosed tags close in the entry") << "<b>bold <i>both" << QByteArray("<b>bold <i>both</i></b>");
    QTest::newRow("a close tag closes what it crosses") << "<b>a<i>b</b>c</i>" << QByteArray("<b>a<i>b</i></b>c");
    QTest::newRow("stray close tags go") << "a</b></div>b" << QByteArray("a&lt;/div&gt;b");
    QTest::newRow("attributes go, entities stay")
        << "<p class=\"x\" onclick=\"y()\">&amp; &eacute; & <br/>" << QByteArray("<p>&amp; &eacute; &amp; <br></p>");
    QTest::newRow("other tags are text") << "<script>alert(1)</script><img src=x onerror=y>"
                                         << QByteArray("&lt;script&gt;alert(1)&lt;/script&gt;&lt;img src=x "
                                                       "onerror=y&gt;");
    QTest::newRow("a link ends before the next")
        << "<a href=\"a\"><b>1<a href=\"b\">2" << QByteArray("<a href=\"a\"><b>1</b></a><a href=\"b\">2</a>");
    QTest::newRow("a lone angle is text") << "1 < 2 > 0" << QByteArray("1 &lt; 2 &gt; 0");
    QTest::newRow("an unclosed quote ends no tag")
        << "<b title=\"x>y<i>z" << QByteArray("&lt;b title=&quot;x&gt;y<i>z</i>");
    QTest::newRow("a quoted angle stays in its tag") << "<b title='a>b'>c" << QByteArray("<b>c</b>");
    // An item outside a list of the description's own would close the entry's item.
    QTest::newRow("a bare item is text") << "a<li>b" << QByteArray("a&lt;li&gt;b");
    QTest::newRow("an item in a paragraph is text") << "<p><li>x" << QByteArray("<p>&lt;li&gt;x</p>");
    QTest::newRow("an item in a span is text") << "<span><li>x</li></span>" << QByteArray("<span>&lt;li&gt;x</span>");
    QTest::newRow("an item in bold is text") << "<b><li>x" << QByteArray("<b>&lt;li&gt;x</b>");
    QTest::newRow("an item after its list is text")
        << "<ul><li>a</ul><li>b" << QByteArray("<ul><li>a</li></ul>&lt;li&gt;b");
    QTest::newRow("items of a list stay") << "<OL><li>a<li>b</ol>" << QByteArray("<ol><li>a<li>b</li></li></ol>");
    QTest::newRow("an item under bold in a list stays") << "<ul><b><li>a" << QByteArray("<ul><b><li>a</li></b></ul>");
}

void TestDescriptionCleaner::descriptionsStayInTheirEntry()
{
    QFETCH(QString, description);
    QFETCH(QByteArray, written);
    QCOMPARE(DescriptionCleaner::clean(description), written);
}

// Each link as written in a description, and what the page holds for it: the link as the browser reads it, or the
// whole tag as text when that is not a link a description may hold.
void TestDescriptionCleaner::linksAreJudgedAsTheBrowserReadsThem_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QByteArray>("written"); // empty: refused
    const QByteArray refused;
    const struct
    {
        const char *name;
        const char *href;
    } scripts[] = {
        {"decimal j", "&#106;avascript:x()"},
        {"decimal j without ;", "&#106avascript:x()"},
        {"padded decimal", "&#0000106;avascript:x()"},
        {"tab inside", "jav&#x09;ascript:x()"},
        {"raw tab and line break inside", "java\tscr\nipt:x()"},
        {"hexadecimal j", "&#x6A;avascript:x()"},
        {"upper-case hexadecimal", "&#X6a;AVASCRIPT:x()"},
        {"named colon", "javascript&colon;x()"},
        {"decimal colon", "javascript&#58;x()"},
        {"hexadecimal colon without ;", "JavaScript&#x3a x()"},
        {"blank before", "&#x20;javascript:x()"},
        {"line break before", "&#10;javascript:x()"},
        {"controls and blanks before", "\x01 \x1f&#9;javascript:x()"},
        {"mixed case", "JaVaScRiPt:x()"},
        {"vbscript", "vbscript:x"},
        {"data with named colon", "data&colon;text/html,<b>x</b>"},
        {"data", " DATA:text/html,x"},
        {"file", "file:///etc/passwd"},
        {"drive letter", "c:\\autoexec.bat"},
        {"another host", "&#x2F;&#x2F;host/x"},
        {"another host, named", "&sol;&sol;host/x"},
        {"another host by backslashes", "\\\\host\\share"},
        {"another host, mixed slashes", "/\\host"},
        {"the top of the file system", "/etc/passwd"},
        {"climbing out", "docs/../../x.htm"},
        {"climbing out, encoded", "%2e%2E/x.htm"},
        {"climbing out by backslash", "..\\x"},
    };
    for (const auto &row : scripts)
        QTest::newRow(row.name) << QString::fromUtf8(row.href) << refused;
    QTest::newRow("web link") << "HTTPS://e.test/?q=1&amp;r" << QByteArray("HTTPS://e.test/?q=1&amp;r");
    QTest::newRow("web link, padded") << "&#32; http://e.test/\n" << QByteArray("http://e.test/");
    QTest::newRow("relative, references decoded") << "docs/a&#32;b.htm" << QByteArray("docs/a b.htm");
    QTest::newRow("relative, unknown reference kept") << "a.htm?x&zzz;" << QByteArray("a.htm?x&amp;zzz;");
    QTest::newRow("relative, old name before a letter") << "a.htm?x=1&copy2" << QByteArray("a.htm?x=1&amp;copy2");
    QTest::newRow("relative, old name without ;") << "a&copy.htm" << QByteArray("a\xC2\xA9.htm");
    QTest::newRow("a colon after the path began") << "docs/a:b.htm" << QByteArray("docs/a:b.htm");
    QTest::newRow("down and up again") << "docs/../x.htm#top" << QByteArray("docs/../x.htm#top");
    QTest::newRow("a quote in the link") << "a&quot;b.htm" << QByteArray("a&quot;b.htm");
}

void TestDescriptionCleaner::linksAreJudgedAsTheBrowserReadsThem()
{
    QFETCH(QString, href);
    QFETCH(QByteArray, written);
    for (const QString &quoted :
         {QLatin1Char('"') + href + QLatin1Char('"'), QLatin1Char('\'') + href + QLatin1Char('\'')}) {
        if (quoted.count(quoted.front()) > 2)
            continue;
        const QByteArray cleaned =
            DescriptionCleaner::clean(QStringLiteral("<a title=\"href=ok\" href=") + quoted + QStringLiteral(">x</a>"));
        if (written.isEmpty())
            QVERIFY2(!cleaned.contains("<a"), cleaned.constData());
        else
            QCOMPARE(cleaned, "<a href=\"" + written + "\">x</a>");
    }
}

QTEST_APPLESS_MAIN(TestDescriptionCleaner)
#include "tst_descriptioncleaner.moc"
