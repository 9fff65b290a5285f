#include "core/model/ColorText.h"
#include "core/model/Colour.h"

#include <QtTest>

using ColorText::OleColor;

Q_DECLARE_METATYPE(std::optional<Colour>)

// The one reader of colour texts, and the window's codec between colour values and "RGB(r,g,b)".
class TestColorText : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void getRGBString_data();
    void getRGBString();
    void systemColourIsReportedForEachPart();
    void colorPartByMask_data();
    void colorPartByMask();
    void rgbConversionRoundTrips();
};

void TestColorText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isColourText"); // what the stylesheet may carry
    QTest::addColumn<std::optional<Colour>>("colour");
    const std::optional<Colour> none;

    QTest::newRow("grey") << "RGB(192,192,192)" << true << std::optional(Colour{192, 192, 192});
    QTest::newRow("active") << "RGB(17,207,255)" << true << std::optional(Colour{17, 207, 255});
    QTest::newRow("blanks around numbers") << "RGB( 1 , 2 , 3 )" << true << std::optional(Colour{1, 2, 3});
    QTest::newRow("above 255 counts as 255") << "RGB(300,0,0)" << true << std::optional(Colour{255, 0, 0});
    QTest::newRow("any three letters, any case") << "rgb(1,0,0)" << true << std::optional(Colour{1, 0, 0});
    QTest::newRow("half rounds to even") << "RGB(2.5,3.5,0)" << true << std::optional(Colour{2, 4, 0});
    QTest::newRow("system colour parts") << "RGB(-1,-1,-1)" << true << none;
    QTest::newRow("beyond 16 bits") << "RGB(40000,2,3)" << true << none;
    QTest::newRow("decimal form") << "16777215 " << true << std::optional(Colour{255, 255, 255});
    QTest::newRow("decimal red") << "255" << true << std::optional(Colour{255, 0, 0});
    QTest::newRow("decimal system colour") << "-2147483633" << true << none;
    QTest::newRow("decimal beyond a colour") << "16777216" << true << none;
    QTest::newRow("hex") << "#ff0000" << true << std::optional(Colour{255, 0, 0});
    QTest::newRow("short hex") << "#0Af" << true << std::optional(Colour{0, 170, 255});
    QTest::newRow("hex with alpha") << "#11cfff80" << true << std::optional(Colour{17, 207, 255});
    QTest::newRow("hex of five digits") << "#12345" << true << none;
    QTest::newRow("name") << "Navy" << true << std::optional(Colour{0, 0, 128});
    QTest::newRow("unknown name") << "bluish" << true << none;
    QTest::newRow("empty") << "" << true << none;
    QTest::newRow("two pieces") << "RGB(1,2)" << false << none;
    QTest::newRow("four pieces") << "RGB(1,2,3,4)" << false << none;
    QTest::newRow("letters") << "RGB(a,b,c)" << false << none;
    QTest::newRow("empty piece") << "RGB(,2,3)" << false << none;
    QTest::newRow("not closed") << "RGB(" << false << none;
    QTest::newRow("blank inside a name") << "not a colour" << false << none;
    QTest::newRow("a rule after it") << "red;background:url(x)" << false << none;
}

// Every reader takes a text the same way: the swatch and the colour dialog (getCol), the stylesheet's check and the
// Modern page (Colour).
void TestColorText::read()
{
    QFETCH(QString, text);
    QFETCH(bool, isColourText);
    QFETCH(std::optional<Colour>, colour);
    QCOMPARE(Colour::isColourText(text), isColourText);
    QCOMPARE(Colour::read(text), colour);
    QCOMPARE(ColorText::getCol(text), colour ? colour->ole() : OleColor(0));
}

void TestColorText::getRGBString_data()
{
    QTest::addColumn<OleColor>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("active") << OleColor(16764689) << "RGB(17,207,255)";
    QTest::newRow("black") << OleColor(0) << "RGB(0,0,0)";
    QTest::newRow("blue only") << OleColor(0xFF0000) << "RGB(0,0,255)";
    QTest::newRow("top byte ignored") << OleColor(0x01020304) << "RGB(4,3,2)";
}

void TestColorText::getRGBString()
{
    QFETCH(OleColor, value);
    QFETCH(QString, text);
    const ColorText::RGBString written = ColorText::getRGBString(value);
    QCOMPARE(written.text, text);
    QVERIFY(written.notices.isEmpty());
    QCOMPARE(ColorText::getCol(text), OleColor(value & 0xFFFFFF));
}

void TestColorText::systemColourIsReportedForEachPart()
{
    const ColorText::RGBString written = ColorText::getRGBString(OleColor(-2147483633));
    QCOMPARE(written.text, QStringLiteral("RGB(-1,-1,-1)"));
    QCOMPARE(written.notices, QStringList(3, QStringLiteral("-2147483633 ist eine Systemfarbe")));
    const StepValue<qint16> part = ColorText::GetColorPart(OleColor(-2147483633), 1);
    QVERIFY(!part);
    QCOMPARE(part.value, qint16(-1));
}

void TestColorText::colorPartByMask_data()
{
    QTest::addColumn<qint32>("mask");
    QTest::addColumn<qint16>("part");

    QTest::newRow("red") << 0 << qint16(0x11);
    QTest::newRow("green") << 1 << qint16(0xCF);
    QTest::newRow("blue") << 2 << qint16(0xFF);
    QTest::newRow("other mask") << 3 << qint16(0);
    QTest::newRow("negative mask") << -1 << qint16(0);
}

void TestColorText::colorPartByMask()
{
    QFETCH(qint32, mask);
    QFETCH(qint16, part);
    const StepValue<qint16> read = ColorText::GetColorPart(OleColor(16764689), mask);
    QVERIFY(read);
    QCOMPARE(read.value, part);
}

void TestColorText::rgbConversionRoundTrips()
{
    // 0x00BBGGRR against 0xAARRGGBB, as the swatches need it.
    QCOMPARE(ColorText::toRgb(OleColor(16764689)), 0xFF11CFFFu);
    QCOMPARE(ColorText::fromRgb(0xFF11CFFFu), OleColor(16764689));
    QCOMPARE(Colour::fromOle(16764689), (Colour{17, 207, 255}));
    QCOMPARE(Colour::fromOle(16764689).ole(), OleColor(16764689));
}

QTEST_GUILESS_MAIN(TestColorText)
#include "tst_colortext.moc"
