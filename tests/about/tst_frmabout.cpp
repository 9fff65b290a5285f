#include "controls/host/CorvixHost.h"
#include "core/about/SystemInfo.h"
#include "core/model/MakerAddress.h"
#include "wizard/about/frmAbout.h"
#include "tests/common/FakeNotices.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {

class RecordingServices : public CorvixServices
{
public:
    QStringList opened;
    QPoint cursorPosition() const override { return {-1000, -1000}; }
    void openLink(const QString &target) override { opened.append(target); }
};

class NoSystemInfo : public SystemInfoLookup
{
public:
    QString programPath() const override { return {}; }
};

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void showsTheVersionData();
    void linkOpensTheMakersAddress();
    void systemInfoUnavailableIsReported();
    void okCloses();

private:
    QWidget *button(QWidget *dialog, const char *name) { return dialog->findChild<QWidget *>(QLatin1String(name)); }

    CorvixHost m_host{QStringLiteral(CORVIX_PLUGIN_DIR)};
    RecordingServices m_services;
    FakeNotices m_notices;
    NoSystemInfo m_noSystemInfo;
};

void TestFrmAbout::initTestCase()
{
    QVERIFY2(m_host.loadPlugin(), qPrintable(m_host.errorString()));
    m_host.factory()->setServices(&m_services);
}

void TestFrmAbout::cleanupTestCase()
{
    m_host.factory()->setServices(nullptr);
}

void TestFrmAbout::showsTheVersionData()
{
    frmAbout about(m_host, m_notices, m_noSystemInfo);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Velmora Wizard"));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(110, 130, 190));
    const auto text = [&](const char *name) { return about.findChild<QLabel *>(QLatin1String(name))->text(); };
    QCOMPARE(text("lblTitle"), QStringLiteral("Velmora Wizard"));
    QCOMPARE(text("lblVersion"), QStringLiteral("Version 2.0.0"));
    QCOMPARE(text("lblDescription"), QStringLiteral("Velmora Wizard creates html menus for custom made CDs"));
    // The maker's host and a link to its page where the build names one (VELMORA_HOMEPAGE_URL), else neither.
    const QString address = MakerAddress::url();
    QCOMPARE(text("lblCompany"), address.isEmpty() ? QStringLiteral("Velmora") : QUrl(address).host());
    QVERIFY(!text("lblCopyright").isEmpty());
    QVERIFY(!about.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());

    QWidget *link = about.findChild<QWidget *>(QStringLiteral("KroText1"));
    QCOMPARE(link != nullptr, !address.isEmpty());
    if (link) {
        QCOMPARE(link->property("Caption").toString(), address);
        QCOMPARE(link->toolTip(), QStringLiteral("visit ") + address);
    }
    QCOMPARE(button(&about, "cmdOK")->property("Caption").toString(), QStringLiteral("OK"));
    QCOMPARE(button(&about, "cmdSysInfo")->property("Caption").toString(), QStringLiteral("System Info"));
    QCOMPARE(button(&about, "cmdSysInfo")->toolTip(), QStringLiteral("display system information"));
}

void TestFrmAbout::linkOpensTheMakersAddress()
{
    m_services.opened.clear();
    frmAbout about(m_host, m_notices, m_noSystemInfo);
    if (MakerAddress::url().isEmpty())
        QSKIP("this build names no maker's address (VELMORA_HOMEPAGE_URL)");
    QWidget *link = button(&about, "KroText1");
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
    QCOMPARE(m_services.opened, QStringList{MakerAddress::url()});
}

void TestFrmAbout::systemInfoUnavailableIsReported()
{
    m_notices.clear();
    frmAbout about(m_host, m_notices, m_noSystemInfo);
    QWidget *sysInfo = button(&about, "cmdSysInfo");
    sysInfo->setFocus();
    QTest::keyClick(sysInfo, Qt::Key_Return);
    QCOMPARE(m_notices.texts(), QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
}

void TestFrmAbout::okCloses()
{
    QPointer<frmAbout> about = new frmAbout(m_host, m_notices, m_noSystemInfo);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QWidget *ok = button(about, "cmdOK");
    QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
    QTRY_VERIFY(about.isNull());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
