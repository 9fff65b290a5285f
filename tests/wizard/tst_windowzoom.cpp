#include "tests/wizard/WizardFixture.h"
#include "wizard/ElidedLabel.h"
#include "wizard/Zoom.h"

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QProcess>

// The window's zoom, its keyboard way into the menus, and the CD root shown whole however long.
class TestWindowZoom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void zoomMenuAndShortcuts_data();
    void zoomMenuAndShortcuts();
    void zoomSteps_data();
    void zoomSteps();
    void menusOpenFromTheKeyboard();
    void longRootIsElidedInTheMiddle();
    void zoomedWindowIsLargerAndCrisp();

private:
    QTemporaryDir m_config;
};

void TestWindowZoom::initTestCase()
{
    // The settings go to a folder of the test's own, before anything reads them.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    QVERIFY2(Zoom::settingsFile().startsWith(m_config.path()), qPrintable(Zoom::settingsFile()));
}

void TestWindowZoom::init()
{
    QFile::remove(Zoom::settingsFile());
}

void TestWindowZoom::zoomMenuAndShortcuts_data()
{
    QTest::addColumn<QStringList>("steps"); // a key sequence, or the name of a zoom menu item
    QTest::addColumn<int>("stored");        // 0: nothing stored
    QTest::addColumn<int>("notices");
    QTest::newRow("Ctrl++") << QStringList{"Ctrl++"} << 125 << 1;
    QTest::newRow("in twice and out") << QStringList{"Ctrl++", "Ctrl+=", "Ctrl+-"} << 125 << 3;
    QTest::newRow("menu, then normal size") << QStringList{"mnuZoom175", "Ctrl+0"} << 100 << 2;
    QTest::newRow("top stays") << QStringList{"mnuZoom200", "Ctrl++"} << 200 << 1;
    QTest::newRow("out at the bottom") << QStringList{"Ctrl+-"} << 0 << 0;
}

// Each choice is kept for the next start, checked in the menu, and the user is told when it applies.
void TestWindowZoom::zoomMenuAndShortcuts()
{
    QFETCH(QStringList, steps);
    QFETCH(int, stored);
    QFETCH(int, notices);
    WizardFixture f;
    QApplication::setActiveWindow(f.window.get());
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("mnu"))) {
            f.window->findChild<QAction *>(step)->trigger();
            continue;
        }
        const QKeySequence keys(step);
        QTest::keySequence(f.window.get(), keys);
    }
    QCOMPARE(Zoom::stored(), stored);
    QCOMPARE(f.notices.texts().size(), notices);
    if (notices > 0)
        QCOMPARE(f.notices.texts().constLast(),
                 QStringLiteral("The window will be shown at %1 % from the next start of Velmora.").arg(stored));
    const int checked = stored == 0 ? 100 : stored;
    for (const int percent : Zoom::steps())
        QCOMPARE(f.window->findChild<QAction *>(QStringLiteral("mnuZoom%1").arg(percent))->isChecked(),
                 percent == checked);
}

void TestWindowZoom::zoomSteps_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("expected");
    QTest::newRow("small screen") << 768 << 100;
    QTest::newRow("full HD") << 1080 << 100;
    QTest::newRow("1440") << 1440 << 150;
    QTest::newRow("4K at 1.0") << 2160 << 200;
    QTest::newRow("no screen") << 0 << 100;
}

// The first start picks the step at which the window (520 high at 100 %) fills about half the screen's height.
void TestWindowZoom::zoomSteps()
{
    QFETCH(int, screenHeight);
    QFETCH(int, expected);
    QCOMPARE(Zoom::forScreen(screenHeight, 520), expected);
}

void TestWindowZoom::menusOpenFromTheKeyboard()
{
    WizardFixture f;
    QMenuBar *bar = f.window->menuBar();
    QStringList titles;
    for (QAction *menu : bar->actions())
        titles.append(menu->text());
    QCOMPARE(titles, (QStringList{"&File", "&View", "&Help"}));
    QCOMPARE(f.window->findChild<QAction *>(QStringLiteral("mnuMakeImage"))->shortcut(), QKeySequence("Ctrl+I"));
    QCOMPARE(f.window->findChild<QAction *>(QStringLiteral("mnuQuit"))->shortcut(), QKeySequence("Ctrl+Q"));

    QApplication::setActiveWindow(f.window.get());
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTest::keyClick(f.window.get(), Qt::Key_F10);
    QCOMPARE(bar->activeAction(), bar->actions().constFirst());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keySequence(f.window.get(), QKeySequence("Ctrl+Q"));
    QTRY_VERIFY(!f.window->isVisible());
}

void TestWindowZoom::longRootIsElidedInTheMiddle()
{
    WizardFixture f;
    const QString root = f.cdRoot + QStringLiteral("/Quarterly reports of the sales team for the board/for the "
                                                   "quarterly prc");
    QDir().mkpath(root);
    f.click(QStringLiteral("cmdNew"));
    f.chooseRoot(root);
    auto *label = f.window->findChild<ElidedLabel *>(QStringLiteral("lblRoot"));
    QCOMPARE(label->text(), root);
    QCOMPARE(label->toolTip(), root);
    const QString shown = label->shownText();
    QVERIFY2(shown.contains(QChar(0x2026)) && shown.endsWith(QStringLiteral("quarterly prc")) &&
                 shown.startsWith(root.left(4)),
             qPrintable(shown));
    QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width());
}

// Sharpness: the mean difference between neighbouring pixels. A picture drawn at the larger size keeps its edges;
// one scaled up from the smaller picture blurs them.
static double sharpness(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 1; x < grey.width(); ++x)
            sum += std::abs(line[x] - line[x - 1]);
    }
    return sum / (double(grey.width()) * grey.height());
}

// The program's --zoom 150 makes the whole window 1.5 times as large, drawn anew at that size rather than scaled.
void TestWindowZoom::zoomedWindowIsLargerAndCrisp()
{
    QTemporaryDir out;
    QMap<int, QImage> shots;
    for (const int percent : {100, 150}) {
        QProcess shot;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        shot.setProcessEnvironment(environment);
        const QString file = out.filePath(QStringLiteral("%1.png").arg(percent));
        shot.start(QStringLiteral(VELMORA_PROGRAM_FOLDER "/../tests/velmora_shot"),
                   {QStringLiteral("1"), file, QStringLiteral("--zoom=%1").arg(percent)});
        QVERIFY(shot.waitForFinished(60000));
        QCOMPARE(shot.exitCode(), 0);
        shots.insert(percent, QImage(file));
    }
    const QSize normal = shots[100].size();
    const QSize zoomed = shots[150].size();
    QVERIFY(!normal.isEmpty());
    QVERIFY2(std::abs(zoomed.width() / double(normal.width()) - 1.5) <= 0.075 &&
                 std::abs(zoomed.height() / double(normal.height()) - 1.5) <= 0.075,
             qPrintable(QStringLiteral("%1x%2 at 150 %, %3x%4 at 100 %")
                            .arg(zoomed.width())
                            .arg(zoomed.height())
                            .arg(normal.width())
                            .arg(normal.height())));
    // The bottom row of buttons: drawn at 150 % against the 100 % picture scaled up.
    const QRect buttons(0, normal.height() * 6200 / 7035, normal.width(), normal.height() / 10);
    const QRect zoomedButtons(buttons.x() * 3 / 2, buttons.y() * 3 / 2, buttons.width() * 3 / 2,
                              buttons.height() * 3 / 2);
    const QImage drawn = shots[150].copy(zoomedButtons);
    const QImage scaled =
        shots[100].copy(buttons).scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(sharpness(drawn) > 1.15 * sharpness(scaled),
             qPrintable(QStringLiteral("%1 against %2").arg(sharpness(drawn)).arg(sharpness(scaled))));
}

QTEST_MAIN(TestWindowZoom)
#include "tst_windowzoom.moc"
