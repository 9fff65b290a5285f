#include "core/model/PathMapping.h"
#include "core/generate/StylesheetWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Menu/Styles.css: twelve rules, each followed by an empty line, Windows-1252 with CR LF.
class TestStylesheet : public QObject
{
    Q_OBJECT

private slots:
    void defaultStyle();
    void bodyRule_data();
    void bodyRule();
    void fontRulesCopyFieldsUnchanged();
    void writesIntoMenuFolderAndReplaces();
    void shortFontTextWritesNothing();
    void fileNamedMenuIsReported();
    void charactersOutsideTheCodePage();
    void fieldsOfEveryKindStayValid();
    void injectedFieldsAreRefused_data();
    void injectedFieldsAreRefused();

private:
    static QList<QByteArray> rules(const QByteArray &text);
};

QList<QByteArray> TestStylesheet::rules(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    QList<QByteArray> result;
    // Every rule line is followed by an empty line; the file ends with CR LF.
    if (lines.isEmpty() || !lines.takeLast().isEmpty())
        return {};
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).endsWith('\r'))
            return {};
        const QByteArray line = lines.at(i).chopped(1);
        if ((i % 2 == 1) != line.isEmpty())
            return {};
        if (i % 2 == 0)
            result.append(line);
    }
    return result;
}

void TestStylesheet::defaultStyle()
{
    QVERIFY(StylesheetWriter::check(StyleFields::standard()).ok);
    const QByteArray text = StylesheetWriter::text(StyleFields::standard());
    const QByteArray expected = "h2{font-size:14pt;font-family:Arial;color:RGB(192,192,192);font-weight:bold;margin-"
                                "top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                "Body{background-color:16777215 }\r\n\r\n"
                                "P{font-size:10pt;font-family:Arial;color:RGB(192,192,192);font-weight:normal;margin-"
                                "top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                "TD{font-size:10pt;font-family:Arial;color:RGB(192,192,192);font-weight:normal;margin-"
                                "top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                "a{font-size:10pt;font-family:Arial;color:RGB(192,192,192);font-weight:normal;margin-"
                                "top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                "a:link{font-size:10pt;font-family:Arial;color:RGB(192,192,192);font-weight:normal;"
                                "margin-top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                "a:visited{font-size:10pt;font-family:Arial;color:RGB(192,192,192);font-weight:normal;"
                                "margin-top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                "a:hover{font-size:10pt;font-family:Arial;color:RGB(17,207,255);font-weight:normal;"
                                "margin-top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                ".TLink{cursor:hand;font-size:10pt;font-family:Arial;color:RGB(192,192,192);font-"
                                "weight:bold;margin-top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                ".But{cursor:hand;font-size:10pt;font-family:Arial;color:RGB(192,192,192);font-weight:"
                                "bold;margin-top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                ".ButActive{cursor:hand;font-size:10pt;font-family:Arial;color:RGB(17,207,255);font-"
                                "weight:bold;margin-top:0cm;margin-bottom:0cm;}\r\n\r\n"
                                ".Logo{position:absolute;top:0;left:0}\r\n\r\n";
    QCOMPARE(text, expected);
}

void TestStylesheet::bodyRule_data()
{
    QTest::addColumn<QString>("backColor");
    QTest::addColumn<QString>("backImage");
    QTest::addColumn<QByteArray>("rule");

    const QString pictures = QDir::rootPath() + QStringLiteral("pics") + PathMapping::separator();
    QTest::newRow("image") << "RGB(255,255,255)" << pictures + "sky.jpg"
                           << QByteArray("Body{background-color:RGB(255,255,255); background-image:url(sky.jpg);}");
    QTest::newRow("no image") << "RGB(1,2,3)"
                              << "none" << QByteArray("Body{background-color:RGB(1,2,3)}");
    QTest::newRow("bare name") << "16777215 "
                               << "sky.jpg"
                               << QByteArray("Body{background-color:16777215 ; background-image:url(sky.jpg);}");
    QTest::newRow("name that breaks a bare url")
        << "RGB(0,0,0)" << pictures + "blue sky (2).jpg"
        << QByteArray("Body{background-color:RGB(0,0,0); background-image:url(blue%20sky%20%282%29.jpg);}");
}

void TestStylesheet::bodyRule()
{
    QFETCH(QString, backColor);
    QFETCH(QString, backImage);
    QFETCH(QByteArray, rule);
    StyleFields style = StyleFields::standard();
    style.backColor = backColor;
    style.backImage = backImage;
    const QList<QByteArray> written = rules(StylesheetWriter::text(style));
    QCOMPARE(written.size(), 12);
    QCOMPARE(written.at(1), rule);
}

void TestStylesheet::fontRulesCopyFieldsUnchanged()
{
    StyleFields style = StyleFields::standard();
    style.titleFont = QStringLiteral("Arial;12pt;Bold");
    style.textFont = QStringLiteral("Verdana;10,5pt;Normal");
    style.hyperFont = QStringLiteral("Tahoma;9pt;normal");
    style.buttonFont = QStringLiteral("Courier New;11pt;BOLD");
    style.titleColor = QStringLiteral("RGB(1,1,1)");
    style.textColor = QStringLiteral("RGB(2,2,2)");
    style.hyperColor = QStringLiteral("RGB(3,3,3)");
    style.hyperColorA = QStringLiteral("RGB(4,4,4)");
    style.buttonColor = QStringLiteral("RGB(5,5,5)");
    style.logoTop = QStringLiteral("15");
    style.logoLeft = QStringLiteral("600");
    const QList<QByteArray> written = rules(StylesheetWriter::text(style));
    QCOMPARE(written.size(), 12);
    const QByteArray tail = ";margin-top:0cm;margin-bottom:0cm;}";
    QCOMPARE(written.at(0), "h2{font-size:12pt;font-family:Arial;color:RGB(1,1,1);font-weight:Bold" + tail);
    QCOMPARE(written.at(2), "P{font-size:10,5pt;font-family:Verdana;color:RGB(2,2,2);font-weight:Normal" + tail);
    QCOMPARE(written.at(3), "TD{font-size:10,5pt;font-family:Verdana;color:RGB(2,2,2);font-weight:Normal" + tail);
    QCOMPARE(written.at(6), "a:visited{font-size:9pt;font-family:Tahoma;color:RGB(3,3,3);font-weight:normal" + tail);
    QCOMPARE(written.at(7), "a:hover{font-size:9pt;font-family:Tahoma;color:RGB(4,4,4);font-weight:normal" + tail);
    QCOMPARE(written.at(9),
             ".But{cursor:hand;font-size:11pt;font-family:Courier New;color:RGB(5,5,5);font-weight:BOLD" + tail);
    QCOMPARE(written.at(10),
             ".ButActive{cursor:hand;font-size:11pt;font-family:Courier New;color:RGB(4,4,4);font-weight:BOLD" + tail);
    QCOMPARE(written.at(11), QByteArray(".Logo{position:absolute;top:15;left:600}"));
}

void TestStylesheet::writesIntoMenuFolderAndReplaces()
{
    QTemporaryDir cd;
    const QString rootPath = PathMapping::rootPathFor(cd.path());
    QFile stylesheet(cd.filePath(QStringLiteral("Menu/Styles.css")));

    StyleFields style = StyleFields::standard();
    style.backImage = QStringLiteral("sky.jpg");
    QVERIFY(StylesheetWriter::write(rootPath, style).ok);
    QVERIFY(stylesheet.open(QIODevice::ReadOnly));
    const QByteArray first = stylesheet.readAll();
    stylesheet.close();
    QCOMPARE(first, StylesheetWriter::text(style));

    QVERIFY(StylesheetWriter::write(rootPath, style).ok);
    QVERIFY(stylesheet.open(QIODevice::ReadOnly));
    QCOMPARE(stylesheet.readAll(), first);
    stylesheet.close();

    // The shorter file of the default style replaces the earlier one completely.
    QVERIFY(StylesheetWriter::write(rootPath, StyleFields::standard()).ok);
    QVERIFY(stylesheet.open(QIODevice::ReadOnly));
    QCOMPARE(stylesheet.readAll(), StylesheetWriter::text(StyleFields::standard()));
}

void TestStylesheet::shortFontTextWritesNothing()
{
    QTemporaryDir cd;
    const QString rootPath = PathMapping::rootPathFor(cd.path());
    QVERIFY(StylesheetWriter::write(rootPath, StyleFields::standard()).ok);

    StyleFields style = StyleFields::standard();
    style.hyperFont = QStringLiteral("Arial,10pt,normal");
    const StepResult result = StylesheetWriter::write(rootPath, style);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QLatin1String("Arial,10pt,normal")), qPrintable(result.error));
    QFile stylesheet(cd.filePath(QStringLiteral("Menu/Styles.css")));
    QVERIFY(stylesheet.open(QIODevice::ReadOnly));
    QCOMPARE(stylesheet.readAll(), StylesheetWriter::text(StyleFields::standard()));
}

void TestStylesheet::fileNamedMenuIsReported()
{
    QTemporaryDir cd;
    QFile menu(cd.filePath(QStringLiteral("Menu")));
    QVERIFY(menu.open(QIODevice::WriteOnly));
    menu.close();
    const StepResult result = StylesheetWriter::write(PathMapping::rootPathFor(cd.path()), StyleFields::standard());
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
}

void TestStylesheet::charactersOutsideTheCodePage()
{
    StyleFields style = StyleFields::standard();
    style.titleFont = QStringLiteral("\u5b8b\u4f53;12pt;bold");
    style.textFont = QStringLiteral("Caf\u00e9;10pt;normal");
    const QList<QByteArray> written = rules(StylesheetWriter::text(style));
    QVERIFY(written.at(0).startsWith("h2{font-size:12pt;font-family:\\005B8B\\004F53;color:"));
    QVERIFY(written.at(2).startsWith("P{font-size:10pt;font-family:Caf\xe9;color:"));
}

// What the colour and font pickers write, what the default style holds, and what users type into the fields.
void TestStylesheet::fieldsOfEveryKindStayValid()
{
    const QStringList colours = {"RGB(-1,-1,-1)", "16777215 ", "RGB( 1 , 2 , 3 )", "rgb(1.5,2,3)", "#ff00aa",
                                 "red",           ""};
    const QStringList fonts = {"Times New Roman;10,5pt;Bold", "Arial;12.5pt;Normal", "\u5b8b\u4f53;9pt;bold",
                               "MS Sans Serif;8pt;normal;extra"};
    const QStringList positions = {"0", "-15", "10px", "", "12.5", " 7 "};
    for (const QString &colour : colours) {
        StyleFields style = StyleFields::standard();
        style.backColor = style.hyperColorA = colour;
        QVERIFY2(StylesheetWriter::check(style).ok, qPrintable(colour));
    }
    for (const QString &font : fonts) {
        StyleFields style = StyleFields::standard();
        style.titleFont = style.buttonFont = font;
        QVERIFY2(StylesheetWriter::check(style).ok, qPrintable(font));
    }
    for (const QString &position : positions) {
        StyleFields style = StyleFields::standard();
        style.logoTop = style.logoLeft = position;
        QVERIFY2(StylesheetWriter::check(style).ok, qPrintable(position));
    }
}

void TestStylesheet::injectedFieldsAreRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("named"); // the field as the message names it
    QTest::newRow("colour with a rule") << "backColor"
                                        << "red;background:url(http://evil.example/t)"
                                        << "background colour";
    QTest::newRow("colour with script") << "titleColor"
                                        << "expression(alert(1))"
                                        << "title colour";
    QTest::newRow("position closing the rule") << "logoTop"
                                               << "0}body{background:url(http://evil.example/p)}x{"
                                               << "logo position top";
    QTest::newRow("position not a number") << "logoLeft"
                                           << "left"
                                           << "logo position left";
    QTest::newRow("line break in a family") << "textFont"
                                            << "Arial\r\nx;10pt;bold"
                                            << "text font";
    QTest::newRow("brace in a family") << "buttonFont"
                                       << "Ari{al;10pt;bold"
                                       << "button font";
    QTest::newRow("url in a family") << "hyperFont"
                                     << "url(http://evil.example/f);10pt;bold"
                                     << "hyperlink font";
    QTest::newRow("rule in a weight") << "titleFont"
                                      << "Arial;10pt;bold}body{x:y"
                                      << "title font";
    QTest::newRow("size not a size") << "titleFont"
                                     << "Arial;big;bold"
                                     << "title font";
    QTest::newRow("quote in a medium") << "backImage"
                                       << "/pics/a\"b.jpg"
                                       << "background image";
    QTest::newRow("url in a medium") << "logoFile"
                                     << "/pics/url(x).gif"
                                     << "logo";
    QTest::newRow("backslash in a medium") << "buttonOnImage"
                                           << "/pics/a\\b.gif"
                                           << "button image (on)";
}

// A field that is not what it should be refuses the stylesheet, naming the style and the field; the earlier
// stylesheet stays.
void TestStylesheet::injectedFieldsAreRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, named);
    if (value.contains(QLatin1Char('\\')) && QDir::separator() == QLatin1Char('\\'))
        QSKIP("On Windows a backslash separates folders: no media file name holds one.");
    QTemporaryDir cd;
    const QString rootPath = PathMapping::rootPathFor(cd.path());
    QVERIFY(StylesheetWriter::write(rootPath, StyleFields::standard()).ok);

    StyleFields style = StyleFields::standard();
    style.styleName = QStringLiteral("Mine");
    QStringList values = style.values();
    const QStringList names = {"styleName",  "backColor",  "backImage",     "soundFile",      "logoFile",
                               "logoTop",    "logoLeft",   "buttonOnImage", "buttonOffImage", "titleFont",
                               "titleColor", "buttonFont", "buttonColor",   "textFont",       "textColor",
                               "hyperFont",  "hyperColor", "hyperColorA"};
    values[names.indexOf(field)] = value;
    style = StyleFields::fromValues(values);

    const StepResult result = StylesheetWriter::write(rootPath, style);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QStringLiteral("The style \"Mine\"")) &&
                 result.error.contains(QStringLiteral("its %1 ").arg(named)) && !result.error.contains('\n'),
             qPrintable(result.error));
    QVERIFY(StylesheetWriter::text(style).isEmpty());
    QFile stylesheet(cd.filePath(QStringLiteral("Menu/Styles.css")));
    QVERIFY(stylesheet.open(QIODevice::ReadOnly));
    QCOMPARE(stylesheet.readAll(), StylesheetWriter::text(StyleFields::standard()));
}

QTEST_GUILESS_MAIN(TestStylesheet)
#include "tst_stylesheet.moc"
