#include "core/about/VersionInfo.h"

#include "core/model/MakerAddress.h"

#include <QCoreApplication>
#include <QVersionNumber>

namespace {

QVersionNumber version()
{
    return QVersionNumber::fromString(QStringLiteral(VELMORA_VERSION));
}

} // namespace

namespace VersionInfo {

QString productName()
{
    return QStringLiteral("Velmora Wizard");
}

QString fileDescription()
{
    return QCoreApplication::translate("About", "Velmora Wizard creates html menus for custom made CDs");
}

int major()
{
    return version().majorVersion();
}

int minor()
{
    return version().minorVersion();
}

int revision()
{
    return version().microVersion();
}

QString companyName()
{
    // The maker's host where the build names one.
    const QString host = MakerAddress::host();
    return host.isEmpty() ? QStringLiteral("Velmora") : host;
}

QString legalCopyright()
{
    return QStringLiteral(u"© 2026 the Velmora developers");
}

} // namespace VersionInfo
