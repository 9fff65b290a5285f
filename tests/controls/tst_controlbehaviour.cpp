#include "controls/bag/KroPicture.h"
#include "tests/controls/CorvixTestSupport.h"

#include <QAccessible>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QStringList AllClasses{QStringLiteral("Corvixes.KroText"), QStringLiteral("Corvixes.KroStyle"),
                             QStringLiteral("Corvixes.KroImage")};

void addClassRows()
{
    QTest::addColumn<QString>("progId");
    for (const QString &id : AllClasses)
        QTest::newRow(qPrintable(id)) << id;
}

} // namespace

class TestControlBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void factoryClasses();
    void hostReportsMissingPlugin();
    void hostCreatesFromForm();
    void gotoHyperlink_data();
    void gotoHyperlink();
    void propertyChangedOnEveryPut_data();
    void propertyChangedOnEveryPut();
    void toolTipOnCaptionOnly_data();
    void toolTipOnCaptionOnly();
    void mouseClickSequence_data();
    void mouseClickSequence();
    void hostEventConnections();
    void keys_data();
    void keys();
    void tabFocusAndFocusLook();
    void accessibility_data();
    void accessibility();

private:
    QWidget *show(const QString &progId);

    FakeServices m_services;
    std::unique_ptr<QWidget> m_container;
};

void TestControlBehaviour::initTestCase()
{
    corvixFactory()->setServices(&m_services);
}

void TestControlBehaviour::init()
{
    m_container.reset(makeContainer());
    m_services.opened.clear();
}

void TestControlBehaviour::cleanup()
{
    m_container.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *TestControlBehaviour::show(const QString &progId)
{
    PropertyBag bag;
    bag.writeString(QStringLiteral("Caption"), QStringLiteral("Visit us"));
    bag.writeString(QStringLiteral("ToolTipText"), QStringLiteral("Opens the web page"));
    QWidget *control = corvixFactory()->load(progId, bag, m_container.get());
    control->setGeometry(10, 10, 120, 40);
    m_container->show();
    return control;
}

void TestControlBehaviour::factoryClasses()
{
    QCOMPARE(corvixFactory()->classNames(), AllClasses);
    for (const QString &id : AllClasses) {
        QCOMPARE(corvixFactory()->toolboxImage(id).availableSizes(), QList<QSize>{QSize(16, 15)});
        std::unique_ptr<QWidget> control(corvixFactory()->create(id));
        QCOMPARE(corvixFactory()->progIdOf(control.get()), id);
    }
    QVERIFY(!corvixFactory()->create(QStringLiteral("Corvixes.KroNone")));
    QVERIFY(!corvixFactory()->load(QStringLiteral("Other.KroText"), PropertyBag()));
    QVERIFY(corvixFactory()->toolboxImage(QStringLiteral("Corvixes.KroNone")).isNull());
    QLineEdit notOurs;
    PropertyBag bag;
    QVERIFY(!corvixFactory()->save(&notOurs, bag));
    QVERIFY(bag.isEmpty());
}

void TestControlBehaviour::hostReportsMissingPlugin()
{
    QTemporaryDir empty;
    CorvixHost host(empty.path());
    QVERIFY(!host.loadPlugin());
    QVERIFY(!host.isLoaded());
    QVERIFY(host.errorString().contains(QDir::toNativeSeparators(empty.path())));
    QVERIFY(!host.create(QStringLiteral("Corvixes.KroText")));

    // Several folders: a failure names each; a later folder serves when an earlier one has no plugin.
    QTemporaryDir other;
    CorvixHost neither(QStringList{empty.path(), other.path()});
    QVERIFY(!neither.loadPlugin());
    for (const QString &folder : {empty.path(), other.path()})
        QVERIFY2(neither.errorString().contains(QDir::toNativeSeparators(folder)), qPrintable(neither.errorString()));
    CorvixHost later(QStringList{empty.path(), QStringLiteral(CORVIX_PLUGIN_DIR)});
    QVERIFY2(later.loadPlugin(), qPrintable(later.errorString()));

    // A file of that name that is no plugin: the loader's own reason is reported.
    QFile bogus(empty.filePath(QStringLiteral("libcorvix.so")));
    QVERIFY(bogus.open(QIODevice::WriteOnly));
    bogus.write("not a library");
    bogus.close();
    CorvixHost second(empty.path());
    QVERIFY(!second.loadPlugin());
    QVERIFY2(second.errorString().contains(QStringLiteral("libcorvix.so")), qPrintable(second.errorString()));
}

void TestControlBehaviour::hostCreatesFromForm()
{
    FormFile form;
    QVERIFY(form.parse(QStringLiteral("[cmdOK]\nProgID=Corvixes.KroText\n_extentx=2249\n_extenty=635\n"
                                      "tooltip=Close window\ncaption=OK\nshadow=-1\n")));
    CorvixHost host(QStringLiteral(CORVIX_PLUGIN_DIR));
    QWidget *control = host.createFromForm(form.controls.first(), m_container.get());
    QVERIFY2(control, qPrintable(host.errorString()));
    QCOMPARE(control->objectName(), QStringLiteral("cmdOK"));
    QCOMPARE(control->size(), QSize(85, 24));
    QCOMPARE(control->toolTip(), QStringLiteral("Close window"));
    QCOMPARE(control->property("Caption").toString(), QStringLiteral("OK"));
    QCOMPARE(control->property("Shadow").toBool(), true);
    QCOMPARE(m_container->findChild<QWidget *>(QStringLiteral("cmdOK")), control);
}

void TestControlBehaviour::gotoHyperlink_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("link");
    for (const QString &id : AllClasses) {
        QTest::addRow("%s empty", qPrintable(id)) << id << QString();
        QTest::addRow("%s address", qPrintable(id)) << id << QStringLiteral("https://velmora.example/");
        QTest::addRow("%s file", qPrintable(id)) << id << QStringLiteral("/media/cd/Setup.exe");
    }
}

void TestControlBehaviour::gotoHyperlink()
{
    QFETCH(QString, progId);
    QFETCH(QString, link);
    QWidget *control = show(progId);
    control->setProperty("HyperLink", link);
    auto *recorder = new EventRecorder(control);
    // Late-bound, by name, as the About box calls it.
    QVERIFY(CorvixHost::invoke(control, "gotoHyperlink"));
    QCOMPARE(m_services.opened, link.isEmpty() ? QStringList() : QStringList{link});
    QVERIFY(recorder->events.isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such method .*gotoNowhere"));
    QVERIFY(!CorvixHost::invoke(control, "gotoNowhere"));
}

void TestControlBehaviour::propertyChangedOnEveryPut_data()
{
    addClassRows();
}

void TestControlBehaviour::propertyChangedOnEveryPut()
{
    QFETCH(QString, progId);
    QWidget *control = show(progId);
    const QMetaObject *meta = control->metaObject();
    QSignalSpy spy(control, meta->method(meta->indexOfSignal("propertyChanged(QString)")));
    QVERIFY(spy.isValid());
    QStringList written;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable())
            continue;
        spy.clear();
        // Putting the value it already has still tells the host.
        QVERIFY(property.write(control, property.read(control)));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toString(), QString::fromLatin1(property.name()));
        written << QString::fromLatin1(property.name());
    }
    // Every member of the tables is there with get and put.
    const QStringList common{"HyperLink",    "HyperColor",  "HoverEffect",    "Caption",   "CurrentX",
                             "CurrentY",     "Enabled",     "Font",           "ForeColor", "MouseIcon",
                             "MousePointer", "ToolTipText", "WhatsThisHelpID"};
    const QStringList body{
        "BorderStyleActive", "BorderColorActive", "BackStyleActive", "BackColorActive", "Shadow", "BackColor",
        "BackStyle",         "BorderColor",       "BorderStyle",     "BorderWidth",     "Shape",  "WordWrap"};
    QStringList expected = common;
    if (progId != QLatin1String("Corvixes.KroImage"))
        expected += body;
    if (progId == QLatin1String("Corvixes.KroStyle"))
        expected += QStringList{"Alignment", "Picture", "PictureActive"};
    if (progId == QLatin1String("Corvixes.KroImage"))
        expected += QStringList{"BackColor", "FontSize", "Picture", "PictureActive", "Alignment"};
    written.sort();
    expected.sort();
    QCOMPARE(written, expected);
    QVERIFY(meta->indexOfProperty("hwnd") >= 0);
    QVERIFY(!meta->property(meta->indexOfProperty("hwnd")).isWritable());
}

void TestControlBehaviour::toolTipOnCaptionOnly_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("holder");
    QTest::newRow("KroText") << "Corvixes.KroText"
                             << "Label1";
    QTest::newRow("KroStyle") << "Corvixes.KroStyle"
                              << "Label1";
    QTest::newRow("KroImage") << "Corvixes.KroImage"
                              << "Image1";
}

void TestControlBehaviour::toolTipOnCaptionOnly()
{
    QFETCH(QString, progId);
    QFETCH(QString, holder);
    QWidget *control = show(progId);
    QCOMPARE(control->findChild<QWidget *>(holder)->toolTip(), QStringLiteral("Opens the web page"));
    QVERIFY(control->toolTip().isEmpty());
    const QWidget *caption = control->findChild<QWidget *>(QStringLiteral("Label1"));
    if (progId != QLatin1String("Corvixes.KroImage")) // the caption part is no larger than its text
        QVERIFY(caption->width() < control->width());
}

void TestControlBehaviour::mouseClickSequence_data()
{
    addClassRows();
}

void TestControlBehaviour::mouseClickSequence()
{
    QFETCH(QString, progId);
    QWidget *control = show(progId);
    QWidget *caption = control->findChild<QWidget *>(QStringLiteral("Label1"));
    auto *recorder = new EventRecorder(control);
    sendMouse(caption, QEvent::MouseButtonPress, QPoint(1, 1));
    sendMouse(caption, QEvent::MouseButtonRelease, QPoint(1, 1));
    sendMouse(caption, QEvent::MouseButtonDblClick, QPoint(1, 1));
    sendMouse(caption, QEvent::MouseButtonRelease, QPoint(1, 1));
    QCOMPARE(recorder->events, (QStringList{"MouseDown", "MouseUp", "Click", "DblClick", "MouseUp"}));
    QCOMPARE(recorder->arguments.first(), (QVariantList{short(1), short(0), 15.0f, 15.0f}));

    // A press that is released outside the control is no click; a right click neither.
    recorder->clear();
    sendMouse(control, QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(control, QEvent::MouseButtonRelease, QPoint(500, 5));
    sendMouse(control, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
    sendMouse(control, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton);
    QCOMPARE(recorder->events, (QStringList{"MouseDown", "MouseUp", "MouseDown", "MouseUp"}));
    QCOMPARE(recorder->arguments.at(2).first(), QVariant(short(2)));
}

void TestControlBehaviour::hostEventConnections()
{
    QWidget *control = show(QStringLiteral("Corvixes.KroText"));
    QStringList seen;
    QObject context;
    QVERIFY(CorvixHost::connectEvent(control, "Click", &context, [&] { seen << QStringLiteral("Click"); }));
    QVERIFY(CorvixHost::connectEvent(control, "Hide", &context, [&] { seen << QStringLiteral("Hide"); }));
    QVERIFY(!CorvixHost::connectEvent(control, "KeyDown", &context, [] {})); // has parameters
    QVERIFY(!CorvixHost::connectEvent(control, "Vanish", &context, [] {}));
    sendMouse(control, QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(control, QEvent::MouseButtonRelease, QPoint(5, 5));
    control->hide();
    QCOMPARE(seen, (QStringList{"Click", "Hide"}));
    delete control; // the relay goes with the control
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(context.children().isEmpty());
}

void TestControlBehaviour::keys_data()
{
    QTest::addColumn<QString>("progId");
    QTest::addColumn<int>("key");
    QTest::addColumn<short>("replaceKeyCode");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("keyCode");

    for (const QString &id : AllClasses) {
        const QByteArray name = id.toLatin1();
        QTest::addRow("%s space", name.constData())
            << id << int(Qt::Key_Space) << short(-1) << QStringList{"KeyDown", "KeyPress", "KeyUp", "Click"} << 32;
        QTest::addRow("%s enter", name.constData())
            << id << int(Qt::Key_Return) << short(-1) << QStringList{"KeyDown", "KeyPress", "Click", "KeyUp"} << 13;
        QTest::addRow("%s letter", name.constData())
            << id << int(Qt::Key_A) << short(-1) << QStringList{"KeyDown", "KeyPress", "KeyUp"} << 65;
        // A handler that clears the key code swallows the key: no KeyPress, no click.
        QTest::addRow("%s space cancelled", name.constData())
            << id << int(Qt::Key_Space) << short(0) << QStringList{"KeyDown", "KeyUp"} << 32;
        QTest::addRow("%s enter cancelled", name.constData())
            << id << int(Qt::Key_Return) << short(0) << QStringList{"KeyDown", "KeyUp"} << 13;
    }
}

void TestControlBehaviour::keys()
{
    QFETCH(QString, progId);
    QFETCH(int, key);
    QFETCH(short, replaceKeyCode);
    QFETCH(QStringList, events);
    QFETCH(int, keyCode);
    QWidget *control = show(progId);
    auto *recorder = new EventRecorder(control);
    recorder->replaceKeyCode = replaceKeyCode;
    QTest::keyClick(control, Qt::Key(key));
    QCOMPARE(recorder->events, events);
    QCOMPARE(recorder->arguments.first(), (QVariantList{short(keyCode), short(0)}));
    QTest::keyClick(control, Qt::Key(key), Qt::ShiftModifier);
    QCOMPARE(recorder->arguments.at(events.size()).at(1), QVariant(short(1)));
}

void TestControlBehaviour::tabFocusAndFocusLook()
{
    auto *edit = new QLineEdit(m_container.get());
    edit->setGeometry(10, 100, 100, 20);
    QWidget *first = show(QStringLiteral("Corvixes.KroText"));
    QWidget *second = corvixFactory()->create(QStringLiteral("Corvixes.KroStyle"), m_container.get());
    second->setGeometry(10, 150, 120, 40);
    second->show();
    QApplication::setActiveWindow(m_container.get());
    QVERIFY(QTest::qWaitForWindowActive(m_container.get()));
    edit->setFocus();
    const QImage unfocused = first->grab().toImage();
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(first->hasFocus() || second->hasFocus());
    first->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(first->hasFocus());
    QVERIFY(first->grab().toImage() != unfocused); // focus shows
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(!first->hasFocus());
    QVERIFY(first->focusPolicy() & Qt::TabFocus);
}

void TestControlBehaviour::accessibility_data()
{
    addClassRows();
}

void TestControlBehaviour::accessibility()
{
    QFETCH(QString, progId);
    QWidget *control = show(progId);
    auto *recorder = new EventRecorder(control);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Visit us"));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Opens the web page"));
    QVERIFY(iface->state().focusable);
    QCOMPARE(iface->childCount(), 0);
    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(recorder->events, QStringList{QStringLiteral("Click")});

    control->setProperty("Caption", QStringLiteral("Renamed"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Renamed"));
    control->setProperty("Enabled", false);
    QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(recorder->events.size(), 1);
}

QTEST_MAIN(TestControlBehaviour)
#include "tst_controlbehaviour.moc"
