#pragma once

#include <QString>

// The maker's web address: the page footer links it and the About box shows it.
namespace MakerAddress {

inline QString url()
{
    return QStringLiteral("https://velmora.example/");
}

inline QString host()
{
    return QStringLiteral("velmora.example");
}

} // namespace MakerAddress
