#include "controls/bag/FormFile.h"
#include "controls/bag/KroPicture.h"
#include "controls/bag/OleColor.h"
#include "controls/bag/PropertyBag.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

class TestPropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void keysIgnoreCase();
    void typedReads_data();
    void typedReads();
    void writesLeaveOutDefaults();
    void fontText_data();
    void fontText();
    void pictureText();
    void formFileRoundTrip();
    void formFileErrors_data();
    void formFileErrors();
    void extentInPixels();
    void systemColours_data();
    void systemColours();
};

void TestPropertyBag::keysIgnoreCase()
{
    PropertyBag bag;
    bag.setValue(QStringLiteral("backcolor"), QStringLiteral("1"));
    bag.setValue(QStringLiteral("Caption"), QStringLiteral("x"));
    bag.setValue(QStringLiteral("BackColor"), QStringLiteral("2"));
    QCOMPARE(bag.count(), 2);
    QCOMPARE(bag.keys(), QStringList({QStringLiteral("backcolor"), QStringLiteral("Caption")}));
    QCOMPARE(bag.readColor(QStringLiteral("BACKCOLOR"), 0), 2u);
    bag.remove(QStringLiteral("CAPTION"));
    QVERIFY(!bag.contains(QStringLiteral("caption")));
}

void TestPropertyBag::typedReads_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("bool True") << "bool"
                               << "True" << QVariant(true);
    QTest::newRow("bool -1") << "bool"
                             << "-1" << QVariant(true);
    QTest::newRow("bool 0") << "bool"
                            << "0" << QVariant(false);
    QTest::newRow("bool junk keeps default") << "bool"
                                             << "maybe" << QVariant(true);
    QTest::newRow("int") << "int"
                         << " 42 " << QVariant(42);
    QTest::newRow("int junk keeps default") << "int"
                                            << "4x" << QVariant(7);
    QTest::newRow("colour hex") << "color"
                                << "0x8000000F" << QVariant(0x8000000Fu);
    QTest::newRow("colour basic hex") << "color"
                                      << "&H00FF8080&" << QVariant(0xFF8080u);
    QTest::newRow("colour decimal") << "color"
                                    << "8388608" << QVariant(0x800000u);
    QTest::newRow("colour negative decimal") << "color"
                                             << "-2147483633" << QVariant(0x8000000Fu);
    QTest::newRow("colour junk keeps default") << "color"
                                               << "blue" << QVariant(0x11u);
    QTest::newRow("single") << "float"
                            << "9.75" << QVariant(9.75f);
}

void TestPropertyBag::typedReads()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QVariant, expected);
    PropertyBag bag;
    const QString key = QStringLiteral("Key");
    bag.setValue(key, text);
    if (kind == QLatin1String("bool"))
        QCOMPARE(bag.readBool(QStringLiteral("key"), true), expected.toBool());
    else if (kind == QLatin1String("int"))
        QCOMPARE(bag.readInt(QStringLiteral("key"), 7), expected.toInt());
    else if (kind == QLatin1String("color"))
        QCOMPARE(bag.readColor(QStringLiteral("key"), 0x11u), expected.toUInt());
    else
        QCOMPARE(bag.readFloat(QStringLiteral("key"), 0), expected.toFloat());
}

void TestPropertyBag::writesLeaveOutDefaults()
{
    PropertyBag bag;
    bag.setValue(QStringLiteral("shadow"), QStringLiteral("True")); // stale from an earlier save
    bag.writeBool(QStringLiteral("Shadow"), false, false);
    bag.writeColor(QStringLiteral("BackColor"), OleColor::WindowBackground, OleColor::WindowBackground);
    bag.writeColor(QStringLiteral("HyperColor"), 0);
    bag.writeString(QStringLiteral("Caption"), QStringLiteral("Next >"), QStringLiteral("Button"));
    bag.writeFloat(QStringLiteral("CurrentX"), 0, 0);
    bag.writePicture(QStringLiteral("Picture"), KroPicture());
    QCOMPARE(bag.keys(), QStringList({QStringLiteral("HyperColor"), QStringLiteral("Caption")}));
    QCOMPARE(bag.value(QStringLiteral("HyperColor")), QStringLiteral("0x00000000"));
}

void TestPropertyBag::fontText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    QTest::newRow("regular") << "MS Sans Serif;9.75;Regular"
                             << "MS Sans Serif" << 9.75 << false << false;
    QTest::newRow("bold italic") << "Arial;12;Bold;Italic"
                                 << "Arial" << 12.0 << true << true;
}

void TestPropertyBag::fontText()
{
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    bool ok = false;
    const QFont font = PropertyBag::parseFont(text, &ok);
    QVERIFY(ok);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSizeF(), size);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);
    QCOMPARE(PropertyBag::fontText(font), text);

    PropertyBag::parseFont(QStringLiteral("Arial"), &ok);
    QVERIFY(!ok);
    PropertyBag::parseFont(QStringLiteral("Arial;12;Heavy"), &ok);
    QVERIFY(!ok);
}

void TestPropertyBag::pictureText()
{
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray gif;
    QBuffer buffer(&gif);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "GIF") || image.save(&buffer, "PNG"));

    const KroPicture picture = KroPicture::fromData(gif);
    const QString text = picture.toText();
    QVERIFY(text.startsWith(QLatin1String("data:image/")));
    const KroPicture back = KroPicture::fromText(text);
    QCOMPARE(back.data(), gif); // the stored bytes are kept, not re-encoded
    QCOMPARE(back.image().size(), QSize(5, 4));

    QCOMPARE(KroPicture::emptyObject().toText(), QStringLiteral("data:,"));
    QVERIFY(!KroPicture::fromText(QStringLiteral("data:,")).isNone());
    QVERIFY(!KroPicture::fromText(QStringLiteral("data:,")).hasImage());
    QVERIFY(KroPicture::fromText(QStringLiteral("picture.gif")).isNone());
    QVERIFY(KroPicture::fromText(QStringLiteral("data:image/png;base64,%%%")).isNone());
    QVERIFY(!KroPicture::fromFile(QString()).isNone()); // an empty file name gives an empty picture object
    QString error;
    QVERIFY(KroPicture::fromFile(QStringLiteral("/nonexistent/x.gif"), &error).isNone());
    QVERIFY(!error.isEmpty());
}

void TestPropertyBag::formFileRoundTrip()
{
    FormFile form;
    FormControl next{QStringLiteral("cmdNext"), QStringLiteral("Corvixes.KroText"), PropertyBag()};
    next.bag.setValue(QStringLiteral("_extentx"), QStringLiteral("2249"));
    next.bag.setValue(QStringLiteral("tooltip"), QStringLiteral(" leading and trailing "));
    next.bag.setValue(QStringLiteral("caption"), QStringLiteral("Two\nlines \\ and = sign"));
    next.bag.setValue(QStringLiteral("hyperlink"), QStringLiteral(u"\u00a0\vspaced\u3000\f"));
    form.controls << next;
    FormControl edit{QStringLiteral("cmdEdit"), QStringLiteral("Corvixes.KroStyle"), PropertyBag()};
    edit.bag.writePicture(QStringLiteral("Picture"), KroPicture::emptyObject());
    form.controls << edit;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frmTest.form"));
    QString error;
    QVERIFY2(form.save(path, &error), qPrintable(error));
    FormFile back;
    QVERIFY2(back.load(path, &error), qPrintable(error));
    QCOMPARE(back.controls.size(), 2);
    QCOMPARE(back.find(QStringLiteral("CMDNEXT"))->progId, QStringLiteral("Corvixes.KroText"));
    QCOMPARE(back.find(QStringLiteral("cmdNext"))->bag, next.bag);
    QCOMPARE(back.find(QStringLiteral("cmdEdit"))->bag, edit.bag);
}

void TestPropertyBag::formFileErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");

    QTest::newRow("key outside a section") << "caption=x\n"
                                           << "line 1: a key outside any control section";
    QTest::newRow("no ProgID") << "[cmdOK]\ncaption=OK\n"
                               << "the control cmdOK has no ProgID";
    QTest::newRow("named twice") << "[a]\nProgID=Corvixes.KroText\n[A]\nProgID=Corvixes.KroText\n"
                                 << "line 3: the control A is named twice";
    QTest::newRow("bad escape") << "[a]\nProgID=Corvixes.KroText\ncaption=\\q\n"
                                << "line 3: a bad escape in the value of caption";
    QTest::newRow("no equals sign") << "[a]\nProgID=Corvixes.KroText\ncaption\n"
                                    << "line 3: expected key=value";
}

void TestPropertyBag::formFileErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    FormFile form;
    form.controls << FormControl{QStringLiteral("kept"), QStringLiteral("Corvixes.KroText"), PropertyBag()};
    QString message;
    QVERIFY(!form.parse(text, &message));
    QCOMPARE(message, error);
    QCOMPARE(form.controls.size(), 1); // a failed parse changes nothing
}

void TestPropertyBag::extentInPixels()
{
    PropertyBag bag;
    QVERIFY(!FormFile::extentPixels(bag).isValid());
    // 1275 x 360 twips, as the host stores them.
    bag.setValue(QStringLiteral("_ExtentX"), QStringLiteral("2249"));
    bag.setValue(QStringLiteral("_ExtentY"), QStringLiteral("635"));
    QCOMPARE(FormFile::extentPixels(bag), QSize(85, 24));
    FormFile::setExtentPixels(bag, QSize(85, 24));
    QCOMPARE(FormFile::extentPixels(bag), QSize(85, 24));
}

void TestPropertyBag::systemColours_data()
{
    QTest::addColumn<uint>("ole");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");

    QTest::newRow("button face") << 0x8000000Fu << int(QPalette::Active) << int(QPalette::Button);
    QTest::newRow("window background") << 0x80000005u << int(QPalette::Active) << int(QPalette::Base);
    QTest::newRow("window text") << 0x80000008u << int(QPalette::Active) << int(QPalette::Text);
    QTest::newRow("button text") << 0x80000012u << int(QPalette::Active) << int(QPalette::ButtonText);
    QTest::newRow("highlight") << 0x8000000Du << int(QPalette::Active) << int(QPalette::Highlight);
}

void TestPropertyBag::systemColours()
{
    QFETCH(uint, ole);
    QFETCH(int, group);
    QFETCH(int, role);
    QPalette palette;
    for (int r = 0; r < QPalette::NColorRoles; ++r) // a distinct colour per role
        palette.setColor(QPalette::ColorRole(r), QColor(10 * r, 255 - 10 * r, 3 * r));
    QCOMPARE(OleColor::toColor(ole, palette), palette.color(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    QCOMPARE(OleColor::toColor(0xFF8080u, palette), QColor(0x80, 0x80, 0xFF)); // 0x00BBGGRR
    QCOMPARE(OleColor::fromColor(QColor(0x80, 0x80, 0xFF)), 0xFF8080u);
    QCOMPARE(OleColor::toColor(0x40000001u, palette), QColor(Qt::black));
}

QTEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
