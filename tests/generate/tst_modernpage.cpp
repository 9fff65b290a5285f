#include "core/data/MenuReader.h"
#include "core/generate/ColourMaths.h"
#include "core/generate/ModernPage.h"
#include "core/generate/ModernPageWords.h"
#include "core/generate/ModernStyle.h"
#include "core/generate/PageWriter.h"
#include "tests/generate/MenuFixture.h"

#include <QBuffer>
#include <QtTest>

// The Modern page writer: what it shows of each entry, how it keeps user text in its place, and its colours.
class TestModernPage : public QObject
{
    Q_OBJECT

private slots:
    void sizeText_data();
    void sizeText();
    void kindByExtension();
    void userTextStaysInItsPlace_data();
    void userTextStaysInItsPlace();
    void sectionsSizesAndScreenshots();
    void longSectionsComeInLists();
    void wordsFollowTheLanguage();
    void failingDeviceIsReported();
    void coloursStayReadable_data();
    void coloursStayReadable();
    void builtFromTheDatabaseByCategory();

private:
    static QByteArray write(const MenuSnapshot &snapshot, const QList<ModernEntry> &entries, bool screenshots);
};

QByteArray TestModernPage::write(const MenuSnapshot &snapshot, const QList<ModernEntry> &entries, bool screenshots)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    int next = 0;
    ModernPage page(snapshot, screenshots);
    const StepResult written = page.write(&buffer, [&](ModernEntry &entry) {
        if (next == entries.size())
            return false;
        entry = entries.at(next++);
        return true;
    });
    if (!written || page.entryCount() != entries.size())
        return {};
    return bytes;
}

void TestModernPage::sizeText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << "en" << qint64(0) << "0 bytes";
    QTest::newRow("one") << "en" << qint64(1) << "1 byte";
    QTest::newRow("just under a KB") << "en" << qint64(1023) << "1023 bytes";
    QTest::newRow("one KB") << "en" << qint64(1024) << "1.0\u00a0KB";
    QTest::newRow("812 KB") << "en" << qint64(812 * 1024 + 100) << "812\u00a0KB";
    QTest::newRow("rounds up into MB") << "en" << qint64(1024 * 1024 - 1) << "1.0\u00a0MB";
    QTest::newRow("1.4 GB") << "en" << qint64(1503238553) << "1.4\u00a0GB";
    QTest::newRow("12 GB") << "en" << qint64(12) * 1024 * 1024 * 1024 << "12\u00a0GB";
    QTest::newRow("German decimal comma") << "de-AT" << qint64(1503238553) << "1,4\u00a0GB";
    QTest::newRow("German bytes") << "de" << qint64(12) << "12 Bytes";
    QTest::newRow("French units") << "fr" << qint64(1536 * 1024) << "1,5\u00a0Mo";
    QTest::newRow("unknown language: English") << "xx" << qint64(1536 * 1024) << "1.5\u00a0MB";
    QTest::newRow("Arabic digits and decimal sign") << "ar" << qint64(1536 * 1024)
                                                    << QString::fromUtf8("\u0661\u066b\u0665\u00a0ميغابايت");
    QTest::newRow("Arabic bytes") << "ar" << qint64(1000) << QString::fromUtf8("\u0661\u0660\u0660\u0660 بايت");
    QTest::newRow("Hebrew units") << "he" << qint64(2048) << QString::fromUtf8("2.0\u00a0ק״ב");
}

void TestModernPage::sizeText()
{
    QFETCH(QString, language);
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(ModernPage::sizeText(bytes, ModernPageWords(language)), text);
}

void TestModernPage::kindByExtension()
{
    using Kind = ModernPage::Kind;
    const QList<QPair<QString, Kind>> cases = {
        {"docs/Manual.PDF", Kind::Document},
        {"setup.zip", Kind::Archive},
        {"bin/setup.exe", Kind::Program},
        {"a.b/photo.jpeg", Kind::Image},
        {"music/song.mp3", Kind::Audio},
        {"clip.webm", Kind::Video},
        {"README", Kind::Other},
        {"dir.exe/notes", Kind::Other},
        {"data.xyz", Kind::Other},
    };
    for (const auto &c : cases)
        QVERIFY2(ModernPage::kindOf(c.first) == c.second, qPrintable(c.first));
}

void TestModernPage::userTextStaysInItsPlace_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QList<QByteArray>>("present");
    QTest::addColumn<QList<QByteArray>>("absent");
    QTest::newRow("markup in titles is text")
        << "<b>Tom & Jerry's</b>"
        << "a.txt"
        << "<i>kept</i>"
        << QList<QByteArray>{"&lt;b&gt;Tom &amp; Jerry's&lt;/b&gt;</a>", "<div class=\"ed\"><i>kept</i></div>",
                             "aria-label=\"Full-size screenshot: &lt;b&gt;Tom &amp; Jerry's&lt;/b&gt;\""}
        << QList<QByteArray>{"<b>Tom"};
    QTest::newRow("any text as typed, in UTF-8")
        << QString::fromUtf8("Grüße 中文 \xF0\x9F\x8E\xB5") << QString::fromUtf8("Lieder/Grüße.mp3")
        << QString::fromUtf8("Ünïcode ©")
        << QList<QByteArray>{"Grüße 中文 \xF0\x9F\x8E\xB5</a>", "href=\"Lieder/Gr%C3%BC%C3%9Fe.mp3\"", "Ünïcode ©"}
        << QList<QByteArray>{"&#"};
    QTest::newRow("no scheme can run") << "x"
                                       << "javascript:alert(1)"
                                       << "" << QList<QByteArray>{"href=\"javascript%3Aalert%281%29\""}
                                       << QList<QByteArray>{"href=\"javascript:"};
    QTest::newRow("quotes cannot leave the link")
        << "x"
        << "a\" onmouseover=\"alert(1).txt"
        << "" << QList<QByteArray>{"href=\"a%22%20onmouseover%3D%22alert%281%29.txt\""} << QList<QByteArray>{"a\" on"};
    QTest::newRow("a link from the top stays relative")
        << "x"
        << "//example.com/x.txt"
        << "" << QList<QByteArray>{"href=\".//example.com/x.txt\""} << QList<QByteArray>{"href=\"//"};
    QTest::newRow("the script's list of files keeps a name in its string")
        << "x" << QString::fromUtf8("a\"</script>\u2028\\b.txt") << ""
        << QList<QByteArray>{"var F = [\"a\\\"\\u003c/script>\\u2028\\\\b.txt\"];"} << QList<QByteArray>{};
    QTest::newRow("percent, query and fragment are part of the name")
        << "x"
        << "100%#1?.txt"
        << "" << QList<QByteArray>{"href=\"100%25%231%3F.txt\""} << QList<QByteArray>{};
}

void TestModernPage::userTextStaysInItsPlace()
{
    QFETCH(QString, title);
    QFETCH(QString, link);
    QFETCH(QString, description);
    QFETCH(QList<QByteArray>, present);
    QFETCH(QList<QByteArray>, absent);
    MenuFixture fixture;
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::modernScreenshots());
    snapshot.title = title;
    QDir().mkpath(fixture.cdFolder() + QStringLiteral("/Menu"));
    MenuFixture::writeFile(fixture.cdFolder() + QStringLiteral("/Menu/shot.png"), "png");
    const QByteArray page = write(snapshot, {{title, link, description, QStringLiteral("Cat"), "shot.png"}}, true);
    QVERIFY(page.startsWith("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"));
    QVERIFY(page.contains("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">"));
    QVERIFY(page.contains("<title>" + page.mid(page.indexOf("<h1>") + 4).split('<').first() + "</title>"));
    for (const QByteArray &text : present)
        QVERIFY2(page.contains(text), text.constData());
    const QByteArray body = page.mid(page.indexOf("<main"));
    for (const QByteArray &text : absent)
        QVERIFY2(!body.contains(text), text.constData());
}

void TestModernPage::sectionsSizesAndScreenshots()
{
    MenuFixture fixture;
    MenuFixture::writeFile(fixture.cdFolder() + QStringLiteral("/big.zip"), QByteArray(3 * 1024 + 600, 'x'));
    MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::modern());
    snapshot.style.soundFile = QStringLiteral("/media/tune.mid");
    snapshot.style.logoFile = QStringLiteral("/media/missing logo.png");
    QDir().mkpath(fixture.cdFolder() + QStringLiteral("/Menu"));
    MenuFixture::writeFile(fixture.cdFolder() + QStringLiteral("/Menu/tune.mid"), "MThd");
    MenuFixture::writeFile(fixture.cdFolder() + QStringLiteral("/Menu/z.png"), "png");
    const QList<ModernEntry> entries = {
        {"Zip", "big.zip", "", "Files", "z.png"},
        {"Gone", "missing.exe", "", "Files", "none"},
        {"Song", "a.mp3", "", "Music & more", ""},
        {"No picture", "b.exe", "", "Music & more", "gone.png"},
    };
    for (const bool screenshots : {false, true}) {
        const QByteArray page = write(snapshot, entries, screenshots);
        QCOMPARE(page.count("<section "), 2);
        QVERIFY(page.contains("<h2 id=\"h0\">Files</h2>"));
        QVERIFY(page.contains("<h2 id=\"h1\">Music &amp; more</h2>"));
        QVERIFY(!page.contains("<button type=\"button\" class")); // the script makes the section buttons
        // The categories with their counts stand before the entries.
        QVERIFY(page.contains("<a href=\"#s0\">Files <span class=\"n\">2</span></a>"));
        QVERIFY(page.indexOf("<a href=\"#s1\">Music &amp; more <span class=\"n\">2</span></a>") <
                page.indexOf("<main"));
        QCOMPARE(page.count("<span class=\"size\">"), 1);
        QVERIFY(page.contains("Archive \xC2\xB7 <span class=\"size\">3.6\xC2\xA0KB</span>"));
        QVERIFY(page.contains("<p class=\"em\">Program</p>"));
        // Only the screenshot that is there, as a sized thumbnail linking to the full picture.
        QCOMPARE(page.count("class=\"shot\""), screenshots ? 1 : 0);
        QVERIFY(!screenshots ||
                page.contains("<a class=\"shot\" href=\"Menu/z.png\" aria-label=\"Full-size screenshot: Zip\"><img "
                              "src=\"Menu/z.png\" width=\"160\" height=\"100\" loading=\"lazy\" alt=\"\"></a>"));
        QVERIFY(!page.contains("gone.png"));
        QVERIFY(!page.contains("missing%20logo"));
        QVERIFY(page.contains("<audio id=\"snd\" controls loop preload=\"none\" src=\"Menu/tune.mid\"><a "
                              "href=\"Menu/tune.mid\">Open the sound</a></audio>"));
        QVERIFY(!page.contains("autoplay"));
    }
}

// A long section's entries come in lists of a hundred, all inside the section, in their order.
void TestModernPage::longSectionsComeInLists()
{
    MenuFixture fixture;
    QList<ModernEntry> entries;
    for (int i = 0; i < 251; ++i)
        entries.append({QStringLiteral("E%1").arg(i), QStringLiteral("e%1.exe").arg(i), "",
                        i < 250 ? QStringLiteral("Long") : QStringLiteral("Short"), ""});
    const QByteArray page = write(fixture.snapshot(MenuTemplate::modern()), entries, false);
    const QByteArray longSection =
        page.mid(page.indexOf("<section "), page.indexOf("</section>") - page.indexOf("<section "));
    QCOMPARE(longSection.count("<ul class=\"entries\""), 3);
    QCOMPARE(longSection.count("</ul>"), 3);
    QCOMPARE(longSection.count("<li class=\"e "), 250);
    const qsizetype second = longSection.indexOf("</ul>\n<ul class=\"entries\">\n");
    QVERIFY(longSection.indexOf("e99.exe") < second && second < longSection.indexOf("e100.exe"));
    QCOMPARE(page.count("<ul class=\"entries\""), 4);
    QCOMPARE(page.count("<ul "), page.count("</ul>") - page.count("<ul>"));
}

void TestModernPage::failingDeviceIsReported()
{
    MenuFixture fixture;
    const MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::modern());
    QByteArray bytes;
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    ModernPage page(snapshot, false);
    const StepResult written = page.write(&readOnly, [](ModernEntry &) { return false; });
    QVERIFY(!written);
    QVERIFY(!written.error.isEmpty());
    QVERIFY(bytes.isEmpty());
}

void TestModernPage::coloursStayReadable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::newRow("default: silver on white") << "RGB(192,192,192)"
                                              << "16777215 ";
    QTest::newRow("dark text on black") << "RGB(20,20,60)"
                                        << "RGB(0,0,0)";
    QTest::newRow("cyan on white") << "rgb(17,207,255)"
                                   << "RGB(255,255,255)";
    QTest::newRow("mid grey on mid grey") << "RGB(128,128,128)"
                                          << "RGB(120,120,120)";
    QTest::newRow("hex and name") << "#1e90ff"
                                  << "navy";
    QTest::newRow("texts that name no colour") << "bluish"
                                               << "";
}

// In both schemes the page's text, read back from the style's custom properties, stands out from the surface it is
// on.
void TestModernPage::coloursStayReadable()
{
    QFETCH(QString, text);
    QFETCH(QString, background);
    StyleFields style = StyleFields::standard();
    style.textColor = style.titleColor = style.hyperColor = style.buttonColor = style.hyperColorA = text;
    style.backColor = background;
    const QByteArray css = ModernStyle::css(style);
    const int dark = int(css.indexOf("@media (prefers-color-scheme:dark)"));
    QVERIFY(dark > 0);
    // The "#rrggbb" right after marker, searched from from.
    auto hexAfter = [&css](const QByteArray &marker, int from) -> std::optional<Colour> {
        const int at = int(css.indexOf(marker, from));
        if (at < 0 || css.mid(at + marker.size(), 1) != "#")
            return std::nullopt;
        const QByteArray hex = css.mid(at + marker.size() + 1, 6);
        return Colour{hex.mid(0, 2).toInt(nullptr, 16), hex.mid(2, 2).toInt(nullptr, 16),
                                hex.mid(4, 2).toInt(nullptr, 16)};
    };
    for (const int from : {0, dark}) {
        const std::optional<Colour> surface = hexAfter("--surface:", from);
        QVERIFY(surface);
        for (const char *role : {"--text:", "--title:", "--button:", "--link:", "--active:"}) {
            const std::optional<Colour> fg = hexAfter(role, from);
            QVERIFY2(fg, role);
            QVERIFY2(ColourMaths::contrast(*fg, *surface) >= 4.5, qPrintable(role + QString::number(from)));
        }
        // The footer stands on the page itself.
        const std::optional<Colour> page = hexAfter("--page:", from), onPage = hexAfter("--on-page:", from);
        QVERIFY(page && onPage);
        QVERIFY(ColourMaths::contrast(*onPage, *page) >= 4.5);
        // The search box, chips and buttons: their borders stand out by 3:1.
        const std::optional<Colour> control = hexAfter("--control:", from);
        QVERIFY(control);
        QVERIFY(ColourMaths::contrast(*control, *surface) >= 3);
    }
    // A colour that is readable already is kept as chosen.
    QCOMPARE(ColourMaths::readable({0, 0, 128}, {255, 255, 255}, 4.5), (Colour{0, 0, 128}));
}

// The page's own words, its lang and its direction come from the snapshot's language.
void TestModernPage::wordsFollowTheLanguage()
{
    MenuFixture fixture;
    MenuFixture::writeFile(fixture.cdFolder() + QStringLiteral("/big.zip"), QByteArray(1434 * 1024, 'x'));
    const struct
    {
        QString language;
        QList<QByteArray> present;
    } cases[] = {
        {"de", {"<html lang=\"de\">", ">Suche</label>", "1,4\xC2\xA0MB", ">Archiv \xC2\xB7", "entries: \"%1 Eintr"}},
        {"es", {"<html lang=\"es\">", ">Buscar</label>", "1,4\xC2\xA0MB", "Ir a las entradas"}},
        {"fr", {"<html lang=\"fr\">", ">Recherche</label>", "1,4\xC2\xA0Mo"}},
        {"pt-BR", {"<html lang=\"pt-BR\">", ">Search</label>", "1.4\xC2\xA0MB"}},
        {"ar",
         {"<html lang=\"ar\" dir=\"rtl\">", ">\xD8\xA8\xD8\xAD\xD8\xAB</label>", // بحث
          "\xD9\xA1\xD9\xAB\xD9\xA4\xC2\xA0", // ١٫٤ and a no-break space
          "zero: \"\xD9\xA0\""}},
        {"he-IL", {"<html lang=\"he\" dir=\"rtl\">", ">\xD7\x97\xD7\x99\xD7\xA4\xD7\x95\xD7\xA9</label>", "1.4\xC2\xA0"}},
        // One reading of the stored language for the words and the attributes alike.
        {"iw", {"<html lang=\"he\" dir=\"rtl\">", ">\xD7\x97\xD7\x99\xD7\xA4\xD7\x95\xD7\xA9</label>"}},
        {"de_DE", {"<html lang=\"de\">", ">Suche</label>", "1,4\xC2\xA0MB"}},
        {"de-DE", {"<html lang=\"de\">", ">Suche</label>"}},
        {" DE ", {"<html lang=\"de\">", ">Suche</label>"}},
        {"pt_BR", {"<html lang=\"pt-BR\">", ">Search</label>"}},
        {"fa", {"<html lang=\"fa\" dir=\"rtl\">", ">Search</label>"}},
        {"\"><script>", {"<html lang=\"en\">", ">Search</label>"}},
        {"de_DE.UTF-8", {"<html lang=\"en\">", ">Search</label>"}},
    };
    for (const auto &c : cases) {
        MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::modern());
        snapshot.language = c.language;
        const QByteArray page = write(snapshot, {{"Zip", "big.zip", "", "", ""}}, false);
        for (const QByteArray &text : c.present)
            QVERIFY2(page.contains(text), qPrintable(c.language + QLatin1Char(' ') + QString::fromUtf8(text)));
        QCOMPARE(page.contains("dir=\"rtl\""), c.present.first().contains("rtl"));
    }
}

// The database's entries come out grouped by category (in any letter case) whatever order they were added in; no
// entries, no page.
void TestModernPage::builtFromTheDatabaseByCategory()
{
    MenuFixture fixture;
    const MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::modern());
    const auto writePage = [&](QByteArray &bytes) {
        MenuReader reader(fixture.store());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        return PageWriter(snapshot, reader).write(buffer);
    };
    QByteArray none;
    const StepResult empty = writePage(none);
    QVERIFY(!empty);
    QCOMPARE(empty.error, PageWriter::noEntriesText());
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("T1"), QStringLiteral("t1.exe"), QString(), {});
    fixture.addEntry(1, QStringLiteral("Games"), QStringLiteral("G1"), QStringLiteral("g1.exe"), QString(), {});
    fixture.addEntry(2, QStringLiteral("Games"), QStringLiteral("Other menu"), QStringLiteral("x.exe"), QString(), {});
    fixture.addEntry(1, QStringLiteral("tools"), QStringLiteral("T2"), QStringLiteral("t2.exe"), QString(), {});
    fixture.addEntry(1, QStringLiteral("Tools"), QStringLiteral("T3"), QStringLiteral("t3.exe"), QString(), {});
    QByteArray page;
    const StepResult written = writePage(page);
    QVERIFY2(written, qPrintable(written.error));
    QCOMPARE(page.count("<section "), 2);
    const QList<qsizetype> order = {page.indexOf(">Games</h2>"), page.indexOf(">G1<"), page.indexOf(">Tools<"),
                                    page.indexOf(">T1<"),        page.indexOf(">T2<"), page.indexOf(">T3<")};
    QVERIFY(!order.contains(-1));
    QVERIFY(std::is_sorted(order.begin(), order.end()));
    QVERIFY(!page.contains("Other menu"));
}

QTEST_GUILESS_MAIN(TestModernPage)
#include "tst_modernpage.moc"
