#include "wizard/about/frmAbout.h"

#include "controls/host/CorvixHost.h"
#include "wizard/FormButtons.h"
#include "wizard/PageKit.h"
#include "core/about/SystemInfo.h"
#include "wizard/Notices.h"
#include "wizard/Twips.h"
#include "core/about/VersionInfo.h"
#include "core/model/MakerAddress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>

namespace {

QLabel *whiteLabel(QWidget *parent, const QString &name, int left, int top, int width, int height, bool bold,
                   bool wrap = false)
{
    QLabel *label = PageKit::label(parent, name, QString(), left, top, width, height);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

// The etched rule under the description: a grey line over a white one.
void addRule(QWidget *parent, int top, const char *color)
{
    auto *line = new QWidget(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(twips(90), twips(top), twips(5654) - twips(90), 1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(QLatin1String(color)));
    line->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(CorvixHost &controls, Notices &notices, const SystemInfoLookup &sysInfo, QWidget *parent)
    : QDialog(parent), m_notices(notices), m_sysInfo(sysInfo)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(twips(5730), twips(4005));

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(twipsRect(75, 300, 750, 810));
    image->setPixmap(QPixmap(QStringLiteral(":/frmAbout/logo.png")));
    image->setScaledContents(true);

    m_title = whiteLabel(this, QStringLiteral("lblTitle"), 1050, 225, 3885, 480, true);
    m_version = whiteLabel(this, QStringLiteral("lblVersion"), 1050, 780, 3885, 225, false);
    m_description = whiteLabel(this, QStringLiteral("lblDescription"), 1050, 1125, 3885, 1170, false, true);
    addRule(this, 2445, "#808080");
    addRule(this, 2460, "#ffffff");
    m_company = whiteLabel(this, QStringLiteral("lblCompany"), 255, 2625, 3870, 300, true);
    m_copyright = whiteLabel(this, QStringLiteral("lblCopyright"), 225, 3075, 3870, 300, false);

    FormButtons buttons(controls, QStringLiteral(":/frmAbout/frmAbout.frm"));
    QWidget *ok = buttons.make(QStringLiteral("cmdOK"), this);
    PageKit::place(ok, 4200, 2625, 1275, 360);
    QWidget *sysInfoButton = buttons.make(QStringLiteral("cmdSysInfo"), this);
    PageKit::place(sysInfoButton, 4200, 3075, 1275, 360);
    FormButtons::onClick(ok, this, [this] { accept(); });
    FormButtons::onClick(sysInfoButton, this, [this] { StartSysInfo(); });
    setTabOrder(ok, sysInfoButton);
    // The maker's page, only where the build names one.
    const QString address = MakerAddress::url();
    if (!address.isEmpty()) {
        QWidget *link = buttons.make(QStringLiteral("KroText1"), this);
        PageKit::place(link, 300, 3525, 5115, 315);
        link->setProperty("Caption", address);
        link->setProperty("HyperLink", address);
        link->setToolTip(QCoreApplication::translate("About", "visit %1").arg(address));
        // The link is followed through the control's own method, called by name as any host would.
        FormButtons::onClick(link, this, [link] { CorvixHost::invoke(link, "gotoHyperlink"); });
        setTabOrder(sysInfoButton, link);
    }

    Form_Load();
}

void frmAbout::Form_Load()
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(110, 130, 190));
    setPalette(background);
    setWindowTitle(QCoreApplication::translate("About", "About %1").arg(VersionInfo::productName()));

    m_title->setText(VersionInfo::productName());
    m_version->setText(QCoreApplication::translate("About", "Version %1.%2.%3")
                           .arg(VersionInfo::major())
                           .arg(VersionInfo::minor())
                           .arg(VersionInfo::revision()));
    m_description->setText(VersionInfo::fileDescription());
    m_company->setText(VersionInfo::companyName());
    m_copyright->setText(VersionInfo::legalCopyright());
}

void frmAbout::StartSysInfo()
{
    if (const StepResult started = SystemInfoLauncher(m_sysInfo).StartSysInfo(); !started)
        m_notices.plainTitled(started.error);
}
