#include "tests/generate/MenuFixture.h"
#include "core/data/MenuReader.h"
#include "core/generate/PageWriter.h"

#include <QBuffer>
#include <QtTest>

static bool isSetField(const QString &field)
{
    return !field.isEmpty() && field != QLatin1String("none");
}

// Index.htm in the four templates: the whole frame byte for byte, and the lines each template adds.
class TestPageWriter : public QObject
{
    Q_OBJECT

private slots:
    void standardTwoEntriesWholePage();
    void standardScreenshotsDiffersInThreePlaces();
    void mediaLines_data();
    void mediaLines();
    void buttonPositions();
    void extendedPanels();
    void extendedLonePanelIsNamedItself_data();
    void extendedLonePanelIsNamedItself();
    void extendedScreenshotsAddsTwoLinesPerEntry();
    void moreButtonsThanSixteenBitsAllow();
    void userTextGivesAWorkingScript();
    void linksThatWouldBreakAreEncoded();
    void charactersOutsideTheCodePage();
    void noEntriesWritesNothing_data();
    void noEntriesWritesNothing();
    void entriesOfOtherMenusAreLeftOut();
    void extendedPageAddsTheCategoryIndex();
    void entryWithoutCategoryShowsOnEveryTemplate();
    void footerLinksTheMakerOnlyWhenTheBuildNamesOne_data();
    void footerLinksTheMakerOnlyWhenTheBuildNamesOne();

private:
    static QByteArray page(MenuFixture &fixture, const MenuSnapshot &snapshot);
    static QList<QByteArray> pageLines(MenuFixture &fixture, const MenuSnapshot &snapshot)
    {
        return MenuFixture::lines(page(fixture, snapshot));
    }
    static void addTwoEntries(MenuFixture &fixture);
    static void addExtendedEntries(MenuFixture &fixture);
};

QByteArray TestPageWriter::page(MenuFixture &fixture, const MenuSnapshot &snapshot)
{
    MenuReader reader(fixture.store());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const StepResult written = PageWriter(snapshot, reader).write(buffer);
    if (!written.ok)
        qWarning() << written.error;
    return buffer.data();
}

void TestPageWriter::addTwoEntries(MenuFixture &fixture)
{
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("Setup"), QStringLiteral("setup.exe"),
                     QStringLiteral("Installs the program"), QStringLiteral("shot1.jpg"));
    fixture.addEntry(1, QStringLiteral("none"), QStringLiteral("Manual"), QStringLiteral("doc/manual.pdf"),
                     QStringLiteral("Read me first"), QStringLiteral("none"));
}

void TestPageWriter::addExtendedEntries(MenuFixture &fixture)
{
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("Setup"), QStringLiteral("setup.exe"),
                     QStringLiteral("Installs it"), QStringLiteral("shot2.png"));
    fixture.addEntry(1, QStringLiteral("Docs"), QStringLiteral("Manual"), QStringLiteral("doc/manual.pdf"),
                     QStringLiteral("Read me"), QStringLiteral("none"));
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("Patch"), QStringLiteral("patch.exe"),
                     QStringLiteral("Fixes it"), QVariant());
}

void TestPageWriter::standardTwoEntriesWholePage()
{
    MenuFixture fixture;
    addTwoEntries(fixture);
    const QByteArray expected =
        "<html>\r\n"
        "<head>\r\n"
        "<link rel=stylesheet type='text/css' href='Menu/Styles.css'>\r\n"
        "<title>Velmora</title>\r\n"
        "<script language='JavaScript'>\r\n"
        "var arT=new Array(2)\r\n"
        "var arD=new Array(2)\r\n"
        "var arS=new Array(2)\r\n"
        "arT[0]='<a href=setup.exe>Setup</a>';\r\n"
        "arD[0]='Installs the program';\r\n"
        "arS[0]= '<img src=shot1.jpg>'\r\n"
        "arT[1]='<a href=doc/manual.pdf>Manual</a>';\r\n"
        "arD[1]='Read me first';\r\n"
        "arS[1]='&nbsp;'\r\n"
        "function switchButton(ID){\r\n"
        "  nums = document.all.Bt.length - 1\r\n"
        "        for (var i = 0; i <= nums; i++) {\r\n"
        "             if(i==ID){\r\n"
        "                document.all.Bt[i].className='ButActive';\r\n"
        "            }\r\n"
        "            else{\r\n"
        "                  document.all.Bt[i].className='But';\r\n"
        "            }\r\n"
        "        }\r\n"
        "    }\r\n"
        "    function displayText(ID){\r\n"
        "        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];\r\n"
        "    }\r\n"
        "</script>\r\n"
        "</head>\r\n"
        "<body>\r\n"
        "<table border='0' width='100%'>\r\n"
        "  <tr>\r\n"
        "    <td width='50%' align='center'>\r\n"
        "      <h2>My CD</h2>\r\n"
        "    </td>\r\n"
        "  </tr>\r\n"
        "</table>\r\n"
        "<div style='position:absolute;top:120px; left:20px;width:100px'>\r\n"
        "</div>\r\n"
        "<div  style='position:absolute;top:125px ;left:30px;width:100px'>\r\n"
        "    <p id='Bt' class='But' onmouseover='switchButton(0)' onclick='displayText(0)'>Setup</p>\r\n"
        "</div>\r\n"
        "<div style='position:absolute;top:155px; left:20px;width:100px'>\r\n"
        "</div>\r\n"
        "<div  style='position:absolute;top:160px ;left:30px;width:100px'>\r\n"
        "    <p id='Bt' class='But' onmouseover='switchButton(1)' onclick='displayText(1)'>Manual</p>\r\n"
        "</div>\r\n"
        "<div style='position:absolute;left:200px;top:120px;border:1px groove''>\r\n"
        "      <div>\r\n"
        "      <table border='0' width='100%'>\r\n"
        "        <tr>\r\n"
        "          <td style='padding-left:20px' width='70%' align='left' valign='top'>\r\n"
        "            <p id='LTitle'>TitleLink</p>\r\n"
        "          </td>\r\n"
        "        </tr>\r\n"
        "      </table>\r\n"
        "    </div>\r\n"
        "    <div >\r\n"
        "      <table border='0' width='100%'>\r\n"
        "        <tr>\r\n"
        "          <td style='padding-left:30px' width='70%' align='left' valign='top'>\r\n"
        "            <p id='Des'>Description</p>\r\n"
        "          </td>\r\n"
        "         </tr>\r\n"
        "      </table>\r\n"
        "    </div>\r\n"
        "</div>\r\n"
        "<div style='position:absolute; bottom:10px;width:200px'>\r\n"
        "<a href='https://velmora.example/'>\xA9 velmora.example</a>\r\n"
        "</div>\r\n"
        "</body></html>\r\n";
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
    snapshot.makerAddress = QStringLiteral("https://velmora.example/");
    QCOMPARE(page(fixture, snapshot), expected);
}

void TestPageWriter::standardScreenshotsDiffersInThreePlaces()
{
    MenuFixture fixture;
    addTwoEntries(fixture);
    const QList<QByteArray> standard = pageLines(fixture, fixture.snapshot(MenuTemplate::standard()));
    const QList<QByteArray> screenshots = pageLines(fixture, fixture.snapshot(MenuTemplate::standardScreenshots()));
    QCOMPARE(screenshots.size(), standard.size() + 2);

    QList<QByteArray> changed = screenshots;
    const int shot = int(changed.indexOf("arS[0]= '<img src=Menu/shot1.jpg>'"));
    QVERIFY(shot > 0);
    changed[shot] = "arS[0]= '<img src=shot1.jpg>'";
    QVERIFY(changed.contains("arS[1]='&nbsp;'"));
    const int display = int(changed.indexOf(
        "        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];"
        "document.all.SShot.innerHTML=arS[ID];"));
    QVERIFY(display > 0);
    changed[display] = "        document.all.LTitle.innerHTML=arT[ID]; document.all.Des.innerText=arD[ID];";
    const int titleCell = int(changed.indexOf("            <p id='LTitle'>TitleLink</p>"));
    QCOMPARE(changed.at(titleCell + 2), QByteArray("          <td width='30%' align='right' valign='top'>&nbsp;</td>"));
    changed.removeAt(titleCell + 2);
    const int descriptionCell = int(changed.indexOf("            <p id='Des'>Description</p>"));
    QCOMPARE(changed.at(descriptionCell + 2),
             QByteArray("          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>"));
    changed.removeAt(descriptionCell + 2);
    QCOMPARE(changed, standard);
}

void TestPageWriter::mediaLines_data()
{
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("logo");
    QTest::addColumn<QString>("buttonOn");
    QTest::addColumn<QString>("buttonOff");
    QTest::addColumn<QList<QByteArray>>("present");
    QTest::addColumn<QList<QByteArray>>("absent");

    const QString media = QDir::rootPath() + QStringLiteral("media") + PathMapping::separator();
    const QByteArray onLine = "                document.all.Bi[i].src='Menu/on.gif';";
    const QByteArray offLine = "                  document.all.Bi[i].src='Menu/off.gif';";
    QTest::newRow("sound") << media + "tune.mid" << "none" << "none" << "none"
                           << QList<QByteArray>{"<bgsound src='Menu/tune.mid' loop=1'>"}
                           << QList<QByteArray>{"    <img  id='Bi' src='Menu/none' >"};
    QTest::newRow("empty sound") << "" << "none" << "none" << "none" << QList<QByteArray>{}
                                 << QList<QByteArray>{"<bgsound src='Menu/' loop=1'>"};
    QTest::newRow("logo") << "none" << media + "logo.gif" << "none" << "none"
                          << QList<QByteArray>{"<div class='Logo' width='100px'> <img src='Menu/logo.gif' border='0' "
                                               "></div>"}
                          << QList<QByteArray>{"<bgsound src='Menu/none' loop=1'>"};
    QTest::newRow("button on only") << "none" << "none" << media + "on.gif" << "none"
                                    << QList<QByteArray>{onLine, "    <img  id='Bi' src='Menu/none' >"}
                                    << QList<QByteArray>{offLine};
    QTest::newRow("button off only") << "none" << "none" << "none" << media + "off.gif"
                                     << QList<QByteArray>{offLine}
                                     << QList<QByteArray>{onLine, "    <img  id='Bi' src='Menu/off.gif' >"};
    QTest::newRow("both buttons") << "none" << "none" << media + "on.gif" << media + "off.gif"
                                  << QList<QByteArray>{onLine, offLine, "    <img  id='Bi' src='Menu/off.gif' >"}
                                  << QList<QByteArray>{};
    QTest::newRow("None is a file name") << "None" << "none" << "none" << "none"
                                         << QList<QByteArray>{"<bgsound src='Menu/None' loop=1'>"}
                                         << QList<QByteArray>{};
}

void TestPageWriter::mediaLines()
{
    QFETCH(QString, sound);
    QFETCH(QString, logo);
    QFETCH(QString, buttonOn);
    QFETCH(QString, buttonOff);
    QFETCH(QList<QByteArray>, present);
    QFETCH(QList<QByteArray>, absent);
    MenuFixture fixture;
    addTwoEntries(fixture);
    for (const QString &name : MenuTemplate::names()) {
        MenuSnapshot snapshot = fixture.snapshot(name);
        snapshot.style.soundFile = sound;
        snapshot.style.logoFile = logo;
        snapshot.style.buttonOnImage = buttonOn;
        snapshot.style.buttonOffImage = buttonOff;
        const QList<QByteArray> lines = pageLines(fixture, snapshot);
        QVERIFY(!lines.isEmpty());
        for (const QByteArray &line : present)
            QVERIFY2(lines.contains(line), line.constData());
        for (const QByteArray &line : absent)
            QVERIFY2(!lines.contains(line), line.constData());
        // The sound line stands right before the script, the logo right after the title table.
        const int script = int(lines.indexOf("<script language='JavaScript'>"));
        QCOMPARE(lines.at(script - 1).startsWith("<bgsound"), isSetField(sound));
        const int table = int(lines.indexOf("</table>"));
        QCOMPARE(lines.at(table + 1).startsWith("<div class='Logo'"), isSetField(logo));
    }
}

void TestPageWriter::buttonPositions()
{
    MenuFixture fixture;
    for (const char *name : {"A", "B", "C"})
        fixture.addEntry(1, QStringLiteral("none"), QLatin1String(name), QStringLiteral("a.exe"), QString(), QVariant());
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
    snapshot.style.buttonOnImage = QStringLiteral("on.gif");
    const QList<QByteArray> lines = pageLines(fixture, snapshot);
    const int first = int(lines.indexOf("<div style='position:absolute;top:120px; left:20px;width:100px'>"));
    QVERIFY(first > 0);
    const QList<QByteArray> expected = {
        "<div style='position:absolute;top:120px; left:20px;width:100px'>",
        "    <img  id='Bi' src='Menu/none' >",
        "</div>",
        "<div  style='position:absolute;top:125px ;left:30px;width:100px'>",
        "    <p id='Bt' class='But' onmouseover='switchButton(0)' onclick='displayText(0)'>A</p>",
        "</div>",
        "<div style='position:absolute;top:155px; left:20px;width:100px'>",
        "    <img  id='Bi' src='Menu/none' >",
        "</div>",
        "<div  style='position:absolute;top:160px ;left:30px;width:100px'>",
        "    <p id='Bt' class='But' onmouseover='switchButton(1)' onclick='displayText(1)'>B</p>",
        "</div>",
        "<div style='position:absolute;top:190px; left:20px;width:100px'>",
        "    <img  id='Bi' src='Menu/none' >",
        "</div>",
        "<div  style='position:absolute;top:195px ;left:30px;width:100px'>",
        "    <p id='Bt' class='But' onmouseover='switchButton(2)' onclick='displayText(2)'>C</p>",
        "</div>",
    };
    QCOMPARE(lines.mid(first, expected.size()), expected);
}

static QList<QByteArray> extendedEntryLines(int category, int sub, const QByteArray &title,
                                            const QByteArray &description, const QByteArray &link,
                                            const QByteArray &shotCell, bool screenshots)
{
    QList<QByteArray> lines = {
        "<div id='LTitle' style='border:1px groove'>",
        "      <table border='0' width='100%'>",
        "        <tr>",
        "          <td style='padding-left:20px' width='70%' align='left' valign='top'>",
        "            <p class='TLink' onclick='displayText(" + QByteArray::number(category) + "," +
            QByteArray::number(sub) + ")'>" + title + "</p>",
        "          </td>",
    };
    if (screenshots)
        lines.append("          <td width='30%' align='right' valign='top'>&nbsp;</td>");
    lines += QList<QByteArray>{
        "        </tr>",
        "      </table>",
        " </div>",
        " <div id='Des' style='display:none'>",
        "      <table border='0' width='100%'>",
        "        <tr>",
        "          <td style='padding-left:30px' width='70%' align='left' valign='top'>",
        "            <p>" + description + "</p><a align='right' href=" + link + ">Open</a>",
        "          </td>",
    };
    if (screenshots)
        lines.append(shotCell);
    lines += QList<QByteArray>{"        </tr>", "      </table>", " </div>"};
    return lines;
}

void TestPageWriter::extendedPanels()
{
    MenuFixture fixture;
    addExtendedEntries(fixture);
    const QList<QByteArray> lines = pageLines(fixture, fixture.snapshot(MenuTemplate::extended()));
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.mid(5, 4), (QList<QByteArray>{"var ie = false;", "var ns = false;",
                                                 "if (document.layers){ns = true;}",
                                                 "if (navigator.appName.indexOf ('Microsoft') == 0) {ie=true}"}));
    QVERIFY(lines.contains("    <p id='Bt' class='But' onmouseover='switchButton(0)' onclick='displayCat(0)'>Docs</p>"));
    QVERIFY(lines.contains("    <p id='Bt' class='But' onmouseover='switchButton(1)' onclick='displayCat(1)'>Tools</p>"));
    QVERIFY(lines.contains("<div style='position:absolute;top:155px; left:20px;width:100px'>"));
    QVERIFY(!lines.contains("<div style='position:absolute;top:190px; left:20px;width:100px'>"));

    const QByteArray panel = "<div id='Cat' style='position:absolute;left:200px;top:120px;border:1px groove'>";
    QList<QByteArray> expected = {panel};
    expected += extendedEntryLines(0, 0, "Manual", "Read me", "doc/manual.pdf", {}, false);
    expected += QList<QByteArray>{"</div>", panel};
    expected += extendedEntryLines(1, 0, "Setup", "Installs it", "setup.exe", {}, false);
    expected += extendedEntryLines(1, 1, "Patch", "Fixes it", "patch.exe", {}, false);
    expected += QList<QByteArray>{"</div>", "<script language='JavaScript'>", "     displayCat (0)", "</script>",
                                  "<div style='position:absolute; bottom:10px;width:200px'>"};
    const int start = int(lines.indexOf(panel));
    QCOMPARE(lines.mid(start, expected.size()), expected);

    const int script = int(lines.indexOf("function displayText(CID, TID){"));
    QVERIFY(script > 0);
    QCOMPARE(lines.at(script + 19), QByteArray("                        document.all.Cat [i].style.visibility = 'visible'"));
    QCOMPARE(lines.at(script + 32), QByteArray("}"));
    QCOMPARE(lines.at(script + 33), QByteArray("</script>"));
}

void TestPageWriter::extendedLonePanelIsNamedItself_data()
{
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QByteArray>("panel");
    QTest::newRow("one category") << QStringList{QStringLiteral("Tools"), QStringLiteral("Tools")}
                                  << QByteArray("document.all.Cat");
    QTest::newRow("two categories") << QStringList{QStringLiteral("Tools"), QStringLiteral("Docs")}
                                    << QByteArray("document.all.Cat[CID]");
}

// The browser gives a lone element, not a collection, for a single panel: its script must not index it.
void TestPageWriter::extendedLonePanelIsNamedItself()
{
    QFETCH(QStringList, categories);
    QFETCH(QByteArray, panel);
    MenuFixture fixture;
    int n = 0;
    for (const QString &category : categories) {
        ++n;
        fixture.addEntry(1, category, QStringLiteral("Entry %1").arg(n), QStringLiteral("e%1.exe").arg(n),
                         QStringLiteral("Text"), QStringLiteral("none"));
    }
    const QList<QByteArray> lines = pageLines(fixture, fixture.snapshot(MenuTemplate::extended()));
    const int script = int(lines.indexOf("function displayText(CID, TID){"));
    QVERIFY(script > 0);
    QCOMPARE(lines.at(script + 1), "        nums=" + panel + ".all.Des.length-1");
    QCOMPARE(lines.at(script + 2), "        if(isNaN(nums)){" + panel + ".all.Des.style.display='block'}");
    QCOMPARE(lines.at(script + 6), "                        " + panel + ".all.Des[i].style.display='block';");
    QCOMPARE(lines.at(script + 9), "                    " + panel + ".all.Des[i].style.display='none';");
    QCOMPARE(lines.at(script + 15), QByteArray("    nums = document.all.Cat.length - 1"));
}

// A category never set (NULL) is the empty one: its entry shows in the empty category's panel, not in none.
void TestPageWriter::entryWithoutCategoryShowsOnEveryTemplate()
{
    MenuFixture fixture;
    fixture.addEntry(1, "", "Empty", "empty.exe", "Text", "none");
    fixture.data().ExecuteSQL({QStringLiteral("INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,"
                                              "Screenshot) VALUES (1,NULL,'Unset','unset.exe','Text','none')"),
                               {}});
    fixture.addEntry(1, "Tools", "Tool", "tool.exe", "Text", "none");
    QVERIFY(fixture.page(fixture.snapshot(MenuTemplate::extended()))->count("tool.exe") > 0);
    for (const QString &name : MenuTemplate::allNames()) {
        QString error;
        const std::optional<QByteArray> page = fixture.page(fixture.snapshot(name), &error);
        QVERIFY2(page, qPrintable(error));
        for (const QByteArray &link : {"empty.exe", "unset.exe", "tool.exe"})
            QVERIFY2(page->count(link) == page->count("tool.exe"), qPrintable(name + ": " + link));
    }
}

void TestPageWriter::extendedScreenshotsAddsTwoLinesPerEntry()
{
    MenuFixture fixture;
    addExtendedEntries(fixture);
    const QList<QByteArray> extended = pageLines(fixture, fixture.snapshot(MenuTemplate::extended()));
    const QList<QByteArray> screenshots = pageLines(fixture, fixture.snapshot(MenuTemplate::extendedScreenshots()));
    QCOMPARE(screenshots.size(), extended.size() + 6);

    const QByteArray panel = "<div id='Cat' style='position:absolute;left:200px;top:120px;border:1px groove'>";
    const QByteArray noShot = "          <td id='SShot' width='30%' align='right' valign='top'>&nbsp;</td>";
    QList<QByteArray> expected = {panel};
    expected += extendedEntryLines(0, 0, "Manual", "Read me", "doc/manual.pdf", noShot, true);
    expected += QList<QByteArray>{"</div>", panel};
    expected += extendedEntryLines(1, 0, "Setup", "Installs it", "setup.exe",
                                   " <td id='SShot' width='30%' align='right' valign='top'><img src=Menu/shot2.png></td>",
                                   true);
    expected += extendedEntryLines(1, 1, "Patch", "Fixes it", "patch.exe", noShot, true);
    const int start = int(screenshots.indexOf(panel));
    QCOMPARE(screenshots.mid(start, expected.size()), expected);
    QCOMPARE(screenshots.mid(0, start), extended.mid(0, start));
}

void TestPageWriter::moreButtonsThanSixteenBitsAllow()
{
    MenuFixture fixture;
    const int count = 1000;
    QList<QStringList> entries;
    for (int i = 0; i < count; ++i)
        entries.append({QStringLiteral("C%1").arg(i % 3), QStringLiteral("E%1").arg(i), QStringLiteral("e.exe")});
    fixture.addEntries(1, entries);
    const QList<QByteArray> lines = pageLines(fixture, fixture.snapshot(MenuTemplate::standard()));
    const int last = count - 1;
    const QByteArray top = QByteArray::number(120 + 35 * last);
    QVERIFY(lines.contains("<div style='position:absolute;top:" + top + "px; left:20px;width:100px'>"));
    QVERIFY(lines.contains("    <p id='Bt' class='But' onmouseover='switchButton(999)' onclick='displayText(999)'>E999</p>"));
    QVERIFY(lines.contains("var arT=new Array(1000)"));
    QCOMPARE(lines.last(), QByteArray("</body></html>"));
}

void TestPageWriter::userTextGivesAWorkingScript()
{
    MenuFixture fixture;
    fixture.addEntry(1, QStringLiteral("Tom's"), QStringLiteral("Tom's <Tool>"), QStringLiteral("tool.exe"),
                     QStringLiteral("Line one\r\nIt's \"C:\\Tools\"</script>"), QVariant());
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
    snapshot.title = QStringLiteral("Tom's <b>CD</b>");
    const QList<QByteArray> lines = pageLines(fixture, snapshot);
    QVERIFY(lines.contains("arT[0]='<a href=tool.exe>Tom\\'s &lt;Tool&gt;</a>';"));
    QVERIFY(lines.contains("arD[0]='Line one\\r\\nIt\\'s \"C:\\\\Tools\"<\\/script>';"));
    // Titles are plain text: the page shows them as typed.
    QVERIFY(lines.contains("      <h2>Tom's &lt;b&gt;CD&lt;/b&gt;</h2>"));
    QVERIFY(lines.contains("    <p id='Bt' class='But' onmouseover='switchButton(0)' onclick='displayText(0)'>Tom's "
                           "&lt;Tool&gt;</p>"));

    // A category with an apostrophe gets its panel in the Extended page.
    const QList<QByteArray> extended = pageLines(fixture, fixture.snapshot(MenuTemplate::extended()));
    QVERIFY(extended.contains("            <p class='TLink' onclick='displayText(0,0)'>Tom's &lt;Tool&gt;</p>"));
}

void TestPageWriter::linksThatWouldBreakAreEncoded()
{
    MenuFixture fixture;
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("Setup"), QStringLiteral("My Tools/set'up #1.exe"),
                     QStringLiteral("x"), QStringLiteral("my shot.jpg"));
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standardScreenshots());
    snapshot.style.buttonOnImage = QStringLiteral("on it.gif");
    snapshot.style.soundFile = QStringLiteral("a'b.mid");
    const QList<QByteArray> lines = pageLines(fixture, snapshot);
    QVERIFY(lines.contains("arT[0]='<a href=My%20Tools/set%27up%20%231.exe>Setup</a>';"));
    QVERIFY(lines.contains("arS[0]= '<img src=Menu/my%20shot.jpg>'"));
    QVERIFY(lines.contains("                document.all.Bi[i].src='Menu/on%20it.gif';"));
    QVERIFY(lines.contains("<bgsound src='Menu/a%27b.mid' loop=1'>"));

    const QList<QByteArray> extended = pageLines(fixture, fixture.snapshot(MenuTemplate::extendedScreenshots()));
    QVERIFY(extended.contains("            <p>x</p><a align='right' href=My%20Tools/set%27up%20%231.exe>Open</a>"));
    QVERIFY(extended.contains(" <td id='SShot' width='30%' align='right' valign='top'><img src=Menu/my%20shot.jpg></td>"));
}

void TestPageWriter::charactersOutsideTheCodePage()
{
    MenuFixture fixture;
    fixture.addEntry(1, QStringLiteral("\u65e5\u672c"), QStringLiteral("Caf\u00e9 \u2603"), QStringLiteral("a.exe"),
                     QStringLiteral("\u20ac \u4e2d"), QVariant());
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::standard());
    snapshot.title = QStringLiteral("\u00a9 \u0394");
    const QList<QByteArray> lines = pageLines(fixture, snapshot);
    QVERIFY(lines.contains("      <h2>\xA9 &#916;</h2>"));
    QVERIFY(lines.contains("arT[0]='<a href=a.exe>Caf\xE9 \\u2603</a>';"));
    QVERIFY(lines.contains("arD[0]='\x80 \\u4E2D';"));
    QVERIFY(lines.contains("    <p id='Bt' class='But' onmouseover='switchButton(0)' onclick='displayText(0)'>Caf\xE9 "
                           "&#9731;</p>"));
    const QList<QByteArray> extended = pageLines(fixture, fixture.snapshot(MenuTemplate::extended()));
    QVERIFY(extended.contains(
        "    <p id='Bt' class='But' onmouseover='switchButton(0)' onclick='displayCat(0)'>&#26085;&#26412;</p>"));
    QVERIFY(extended.contains("            <p>\x80 &#20013;</p><a align='right' href=a.exe>Open</a>"));
}

void TestPageWriter::noEntriesWritesNothing_data()
{
    QTest::addColumn<QString>("templateName");
    for (const QString &name : MenuTemplate::names())
        QTest::newRow(qPrintable(name)) << name;
}

void TestPageWriter::noEntriesWritesNothing()
{
    QFETCH(QString, templateName);
    MenuFixture fixture;
    fixture.addEntry(2, QStringLiteral("Tools"), QStringLiteral("Other menu"), QStringLiteral("a.exe"), QString(),
                     QVariant());
    MenuReader reader(fixture.store());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const StepResult result = PageWriter(fixture.snapshot(templateName), reader).write(buffer);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, PageWriter::noEntriesText());
    QVERIFY(buffer.data().isEmpty());
}

void TestPageWriter::entriesOfOtherMenusAreLeftOut()
{
    MenuFixture fixture;
    fixture.addEntry(2, QStringLiteral("Other"), QStringLiteral("Elsewhere"), QStringLiteral("b.exe"), QString(),
                     QVariant());
    addExtendedEntries(fixture);
    const QByteArray extended = page(fixture, fixture.snapshot(MenuTemplate::extended()));
    QVERIFY(!extended.contains("Elsewhere"));
    QVERIFY(!extended.contains("Other"));
    const QByteArray standard = page(fixture, fixture.snapshot(MenuTemplate::standard()));
    QVERIFY(standard.contains("var arT=new Array(3)"));
    QVERIFY(!standard.contains("Elsewhere"));
}

void TestPageWriter::extendedPageAddsTheCategoryIndex()
{
    MenuFixture fixture;
    addExtendedEntries(fixture);
    const SqlStatement indexes{QStringLiteral("SELECT name FROM sqlite_master WHERE type='index' AND "
                                              "name='idxDetailsMenuCategory'"),
                               {}};
    QCOMPARE(fixture.data().GetRS(indexes).recordCount(), 1);
    // A database made elsewhere lacks it until its first Extended page.
    fixture.data().ExecuteSQL({QStringLiteral("DROP INDEX idxDetailsMenuCategory"), {}});
    QCOMPARE(fixture.data().GetRS(indexes).recordCount(), 0);
    const QByteArray before = page(fixture, fixture.snapshot(MenuTemplate::standard()));
    QCOMPARE(fixture.data().GetRS(indexes).recordCount(), 0);
    const QByteArray extended = page(fixture, fixture.snapshot(MenuTemplate::extended()));
    QVERIFY(extended.contains("displayCat(1)'>Tools</p>"));
    QCOMPARE(fixture.data().GetRS(indexes).recordCount(), 1);
    QVERIFY(!before.isEmpty());
}

void TestPageWriter::footerLinksTheMakerOnlyWhenTheBuildNamesOne_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("footer");
    for (const QString &name : MenuTemplate::names()) {
        QTest::addRow("%s, none", qPrintable(name))
            << name << QString() << QByteArray("<div style='position:absolute; bottom:10px;width:200px'>\r\n"
                                               "\xA9 Velmora\r\n</div>\r\n");
        QTest::addRow("%s, set", qPrintable(name))
            << name << QStringLiteral("https://example.org/velmora/")
            << QByteArray("<div style='position:absolute; bottom:10px;width:200px'>\r\n"
                          "<a href='https://example.org/velmora/'>\xA9 example.org</a>\r\n</div>\r\n");
    }
    for (const QString &name : MenuTemplate::modernNames()) {
        QTest::addRow("%s, none", qPrintable(name)) << name << QString() << QByteArray("<footer>Made with Velmora</footer>");
        QTest::addRow("%s, set", qPrintable(name))
            << name << QStringLiteral("https://example.org/velmora/")
            << QByteArray("<footer><a href=\"https://example.org/velmora/\">Made with Velmora</a></footer>");
    }
}

// The maker's address is the build's setting: without one the footer names the maker as plain text, and no page
// holds an address of it.
void TestPageWriter::footerLinksTheMakerOnlyWhenTheBuildNamesOne()
{
    QFETCH(QString, templateName);
    QFETCH(QString, address);
    QFETCH(QByteArray, footer);
    MenuFixture fixture;
    addTwoEntries(fixture);
    MenuSnapshot snapshot = fixture.snapshot(templateName);
    snapshot.makerAddress = address;
    const QByteArray written = page(fixture, snapshot);
    QVERIFY2(written.contains(footer), written.right(400).constData());
    QCOMPARE(written.contains("https://"), !address.isEmpty());
    QCOMPARE(written.contains("example"), !address.isEmpty());
}

QTEST_GUILESS_MAIN(TestPageWriter)
#include "tst_pagewriter.moc"
