#include "core/model/MakerAddress.h"

#include <QUrl>

namespace MakerAddress {

QString url()
{
    return QStringLiteral(VELMORA_HOMEPAGE_URL);
}

QString host()
{
    return QUrl(url()).host();
}

} // namespace MakerAddress
