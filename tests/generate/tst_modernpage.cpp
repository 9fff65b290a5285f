#include "core/generate/ModernPage.h"
#include "core/generate/ModernStyle.h"
#include "core/generate/PageWriter.h"
#include "core/data/MenuReader.h"
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
    const bool written = page.write(&buffer, [&](ModernEntry &entry) {
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
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << qint64(0) << "0 bytes";
    QTest::newRow("one") << qint64(1) << "1 byte";
    QTest::newRow("just under a KB") << qint64(1023) << "1023 bytes";
    QTest::newRow("one KB") << qint64(1024) << "1.0 KB";
    QTest::newRow("812 KB") << qint64(812 * 1024 + 100) << "812 KB";
    QTest::newRow("rounds up into MB") << qint64(1024 * 1024 - 1) << "1.0 MB";
    QTest::newRow("1.4 GB") << qint64(1503238553) << "1.4 GB";
    QTest::newRow("12 GB") << qint64(12) * 1024 * 1024 * 1024 << "12 GB";
}

void TestModernPage::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(ModernPage::sizeText(bytes), text);
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
        << QList<QByteArray>{"&lt;b&gt;Tom &amp; Jerry&#39;s&lt;/b&gt;</a>", "<div class=\"ed\"><i>kept</i></div>",
                             "alt=\"&lt;b&gt;Tom &amp; Jerry&#39;s&lt;/b&gt;\""}
        << QList<QByteArray>{"<b>Tom"};
    QTest::newRow("any text as typed, in UTF-8")
        << QString::fromUtf8("Grüße 中文 \xF0\x9F\x8E\xB5") << QString::fromUtf8("Lieder/Grüße.mp3")
        << QString::fromUtf8("Ünïcode ©")
        << QList<QByteArray>{"Grüße 中文 \xF0\x9F\x8E\xB5</a>", "href=\"Lieder/Gr%C3%BC%C3%9Fe.mp3\"", "Ünïcode ©"}
        << QList<QByteArray>{"&#"};
    QTest::newRow("no scheme can run") << "x"
                                       << "javascript:alert(1)"
                                       << "" << QList<QByteArray>{"href=\"javascript%3Aalert%281%29\""}
                                       << QList<QByteArray>{"javascript:"};
    QTest::newRow("quotes cannot leave the link")
        << "x"
        << "a\" onmouseover=\"alert(1).txt"
        << "" << QList<QByteArray>{"href=\"a%22%20onmouseover%3D%22alert%281%29.txt\""} << QList<QByteArray>{"a\" on"};
    QTest::newRow("a link from the top stays relative")
        << "x"
        << "//example.com/x.txt"
        << "" << QList<QByteArray>{"href=\".//example.com/x.txt\""} << QList<QByteArray>{"href=\"//"};
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
    const QList<ModernEntry> entries = {
        {"Zip", "big.zip", "", "Files", "z.png"},
        {"Gone", "missing.exe", "", "Files", "none"},
        {"Song", "a.mp3", "", "Music & more", ""},
    };
    for (const bool screenshots : {false, true}) {
        const QByteArray page = write(snapshot, entries, screenshots);
        QCOMPARE(page.count("<section "), 2);
        QVERIFY(page.contains(">Files</button>"));
        QVERIFY(page.contains(">Music &amp; more</button>"));
        QCOMPARE(page.mid(page.indexOf("<main")).count("aria-expanded=\"true\""), 2); // open without the script
        QCOMPARE(page.count("<span class=\"size\">"), 1);
        QVERIFY(page.contains("Archive \xC2\xB7 <span class=\"size\">3.6 KB</span>"));
        QVERIFY(page.contains("<p class=\"em\">Program</p>"));
        QCOMPARE(page.count("class=\"shot\""), screenshots ? 1 : 0);
        QVERIFY(!screenshots || page.contains("src=\"Menu/z.png\" alt=\"Zip\""));
        QVERIFY(page.contains("<audio controls loop preload=\"none\""));
        QVERIFY(!page.contains("autoplay"));
        QVERIFY(page.contains("src=\"Menu/tune.mid\""));
    }
}

void TestModernPage::failingDeviceIsReported()
{
    MenuFixture fixture;
    const MenuSnapshot snapshot = fixture.snapshot(MenuTemplate::modern());
    QByteArray bytes;
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    ModernPage page(snapshot, false);
    QVERIFY(!page.write(&readOnly, [](ModernEntry &) { return false; }));
    QVERIFY(!page.errorString().isEmpty());
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
    QTest::newRow("unreadable texts") << "blue"
                                      << "";
}

// In both schemes the page's text, read back from the stylesheet, stands out from the surface it is on.
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
    auto hexAfter = [&css](const QByteArray &marker, int from) -> std::optional<ModernStyle::Rgb> {
        const int at = int(css.indexOf(marker, from));
        if (at < 0 || css.mid(at + marker.size(), 1) != "#")
            return std::nullopt;
        const QByteArray hex = css.mid(at + marker.size() + 1, 6);
        return ModernStyle::Rgb{hex.mid(0, 2).toInt(nullptr, 16), hex.mid(2, 2).toInt(nullptr, 16),
                                hex.mid(4, 2).toInt(nullptr, 16)};
    };
    for (const int from : {0, dark}) {
        const std::optional<ModernStyle::Rgb> surface = hexAfter(".card,.cat{background-color:", from);
        QVERIFY(surface);
        const QList<std::optional<ModernStyle::Rgb>> texts = {
            hexAfter(";color:", int(css.indexOf("body{background-color:", from))), hexAfter("h1{color:", from),
            hexAfter(".cat-b{color:", from), hexAfter("a,a:link,a:visited,.ic{color:", from),
            hexAfter("a:hover,a:active{color:", from)};
        for (const std::optional<ModernStyle::Rgb> &fg : texts) {
            QVERIFY(fg);
            QVERIFY2(ModernStyle::contrast(*fg, *surface) >= 4.5, qPrintable(QString::number(from)));
        }
    }
    // A colour that is readable already is kept as chosen.
    QCOMPARE(ModernStyle::readable({0, 0, 128}, {255, 255, 255}, 4.5), (ModernStyle::Rgb{0, 0, 128}));
    QCOMPARE(ModernStyle::parseColor(QStringLiteral("16777215 ")), (ModernStyle::Rgb{255, 255, 255}));
    QCOMPARE(ModernStyle::parseColor(QStringLiteral("255")), (ModernStyle::Rgb{255, 0, 0}));
    QVERIFY(!ModernStyle::parseColor(QStringLiteral("RGB(1,2)")));
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
    const QList<qsizetype> order = {page.indexOf(">Games</button>"),
                                    page.indexOf(">G1<"),
                                    page.indexOf(">Tools<"),
                                    page.indexOf(">T1<"),
                                    page.indexOf(">T2<"),
                                    page.indexOf(">T3<")};
    QVERIFY(!order.contains(-1));
    QVERIFY(std::is_sorted(order.begin(), order.end()));
    QVERIFY(!page.contains("Other menu"));
}

QTEST_GUILESS_MAIN(TestModernPage)
#include "tst_modernpage.moc"
