#pragma once

#include <QString>

// The program's own version data, as the About box shows it.
namespace VersionInfo {

QString productName();
QString fileDescription();
int major();
int minor();
int revision();
QString companyName();
QString legalCopyright();

} // namespace VersionInfo
