#pragma once

#include <QString>

// The maker's web page, from the build setting VELMORA_HOMEPAGE_URL. A build without it names none: the footers
// then say who made the page without a link, and the About box shows no link.
namespace MakerAddress {

// "https://example.org/velmora/", or empty.
QString url();
// Its host ("example.org"), or empty.
QString host();

} // namespace MakerAddress
