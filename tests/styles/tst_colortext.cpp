#include "tests/common/FakeNotices.h"
#include "core/model/ColorText.h"

#include <QtTest>

using ColorText::OleColor;

class TestColorText : public QObject
{
    Q_OBJECT

private slots:
    void getCol_data();
    void getCol();
    void getRGBString_data();
    void getRGBString();
    void systemColourIsReportedForEachPart();
    void colorPartByMask_data();
    void colorPartByMask();
    void rgbConversionRoundTrips();
};

void TestColorText::getCol_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OleColor>("value");

    QTest::newRow("grey") << "RGB(192,192,192)" << OleColor(12632256);
    QTest::newRow("active") << "RGB(17,207,255)" << OleColor(16764689);
    QTest::newRow("white") << "RGB(255,255,255)" << OleColor(16777215);
    QTest::newRow("blanks around numbers") << "RGB( 1, 2, 3)" << OleColor(197121);
    QTest::newRow("above 255 counts as 255") << "RGB(300,0,0)" << OleColor(255);
    QTest::newRow("any prefix, any case") << "rgb(1,0,0)" << OleColor(1);
    QTest::newRow("pieces after the third ignored") << "RGB(1,2,3,4)" << OleColor(197121);
    QTest::newRow("half rounds to even") << "RGB(2.5,3.5,0)" << OleColor(2 + 4 * 256);
    QTest::newRow("decimal form") << "16777215 " << OleColor(0);
    QTest::newRow("empty") << "" << OleColor(0);
    QTest::newRow("two pieces") << "RGB(1,2)" << OleColor(0);
    QTest::newRow("letters") << "RGB(a,b,c)" << OleColor(0);
    QTest::newRow("negative component") << "RGB(-1,2,3)" << OleColor(0);
    QTest::newRow("beyond 16 bits") << "RGB(40000,2,3)" << OleColor(0);
    QTest::newRow("empty piece") << "RGB(,2,3)" << OleColor(0);
    QTest::newRow("shorter than five") << "RGB(" << OleColor(0);
}

void TestColorText::getCol()
{
    QFETCH(QString, text);
    QFETCH(OleColor, value);
    QCOMPARE(ColorText::getCol(text), value);
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
    FakeNotices notices;
    QCOMPARE(ColorText::getRGBString(value, notices), text);
    QVERIFY(notices.shown().isEmpty());
    QCOMPARE(ColorText::getCol(text), OleColor(value & 0xFFFFFF));
}

void TestColorText::systemColourIsReportedForEachPart()
{
    FakeNotices notices;
    QCOMPARE(ColorText::getRGBString(OleColor(-2147483633), notices), QStringLiteral("RGB(-1,-1,-1)"));
    QCOMPARE(notices.texts(), QStringList(3, QStringLiteral("-2147483633 ist eine Systemfarbe")));
    QCOMPARE(notices.shown().first().kind, FakeNotices::Kind::PlainTitled);
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
    FakeNotices notices;
    QCOMPARE(ColorText::GetColorPart(OleColor(16764689), mask, notices), part);
    QVERIFY(notices.shown().isEmpty());
}

void TestColorText::rgbConversionRoundTrips()
{
    // 0x00BBGGRR against 0xAARRGGBB, as the swatches need it.
    QCOMPARE(ColorText::toRgb(OleColor(16764689)), 0xFF11CFFFu);
    QCOMPARE(ColorText::fromRgb(0xFF11CFFFu), OleColor(16764689));
}

QTEST_GUILESS_MAIN(TestColorText)
#include "tst_colortext.moc"
