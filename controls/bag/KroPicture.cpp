#include "controls/bag/KroPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

QString mimeOf(const QByteArray &data)
{
    if (data.startsWith("\x89PNG"))
        return QStringLiteral("image/png");
    if (data.startsWith("GIF8"))
        return QStringLiteral("image/gif");
    if (data.startsWith("\xFF\xD8"))
        return QStringLiteral("image/jpeg");
    if (data.startsWith("BM"))
        return QStringLiteral("image/bmp");
    return QStringLiteral("application/octet-stream");
}

} // namespace

KroPicture KroPicture::emptyObject()
{
    KroPicture p;
    p.m_exists = true;
    return p;
}

KroPicture KroPicture::fromData(const QByteArray &encoded)
{
    KroPicture p;
    p.m_exists = true;
    p.m_data = encoded;
    return p;
}

KroPicture KroPicture::fromImage(const QImage &image)
{
    if (image.isNull())
        return emptyObject();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return fromData(bytes);
}

KroPicture KroPicture::fromFile(const QString &path, QString *error)
{
    if (path.isEmpty())
        return emptyObject();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return KroPicture();
    }
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    if (!reader.canRead()) {
        if (error)
            *error = QStringLiteral("%1 is not a picture").arg(path);
        return KroPicture();
    }
    return fromData(bytes);
}

KroPicture KroPicture::fromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return KroPicture();
    const int comma = trimmed.indexOf(QLatin1Char(','));
    if (comma < 0)
        return KroPicture();
    const QString payload = trimmed.mid(comma + 1);
    if (payload.isEmpty())
        return emptyObject();
    if (!trimmed.left(comma).endsWith(QLatin1String(";base64"), Qt::CaseInsensitive))
        return KroPicture();
    const auto decoded = QByteArray::fromBase64Encoding(
        payload.toLatin1(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return KroPicture();
    return fromData(*decoded);
}

QString KroPicture::mimeType() const
{
    return hasImage() ? mimeOf(m_data) : QString();
}

QImage KroPicture::image() const
{
    return hasImage() ? QImage::fromData(m_data) : QImage();
}

QString KroPicture::toText() const
{
    if (!m_exists)
        return QString();
    if (m_data.isEmpty())
        return QStringLiteral("data:,");
    return QStringLiteral("data:%1;base64,%2").arg(mimeType(), QString::fromLatin1(m_data.toBase64()));
}
