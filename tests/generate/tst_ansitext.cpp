#include "core/generate/AnsiText.h"
#include "core/generate/LinkText.h"

#include <QtTest>
#include <algorithm>

// How values are written into the generated files: Windows-1252 text in its context, and links.
class TestAnsiText : public QObject
{
    Q_OBJECT

private slots:
    void textBufferCanBeReadAndContinued();
    void streamedTextIsTheSame();
    void markupText_data();
    void markupText();
    void scriptString_data();
    void scriptString();
    void pageLink_data();
    void pageLink();
};

void TestAnsiText::textBufferCanBeReadAndContinued()
{
    AnsiText out;
    QByteArray expected;
    for (int i = 0; i < 2000; ++i) {
        out << "line " << i;
        out.endLine();
        expected += "line " + QByteArray::number(i) + "\r\n";
    }
    const QByteArray first = out.bytes();
    QCOMPARE(first, expected);
    // Writing on leaves the bytes already handed out as they were.
    out.markup(QStringView(u"\u00e9"));
    QCOMPARE(first, expected);
    QCOMPARE(out.bytes(), expected + "\xe9");
    out.reserve(1 << 20);
    out << "end";
    QCOMPARE(out.bytes(), expected + "\xe9" + "end");
}

void TestAnsiText::streamedTextIsTheSame()
{
    auto write = [](AnsiText &out) {
        for (int i = 0; i < 50; ++i) {
            out << "<p id='" << i << "'>";
            out.markup(QStringLiteral(u"Entr\u00e9e \u65e5"));
            out.scriptString(QString(i, QLatin1Char('\'')));
            out.endLine();
        }
        out.markup(QString(100, QLatin1Char('x'))); // longer than a piece
    };
    AnsiText whole;
    write(whole);

    QList<QByteArray> pieces;
    AnsiText streamed;
    streamed.streamTo(
        [&pieces](const char *data, qsizetype size) {
            pieces.append(QByteArray(data, size));
            return true;
        },
        16);
    write(streamed);
    QVERIFY(streamed.flush());
    QVERIFY(pieces.size() > 10);
    QCOMPARE(pieces.join(), whole.bytes());

    // A sink that fails is given nothing more.
    int calls = 0;
    AnsiText failing;
    failing.streamTo(
        [&calls](const char *, qsizetype) {
            ++calls;
            return false;
        },
        16);
    write(failing);
    QVERIFY(!failing.flush());
    QCOMPARE(calls, 1);
}

void TestAnsiText::markupText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ordinary text unchanged") << "Tom's <b>Tools</b>" << QByteArray("Tom's <b>Tools</b>");
    QTest::newRow("latin-1 as one byte") << QStringLiteral("Caf\u00e9 \u00a9") << QByteArray("Caf\xe9 \xa9");
    QTest::newRow("code page extras") << QStringLiteral("\u20ac\u2019\u0160") << QByteArray("\x80\x92\x8a");
    QTest::newRow("outside the code page") << QStringLiteral("\u65e5\u672c") << QByteArray("&#26085;&#26412;");
    QTest::newRow("beyond 16 bits") << QStringLiteral("a\U0001F600b") << QByteArray("a&#128512;b");
    QTest::newRow("C1 control") << QStringLiteral("\u0081") << QByteArray("&#129;");
    QTest::newRow("C1 control after plain text") << QStringLiteral("ab\u0080\u00ff") << QByteArray("ab&#128;\xff");
    QTest::newRow("long plain runs around the code page")
        << QStringLiteral("Seventeen letters\u0080more than eight\u00e9")
        << QByteArray("Seventeen letters&#128;more than eight\xe9");
}

void TestAnsiText::markupText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    AnsiText out;
    out.markup(text);
    QCOMPARE(out.bytes(), bytes);
    // Latin-1 text (the database's ASCII bytes) is written the same way without making a QString.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; })) {
        const QByteArray latin1 = text.toLatin1();
        AnsiText direct;
        direct.markup(QLatin1String(latin1));
        QCOMPARE(direct.bytes(), bytes);
    }
}

void TestAnsiText::scriptString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("closing tag") << "Installs <b>it</b> & more" << QByteArray("Installs <b>it<\\/b> & more");
    QTest::newRow("plain text unchanged")
        << "Installs it, 100% \"quoted\"" << QByteArray("Installs it, 100% \"quoted\"");
    QTest::newRow("apostrophe") << "Tom's" << QByteArray("Tom\\'s");
    QTest::newRow("backslash") << "C:\\x" << QByteArray("C:\\\\x");
    QTest::newRow("line breaks") << "a\r\nb" << QByteArray("a\\r\\nb");
    QTest::newRow("end of script") << "</script>" << QByteArray("<\\/script>");
    QTest::newRow("comment opening") << "<!--" << QByteArray("<\\!--");
    QTest::newRow("latin-1 as one byte") << QStringLiteral("\u00e9") << QByteArray("\xe9");
    QTest::newRow("outside the code page") << QStringLiteral("\u65e5") << QByteArray("\\u65E5");
    QTest::newRow("beyond 16 bits") << QStringLiteral("\U0001F600") << QByteArray("\\uD83D\\uDE00");
    QTest::newRow("line separator") << QStringLiteral("\u2028") << QByteArray("\\u2028");
    QTest::newRow("escapes after long plain runs")
        << QStringLiteral("Sixteen letters.'Sixteen letters.\\Sixteen letters.\nSixteen letters.\u00e9</x")
        << QByteArray("Sixteen letters.\\'Sixteen letters.\\\\Sixteen letters.\\nSixteen letters.\xe9<\\/x");
}

void TestAnsiText::scriptString()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    AnsiText out;
    out.scriptString(text);
    QCOMPARE(out.bytes(), bytes);
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; })) {
        const QByteArray latin1 = text.toLatin1();
        AnsiText direct;
        direct.scriptString(QLatin1String(latin1));
        QCOMPARE(direct.bytes(), bytes);
    }
}

void TestAnsiText::pageLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("stylesheet");
    QTest::newRow("ordinary") << "Tools/setup (x86).exe"
                              << "Tools/setup%20(x86).exe"
                              << "Tools/setup%20%28x86%29.exe";
    QTest::newRow("plain") << "doc/manual.pdf"
                           << "doc/manual.pdf"
                           << "doc/manual.pdf";
    QTest::newRow("quotes and brackets") << "a'b\"c<d>e"
                                         << "a%27b%22c%3Cd%3Ee"
                                         << "a%27b%22c%3Cd%3Ee";
    QTest::newRow("fragment, query, percent") << "a#b?c%d"
                                              << "a%23b%3Fc%25d"
                                              << "a%23b%3Fc%25d";
    QTest::newRow("accents unchanged") << QStringLiteral("caf\u00e9.txt") << QStringLiteral("caf\u00e9.txt")
                                       << QStringLiteral("caf\u00e9.txt");
}

void TestAnsiText::pageLink()
{
    QFETCH(QString, link);
    QFETCH(QString, page);
    QFETCH(QString, stylesheet);
    QCOMPARE(LinkText::forPage(link), page);
    QCOMPARE(LinkText::forStylesheet(link), stylesheet);
    const QByteArray latin1 = link.toLatin1();
    QByteArray buffer("left over from an earlier link");
    QCOMPARE(QString(LinkText::forPage(QLatin1String(latin1), buffer)), page);
}

QTEST_GUILESS_MAIN(TestAnsiText)
#include "tst_ansitext.moc"
