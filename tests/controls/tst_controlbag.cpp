#include "controls/bag/KroPicture.h"
#include "tests/controls/CorvixTestSupport.h"

#include <QBuffer>

namespace {

KroPicture solidPicture(Qt::GlobalColor color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    return KroPicture::fromImage(image);
}

} // namespace

class TestControlBag : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void newInstanceWrites_data();
    void newInstanceWrites();
    void roundTrip_data();
    void roundTrip();
    void hoverEffectWhenMissing_data();
    void hoverEffectWhenMissing();
    void hyperColorDefaultsToCaptionColour_data();
    void hyperColorDefaultsToCaptionColour();
    void captionButtonLeftOut_data();
    void captionButtonLeftOut();
    void imageAlignmentNotPersisted();
    void imageFontDefaults();
    void savedWhileHoveringStoresActiveLook_data();
    void savedWhileHoveringStoresActiveLook();
    void hostKeysLeftAlone();

private:
    FakeServices m_services;
};

void TestControlBag::initTestCase()
{
    corvixFactory()->setServices(&m_services);
}

void TestControlBag::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestControlBag::newInstanceWrites_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("values");

    // A new instance: white opaque rounded body, hover look off, every active value black (0).
    QTest::newRow("KroText") << "Corvixes.KroText" << QStringList{"BackColor",         "BackStyle",
                                                                  "BorderColor",       "Shape",
                                                                  "HoverEffect",       "HyperColor",
                                                                  "BackColorActive",   "BackStyleActive",
                                                                  "BorderColorActive", "BorderStyleActive"}
                             << QStringList{"0x00FFFFFF", "1",          "0x00FFFFFF", "4",          "False",
                                            "0x00000000", "0x00000000", "0",          "0x00000000", "0"};
    // The styled button's body starts transparent, which is the default and left out.
    QTest::newRow("KroStyle") << "Corvixes.KroStyle"
                              << QStringList{"BackColor",       "BorderColor",       "Shape",
                                             "HoverEffect",     "HyperColor",        "BackColorActive",
                                             "BackStyleActive", "BorderColorActive", "BorderStyleActive"}
                              << QStringList{"0x00FFFFFF", "0x00FFFFFF", "4",          "False", "0x00000000",
                                             "0x00000000", "0",          "0x00000000", "0"};
    // The image button's caption is window text, its active picture an empty picture object.
    QTest::newRow("KroImage") << "Corvixes.KroImage"
                              << QStringList{"ForeColor", "FontSize", "PictureActive", "HyperColor", "HoverEffect"}
                              << QStringList{"0x80000008", "<size>", "data:,", "0x00000000", "False"};
}

void TestControlBag::newInstanceWrites()
{
    QFETCH(QString, progId);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, values);
    std::unique_ptr<QWidget> container(makeContainer());
    QWidget *control = corvixFactory()->create(progId, container.get());
    QVERIFY(control);
    PropertyBag bag;
    QVERIFY(corvixFactory()->save(control, bag));
    QCOMPARE(bag.keys(), keys);
    for (int i = 0; i < keys.size(); ++i) {
        if (values.at(i) == QLatin1String("<size>"))
            QCOMPARE(bag.value(keys.at(i)), PropertyBag::floatText(float(container->font().pointSizeF())));
        else
            QCOMPARE(bag.value(keys.at(i)), values.at(i));
    }
}

void TestControlBag::roundTrip_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("values");

    const QString picture = solidPicture(Qt::red).toText();
    const QString active = solidPicture(Qt::blue).toText();
    const QStringList bodyKeys{"BackColor", "BackStyle",    "BorderColor", "BorderStyle", "BorderWidth",
                               "Caption",   "CurrentX",     "CurrentY",    "Enabled",     "Font",
                               "ForeColor", "MousePointer", "Shape"};
    const QStringList bodyValues{"0x8000000F", "1",     "0x00FFFFFF",      "6",          "3",  "Next >", "12.5",
                                 "7",          "False", "Arial;9.75;Bold", "0x00800000", "11", "5"};
    const QStringList activeKeys{"HyperColor", "BackColorActive", "BackStyleActive", "BorderColorActive",
                                 "BorderStyleActive"};
    const QStringList activeValues{"0x00FF8080", "0x00FFFFFF", "1", "0x000000C0", "2"};

    QTest::newRow("KroText") << "Corvixes.KroText"
                             << bodyKeys +
                                    QStringList{"ToolTipText", "WhatsThisHelpID", "WordWrap", "HoverEffect", "Shadow"} +
                                    activeKeys + QStringList{"HyperLink"}
                             << bodyValues + QStringList{"Go on", "17", "True", "False", "True"} + activeValues +
                                    QStringList{"https://velmora.example/"};
    QTest::newRow("KroStyle") << "Corvixes.KroStyle"
                              << QStringList{"Alignment"} + bodyKeys +
                                     QStringList{"Picture",         "PictureActive", "Shadow",     "ToolTipText",
                                                 "WhatsThisHelpID", "WordWrap",      "HoverEffect"} +
                                     activeKeys + QStringList{"HyperLink"}
                              << QStringList{"1"} + bodyValues +
                                     QStringList{picture, active, "True", "New menu", "3", "True", "False"} +
                                     activeValues + QStringList{"/tmp/readme.txt"};
    QTest::newRow("KroImage") << "Corvixes.KroImage"
                              << QStringList{"ForeColor", "Enabled",       "MousePointer", "FontSize",
                                             "Picture",   "PictureActive", "HyperLink",    "Font",
                                             "Caption",   "ToolTipText",   "HyperColor",   "HoverEffect",
                                             "BackColor", "CurrentX",      "CurrentY",     "WhatsThisHelpID"}
                              << QStringList{"0x000000FF",
                                             "False",
                                             "2",
                                             "14",
                                             picture,
                                             active,
                                             "https://velmora.example/",
                                             "Arial;14;Italic",
                                             "Play",
                                             "Start it",
                                             "0x00FF0000",
                                             "True",
                                             "0x00C0C0C0",
                                             "1",
                                             "2",
                                             "9"};
}

void TestControlBag::roundTrip()
{
    QFETCH(QString, progId);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, values);
    // Saved forms hold the keys in lower case; the controls write them in mixed case, in their own order.
    PropertyBag stored;
    for (int i = 0; i < keys.size(); ++i)
        stored.setValue(keys.at(i).toLower(), values.at(i));
    std::unique_ptr<QWidget> container(makeContainer());
    QWidget *control = corvixFactory()->load(progId, stored, container.get());
    QVERIFY(control);
    PropertyBag saved;
    QVERIFY(corvixFactory()->save(control, saved));
    QCOMPARE(saved.keys(), keys);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(saved.value(keys.at(i)), values.at(i));
}

void TestControlBag::hoverEffectWhenMissing_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<bool>("hoverEffect");
    QTest::newRow("KroText") << "Corvixes.KroText" << true;
    QTest::newRow("KroStyle") << "Corvixes.KroStyle" << true;
    QTest::newRow("KroImage") << "Corvixes.KroImage" << false;
}

void TestControlBag::hoverEffectWhenMissing()
{
    QFETCH(QString, progId);
    QFETCH(bool, hoverEffect);
    std::unique_ptr<QWidget> control(corvixFactory()->load(progId, PropertyBag()));
    QCOMPARE(control->property("HoverEffect").toBool(), hoverEffect);
}

void TestControlBag::hyperColorDefaultsToCaptionColour_data()
{
    hoverEffectWhenMissing_data();
}

void TestControlBag::hyperColorDefaultsToCaptionColour()
{
    QFETCH(QString, progId);
    PropertyBag bag;
    bag.setValue(QStringLiteral("forecolor"), QStringLiteral("0x00800000"));
    bag.writeBool(QStringLiteral("HoverEffect"), true);
    std::unique_ptr<QWidget> container(makeContainer());
    QWidget *control = corvixFactory()->load(progId, bag, container.get());
    QCOMPARE(control->property("HyperColor").toUInt(), 0x800000u);
    container->show();
    moveMouse(control, QPoint(5, 5));
    QVERIFY(control->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(control->findChild<QWidget *>(QStringLiteral("Label1"))->property("ForeColor").toUInt(), 0x800000u);
}

void TestControlBag::captionButtonLeftOut_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("written");
    for (const char *id : {"Corvixes.KroText", "Corvixes.KroStyle", "Corvixes.KroImage"}) {
        QTest::addRow("%s Button", id) << id << "Button" << false;
        QTest::addRow("%s other", id) << id << "button" << true;
        QTest::addRow("%s empty", id) << id << "" << true;
    }
}

void TestControlBag::captionButtonLeftOut()
{
    QFETCH(QString, progId);
    QFETCH(QString, caption);
    QFETCH(bool, written);
    std::unique_ptr<QWidget> control(corvixFactory()->create(progId));
    control->setProperty("Caption", caption);
    PropertyBag bag;
    corvixFactory()->save(control.get(), bag);
    QCOMPARE(bag.contains(QStringLiteral("Caption")), written);
    std::unique_ptr<QWidget> back(corvixFactory()->load(progId, bag));
    QCOMPARE(back->property("Caption").toString(), caption);
}

void TestControlBag::imageAlignmentNotPersisted()
{
    std::unique_ptr<QWidget> control(corvixFactory()->create(QStringLiteral("Corvixes.KroImage")));
    QCOMPARE(control->property("Alignment").toInt(), 2);
    control->setProperty("Alignment", 0);
    QCOMPARE(control->property("Alignment").toInt(), 0);
    PropertyBag bag;
    corvixFactory()->save(control.get(), bag);
    QVERIFY(!bag.contains(QStringLiteral("Alignment")));
    std::unique_ptr<QWidget> back(corvixFactory()->load(QStringLiteral("Corvixes.KroImage"), bag));
    QCOMPARE(back->property("Alignment").toInt(), 2);
}

void TestControlBag::imageFontDefaults()
{
    std::unique_ptr<QWidget> container(makeContainer());
    QFont containerFont(QStringLiteral("Serif"));
    containerFont.setPointSizeF(13);
    container->setFont(containerFont);
    // No "FontSize" and no "Font": the container's font, size included.
    QWidget *control = corvixFactory()->load(QStringLiteral("Corvixes.KroImage"), PropertyBag(), container.get());
    QCOMPARE(control->property("Font").value<QFont>().pointSizeF(), 13.0);
    control->setProperty("FontSize", 10.0f);
    PropertyBag bag;
    corvixFactory()->save(control, bag);
    QCOMPARE(bag.value(QStringLiteral("FontSize")), QStringLiteral("10"));
}

void TestControlBag::savedWhileHoveringStoresActiveLook_data()
{
    QTest::addColumn<QString>("progId");
    QTest::newRow("KroText") << "Corvixes.KroText";
    QTest::newRow("KroStyle") << "Corvixes.KroStyle";
}

void TestControlBag::savedWhileHoveringStoresActiveLook()
{
    QFETCH(QString, progId);
    const KroPicture normal = solidPicture(Qt::red);
    const KroPicture active = solidPicture(Qt::blue);
    PropertyBag bag;
    bag.writeColor(QStringLiteral("BackColor"), 0x8000000F);
    bag.writeColor(QStringLiteral("ForeColor"), 0x800000);
    bag.writeColor(QStringLiteral("HyperColor"), 0xFF8080);
    bag.writeColor(QStringLiteral("BackColorActive"), 0xFFFFFF);
    bag.writeInt(QStringLiteral("BackStyleActive"), 1);
    bag.writeColor(QStringLiteral("BorderColorActive"), 0xFF8080);
    bag.writeInt(QStringLiteral("BorderStyleActive"), 2);
    bag.writePicture(QStringLiteral("Picture"), normal);
    bag.writePicture(QStringLiteral("PictureActive"), active);
    std::unique_ptr<QWidget> container(makeContainer());
    QWidget *control = corvixFactory()->load(progId, bag, container.get());
    control->resize(120, 40);
    container->show();
    m_services.position = control->mapToGlobal(QPoint(10, 10));
    moveMouse(control, QPoint(10, 10));

    PropertyBag saved;
    corvixFactory()->save(control, saved);
    QCOMPARE(saved.readColor(QStringLiteral("BackColor"), 0), 0xFFFFFFu);
    QCOMPARE(saved.readInt(QStringLiteral("BackStyle"), 0), 1);
    QCOMPARE(saved.readColor(QStringLiteral("BorderColor"), 0), 0xFF8080u);
    QCOMPARE(saved.readInt(QStringLiteral("BorderStyle"), 1), 2);
    QCOMPARE(saved.readColor(QStringLiteral("ForeColor"), 0), 0xFF8080u);
    if (progId == QLatin1String("Corvixes.KroStyle"))
        QCOMPARE(saved.readPicture(QStringLiteral("Picture")), active);
}

void TestControlBag::hostKeysLeftAlone()
{
    PropertyBag bag;
    bag.setValue(QStringLiteral("_extentx"), QStringLiteral("2249"));
    bag.setValue(QStringLiteral("tooltip"), QStringLiteral("Close window"));
    bag.setValue(QStringLiteral("shadow"), QStringLiteral("True"));
    std::unique_ptr<QWidget> control(corvixFactory()->load(QStringLiteral("Corvixes.KroText"), bag));
    control->setProperty("Shadow", false);
    corvixFactory()->save(control.get(), bag);
    QCOMPARE(bag.value(QStringLiteral("_extentx")), QStringLiteral("2249"));
    QCOMPARE(bag.value(QStringLiteral("tooltip")), QStringLiteral("Close window"));
    QVERIFY(!bag.contains(QStringLiteral("Shadow"))); // back at its default: the stale key goes
    QVERIFY(control->toolTip().isEmpty());
}

QTEST_MAIN(TestControlBag)
#include "tst_controlbag.moc"
