#include "controls/bag/KroPicture.h"
#include "tests/controls/CorvixTestSupport.h"

#include <QSignalSpy>

namespace {

KroPicture solidPicture(Qt::GlobalColor color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    return KroPicture::fromImage(image);
}

PropertyBag hoverBag()
{
    PropertyBag bag;
    bag.writeColor(QStringLiteral("BackColor"), 0x8000000F);
    bag.writeInt(QStringLiteral("BackStyle"), 1);
    bag.writeColor(QStringLiteral("ForeColor"), 0x800000);
    bag.writeColor(QStringLiteral("HyperColor"), 0xFF8080);
    bag.writeColor(QStringLiteral("BackColorActive"), 0xFFFFFF);
    bag.writeInt(QStringLiteral("BackStyleActive"), 1);
    bag.writeColor(QStringLiteral("BorderColorActive"), 0x0000C0);
    bag.writeInt(QStringLiteral("BorderStyleActive"), 1);
    return bag;
}

} // namespace

class TestControlHover : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void edgeCountsAsOutside_data();
    void edgeCountsAsOutside();
    void lookStaysWhileInside();
    void normalLookIsTheLoadedOne();
    void hoverEffectOffStillRunsTimer();
    void mouseMoveArguments();
    void pictureSwap_data();
    void pictureSwap();
    void imageCaptionDoesNotStartHover();
    void freshImageShowsEmptyActivePicture();

private:
    QWidget *show(const QString &progId, const PropertyBag &bag);
    QWidget *label(QWidget *control) { return control->findChild<QWidget *>(QStringLiteral("Label1")); }
    QObject *body(QWidget *control) { return control->findChild<QObject *>(QStringLiteral("Shape1")); }
    QTimer *timer(QWidget *control) { return control->findChild<QTimer *>(QStringLiteral("Timer1")); }

    FakeServices m_services;
    std::unique_ptr<QWidget> m_container;
};

void TestControlHover::initTestCase()
{
    corvixFactory()->setServices(&m_services);
}

void TestControlHover::init()
{
    m_container.reset(makeContainer());
    m_services.position = QPoint(-1000, -1000);
}

void TestControlHover::cleanup()
{
    m_container.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *TestControlHover::show(const QString &progId, const PropertyBag &bag)
{
    QWidget *control = corvixFactory()->load(progId, bag, m_container.get());
    control->setGeometry(20, 30, 100, 40);
    m_container->show();
    return control;
}

void TestControlHover::edgeCountsAsOutside_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QPoint>("pointer"); // relative to the control's top-left corner; the control is 100 x 40

    for (const char *id : {"Corvixes.KroText", "Corvixes.KroStyle"}) {
        QTest::addRow("%s right edge", id) << id << QPoint(100, 20);
        QTest::addRow("%s bottom edge", id) << id << QPoint(50, 40);
        QTest::addRow("%s left edge", id) << id << QPoint(0, 20);
        QTest::addRow("%s top edge", id) << id << QPoint(50, 0);
        QTest::addRow("%s far away", id) << id << QPoint(500, 500);
    }
}

void TestControlHover::edgeCountsAsOutside()
{
    QFETCH(QString, progId);
    QFETCH(QPoint, pointer);
    QWidget *control = show(progId, hoverBag());
    moveMouse(control, QPoint(50, 20));
    QVERIFY(timer(control)->isActive());
    QCOMPARE(label(control)->property("ForeColor").toUInt(), 0xFF8080u);
    QCOMPARE(body(control)->property("BorderColor").toUInt(), 0x0000C0u);

    // The pointer leaves without any further mouse message: the very next tick restores the look.
    QCOMPARE(timer(control)->interval(), 100);
    QSignalSpy ticks(timer(control), &QTimer::timeout);
    m_services.position = control->mapToGlobal(pointer);
    QVERIFY(ticks.wait(1000));
    QCOMPARE(ticks.count(), 1);
    QVERIFY(!timer(control)->isActive());
    QCOMPARE(label(control)->property("ForeColor").toUInt(), 0x800000u);
    QCOMPARE(body(control)->property("BackColor").toUInt(), 0x8000000Fu);
    QCOMPARE(body(control)->property("BorderColor").toUInt(), 0x80000008u);
}

void TestControlHover::lookStaysWhileInside()
{
    QWidget *control = show(QStringLiteral("Corvixes.KroText"), hoverBag());
    m_services.position = control->mapToGlobal(QPoint(99, 39)); // the last pixel inside
    moveMouse(control, QPoint(99, 39));
    QSignalSpy ticks(timer(control), &QTimer::timeout);
    QTRY_COMPARE_WITH_TIMEOUT(ticks.count(), 3, 2000); // the pointer stays inside for three ticks
    QVERIFY(timer(control)->isActive());
    QCOMPARE(body(control)->property("BackColor").toUInt(), 0xFFFFFFu);
}

void TestControlHover::normalLookIsTheLoadedOne()
{
    QWidget *control = show(QStringLiteral("Corvixes.KroText"), hoverBag());
    control->setProperty("BackColor", 0x00FF00u);
    control->setProperty("ForeColor", 0x0000FFu);
    moveMouse(control, QPoint(50, 20));
    QTRY_VERIFY(!timer(control)->isActive());
    QCOMPARE(body(control)->property("BackColor").toUInt(), 0x8000000Fu);
    QCOMPARE(label(control)->property("ForeColor").toUInt(), 0x800000u);
}

void TestControlHover::hoverEffectOffStillRunsTimer()
{
    PropertyBag bag = hoverBag();
    bag.writeBool(QStringLiteral("HoverEffect"), false);
    QWidget *control = show(QStringLiteral("Corvixes.KroText"), bag);
    m_services.position = control->mapToGlobal(QPoint(50, 20));
    moveMouse(control, QPoint(50, 20));
    QVERIFY(timer(control)->isActive());
    QSignalSpy ticks(timer(control), &QTimer::timeout);
    QVERIFY(ticks.wait(1000));
    QVERIFY(timer(control)->isActive());
    QCOMPARE(label(control)->property("ForeColor").toUInt(), 0x800000u);
    QCOMPARE(body(control)->property("BackColor").toUInt(), 0x8000000Fu);
}

void TestControlHover::mouseMoveArguments()
{
    QWidget *control = show(QStringLiteral("Corvixes.KroText"), hoverBag());
    auto *recorder = new EventRecorder(control);
    // X and Y in twips, relative to the part that got the move; the caption is part of the button.
    moveMouse(label(control), QPoint(2, 3));
    QCOMPARE(recorder->events, QStringList{QStringLiteral("MouseMove")});
    QCOMPARE(recorder->arguments.first(), (QVariantList{short(0), short(0), 30.0f, 45.0f}));
    QVERIFY(timer(control)->isActive());
    moveMouse(control, QPoint(4, 5));
    QCOMPARE(recorder->events.size(), 2); // MouseMove again while already hovering
    QCOMPARE(recorder->arguments.last(), (QVariantList{short(0), short(0), 60.0f, 75.0f}));
}

void TestControlHover::pictureSwap_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<bool>("hoverEffect");
    QTest::addColumn<bool>("withActive");
    for (const char *id : {"Corvixes.KroStyle", "Corvixes.KroImage"}) {
        QTest::addRow("%s active picture, hover effect on", id) << id << true << true;
        QTest::addRow("%s active picture, hover effect off", id) << id << false << true;
        QTest::addRow("%s no active picture", id) << id << true << false;
    }
}

void TestControlHover::pictureSwap()
{
    QFETCH(QString, progId);
    QFETCH(bool, hoverEffect);
    QFETCH(bool, withActive);
    const KroPicture normal = solidPicture(Qt::red);
    const KroPicture active = solidPicture(Qt::blue);
    PropertyBag bag;
    bag.writeBool(QStringLiteral("HoverEffect"), hoverEffect);
    bag.writePicture(QStringLiteral("Picture"), normal);
    if (withActive)
        bag.writePicture(QStringLiteral("PictureActive"), active);
    QWidget *control = show(progId, bag);
    QWidget *image = control->findChild<QWidget *>(QStringLiteral("Image1"));
    // A picture put at run time is not the one restored after a hover.
    control->setProperty("Picture", QVariant::fromValue(solidPicture(Qt::green)));
    m_services.position = image->mapToGlobal(QPoint(1, 1));
    moveMouse(image, QPoint(1, 1));
    QVERIFY(timer(control)->isActive());
    const KroPicture shown = image->property("Picture").value<KroPicture>();
    QCOMPARE(shown, withActive ? active : solidPicture(Qt::green));
    m_services.position = QPoint(-5, -5);
    QTRY_VERIFY(!timer(control)->isActive());
    QCOMPARE(image->property("Picture").value<KroPicture>(), withActive ? normal : solidPicture(Qt::green));
}

void TestControlHover::imageCaptionDoesNotStartHover()
{
    PropertyBag bag = hoverBag();
    bag.writeBool(QStringLiteral("HoverEffect"), true);
    QWidget *control = show(QStringLiteral("Corvixes.KroImage"), bag);
    auto *recorder = new EventRecorder(control);
    moveMouse(label(control), QPoint(5, 5));
    QCOMPARE(recorder->events, QStringList{QStringLiteral("MouseMove")});
    QVERIFY(!timer(control)->isActive());
    QCOMPARE(label(control)->property("ForeColor").toUInt(), 0x800000u);
    moveMouse(control->findChild<QWidget *>(QStringLiteral("Image1")), QPoint(5, 5));
    QVERIFY(timer(control)->isActive());
    QCOMPARE(label(control)->property("ForeColor").toUInt(), 0xFF8080u);
}

void TestControlHover::freshImageShowsEmptyActivePicture()
{
    QWidget *control = corvixFactory()->create(QStringLiteral("Corvixes.KroImage"), m_container.get());
    control->setGeometry(0, 0, 80, 80);
    m_container->show();
    control->setProperty("Picture", QVariant::fromValue(solidPicture(Qt::red)));
    QWidget *image = control->findChild<QWidget *>(QStringLiteral("Image1"));
    m_services.position = image->mapToGlobal(QPoint(3, 3));
    moveMouse(image, QPoint(3, 3));
    QVERIFY(!image->property("Picture").value<KroPicture>().hasImage()); // the empty active picture
    m_services.position = QPoint(-5, -5);
    QTRY_VERIFY(!timer(control)->isActive());
    QVERIFY(image->property("Picture").value<KroPicture>().isNone()); // the normal picture was never read
}

QTEST_MAIN(TestControlHover)
#include "tst_controlhover.moc"
