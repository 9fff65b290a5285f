#include "tests/controls/CorvixTestSupport.h"

#include <cmath>

class TestControlLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void styleLayout_data();
    void styleLayout();
    void textLayout_data();
    void textLayout();
    void imageLayout();
    void tinyBodyKeepsItsParts_data();
    void tinyBodyKeepsItsParts();
    void shadowAtRunTime_data();
    void shadowAtRunTime();
    void shapeAndShadowOutline_data();
    void shapeAndShadowOutline();
    void invalidValuesAreRefused_data();
    void invalidValuesAreRefused();

private:
    QWidget *load(const QString &progId, const PropertyBag &bag, QSize size);
    QObject *part(QWidget *control, const char *name) { return control->findChild<QObject *>(QLatin1String(name)); }

    std::unique_ptr<QWidget> m_container;
};

void TestControlLayout::init()
{
    m_container.reset(makeContainer(600, 400));
}

void TestControlLayout::cleanup()
{
    m_container.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *TestControlLayout::load(const QString &progId, const PropertyBag &bag, QSize size)
{
    QWidget *control = corvixFactory()->load(progId, bag, m_container.get());
    control->resize(size);
    m_container->show(); // Show applies the shadow and the layout
    return control;
}

void TestControlLayout::styleLayout_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRect>("picture"); // twips
    QTest::addColumn<QRect>("body");

    // 3000 x 1050 twips with the shadow: a body 1000 high, an 800 x 800 picture 100 from the top and the side.
    QTest::newRow("1000 high, left") << QSize(200, 70) << true << 0 << QRect(100, 100, 800, 800)
                                     << QRect(0, 0, 2950, 1000);
    QTest::newRow("1000 high, right") << QSize(200, 70) << true << 1 << QRect(2050, 100, 800, 800)
                                      << QRect(0, 0, 2950, 1000);
    // 1005 high: the margin 100.5 rounds to the even 100; the picture is 804.
    QTest::newRow("half rounds down to even")
        << QSize(100, 67) << false << 0 << QRect(100, 100, 804, 804) << QRect(0, 0, 1500, 1005);
    // 1035 high: the margin 103.5 rounds to the even 104; the picture 828.
    QTest::newRow("half rounds up to even")
        << QSize(100, 69) << false << 1 << QRect(1500 - 104 - 828, 104, 828, 828) << QRect(0, 0, 1500, 1035);
}

void TestControlLayout::styleLayout()
{
    QFETCH(QSize, pixels);
    QFETCH(bool, shadow);
    QFETCH(int, alignment);
    QFETCH(QRect, picture);
    QFETCH(QRect, body);
    PropertyBag bag;
    bag.writeBool(QStringLiteral("Shadow"), shadow);
    bag.writeInt(QStringLiteral("Alignment"), alignment);
    QWidget *control = load(QStringLiteral("Corvixes.KroStyle"), bag, pixels);
    QCOMPARE(twipsRect(part(control, "Image1")), picture);
    QCOMPARE(twipsRect(part(control, "Shape1")), body);
    QCOMPARE(twipsRect(part(control, "Shape2")), body.adjusted(0, 0, 50, 50));
    const QRect caption = twipsRect(part(control, "Label1"));
    const int margin = picture.top();
    if (alignment == 0)
        QCOMPARE(caption.left(), body.width() - margin - caption.width());
    else
        QCOMPARE(caption.left(), margin);
}

void TestControlLayout::textLayout_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<QRect>("body");

    QTest::newRow("no shadow") << QSize(100, 40) << false << QRect(0, 0, 1500, 600);
    QTest::newRow("shadow band of 50") << QSize(100, 40) << true << QRect(0, 0, 1450, 550);
    QTest::newRow("odd sizes") << QSize(85, 25) << true << QRect(0, 0, 1225, 325);
}

void TestControlLayout::textLayout()
{
    QFETCH(QSize, pixels);
    QFETCH(bool, shadow);
    QFETCH(QRect, body);
    PropertyBag bag;
    bag.writeBool(QStringLiteral("Shadow"), shadow);
    QWidget *control = load(QStringLiteral("Corvixes.KroText"), bag, pixels);
    QCOMPARE(twipsRect(part(control, "Shape1")), body);
    QCOMPARE(twipsRect(part(control, "Shape2")), body.adjusted(0, 0, 50, 50));
    QCOMPARE(part(control, "Shape2")->property("Visible").toBool(), shadow);
    const QRect caption = twipsRect(part(control, "Label1"));
    QVERIFY(caption.width() > 0);
    // Centred, each half rounded to even on its own.
    QCOMPARE(caption.left(), int(std::nearbyint(body.width() / 2.0)) - int(std::nearbyint(caption.width() / 2.0)));
    QCOMPARE(caption.top(), int(std::nearbyint(body.height() / 2.0)) - int(std::nearbyint(caption.height() / 2.0)));
}

void TestControlLayout::imageLayout()
{
    QWidget *control = load(QStringLiteral("Corvixes.KroImage"), PropertyBag(), QSize(100, 40));
    QCOMPARE(twipsRect(part(control, "Image1")), QRect(0, 0, 1500, 600));
    // The caption starts at 30 % of the height and runs past the bottom edge (75 % high).
    QCOMPARE(twipsRect(part(control, "Label1")), QRect(0, 180, 1500, 450));
}

void TestControlLayout::tinyBodyKeepsItsParts_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("KroText 45 twips wide") << "Corvixes.KroText" << QSize(3, 40);
    QTest::newRow("KroText 45 twips high") << "Corvixes.KroText" << QSize(100, 3);
    QTest::newRow("KroStyle 45 twips high") << "Corvixes.KroStyle" << QSize(100, 3);
}

void TestControlLayout::tinyBodyKeepsItsParts()
{
    QFETCH(QString, progId);
    QFETCH(QSize, pixels);
    PropertyBag bag;
    bag.writeBool(QStringLiteral("Shadow"), true);
    QWidget *control = load(progId, bag, QSize(100, 40));
    const QRect body = twipsRect(part(control, "Shape1"));
    const QRect caption = twipsRect(part(control, "Label1"));
    control->resize(pixels);
    QCOMPARE(twipsRect(part(control, "Shape1")), body);
    QCOMPARE(twipsRect(part(control, "Label1")), caption);
    // 51 twips is enough: a 1-twip body.
    control->resize(4, 4);
    QCOMPARE(twipsRect(part(control, "Shape1")), QRect(0, 0, 10, 10));
}

void TestControlLayout::shadowAtRunTime_data()
{
    QTest::addColumn<QString>("progId");
    QTest::newRow("KroText") << "Corvixes.KroText";
    QTest::newRow("KroStyle") << "Corvixes.KroStyle";
}

void TestControlLayout::shadowAtRunTime()
{
    QFETCH(QString, progId);
    QWidget *control = load(progId, PropertyBag(), QSize(100, 40));
    QCOMPARE(twipsRect(part(control, "Shape1")), QRect(0, 0, 1500, 600));
    QVERIFY(!part(control, "Shape2")->property("Visible").toBool());
    const QImage before = control->grab().toImage();
    control->setProperty("Shadow", true);
    QVERIFY(part(control, "Shape2")->property("Visible").toBool());
    QCOMPARE(part(control, "Shape2")->property("FillStyle").toInt(), 0);
    QCOMPARE(twipsRect(part(control, "Shape1")), QRect(0, 0, 1450, 550));
    // The grey band shows at once along the right and bottom edges.
    const QImage after = control->grab().toImage();
    QCOMPARE(after.pixelColor(98, 20), QColor(0x80, 0x80, 0x80));
    QVERIFY(before.pixelColor(98, 20) != QColor(0x80, 0x80, 0x80));
}

void TestControlLayout::shapeAndShadowOutline_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<int>("shadowAfterPut");
    QTest::newRow("KroText reshapes the shadow at once") << "Corvixes.KroText" << 3;
    QTest::newRow("KroStyle waits for the next show") << "Corvixes.KroStyle" << 0;
}

void TestControlLayout::shapeAndShadowOutline()
{
    QFETCH(QString, progId);
    QFETCH(int, shadowAfterPut);
    PropertyBag bag;
    bag.writeBool(QStringLiteral("Shadow"), true);
    QWidget *control = load(progId, bag, QSize(100, 40));
    QCOMPARE(part(control, "Shape2")->property("Shape").toInt(), 0);
    control->setProperty("Shape", 3);
    QCOMPARE(part(control, "Shape1")->property("Shape").toInt(), 3);
    QCOMPARE(part(control, "Shape2")->property("Shape").toInt(), shadowAfterPut);
    control->hide();
    control->show();
    QCOMPARE(part(control, "Shape2")->property("Shape").toInt(), 3);
}

void TestControlLayout::invalidValuesAreRefused_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("value");
    QTest::newRow("Shape") << "Shape" << 6;
    QTest::newRow("BorderStyle") << "BorderStyle" << 7;
    QTest::newRow("BackStyle") << "BackStyle" << 2;
    QTest::newRow("BorderStyleActive") << "BorderStyleActive" << -1;
    QTest::newRow("BorderWidth") << "BorderWidth" << 0;
}

void TestControlLayout::invalidValuesAreRefused()
{
    QFETCH(QString, property);
    QFETCH(int, value);
    QWidget *control = load(QStringLiteral("Corvixes.KroText"), PropertyBag(), QSize(100, 40));
    const QVariant before = control->property(qPrintable(property));
    control->setProperty(qPrintable(property), value);
    QCOMPARE(control->property(qPrintable(property)), before);
}

QTEST_MAIN(TestControlLayout)
#include "tst_controllayout.moc"
